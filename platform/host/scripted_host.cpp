// The scripted host: its parts, the current-host installation and the run
// of a script command by command.
#include "platform/host/scripted_host.h"

#include <algorithm>
#include <exception>
#include <fstream>

#include "platform/host/HostCmdRegistry.h"
#include "platform/host/host_current.h"
#include "platform/host/host_scopes.h"
#include "platform/host/scripted_host_impl.h"
#include "platform/host/scripted_snapshot.h"

bool scripted_view::add(OdGiDrawable* drawable, int, int) {
  if (!drawable || std::find(drawables.begin(), drawables.end(), OdGiDrawablePtr(drawable)) != drawables.end())
    return false;
  drawables.emplace_back(drawable);
  return true;
}

bool scripted_view::erase(OdGiDrawable* drawable) {
  auto it = std::find(drawables.begin(), drawables.end(), OdGiDrawablePtr(drawable));
  if (it == drawables.end()) return false;
  drawables.erase(it);
  return true;
}

scripted_host::impl::impl(OdDbDatabase* database, const OdString& documentName)
    : document(new host_document(database, documentName)) {}

scripted_host::impl::~impl() { document->Release(); }

void scripted_host::impl::say(const std::string& text) {
  transcript += text;
  if (text.empty() || text.back() != '\n') transcript += '\n';
}

void scripted_host::impl::printMessage(const OdString& text) { say(text.toUtf8()); }

void scripted_host::impl::addMessageFilter(HostEdMessageFilter* filter) {
  if (filter && std::find(filters.begin(), filters.end(), filter) == filters.end()) filters.push_back(filter);
}

void scripted_host::impl::removeMessageFilter(HostEdMessageFilter* filter) {
  filters.erase(std::remove(filters.begin(), filters.end(), filter), filters.end());
}

namespace {

// Runs one command object and releases it; answers its result.
int run_command_object(ICmdProcess* command, IHostDocument* document, std::string& failure) {
  int result = kCmdCancelled;
  command->SetContext(document);
  try {
    result = command->Run();
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "unknown exception";
  }
  command->Destroy();
  command->Release();
  return result;
}

}  // namespace

void scripted_host::impl::runCommand(const script_line& line) {
  const std::string name = line.word.toUtf8();
  say("Command: " + name);
  givenUp = false;
  ranDry = false;
  const host_command_entry* entry = HostCmdRegistry::instance().find(line.word);
  ICmdProcess* command = nullptr;
  if (!entry || !entry->creator(&command) || !command) {
    say(entry ? "Command \"" + name + "\" could not be started." : "Unknown command \"" + name + "\".");
    outcome->errors.push_back(source + ":" + std::to_string(line.line) + ": " +
                              (entry ? "command \"" + name + "\" could not be started" : "unknown command \"" + name + "\""));
    givenUp = true;
    return;
  }
  ++outcome->commands;
  std::string failure;
  int result = kCmdCancelled;
  {
    command_active_scope active(currentDatabase());
    result = run_command_object(command, document, failure);
  }
  if (!failure.empty()) {
    say("Command " + name + " failed: " + failure);
    outcome->errors.push_back(source + ":" + std::to_string(line.line) + ": command " + name + " failed: " + failure);
  }
  // What a command leaves behind does not outlive it.
  pickfirst.clear();
  bracketDepth = 0;
  posted = OdString();
  outcome->results.push_back(result);
  if (result == kCmdDone && !ranDry) ++outcome->completed;
  if (result == kCmdCancelled || ranDry) ++outcome->cancelled;
}

void scripted_host::impl::skipLeftoverAnswers(const char* commandName) {
  for (; next < lines.size() && lines[next].kind != script_kind::command; ++next) {
    const script_line& line = lines[next];
    if (runAside(line)) continue;
    if (givenUp) continue;  // answers of a command given up are not used
    if (skipEnded && commandName) {
      say("*Skipped* \"" + line.text + "\" (line " + std::to_string(line.line) + ")");
      continue;
    }
    say("*Unused* \"" + line.text + "\" (line " + std::to_string(line.line) + ")");
    outcome->errors.push_back(source + ":" + std::to_string(line.line) + ": \"" + line.text +
                              "\" answers no prompt" + (commandName ? std::string(" (") + commandName + " has ended)" : ""));
  }
}

bool scripted_host::impl::runAside(const script_line& line) {
  if (line.kind == script_kind::snapshot) {
    takeSnapshot(line);
    return true;
  }
  if (line.kind != script_kind::clipboard) return false;
  say("  " + line.text);
  win::IClipboard& board = windowing.clipboard();
  if (board.open(win::window_id::none)) {
    board.empty();
    board.setData(win::CF_UNICODETEXT, line.word.c_str());
    board.close();
  }
  return true;
}

void scripted_host::impl::takeSnapshot(const script_line& line) {
  const std::string file = line.word.toUtf8();
  say("  snapshot " + file);
  std::ofstream out(file, std::ios::binary);
  if (out) scriptedWriteSnapshot(out, *currentDatabase(), view.drawables);
  if (!out || !out.flush()) {
    say("*Error* (cannot write " + file + ")");
    outcome->errors.push_back(source + ":" + std::to_string(line.line) + ": cannot write the snapshot " + file);
  }
}

scripted_host::scripted_host(OdDbDatabase* database, const OdString& documentName)
    : m_impl(std::make_unique<impl>(database, documentName)) {
  hostSetCurrent(m_impl.get(), m_impl.get());
}

scripted_host::~scripted_host() {
  if (hostCurrentServices() == m_impl.get()) hostSetCurrent(nullptr, nullptr);
}

scripted_outcome scripted_host::run(std::string_view script, const std::string& source) {
  scripted_outcome outcome;
  script_parse parse = parseScript(script, source);
  if (!parse.errors.empty()) {
    // A script that does not read runs nothing, so no drawing is half done.
    outcome.errors = std::move(parse.errors);
    return outcome;
  }
  impl& host = *m_impl;
  host.lines = std::move(parse.lines);
  host.next = 0;
  host.source = source;
  host.outcome = &outcome;
  host.givenUp = false;
  host.skipLeftoverAnswers(nullptr);
  while (host.next < host.lines.size()) {
    const script_line& line = host.lines[host.next++];
    host.runCommand(line);
    host.skipLeftoverAnswers(line.text.c_str());
  }
  host.outcome = nullptr;
  host.lines.clear();
  return outcome;
}

const std::string& scripted_host::transcript() const { return m_impl->transcript; }
void scripted_host::clearTranscript() { m_impl->transcript.clear(); }
IHostAppServices& scripted_host::services() { return *m_impl; }
IApp& scripted_host::app() { return *m_impl; }
const std::vector<OdString>& scripted_host::helpTopicsShown() const { return m_impl->helpTopics; }
const std::vector<OdDbObjectId>& scripted_host::updatedEntities() const { return m_impl->updated; }
int scripted_host::openCommandBrackets() const { return m_impl->bracketDepth; }
std::size_t scripted_host::temporaryDrawableCount() const { return m_impl->view.drawables.size(); }
void scripted_host::setPickfirstSelection(std::vector<OdDbObjectId> ids) { m_impl->pickfirst = std::move(ids); }
void scripted_host::setSkipAnswersOfEndedCommands(bool skip) { m_impl->skipEnded = skip; }
void scripted_host::setParams(const IParam* params) { m_impl->paramTree = params; }
