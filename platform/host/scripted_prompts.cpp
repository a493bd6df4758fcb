// The scripted host's answers to prompts, message boxes and dialogs, taken
// line by line from the script.
#include <cstdio>

#include "platform/host/HostEdInputTracker.h"
#include "platform/host/host_scopes.h"
#include "platform/host/host_keywords.h"
#include "platform/host/scripted_host_impl.h"
#include "platform/host/scripted_selection.h"

namespace {

std::string point_text(const OdGePoint3d& p) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, "%g,%g,%g", p.x, p.y, p.z);
  return buffer;
}

// The prompt as shown: "%s" becomes the keyword list.
std::string shown_prompt(const OdString& prompt, const host_keyword_list& keywords) {
  OdString shown = prompt;
  shown.replace(u"%s", keywords.display());
  return shown.toUtf8();
}

// The answer as the transcript shows it: the line without its first word.
std::string arguments_of(const script_line& line) {
  const std::size_t blank = line.text.find_first_of(" \t");
  if (blank == std::string::npos) return {};
  return line.text.substr(line.text.find_first_not_of(" \t", blank));
}

std::string wrong_kind(const std::string& prompt, const char* wanted, const script_line& line) {
  return "\"" + prompt + "\" takes " + wanted + ", not \"" + line.text + "\"";
}

struct box_answer {
  const char* word;
  int answer;
};

// The answers a message box offers, by its buttons.
std::vector<box_answer> box_answers(int buttons) {
  switch (buttons & 0xF) {
    case kMbOkCancel: return {{"ok", IDOK}, {"cancel", IDCANCEL}};
    case kMbYesNoCancel: return {{"yes", IDYES}, {"no", IDNO}, {"cancel", IDCANCEL}};
    case kMbYesNo: return {{"yes", IDYES}, {"no", IDNO}};
    default: return {{"ok", IDOK}};
  }
}

// What closing the box without a button gives: cancel where there is one.
int box_dismissed(int buttons) {
  switch (buttons & 0xF) {
    case kMbYesNo: return IDNO;
    case kMbOk: return IDOK;
    default: return IDCANCEL;
  }
}

}  // namespace

void scripted_host::impl::sayAnswer(const std::string& prompt, const std::string& answer) {
  std::string shown = prompt;
  while (!shown.empty() && (shown.back() == ' ' || shown.back() == ':')) shown.pop_back();
  say(shown + ": " + answer);
}

const script_line* scripted_host::impl::nextAnswer(const std::string& shownPrompt) {
  if (givenUp) {
    sayAnswer(shownPrompt, "*Cancel*");
    return nullptr;
  }
  // Snapshots and clipboard lines answer nothing: they run where they stand, and the prompt waits on.
  while (outcome && next < lines.size() && runAside(lines[next])) ++next;
  if (!outcome || next >= lines.size() || lines[next].kind == script_kind::command) {
    sayAnswer(shownPrompt, "*Cancel* (the script has no answer)");
    givenUp = ranDry = true;
    return nullptr;
  }
  return &lines[next++];
}

void scripted_host::impl::scriptError(const script_line& line, const std::string& message) {
  const std::string where = source + ":" + std::to_string(line.line);
  say("*Cancel* (script error at line " + std::to_string(line.line) + ": " + message + ")");
  if (outcome) outcome->errors.push_back(where + ": " + message);
  givenUp = true;
}

bool scripted_host::impl::feedMessages(const script_line& line, HostEdMessageFilter* tracker) {
  if (!tracker && filters.empty()) {
    scriptError(line, "\"" + line.text + "\" needs a message filter, and none is installed");
    return false;
  }
  say("  " + line.text);
  menuChoice = line.menu_choice;
  for (const host_message& message : line.messages) {
    holdModifiers(message.modifiers);
    if (tracker) {
      tracker->filterMessage(message);
      continue;
    }
    // The filter added last sees a message first; a copy, as filters may
    // remove themselves while handling it.
    const std::vector<HostEdMessageFilter*> current(filters.rbegin(), filters.rend());
    for (HostEdMessageFilter* filter : current)
      if (filter->filterMessage(message)) break;
  }
  holdModifiers(0);  // the keys are let go at the end of the line
  menuChoice = 0;
  return true;
}

