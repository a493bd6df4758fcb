// Helpers for the DXF tests: a scratch folder per test and whole-file I/O.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace dxf_test {

// DXF text from group code / value pairs, codes right-aligned as most writers do.
inline std::string dxf_text(const std::vector<std::pair<int, std::string>>& tags, const std::string& end = "\n") {
  std::string out;
  for (const auto& [code, value] : tags) {
    std::string number = std::to_string(code);
    out += std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number + end + value + end;
  }
  return out;
}

inline std::string shared_dxf_dir() { return std::string(CADTEXT_SHARED_DIR) + "/testdata/dxf"; }

inline std::string read_bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void write_bytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// A folder that exists for the life of the object.
class scratch_dir {
public:
  scratch_dir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "cadtext-dxf-XXXXXX").string();
    m_path = mkdtemp(pattern.data());
  }
  ~scratch_dir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  scratch_dir(const scratch_dir&) = delete;
  scratch_dir& operator=(const scratch_dir&) = delete;

  std::filesystem::path file(const std::string& name) const { return m_path / name; }
  // How many files the folder holds, to see that nothing was left behind.
  std::size_t file_count() const {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_path)) ++count;
    return count;
  }

private:
  std::filesystem::path m_path;
};

// True when the Python the tests use has ezdxf, the independent DXF reader.
inline bool have_ezdxf() {
  return std::system((std::string(CADTEXT_PYTHON) + " -c 'import ezdxf' >/dev/null 2>&1").c_str()) == 0;
}

// What a Python script prints (errors included) when run on a drawing.
inline std::string run_python(const scratch_dir& dir, const std::string& script, const std::filesystem::path& drawing) {
  write_bytes(dir.file("check.py"), script);
  const std::string command =
      std::string(CADTEXT_PYTHON) + " " + dir.file("check.py").string() + " " + drawing.string() + " 2>&1";
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
    pclose(pipe);
  }
  return out;
}

}  // namespace dxf_test
