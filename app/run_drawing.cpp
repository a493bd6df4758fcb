#include "app/run_drawing.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "app/host_params.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDxfFile.h"

namespace cadtext {
namespace {

std::string dxf_error(const std::string& file, const OdDxfError& error) {
  std::ostringstream text;
  text << file << ':';
  if (error.line() != 0) text << error.line() << ':';
  text << ' ' << error.message();
  return text.str();
}

std::string file_bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes beside the target under a name of this process, then renames, so
// readers never see half a drawing and a failure leaves nothing behind.
bool write_whole(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".cadtext-" + std::to_string(getpid()) + ".tmp";
  std::ofstream out(temporary, std::ios::binary);
  const bool written = out && out.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && out.flush();
  out.close();
  if (written && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  std::remove(temporary.c_str());
  return false;
}

}  // namespace

drawing_outcome run_drawing(const std::string& input, const std::string& output, const run_script& script) {
  drawing_outcome outcome;
  OdDbDatabasePtr database;
  try {
    database = odDxfReadFile(input);
  } catch (const OdDxfError& error) {
    outcome.errors.push_back(dxf_error(input, error));
    return outcome;
  }
  scripted_outcome ran;
  {
    const HostParamNode params = program_params();
    scripted_host host(database.get(), OdString::fromUtf8(input));
    host.setParams(&params);
    host.setSkipAnswersOfEndedCommands(script.skip_answers_of_ended_commands);
    ran = host.run(script.text, script.source);
    outcome.transcript = host.transcript();
  }
  if (!ran.errors.empty()) {
    outcome.errors = ran.errors;
    return outcome;
  }
  std::string bytes;
  try {
    bytes = odDxfWriteBytes(database.get());
  } catch (const OdDxfError& error) {
    outcome.errors.push_back(dxf_error(output, error));
    return outcome;
  }
  const bool same = bytes == file_bytes(input);
  if (!write_whole(output, bytes)) {
    outcome.errors.push_back(output + ": cannot write the drawing");
    return outcome;
  }
  // A command that ends by cancel may have saved edits before (ddEdit's
  // loop, MTextEdit over several objects): the drawing tells.
  outcome.result = !same               ? drawing_result::changed
                   : ran.cancelled > 0 ? drawing_result::cancelled
                                       : drawing_result::unchanged;
  return outcome;
}

const char* result_name(drawing_result result) {
  static const char* const names[] = {"changed", "unchanged", "cancelled", "refused"};
  return names[static_cast<int>(result)];
}

}  // namespace cadtext
