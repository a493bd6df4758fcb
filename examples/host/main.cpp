// example_host: the smallest host of the text commands. It is built against
// the installed cadtext package only, loads the commands module with dlopen
// as any host does (the module's registrations find the factory the host
// library exports), opens a drawing, runs "TJust" with its prompts answered
// from a script, and saves the drawing.
//
//   example_host IN.dxf OUT.dxf [SCRIPT]
//
// SCRIPT is the script's text; by default every text is justified to middle
// centre without moving.
#include <dlfcn.h>

#include <cstdlib>
#include <iostream>
#include <string>

#include "mtext/convert.h"
#include "platform/host/HostCmdRegistry.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDxfFile.h"

namespace {

const char* const default_script =
    "TJust\n"
    "select all\n"
    "keyword MC\n";

// The module is the one the package installed, unless the environment names
// another.
std::string module_path() {
  const char* chosen = std::getenv("CADTEXT_COMMANDS_MODULE");
  return chosen && *chosen ? chosen : CADTEXT_COMMANDS_MODULE;
}

bool load_commands() {
  const std::string path = module_path();
  if (!dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    std::cerr << "example_host: cannot load " << path << ": " << dlerror() << "\n";
    return false;
  }
  std::cout << "loaded " << path << ":";
  for (const host_command_entry& command : HostCmdRegistry::instance().entries())
    std::cout << ' ' << command.name.toUtf8();
  std::cout << "\n";
  return HostCmdRegistry::instance().find(u"TJust") != nullptr;
}

// Runs the script on the drawing; answers whether every command ended well.
bool run_script(OdDbDatabase* drawing, const std::string& name, const std::string& script) {
  scripted_host host(drawing, OdString::fromUtf8(name));
  const scripted_outcome outcome = host.run(script, "script");
  std::cout << host.transcript();
  for (const std::string& error : outcome.errors) std::cerr << "example_host: " << error << "\n";
  return outcome.ok();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::cerr << "usage: example_host IN.dxf OUT.dxf [SCRIPT]\n";
    return 2;
  }
  // Multiline texts take their size from the text library's layout.
  mtext::install_layout_provider();
  if (!load_commands()) return 2;
  try {
    OdDbDatabasePtr drawing = odDxfReadFile(argv[1]);
    if (!run_script(drawing.get(), argv[1], argc == 4 ? argv[3] : default_script)) return 1;
    odDxfWriteFile(drawing.get(), argv[2]);
  } catch (const OdDxfError& error) {
    std::cerr << "example_host: " << error.what() << "\n";
    return 2;
  }
  std::cout << "wrote " << argv[2] << "\n";
  return 0;
}
