// The cost of measuring text through the drawing layer once fonts are loaded.
#include <benchmark/benchmark.h>

#include "platform/sdk/OdGiContextForDbDatabase.h"

namespace {

void measure(benchmark::State& state, const OdGiTextStyle& style, const std::u16string& text) {
  OdGiContextForDbDatabasePtr context = OdGiContextForDbDatabase::createObject();
  OdGePoint3d min, max, end;
  for (auto _ : state) {
    context->textExtentsBox(style, text.c_str(), static_cast<int>(text.size()), 0, min, max, &end);
    benchmark::DoNotOptimize(end);
  }
}

OdGiTextStyle truetype() {
  OdGiTextStyle style;
  style.setFont(u"Arial", false, false, 0, 34);
  style.setTextSize(2.5);
  return style;
}

OdGiTextStyle stroke() {
  OdGiTextStyle style;
  style.setFileName(u"romans.shx");
  style.setShxFont(true);
  style.setTextSize(2.5);
  return style;
}

void BM_MeasureCharTrueType(benchmark::State& s) { measure(s, truetype(), u"W"); }
void BM_Measure20CharsTrueType(benchmark::State& s) { measure(s, truetype(), u"The quick brown fox "); }
void BM_MeasureCharStroke(benchmark::State& s) { measure(s, stroke(), u"W"); }
void BM_Measure20CharsStroke(benchmark::State& s) { measure(s, stroke(), u"The quick brown fox "); }

}  // namespace

BENCHMARK(BM_MeasureCharTrueType);
BENCHMARK(BM_Measure20CharsTrueType);
BENCHMARK(BM_MeasureCharStroke);
BENCHMARK(BM_Measure20CharsStroke);
