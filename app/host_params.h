// The parameter tree the program's hosts offer to the commands.
#pragma once

#include "platform/host/HostParamNode.h"

namespace cadtext {

// "NamedListAlphabet": the alphabets lettered lists use, read from the
// shipped alphabets file (installed beside the program in share/cadtext,
// else the source tree's data folder). Without a readable file the tree is
// empty and the editor letters lists in English.
HostParamNode program_params();

}  // namespace cadtext
