// Reading scripts line by line into checked answers.
#include "platform/host/scripted_script.h"

#include <cctype>

#include "platform/host/scripted_input.h"

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t\r") - first + 1));
}

std::vector<std::string> words_of(const std::string& s) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while ((pos = s.find_first_not_of(" \t", pos)) != std::string::npos) {
    const std::size_t end = s.find_first_of(" \t", pos);
    words.push_back(s.substr(pos, end - pos));
    pos = end;
  }
  return words;
}

struct answer_word {
  const char* name;
  script_kind kind;
};
const answer_word answer_words[] = {
    {"point", script_kind::point},   {"keyword", script_kind::keyword}, {"string", script_kind::string},
    {"enter", script_kind::enter},   {"esc", script_kind::esc},         {"select", script_kind::select},
    {"answer", script_kind::answer}, {"dialog", script_kind::dialog},   {"keys", script_kind::keys},
    {"mouse", script_kind::mouse},   {"toolbar", script_kind::toolbar}, {"snapshot", script_kind::snapshot},
    {"clipboard", script_kind::clipboard}};

// Each reader fills `line` from the arguments after the line's first word;
// an answered string is the error.
using reader = std::string (*)(const std::string& arguments, script_line& line);

std::string read_nothing(const std::string& arguments, script_line&) {
  return arguments.empty() ? std::string() : "takes no arguments";
}

std::string read_point(const std::string& arguments, script_line& line) {
  std::string text = arguments;
  if (!text.empty() && text[0] == '@') {
    line.relative = true;
    text.erase(0, 1);
  }
  if (!scriptedParsePoint(text, line.point)) return "\"" + arguments + "\" is not a point X,Y[,Z]";
  return {};
}

std::string read_keyword(const std::string& arguments, script_line& line) {
  if (arguments.empty()) return "needs a keyword";
  std::string name = arguments;
  if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
  line.word = OdString::fromUtf8(name);
  return {};
}

std::string read_string(const std::string& arguments, script_line& line) {
  std::string text = arguments;
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"') text = text.substr(1, text.size() - 2);
  line.word = OdString::fromUtf8(text);
  return {};
}

std::string read_file_name(const std::string& arguments, script_line& line) {
  if (arguments.empty()) return "needs a file name";
  return read_string(arguments, line);
}

// Quoted lines, joined as Windows joins the lines of plain text.
std::string read_clipboard(const std::string& arguments, script_line& line) {
  std::string text;
  std::size_t pos = 0;
  int count = 0;
  while ((pos = arguments.find_first_not_of(" \t", pos)) != std::string::npos) {
    const std::size_t end = arguments.find('"', pos + 1);
    if (arguments[pos] != '"' || end == std::string::npos) return "takes quoted lines: clipboard \"LINE\" ...";
    text += (count++ == 0 ? "" : "\r\n") + arguments.substr(pos + 1, end - pos - 1);
    pos = end + 1;
  }
  if (count == 0) return "takes quoted lines: clipboard \"LINE\" ...";
  line.word = OdString::fromUtf8(text);
  return {};
}

std::string read_select(const std::string& arguments, script_line& line) {
  const std::vector<std::string> words = words_of(arguments);
  const std::string mode = words.empty() ? std::string() : lower(words[0]);
  script_selection& selection = line.selection;
  if ((mode == "all" || mode == "last") && words.size() == 1) {
    selection.mode = mode == "all" ? script_selection::mode_t::all : script_selection::mode_t::last;
    return {};
  }
  if (mode == "handles" && words.size() > 1) {
    selection.mode = script_selection::mode_t::handles;
    for (std::size_t i = 1; i < words.size(); ++i) {
      const OdDbHandle handle(OdString::fromUtf8(words[i]));
      if (handle.isNull()) return "\"" + words[i] + "\" is not a handle (hexadecimal digits)";
      selection.handles.push_back(handle);
    }
    return {};
  }
  if (mode == "window" && words.size() == 3) {
    selection.mode = script_selection::mode_t::window;
    if (!scriptedParsePoint(words[1], selection.corner1) || !scriptedParsePoint(words[2], selection.corner2))
      return "window takes two corners X1,Y1 X2,Y2";
    return {};
  }
  return "select takes all, last, handles H1 H2 ... or window X1,Y1 X2,Y2";
}

std::string read_answer(const std::string& arguments, script_line& line) {
  const std::string word = lower(arguments);
  if (word != "yes" && word != "no" && word != "ok" && word != "cancel") return "answer takes yes, no, ok or cancel";
  line.word = OdString::fromUtf8(word);
  return {};
}

