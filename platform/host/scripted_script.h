// The scripted host's script: one command or answer per line, read and
// checked before anything runs.
//
//   NAME                          runs the command NAME (one word)
//   point X,Y[,Z] | point @DX,DY  a point, absolute or relative to the base point
//   keyword NAME                  a keyword of the prompt's list
//   string TEXT                   text ("..." keeps leading and trailing blanks)
//   enter                         empty input
//   esc                           cancels the prompt
//   select all | handles H1 H2 ... | window X1,Y1 X2,Y2 | last
//   answer yes|no|ok|cancel       a message box
//   dialog [NAME] FIELD=VALUE ... ok|cancel     (VALUE may be "quoted")
//   keys ...  /  mouse ...        window messages (scripted_input.h)
//   toolbar ID[:COMMAND]          a click on the editor's toolbar button ID (a WM_COMMAND);
//                                 COMMAND is chosen from the menu the button opens
//   snapshot FILE.svg             what the user sees now, as a picture
//   clipboard "LINE" ...          puts the lines on the clipboard as plain text
// Snapshot and clipboard lines answer no prompt: they run where they stand,
// between commands or while a prompt waits.
// '#' starts a comment line; blank lines are ignored. Words are matched in
// any letter case.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/host/host_message.h"
#include "platform/sdk/OdDbHandle.h"
#include "platform/sdk/OdGePoint3d.h"

enum class script_kind { command, point, keyword, string, enter, esc, select, answer, dialog, keys, mouse, toolbar, snapshot, clipboard };

struct script_selection {
  enum class mode_t { all, handles, window, last } mode = mode_t::all;
  std::vector<OdDbHandle> handles;
  OdGePoint3d corner1, corner2;
};

struct script_dialog {
  OdString name;  // empty: any dialog
  std::vector<std::pair<OdString, OdString>> fields;
  bool ok = true;
};

struct script_line {
  int line = 0;             // 1-based, in the script's text
  script_kind kind = script_kind::command;
  std::string text;         // the line as written, trimmed
  OdString word;            // command name, keyword, string text, answer, snapshot file or clipboard text
  OdGePoint3d point;
  bool relative = false;    // point @DX,DY
  script_selection selection;
  script_dialog dialog;
  std::vector<host_message> messages;  // keys, mouse and toolbar
  int menu_choice = 0;                 // toolbar: the command chosen from a popup menu
};

struct script_parse {
  std::vector<script_line> lines;
  std::vector<std::string> errors;  // "SOURCE:LINE: what is wrong"
};

script_parse parseScript(std::string_view text, const std::string& source);
// The name of a line kind as scripts write it ("point", "select", ...).
const char* scriptKindName(script_kind kind);