// The editor reads Ctrl, Shift and Alt from the key state, as from a keyboard.
void scripted_host::impl::holdModifiers(std::uint32_t modifiers) {
  win::memory_key_state& keys = windowing.keyState();
  keys.setKeyDown(win::VK_CONTROL, (modifiers & kModControl) != 0);
  keys.setKeyDown(win::VK_SHIFT, (modifiers & kModShift) != 0);
  keys.setKeyDown(win::VK_MENU, (modifiers & kModAlt) != 0);
}

int scripted_host::impl::getPoint(const OdString& prompt, OdGePoint3d& point, const OdGePoint3d* basePoint,
                                  HostEdInputTracker* tracker, const OdString& keywords, int) {
  const host_keyword_list list = hostParseKeywords(keywords);
  const std::string shown = shown_prompt(prompt, list);
  tracker_attachment attachment(tracker, &view);
  auto* filter = dynamic_cast<HostEdMessageFilter*>(tracker);
  while (const script_line* line = nextAnswer(shown)) {
    switch (line->kind) {
      case script_kind::keys:
      case script_kind::mouse:
      case script_kind::toolbar:
        if (!feedMessages(*line, filter)) return kInputCancel;
        continue;
      case script_kind::point: {
        const OdGePoint3d from = basePoint ? *basePoint : lastPoint;
        point = line->relative ? from + line->point.asVector() : line->point;
        // The preview follows the cursor to the picked point first.
        if (filter) filter->filterMessage(host_message{kMsgMouseMove, 0, 0, 0, point});
        sayAnswer(shown, point_text(point));
        lastPoint = point;
        return kInputPoint;
      }
      case script_kind::keyword: {
        const std::optional<int> position = hostMatchKeyword(list, line->word);
        if (!position) {
          scriptError(*line, list.empty() ? "\"" + shown + "\" takes no keywords"
                                          : "\"" + line->word.toUtf8() + "\" is not one of " + list.display().toUtf8());
          return kInputCancel;
        }
        sayAnswer(shown, list.keywords[static_cast<std::size_t>(*position)].local.toUtf8());
        return kInputKeyword + *position;
      }
      case script_kind::enter: sayAnswer(shown, "<Enter>"); return kInputNone;
      case script_kind::esc: sayAnswer(shown, "*Cancel*"); return kInputCancel;
      default:
        scriptError(*line, wrong_kind(shown, "a point, a keyword, enter or esc", *line));
        return kInputCancel;
    }
  }
  return kInputCancel;
}

int scripted_host::impl::getString(const OdString& prompt, OdString& text, int) {
  const std::string shown = prompt.toUtf8();
  // An input ended by a posted "^M" or "^C" (the in-place editor).
  auto posted_end = [&]() -> std::optional<int> {
    if (posted.isEmpty()) return std::nullopt;
    const OdString what = posted;
    posted = OdString();
    if (what == OdString(u"^C")) { sayAnswer(shown, "*Cancel*"); return kInputCancel; }
    sayAnswer(shown, "<accepted>");
    text = OdString();
    return kInputPoint;
  };
  if (auto ended = posted_end()) return *ended;
  while (const script_line* line = nextAnswer(shown)) {
    switch (line->kind) {
      case script_kind::keys:
      case script_kind::mouse:
      case script_kind::toolbar:
        if (!feedMessages(*line, nullptr)) return kInputCancel;
        if (auto ended = posted_end()) return *ended;
        continue;
      case script_kind::string: text = line->word; sayAnswer(shown, text.toUtf8()); return kInputPoint;
      case script_kind::enter: text = OdString(); sayAnswer(shown, "<Enter>"); return kInputNone;
      case script_kind::esc: sayAnswer(shown, "*Cancel*"); return kInputCancel;
      default: scriptError(*line, wrong_kind(shown, "a string, enter or esc", *line)); return kInputCancel;
    }
  }
  return kInputCancel;
}

