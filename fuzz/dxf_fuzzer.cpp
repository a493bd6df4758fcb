// Fuzz target: any bytes as a DXF file. Reading either refuses the bytes
// with an OdDxfError or gives a drawing; what we write from a drawing reads
// back, and writing that again gives the same bytes (fuzz/README.md).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/sdk/OdDxfFile.h"

namespace {

[[noreturn]] void fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
  std::abort();
}

// Anything but OdDxfError escaping the reader or writer is a fault; the
// refusal's message is kept for the report.
std::string refusal;

template <class F>
bool refused(F&& step, const char* what) {
  try {
    step();
    return false;
  } catch (const OdDxfError& error) {
    refusal = error.what();
    return true;
  } catch (const std::exception& error) {
    fail(what, error.what());
  }
}

}  // namespace

// Reading measures justified texts, and fontconfig keeps its configuration
// for the life of the process: not a leak of ours.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  OdDbDatabasePtr first;
  if (refused([&] { first = odDxfReadBytes(bytes, "fuzz.dxf"); }, "reading the input")) return 0;

  std::string written;
  if (refused([&] { written = odDxfWriteBytes(first.get()); }, "writing the drawing"))
    fail("writing a drawing we read was refused", refusal);

  OdDbDatabasePtr second;
  if (refused([&] { second = odDxfReadBytes(written, "fuzz.dxf"); }, "reading our own output"))
    fail("our own output was refused", refusal);
  if (odDxfWriteBytes(second.get()) != written) fail("writing again changed the bytes", "");
  return 0;
}
