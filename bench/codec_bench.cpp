// Throughput of the content reader and writer on large texts, in bytes of
// UTF-8 content a second.
#include <benchmark/benchmark.h>

#include "bench/bench_text.h"

#include <string>

#include "mtext/parse.h"
#include "mtext/serialize.h"

namespace {

using bench::base_format;
using bench::repeated;

constexpr std::size_t megabyte = 1 << 20;

// Words and spaces with a paragraph break now and then.
std::u16string plain_text() {
  return repeated(u"Lorem ipsum dolor sit amet, consectetur adipiscing elit sed do\\P", megabyte);
}

// A code every few characters: fonts, colours, heights, stacks, paragraphs.
std::u16string formatted_text() {
  return repeated(
      u"{\\fArial|b1|i0|c0|p34;Bold}{\\C1;red}{\\H2x;big}\\Ltext\\l "
      u"{\\H0.7x;\\S1/2;}{\\Fromans;\\W0.8;\\Q15;sh}\\P\\pxi-3,l3,qc,t4;\\c16711680;x\\T1.2;y\\O%%d\\o ",
      megabyte);
}

// Mostly fields, each with a nested object reference.
std::u16string field_text() {
  return repeated(u"%<\\AcObjProp Object(%<\\_ObjId 2128995688>%).Area \\f \"%lu2\">% ", megabyte);
}

void parse_bench(benchmark::State& state, const std::u16string& content) {
  const mtext::format::string base = base_format();
  for (auto _ : state) {
    mtext::multitext text;
    mtext::parse(content.c_str(), base, text, false);
    benchmark::DoNotOptimize(text.parts.size());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bench::utf8_size(content)));
}

void serialize_bench(benchmark::State& state, const std::u16string& content) {
  const mtext::format::string base = base_format();
  mtext::multitext text;
  mtext::parse(content.c_str(), base, text, false);
  for (auto _ : state) {
    const std::u16string out = mtext::serialize(text, base, 1.0);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bench::utf8_size(content)));
}

void BM_ParsePlain(benchmark::State& s) { parse_bench(s, plain_text()); }
void BM_ParseFormatted(benchmark::State& s) { parse_bench(s, formatted_text()); }
void BM_ParseFields(benchmark::State& s) { parse_bench(s, field_text()); }
void BM_SerializePlain(benchmark::State& s) { serialize_bench(s, plain_text()); }
void BM_SerializeFormatted(benchmark::State& s) { serialize_bench(s, formatted_text()); }
void BM_SerializeFields(benchmark::State& s) { serialize_bench(s, field_text()); }

}  // namespace

BENCHMARK(BM_ParsePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseFormatted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseFields)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializePlain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeFormatted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SerializeFields)->Unit(benchmark::kMillisecond);
