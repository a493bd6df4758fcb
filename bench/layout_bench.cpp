// Decoding and laying out texts of growing size with the real fonts.
#include <benchmark/benchmark.h>

#include "bench/bench_text.h"

#include <malloc.h>

#include <string>

#include "mtext/convert.h"
#include "mtext/layout.h"
#include "mtext/relayout.h"
#include "platform/sdk/OdBlockPool.h"

namespace {

using bench::base_format;
using bench::repeated;

std::u16string plain(std::size_t n) {
  return repeated(u"Lorem ipsum dolor sit amet, consectetur adipiscing elit. ", n);
}

std::u16string formatted(std::size_t n) {
  return repeated(u"{\\fArial|b1;Bold} {\\C1;red} {\\H1.5x;big} \\Lline\\l {\\H0.7x;\\S1/2;} x\\P", n);
}

mtext::convert_info info(int columns) {
  mtext::convert_info i;
  i.column_width = 100.0;
  i.text_height = 2.5;
  if (columns > 1) {
    i.gutter = 5.0;
    i.column_heights.assign(static_cast<std::size_t>(columns), 2000.0);
  }
  return i;
}

const mtext::mtext_size_finder& finder() {
  static const mtext::mtext_size_finder f{OdDbDatabasePtr()};
  return f;
}

void decode_bench(benchmark::State& state, std::u16string (*make)(std::size_t), int columns) {
  const std::u16string content = make(static_cast<std::size_t>(state.range(0)));
  const mtext::format::string base = base_format();
  std::size_t parts = 0;
  for (auto _ : state) {
    const mtext::geom_multitext text = mtext::decode(content.c_str(), base, info(columns), finder());
    parts = text.parts.size();
    benchmark::DoNotOptimize(text.lines.data());
  }
  state.counters["ns_per_char"] = benchmark::Counter(
      static_cast<double>(state.iterations() * content.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  // Heap bytes a laid-out text holds per part, measured on one more decode:
  // the heap's growth outside the block pool's slabs, and the pool's blocks in use.
  const auto held = [] {
    return static_cast<double>(mallinfo2().uordblks) - static_cast<double>(od_block_pool::bytes_in_slabs()) +
           static_cast<double>(od_block_pool::bytes_in_use());
  };
  const double before = held();
  const mtext::geom_multitext kept = mtext::decode(content.c_str(), base, info(columns), finder());
  const double after = held();
  state.counters["bytes_per_part"] = parts ? (after - before) / static_cast<double>(kept.parts.size()) : 0.0;
}

void BM_DecodePlain1(benchmark::State& s) { decode_bench(s, plain, 1); }
void BM_DecodeFormatted1(benchmark::State& s) { decode_bench(s, formatted, 1); }
void BM_DecodePlain3(benchmark::State& s) { decode_bench(s, plain, 3); }
void BM_DecodeFormatted3(benchmark::State& s) { decode_bench(s, formatted, 3); }

mtext::geom_multitext large_text() {
  return mtext::decode(plain(100000).c_str(), base_format(), info(1), finder());
}

void BM_Dispose100k(benchmark::State& state) {
  mtext::geom_multitext text = large_text();
  for (auto _ : state) {
    mtext::dispose(text);
    benchmark::DoNotOptimize(text.lines.data());
  }
  state.counters["ns_per_char"] = benchmark::Counter(
      static_cast<double>(state.iterations() * text.parts.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_InsertOneCharacterAndDispose100k(benchmark::State& state) {
  mtext::geom_multitext text = large_text();
  const mtext::position middle = text.size() / 2;
  for (auto _ : state) {
    mtext::geom_multitext typed = mtext::to_geom(u"x", base_format(), 2.5, finder());
    text.insert(middle, typed);
    mtext::dispose(text);
    state.PauseTiming();
    text.erase(middle, 1, true);
    state.ResumeTiming();
  }
}

// The same keystroke, laid out again from the line it changes.
void BM_InsertOneCharacterAndRelayout100k(benchmark::State& state) {
  mtext::geom_multitext text = large_text();
  mtext::incremental_layout layout;
  layout.dispose(text);
  const mtext::position middle = text.size() / 2;
  for (auto _ : state) {
    mtext::geom_multitext typed = mtext::to_geom(u"x", base_format(), 2.5, finder());
    text.insert(middle, typed);
    layout.update(text, {middle, 0, 1});
    state.PauseTiming();
    text.erase(middle, 1, true);
    layout.update(text, {middle, 1, 0});
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(BM_DecodePlain1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFormatted1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodePlain3)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFormatted3)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Dispose100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertOneCharacterAndDispose100k)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertOneCharacterAndRelayout100k)->Unit(benchmark::kMillisecond);
