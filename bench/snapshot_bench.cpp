// Undo snapshots of a formatted text of 100 000 parts: taking one after a
// keystroke, the memory a thousand of them hold, and restoring one.
//
// Memory is counted by heap_count while a snapshot is being taken: what the
// snapshots and their shared tables hold, allocator rounding included.
#include <benchmark/benchmark.h>

#include <chrono>
#include <vector>

#include "bench/bench_text.h"
#include "bench/heap_count.h"
#include "editor/text_snapshot.h"
#include "mtext/convert.h"
#include "mtext/layout.h"

namespace {

using bench::base_format;

const mtext::mtext_size_finder& finder() {
  static const mtext::mtext_size_finder f{OdDbDatabasePtr()};
  return f;
}

// Formatted text cut to exactly `parts` parts.
mtext::geom_multitext formatted_text(mtext::position parts) {
  const std::u16string unit = u"{\\fArial|b1;Bold} {\\C1;red} {\\H1.5x;big} \\Lline\\l {\\H0.7x;\\S1/2;} x\\P";
  mtext::convert_info info;
  info.column_width = 100.0;
  mtext::geom_multitext text = mtext::decode(bench::repeated(unit, 4 * parts).c_str(), base_format(), info, finder());
  text.erase(parts, mtext::to_the_end, true);
  text.take_changes();
  return text;
}

// One keystroke in the middle: a character typed, or the one typed before taken away.
void keystroke(mtext::geom_multitext& text, int i) {
  const mtext::position middle = text.size() / 2;
  if (i % 2 == 0) {
    mtext::geom_multitext typed = mtext::to_geom(u"x", base_format(), 2.5, finder());
    text.insert(middle, typed);
  } else {
    text.erase(middle - 1, 1, true);
  }
}

void BM_SnapshotAfterKeystroke(benchmark::State& state) {
  mtext::geom_multitext text = formatted_text(static_cast<mtext::position>(state.range(0)));
  editor::snapshot_tables tables;
  editor::text_snapshot last = editor::take_snapshot(tables, text);
  int i = 0;
  for (auto _ : state) {
    keystroke(text, i++);
    const auto start = std::chrono::steady_clock::now();
    last = editor::take_snapshot(tables, text, last, text.take_changes());
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  state.counters["parts"] = static_cast<double>(text.size());
}

void BM_ThousandSnapshotsHeld100k(benchmark::State& state) {
  constexpr int edits = 1000;
  double held = 0.0, accounted = 0.0, first = 0.0, table_bytes = 0.0;
  for (auto _ : state) {
    mtext::geom_multitext text = formatted_text(100000);
    editor::snapshot_tables tables;
    std::vector<editor::text_snapshot> history;
    history.reserve(edits + 1);
    bench::heap_count::start();
    history.push_back(editor::take_snapshot(tables, text));
    bench::heap_count::pause();
    first = static_cast<double>(bench::heap_count::bytes());
    for (int i = 0; i < edits; ++i) {
      mtext::geom_multitext typed = mtext::to_geom(u"x", base_format(), 2.5, finder());
      text.insert(text.size() / 2, typed);
      bench::heap_count::resume();
      history.push_back(editor::take_snapshot(tables, text, history.back(), text.take_changes()));
      bench::heap_count::pause();
    }
    // The history's own vector holds the snapshot objects.
    held = static_cast<double>(bench::heap_count::bytes()) + static_cast<double>(history.size() * sizeof(editor::text_snapshot));
    accounted = static_cast<double>(tables.bytes() + history.size() * sizeof(editor::text_snapshot));
    for (const editor::text_snapshot& s : history) accounted += static_cast<double>(s.added_bytes());
    table_bytes = static_cast<double>(tables.bytes());
  }
  state.counters["held_bytes"] = held;
  state.counters["accounted_bytes"] = accounted;
  state.counters["first_snapshot_bytes"] = first;
  state.counters["bytes_per_later_snapshot"] = (held - first) / edits;
  state.counters["table_bytes"] = table_bytes;
}

void BM_Restore100k(benchmark::State& state) {
  mtext::geom_multitext text = formatted_text(100000);
  editor::snapshot_tables tables;
  const editor::text_snapshot snapshot = editor::take_snapshot(tables, text);
  for (auto _ : state) {
    editor::restore(snapshot, tables, text);
    benchmark::DoNotOptimize(text.parts.size());
  }
  state.counters["ns_per_part"] = benchmark::Counter(
      static_cast<double>(state.iterations() * text.parts.size()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(BM_SnapshotAfterKeystroke)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ThousandSnapshotsHeld100k)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Restore100k)->Unit(benchmark::kMillisecond);
