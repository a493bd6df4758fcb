// Loading the text commands module the way any host loads it, with dlopen:
// its static registrations find the host library's exported factory.
#pragma once

namespace cadtext {

// Loads the module once per process: $CADTEXT_COMMANDS_MODULE when set, else
// the installed module beside the program, else the one in the build tree.
// Throws std::runtime_error naming what it tried when none loads or the
// module registers nothing.
void load_command_module();

// The module's exported PasteText(queryOnly), found by name as a host finds
// it; null when the module does not export it.
using paste_text_fn = bool (*)(bool queryOnly);
paste_text_fn module_paste_text();

}  // namespace cadtext
