#include "app/batch_report.h"

#include <array>
#include <string>

namespace cadtext {
namespace {

constexpr std::size_t bar_width = 30;

std::string file_name(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "FILE:LINE: what" about the drawing itself reads "line LINE: what" after
// the drawing's name.
std::string reason_of(const batch_entry& entry) {
  const std::string prefix = entry.input + ":";
  if (entry.reason.rfind(prefix, 0) != 0) return entry.reason;
  std::string rest = entry.reason.substr(prefix.size());
  const std::size_t digits = rest.find_first_not_of("0123456789");
  if (digits > 0 && digits != std::string::npos && rest[digits] == ':') return "line " + rest;
  return rest.substr(rest.find_first_not_of(' '));
}

}  // namespace

void batch_report::draw_bar(const batch_entry& latest) {
  const std::size_t filled = total_ == 0 ? bar_width : ended_ * bar_width / total_;
  // Carriage return and erase-line redraw the bar in place.
  out_ << "\r\033[K[" << std::string(filled, '#') << std::string(bar_width - filled, '.') << "] " << ended_ << '/'
       << total_ << ' ' << file_name(latest.input) << ": " << result_name(latest.result) << std::flush;
}

void batch_report::done(const batch_entry& entry) {
  ++ended_;
  if (terminal_) return draw_bar(entry);
  out_ << entry.input << ": " << result_name(entry.result);
  if (entry.result == drawing_result::refused) out_ << ": " << reason_of(entry);
  out_ << '\n' << std::flush;
}

int batch_report::summary(const std::vector<batch_entry>& entries) {
  std::array<std::size_t, 4> counts{};
  for (const batch_entry& entry : entries) ++counts[static_cast<std::size_t>(entry.result)];
  if (terminal_) out_ << "\r\033[K";
  out_ << entries.size() << (entries.size() == 1 ? " drawing: " : " drawings: ") << counts[0] << " changed, " << counts[1] << " unchanged, " << counts[2]
       << " cancelled, " << counts[3] << " refused\n";
  for (const batch_entry& entry : entries)
    if (entry.result == drawing_result::refused) out_ << "refused " << entry.input << ": " << reason_of(entry) << '\n';
  return counts[3] > 0 ? 2 : counts[2] > 0 ? 1 : 0;
}

}  // namespace cadtext