// FIELD=VALUE words, where VALUE may be quoted and hold blanks.
std::string read_dialog(const std::string& arguments, script_line& line) {
  std::vector<std::string> items;
  std::size_t pos = 0;
  while ((pos = arguments.find_first_not_of(" \t", pos)) != std::string::npos) {
    std::string item;
    bool quoted = false;
    for (; pos < arguments.size() && (quoted || (arguments[pos] != ' ' && arguments[pos] != '\t')); ++pos) {
      if (arguments[pos] == '"') quoted = !quoted;
      else item += arguments[pos];
    }
    if (quoted) return "unterminated quoted value";
    items.push_back(item);
  }
  const std::string last = items.empty() ? std::string() : lower(items.back());
  if (last != "ok" && last != "cancel") return "dialog ends with ok or cancel";
  line.dialog.ok = last == "ok";
  items.pop_back();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const std::size_t equals = items[i].find('=');
    if (equals == std::string::npos) {
      if (i != 0) return "\"" + items[i] + "\" is not FIELD=VALUE";
      line.dialog.name = OdString::fromUtf8(items[i]);
      continue;
    }
    if (equals == 0) return "\"" + items[i] + "\" has no field name";
    line.dialog.fields.emplace_back(OdString::fromUtf8(items[i].substr(0, equals)),
                                    OdString::fromUtf8(items[i].substr(equals + 1)));
  }
  return {};
}

std::string read_keys(const std::string& arguments, script_line& line) {
  std::string error;
  return scriptedKeysToMessages(arguments, line.messages, error) ? std::string() : error;
}

std::string read_mouse(const std::string& arguments, script_line& line) {
  std::string error;
  return scriptedMouseToMessages(arguments, line.messages, error) ? std::string() : error;
}

// A number up to 65535; -1 for anything else.
int read_id(const std::string& text) {
  if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string::npos) return -1;
  const int id = std::stoi(text);
  return id > 0xFFFF ? -1 : id;
}

// The button's click, as its WM_COMMAND, and the menu command it chooses.
std::string read_toolbar(const std::string& arguments, script_line& line) {
  const std::size_t colon = arguments.find(':');
  const int button = read_id(arguments.substr(0, colon));
  const int command = colon == std::string::npos ? 0 : read_id(arguments.substr(colon + 1));
  if (button < 0 || command < 0) return "toolbar takes a button's id and maybe a menu command's (ID[:COMMAND], numbers up to 65535)";
  host_message click;
  click.message = kMsgCommand;
  click.wParam = static_cast<std::uintptr_t>(button);
  line.messages.push_back(click);
  line.menu_choice = command;
  return {};
}

reader reader_for(script_kind kind) {
  switch (kind) {
    case script_kind::point: return read_point;
    case script_kind::keyword: return read_keyword;
    case script_kind::string: return read_string;
    case script_kind::select: return read_select;
    case script_kind::answer: return read_answer;
    case script_kind::dialog: return read_dialog;
    case script_kind::keys: return read_keys;
    case script_kind::mouse: return read_mouse;
    case script_kind::toolbar: return read_toolbar;
    case script_kind::snapshot: return read_file_name;
    case script_kind::clipboard: return read_clipboard;
    default: return read_nothing;
  }
}

// One non-blank line; answers the error, empty when the line is good.
std::string read_line(const std::string& text, script_line& line) {
  const std::size_t end = text.find_first_of(" \t");
  const std::string first = lower(text.substr(0, end));
  const std::string arguments = end == std::string::npos ? std::string() : trim(text.substr(end));
  for (const answer_word& answer : answer_words) {
    if (first != answer.name) continue;
    line.kind = answer.kind;
    return reader_for(answer.kind)(arguments, line);
  }
  line.kind = script_kind::command;
  line.word = OdString::fromUtf8(text.substr(0, end));
  if (!arguments.empty()) return "a command is one word; \"" + text + "\" is not a command or an answer";
  return {};
}

}  // namespace

const char* scriptKindName(script_kind kind) {
  for (const answer_word& answer : answer_words)
    if (answer.kind == kind) return answer.name;
  return "command";
}

script_parse parseScript(std::string_view text, const std::string& source) {
  script_parse parse;
  int number = 0;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    const std::size_t end = text.find('\n', pos);
    const std::string_view raw = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() + 1 : end + 1;
    ++number;
    const std::string content = trim(raw);
    if (content.empty() || content[0] == '#') continue;
    script_line line;
    line.line = number;
    line.text = content;
    std::u16string check;
    std::string error = odUtf8ToUtf16(content, check) ? read_line(content, line) : "not UTF-8 text";
    if (!error.empty()) {
      parse.errors.push_back(source + ":" + std::to_string(number) + ": " + error);
      continue;
    }
    parse.lines.push_back(std::move(line));
  }
  return parse;
}
