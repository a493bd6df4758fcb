// Reading and writing drawings: a real 1.4 MB drawing and a drawing of
// many MText objects made here, both through files as a host does it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDxfFile.h"

namespace {

namespace fs = std::filesystem;

const std::string real_drawing = std::string(CADTEXT_SHARED_DIR) + "/testdata/dxf/libredwg_example_2000.dxf";

fs::path scratch(const std::string& name) { return fs::temp_directory_path() / ("cadtext-bench-" + name); }

// A drawing of `count` MText objects, each a few hundred characters of
// formatted text, added to the sample drawing and written by our writer
// once per run.
fs::path many_mtexts(int count) {
  const fs::path path = scratch("mtexts-" + std::to_string(count) + ".dxf");
  static bool written = false;
  if (written) return path;
  written = true;
  OdDbDatabasePtr database = odDxfReadFile(CADTEXT_SOURCE_DIR "/samples/demo.dxf");
  for (int i = 0; i < count; ++i) {
    OdSmartPtr<OdDbMText> mtext = OdDbMText::createObject();
    mtext->setDatabaseDefaults(database.get());
    mtext->setLocation(OdGePoint3d(0, -10.0 * i, 0));
    mtext->setWidth(80);
    mtext->setContents(u"{\\fArial|b1;Note " + OdString::fromUtf8(std::to_string(i)).str() +
                       u":} the contractor checks every dimension on site before work starts."
                       u"\\P{\\C1;Red} words, a stack {\\H0.7x;\\S1/2;} and a second paragraph long "
                       u"enough to be written back in more than one chunk of two hundred and fifty "
                       u"characters, as drawing files require for long contents.");
    database->addEntity(mtext.get());
  }
  odDxfWriteFile(database.get(), path.string());
  return path;
}

void read_bench(benchmark::State& state, const std::string& path) {
  for (auto _ : state) benchmark::DoNotOptimize(odDxfReadFile(path));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(path)));
}

void write_bench(benchmark::State& state, const std::string& path) {
  OdDbDatabasePtr database = odDxfReadFile(path);
  const std::string out = scratch("written.dxf").string();
  for (auto _ : state) odDxfWriteFile(database.get(), out);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fs::file_size(out)));
}

void BM_ReadRealDrawing(benchmark::State& state) { read_bench(state, real_drawing); }
void BM_WriteRealDrawing(benchmark::State& state) { write_bench(state, real_drawing); }
void BM_ReadManyMTexts(benchmark::State& state) { read_bench(state, many_mtexts(static_cast<int>(state.range(0))).string()); }
void BM_WriteManyMTexts(benchmark::State& state) { write_bench(state, many_mtexts(static_cast<int>(state.range(0))).string()); }

}  // namespace

BENCHMARK(BM_ReadRealDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteRealDrawing)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadManyMTexts)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteManyMTexts)->Arg(10000)->Unit(benchmark::kMillisecond);