host_selection_result scripted_host::impl::selectObjects(const OdString& prompt, int,
                                                         std::vector<OdDbObjectId>& ids) {
  ids.clear();
  const std::string shown = prompt.toUtf8();
  const script_line* line = nextAnswer(shown);
  if (!line) return host_selection_result::cancelled;
  switch (line->kind) {
    case script_kind::select: {
      const scripted_selection_result found = scriptedSelect(currentDatabase(), line->selection);
      if (!found.error.empty()) {
        scriptError(*line, found.error);
        return host_selection_result::cancelled;
      }
      sayAnswer(shown, arguments_of(*line));
      say(std::to_string(found.ids.size() + std::size_t(found.onLockedLayer)) + " found");
      if (found.onLockedLayer)
        say(std::to_string(found.onLockedLayer) + (found.onLockedLayer == 1 ? " was" : " were") + " on a locked layer.");
      ids = found.ids;
      return ids.empty() ? host_selection_result::none : host_selection_result::accepted;
    }
    case script_kind::enter: sayAnswer(shown, "<Enter>"); return host_selection_result::none;
    case script_kind::esc: sayAnswer(shown, "*Cancel*"); return host_selection_result::cancelled;
    default:
      scriptError(*line, wrong_kind(shown, "a selection, enter or esc", *line));
      return host_selection_result::cancelled;
  }
}

int scripted_host::impl::messageBox(const OdString& text, const OdString&, int buttons) {
  const std::vector<box_answer> offered = box_answers(buttons);
  std::string choices;
  for (const box_answer& answer : offered) choices += (choices.empty() ? "" : "/") + std::string(answer.word);
  const std::string shown = "Message box: " + text.toUtf8() + " [" + choices + "]";
  const script_line* line = nextAnswer(shown);
  if (!line) return box_dismissed(buttons);
  if (line->kind != script_kind::answer) {
    scriptError(*line, wrong_kind(shown, "an answer", *line));
    return box_dismissed(buttons);
  }
  for (const box_answer& answer : offered)
    if (line->word == OdString::fromUtf8(answer.word)) {
      sayAnswer(shown, answer.word);
      return answer.answer;
    }
  scriptError(*line, "the message box offers " + choices + ", not " + line->word.toUtf8());
  return box_dismissed(buttons);
}

bool scripted_host::impl::showHelp(const OdString& topic) {
  helpTopics.push_back(topic);
  say("Help: " + topic.toUtf8());
  return true;
}

int scripted_host::impl::showDialog(host_dialog_model& dialog) {
  const std::string name = dialog.dialogName().toUtf8();
  const std::string shown = "Dialog " + name;
  const script_line* line = nextAnswer(shown);
  if (!line) return IDCANCEL;
  if (line->kind != script_kind::dialog) {
    scriptError(*line, wrong_kind(shown, "a dialog answer", *line));
    return IDCANCEL;
  }
  const script_dialog& answer = line->dialog;
  if (!answer.name.isEmpty() && answer.name.iCompare(dialog.dialogName()) != 0) {
    scriptError(*line, "the dialog shown is " + name + ", not " + answer.name.toUtf8());
    return IDCANCEL;
  }
  for (const auto& [field, value] : answer.fields) {
    const OdString refused = dialog.setFieldValue(field, value);
    if (!refused.isEmpty()) {
      scriptError(*line, name + " refuses " + field.toUtf8() + "=" + value.toUtf8() + ": " + refused.toUtf8());
      return IDCANCEL;
    }
  }
  if (answer.ok) {
    const OdString refused = dialog.accept();
    if (!refused.isEmpty()) {
      scriptError(*line, name + " does not close with OK: " + refused.toUtf8());
      return IDCANCEL;
    }
  }
  sayAnswer(shown, arguments_of(*line));
  return answer.ok ? IDOK : IDCANCEL;
}
