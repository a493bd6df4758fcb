#include "app/run_batch.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <map>
#include <stdexcept>

namespace cadtext {
namespace {

// A child's answer on its pipe: the result's name, a line end, the reason.
constexpr std::size_t longest_reason = 2000;

struct running_job {
  std::size_t index = 0;
  int pipe = -1;
};

[[noreturn]] void run_child(const batch_job& job, const run_script& script, int pipe) {
  const drawing_outcome outcome = run_drawing(job.input, job.output, script);
  std::string message = result_name(outcome.result);
  message += '\n';
  if (!outcome.errors.empty()) message += outcome.errors.front().substr(0, longest_reason);
  // Smaller than a pipe's buffer, so it never waits for the parent.
  const ssize_t written = write(pipe, message.data(), message.size());
  _exit(written == static_cast<ssize_t>(message.size()) ? 0 : 3);
}

void start(const batch_job& job, std::size_t index, const run_script& script, std::map<pid_t, running_job>& running) {
  int ends[2];
  if (pipe(ends) != 0) throw std::runtime_error(std::string("cannot make a pipe: ") + std::strerror(errno));
  std::cout.flush();
  std::cerr.flush();
  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error(std::string("cannot start a process: ") + std::strerror(errno));
  if (pid == 0) {
    close(ends[0]);
    run_child(job, script, ends[1]);
  }
  close(ends[1]);
  running[pid] = {index, ends[0]};
}

std::string read_all(int fd) {
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(fd, buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    text.append(buffer, static_cast<std::size_t>(got));
  }
  close(fd);
  return text;
}

drawing_result result_named(const std::string& name) {
  for (drawing_result r : {drawing_result::changed, drawing_result::unchanged, drawing_result::cancelled})
    if (name == result_name(r)) return r;
  return drawing_result::refused;
}

// What a child that ended with `status` said; a child that died said nothing
// (its temporary file, if any, is removed here).
batch_entry entry_of(const batch_job& job, pid_t pid, int status, const std::string& message) {
  batch_entry entry{job.input, drawing_result::refused, ""};
  const std::size_t line_end = message.find('\n');
  if (line_end != std::string::npos && WIFEXITED(status) && WEXITSTATUS(status) == 0) {
    entry.result = result_named(message.substr(0, line_end));
    entry.reason = message.substr(line_end + 1);
    return entry;
  }
  std::remove((job.output + ".cadtext-" + std::to_string(pid) + ".tmp").c_str());
  entry.reason = WIFSIGNALED(status) ? std::string("stopped by ") + strsignal(WTERMSIG(status))
                                     : "ended without a result";
  return entry;
}

pid_t wait_child(int& status) {
  for (;;) {
    const pid_t pid = waitpid(-1, &status, 0);
    if (pid >= 0 || errno != EINTR) return pid;
  }
}

}  // namespace

std::vector<batch_entry> run_batch(const std::vector<batch_job>& jobs, const run_script& script, int parallel,
                                   const std::function<void(const batch_entry&)>& done) {
  std::vector<batch_entry> entries(jobs.size());
  std::map<pid_t, running_job> running;
  std::size_t next = 0;
  while (next < jobs.size() || !running.empty()) {
    for (; next < jobs.size() && running.size() < static_cast<std::size_t>(parallel); ++next) {
      if (!jobs[next].refusal.empty()) {
        entries[next] = {jobs[next].input, drawing_result::refused, jobs[next].refusal};
        done(entries[next]);
      } else {
        start(jobs[next], next, script, running);
      }
    }
    if (running.empty()) continue;
    int status = 0;
    const pid_t pid = wait_child(status);
    if (pid < 0) throw std::runtime_error(std::string("cannot wait for a drawing: ") + std::strerror(errno));
    const auto it = running.find(pid);
    if (it == running.end()) continue;
    const batch_job& job = jobs[it->second.index];
    entries[it->second.index] = entry_of(job, pid, status, read_all(it->second.pipe));
    done(entries[it->second.index]);
    running.erase(it);
  }
  return entries;
}

}  // namespace cadtext
