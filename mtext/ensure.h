// ensure_error: the library's failed internal consistency check.
#pragma once

#include <stdexcept>
#include <string>

namespace mtext {

class ensure_error : public std::exception {
public:
  ensure_error(const std::string& condition, const std::string& message)
      : m_text("ensure '" + condition + "' fails: " + message) {}
  const char* what() const noexcept override { return m_text.c_str(); }

private:
  std::string m_text;
};

}  // namespace mtext

// Checks `condition`; when it fails throws ensure_error naming it.
#define MTEXT_ENSURE(condition, message) \
  do {                                   \
    if (!(condition)) throw ::mtext::ensure_error(#condition, message); \
  } while (false)
