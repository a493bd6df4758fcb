// The in-place editor on a multiline text of 100 000 characters (words,
// paragraphs and numbered lists, wrapped in a frame), measured in Arial:
// - one character typed in the middle, as the window message a keyboard
//   sends, with everything it sets off: the undo snapshot (each keystroke
//   opens a step, since a caret movement comes between them), the re-layout
//   and the list renumbering; the 50th and 99th percentiles and the worst;
// - the heap the undo history holds after 1 000 such keystrokes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/bench_text.h"
#include "bench/heap_count.h"
#include "editor/smart_edit.h"
#include "mtext/convert.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/win/memory_win_system.h"
#include "platform/win/win_params.h"

namespace {

class quiet_host : public editor::edit_host {
public:
  void postCommand(const OdString&) override {}
  int trackPopupMenu(const std::vector<editor::menu_item>&) override { return 0; }
  OdDbFieldPtr changeField(OdDbField*) override { return {}; }
  OdDbFieldPtr insertField() override { return {}; }
};

OdDbMTextPtr long_text(OdDbDatabase& database) {
  const std::u16string unit =
      u"Words of a paragraph that runs on for a while and wraps in its frame. \\P"
      u"\\pxi-3,l3,t3;1.\tA numbered item\\P2.\tAnother numbered item\\P\\pxi0,l0,t0;";
  OdDbMTextPtr text = OdDbMText::createObject();
  text->setDatabaseDefaults(&database);
  text->setContents(OdString(bench::repeated(unit, 100000)));
  text->setTextHeight(2.5);
  text->setWidth(120.0);
  database.addEntity(text.get());
  return text;
}

struct editing {
  editing() : database(OdDbDatabase::createObject()), editor(host, system) {
    mtext::install_layout_provider();
    editor.setUp(long_text(*database));
    mtext::geom_multitext& text = editor.entity().text();
    mtext::marks::set_selections({mtext::marks::selection(text.size() / 2, text.size() / 2)}, text.marks);
  }
  void send(win::message_id message, win::wparam key) {
    editor.handleMessage(message, key, win::key_lparam({1}), {});
  }
  // A caret movement first, so that the character opens an undo step of its own.
  void move() {
    send(win::WM_KEYDOWN, win::VK_RIGHT);
    send(win::WM_KEYUP, win::VK_RIGHT);
  }
  void type() { send(win::WM_CHAR, u'x'); }

  OdDbDatabasePtr database;
  quiet_host host;
  win::memory_win_system system;
  editor::smart_edit editor;
};

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(p * static_cast<double>(values.size())))];
}

void BM_TypeInTheMiddleOf100k(benchmark::State& state) {
  editing e;
  std::vector<double> ms;
  for (auto _ : state) {
    e.move();
    const auto start = std::chrono::steady_clock::now();
    e.type();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    ms.push_back(seconds * 1e3);
  }
  state.counters["p50_ms"] = percentile(ms, 0.50);
  state.counters["p99_ms"] = percentile(ms, 0.99);
  state.counters["max_ms"] = *std::max_element(ms.begin(), ms.end());
  state.counters["parts"] = static_cast<double>(e.editor.entity().text().size());
  state.counters["undo_steps"] = static_cast<double>(e.editor.history().undo_depth());
}

void BM_UndoHeldAfter1000Keystrokes(benchmark::State& state) {
  double held = 0.0, accounted = 0.0;
  for (auto _ : state) {
    editing e;
    bench::heap_count::start();
    bench::heap_count::pause();
    for (int i = 0; i < 1000; ++i) {
      e.move();
      // Only the step's snapshot is counted: the text grows by the typed characters too.
      const long long before = bench::heap_count::bytes();
      bench::heap_count::resume();
      e.editor.beginEdit(editor::edit_kind::typing);
      bench::heap_count::pause();
      held += static_cast<double>(bench::heap_count::bytes() - before);
      e.type();
    }
    accounted = static_cast<double>(e.editor.history().bytes());
  }
  state.counters["held_bytes"] = held;
  state.counters["accounted_bytes"] = accounted;
}

}  // namespace

BENCHMARK(BM_TypeInTheMiddleOf100k)->Iterations(1000)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoHeldAfter1000Keystrokes)->Iterations(1)->Unit(benchmark::kMillisecond);
