#include "platform/sdk/OdDxfFileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "platform/sdk/OdDxfFile.h"

namespace {

std::string folder_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string name_of(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

OdDxfError io_error(const std::string& what, const std::string& path, int error) {
  return OdDxfError(eInvalidInput, what + " " + path + ": " + std::strerror(error));
}

// The mode a new file gets: what the umask allows of rw-rw-rw-.
mode_t new_file_mode() {
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Owns the temporary file until it is renamed; removes it on any failure.
class temporary_file {
public:
  explicit temporary_file(const std::string& target) {
    std::string pattern = folder_of(target) + "/." + name_of(target) + ".XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    m_fd = mkstemp(buffer.data());
    if (m_fd < 0) throw io_error("cannot create a temporary file in", folder_of(target), errno);
    m_path = buffer.data();
  }
  ~temporary_file() {
    if (m_fd >= 0) close(m_fd);
    if (!m_path.empty()) unlink(m_path.c_str());
  }
  temporary_file(const temporary_file&) = delete;
  temporary_file& operator=(const temporary_file&) = delete;

  void write_all(std::string_view bytes) {
    while (!bytes.empty()) {
      const ssize_t written = ::write(m_fd, bytes.data(), bytes.size());
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0) throw io_error("cannot write", m_path, errno);
      bytes.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  void finish(mode_t mode) {
    if (fchmod(m_fd, mode) != 0 || fsync(m_fd) != 0) throw io_error("cannot write", m_path, errno);
    const int fd = m_fd;
    m_fd = -1;
    if (close(fd) != 0) throw io_error("cannot write", m_path, errno);
  }
  void rename_to(const std::string& target) {
    if (std::rename(m_path.c_str(), target.c_str()) != 0) throw io_error("cannot replace", target, errno);
    m_path.clear();
  }

private:
  int m_fd = -1;
  std::string m_path;
};

}  // namespace

std::string od_dxf_read_bytes(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
    throw OdDxfError(eFileNotFound, "cannot read " + path + ": it is a folder");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw OdDxfError(eFileNotFound, "cannot read " + path + ": " + std::strerror(errno));
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) throw OdDxfError(eFileNotFound, "cannot read " + path);
  return std::move(bytes).str();
}

void od_dxf_replace_file(const std::string& path, std::string_view bytes) {
  struct stat info {};
  const bool exists = stat(path.c_str(), &info) == 0;
  if (exists && !S_ISREG(info.st_mode)) throw OdDxfError(eInvalidInput, "cannot replace " + path + ": not a file");
  temporary_file temporary(path);
  temporary.write_all(bytes);
  temporary.finish(exists ? (info.st_mode & 07777) : new_file_mode());
  temporary.rename_to(path);
}
