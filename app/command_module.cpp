#include "app/command_module.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/host/HostCmdRegistry.h"

namespace cadtext {
namespace {

std::vector<std::filesystem::path> candidates() {
  if (const char* chosen = std::getenv("CADTEXT_COMMANDS_MODULE"); chosen && *chosen) return {chosen};
  const std::filesystem::path bin = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  return {bin / CADTEXT_MODULE_FROM_BIN, bin / CADTEXT_MODULE_FROM_BUILD};
}

void* module_handle = nullptr;

void load_once() {
  std::string tried;
  for (const std::filesystem::path& path : candidates()) {
    if (!std::filesystem::exists(path)) {
      tried += "\n  " + path.string() + ": not there";
      continue;
    }
    // Never closed: the registered creators live in it.
    module_handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!module_handle) {
      tried += "\n  " + path.string() + ": " + dlerror();
      continue;
    }
    if (HostCmdRegistry::instance().entries().empty())
      throw std::runtime_error(path.string() + " registered no commands");
    return;
  }
  throw std::runtime_error("cannot load the commands module:" + tried);
}

}  // namespace

void load_command_module() {
  static const bool loaded = (load_once(), true);
  (void)loaded;
}

paste_text_fn module_paste_text() {
  load_command_module();
  // The C++ name of `bool PasteText(bool)`, which the module's library exports.
  return reinterpret_cast<paste_text_fn>(dlsym(module_handle, "_Z9PasteTextb"));
}

}  // namespace cadtext
