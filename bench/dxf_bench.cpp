// Throughput of reading a DXF drawing into a database and writing it back,
// on a synthetic R2000 drawing of texts (mapped to objects) and lines (kept
// as tags).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <utility>

#include "platform/sdk/OdDxfFile.h"

namespace {

void add_tag(std::string& out, int code, const std::string& value) {
  std::string number = std::to_string(code);
  out += std::string(number.size() < 3 ? 3 - number.size() : 0, ' ') + number + "\r\n" + value + "\r\n";
}

std::string hex(unsigned value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", value);
  return buffer;
}

// `count` TEXT and `count` LINE entities in model space.
std::string drawing(unsigned count) {
  std::string out;
  for (auto [code, value] : {std::pair<int, std::string>{0, "SECTION"}, {2, "HEADER"}, {9, "$ACADVER"},
                             {1, "AC1015"}, {9, "$HANDSEED"}, {5, hex(0x100 + 2 * count)}, {0, "ENDSEC"},
                             {0, "SECTION"}, {2, "ENTITIES"}})
    add_tag(out, code, value);
  for (unsigned i = 0; i < count; ++i) {
    const std::string y = std::to_string(i * 5.0);
    for (auto [code, value] :
         {std::pair<int, std::string>{0, "TEXT"}, {5, hex(0x100 + 2 * i)}, {100, "AcDbEntity"}, {8, "0"},
          {100, "AcDbText"}, {10, "0.0"}, {20, y}, {30, "0.0"}, {40, "2.5"}, {1, "Text number " + std::to_string(i)},
          {100, "AcDbText"}, {0, "LINE"}, {5, hex(0x101 + 2 * i)}, {100, "AcDbEntity"}, {8, "0"},
          {100, "AcDbLine"}, {10, "0.0"}, {20, y}, {30, "0.0"}, {11, "100.0"}, {21, y}, {31, "0.0"}})
      add_tag(out, code, value);
  }
  add_tag(out, 0, "ENDSEC");
  add_tag(out, 0, "EOF");
  return out;
}

void read_bench(benchmark::State& state) {
  const std::string bytes = drawing(static_cast<unsigned>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(odDxfReadBytes(bytes));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void write_bench(benchmark::State& state) {
  const std::string bytes = drawing(static_cast<unsigned>(state.range(0)));
  OdDbDatabasePtr db = odDxfReadBytes(bytes);
  for (auto _ : state) benchmark::DoNotOptimize(odDxfWriteBytes(db.get()));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(read_bench)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(write_bench)->Arg(1000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
