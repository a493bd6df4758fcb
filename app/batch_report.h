// What a batch run shows: a progress bar on a terminal, else one plain line
// per drawing as it ends; then the summary, with each refusal's reason.
#pragma once

#include <cstddef>
#include <ostream>
#include <vector>

#include "app/run_batch.h"

namespace cadtext {

class batch_report {
public:
  batch_report(std::ostream& out, std::size_t total, bool terminal) : out_(out), total_(total), terminal_(terminal) {}

  // One drawing has ended.
  void done(const batch_entry& entry);
  // Clears the bar and prints the counts and the refusals; answers the exit
  // status: 2 when any drawing was refused, else 1 when any command was
  // cancelled, else 0.
  int summary(const std::vector<batch_entry>& entries);

private:
  void draw_bar(const batch_entry& latest);

  std::ostream& out_;
  std::size_t total_;
  std::size_t ended_ = 0;
  bool terminal_;
};

}  // namespace cadtext
