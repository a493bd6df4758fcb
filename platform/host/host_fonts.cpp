// Enumerating the shape-font files the font search can find.
#include "platform/host/host_fonts.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "platform/host/HostModule.h"
#include "platform/host/IHostAppServices.h"

namespace {

namespace fs = std::filesystem;

struct font_folder {
  fs::path path;
  bool recursive = true;
};

// The folders the font search looks in: the font path and the system's
// folders with their subfolders, and the current drawing's own folder.
std::vector<font_folder> font_folders() {
  std::vector<font_folder> folders;
  if (const char* env = std::getenv("CADTEXT_FONT_PATH")) {
    std::stringstream list(env);
    for (std::string item; std::getline(list, item, ':');)
      if (!item.empty()) folders.push_back({item});
  }
  folders.push_back({"/usr/share/fonts"});
  folders.push_back({"/usr/local/share/fonts"});
  if (IHostAppServices* services = hostAppServices())
    if (OdDbDatabase* database = services->currentDatabase())
      if (!database->getFilename().isEmpty())
        folders.push_back({fs::path(database->getFilename().toUtf8()).parent_path(), false});
  return folders;
}

bool is_shx(const fs::path& path) {
  std::string ext = path.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
  return ext == ".shx";
}

void add_shx_files(const fs::path& folder, bool recursive, std::vector<OdString>& names) {
  std::error_code error;
  if (folder.empty() || !fs::is_directory(folder, error)) return;
  auto visit = [&](const fs::directory_entry& entry) {
    if (entry.is_regular_file(error) && is_shx(entry.path()))
      names.push_back(OdString::fromUtf8(entry.path().filename().string()));
  };
  if (recursive) {
    for (auto it = fs::recursive_directory_iterator(folder, fs::directory_options::skip_permission_denied, error);
         !error && it != fs::recursive_directory_iterator(); it.increment(error))
      visit(*it);
  } else {
    for (auto it = fs::directory_iterator(folder, error); !error && it != fs::directory_iterator(); it.increment(error))
      visit(*it);
  }
}

}  // namespace

std::vector<OdString> GetSHXFontEnum() {
  std::vector<OdString> names;
  for (const font_folder& folder : font_folders()) add_shx_files(folder.path, folder.recursive, names);
  auto less = [](const OdString& a, const OdString& b) {
    const int order = a.iCompare(b);
    return order != 0 ? order < 0 : a < b;
  };
  std::sort(names.begin(), names.end(), less);
  names.erase(std::unique(names.begin(), names.end(),
                          [](const OdString& a, const OdString& b) { return a.iCompare(b) == 0; }),
              names.end());
  return names;
}
