// Keystrokes and mouse actions of a script as the window messages a real
// keyboard and mouse would send.
//
// keys:  "typed text" (one character message per UTF-16 unit) and named
//        keys with modifiers: Enter, Esc, Tab, Backspace, Delete, Insert,
//        Left, Right, Up, Down, Home, End, PageUp, PageDown, Space, F1-F12,
//        a single letter or digit; modifiers Ctrl+, Shift+, Alt+ (e.g.
//        Ctrl+Enter, Shift+Left, Ctrl+A). A named key sends key-down, the
//        character Windows would translate it to (Enter, Tab, Backspace,
//        Esc, Space; Ctrl+letter gives its control code), then key-up.
// mouse: [modifiers+]ACTION X,Y[,Z] with ACTION move, down, up, click,
//        dblclick, rclick; every action but move is preceded by a move to
//        the point.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_message.h"

// The messages of `keys` arguments; false with `error` set on a bad token.
bool scriptedKeysToMessages(const std::string& arguments, std::vector<host_message>& messages,
                            std::string& error);
// The messages of `mouse` arguments; false with `error` set.
bool scriptedMouseToMessages(const std::string& arguments, std::vector<host_message>& messages,
                             std::string& error);
// Reads "X,Y" or "X,Y,Z" (finite decimal numbers).
bool scriptedParsePoint(const std::string& text, OdGePoint3d& point);
