// Undo snapshots: a restore gives back exactly the text that was recorded,
// and a snapshot after a small edit shares all but a little with its base.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <sstream>
#include <typeinfo>

#include "editor/text_snapshot.h"
#include "mtext/layout.h"
#include "mtext/lists.h"
#include "mtext/serialize.h"
#include "tests/mtext/describe.h"
#include "tests/mtext/test_finder.h"

namespace {

using namespace mtext;

const format::string& base() {
  static const format::string f = mtext_test::base_format(1.0);
  return f;
}

// `unit` repeated to a few thousand parts, so the text spans many chunks.
geom_multitext laid_out(const std::u16string& unit) {
  std::u16string content;
  for (int i = 0; i < 100; ++i) content += unit;
  geom_multitext text;
  text.info.text_height = 1.0;
  to_geom(text, mtext_test::parsed(content, base()), 1.0, mtext_test::fixed_finder());
  mark_numberings(text, marks::letters_dictionary::english());
  marks::set_selections(std::vector<marks::selection>{{3, 1}, {text.size() - 2, text.size() - 2}}, text.marks);
  text.take_changes();
  return text;
}

// Everything a restore must give back: the content written from the logical
// model, the conversion parameters, every mark and every part's geometry.
std::string fingerprint(const geom_multitext& text) {
  std::ostringstream out;
  out << mtext_test::utf8(serialize(flatten(text), base(), 1.0)) << '\n' << std::hexfloat;
  out << text.info.text_height << ' ' << text.info.column_width << ' ' << text.info.horizontal << '\n';
  for (const marks::mark& m : text.marks) {
    out << typeid(m).name() << ' ' << m.begin << ' ' << m.end;
    if (const auto* s = dynamic_cast<const marks::selection*>(&m)) out << ' ' << s->anchor();
    out << '\n';
  }
  const auto metrics = [&](const string_metrics& g) {
    for (const double d : {g.leading, g.height, g.descent, g.gap, g.advance, g.left, g.right, g.ascent, g.depth})
      out << d << ' ';
  };
  for (const geom_part& p : text.parts) {
    metrics(p.geometry);
    if (const auto* s = dynamic_cast<const geom_stack*>(&p)) metrics(s->upper_geometry), metrics(s->lower_geometry);
    out << '\n';
  }
  return out.str();
}

geom_multitext typed(const std::u16string& characters, const format::string& f = base()) {
  return to_geom(characters, f, 1.0, mtext_test::fixed_finder());
}

format::string red() {
  format::string f = base();
  f.color = {1, 0, 0xFF0000};
  return f;
}

struct edit_row {
  const char* name;
  std::function<void(geom_multitext&)> apply;
  bool small;  // touches a few parts only: the snapshot must share nearly everything
};

const edit_row edits[] = {
    {"InsertAtStart", [](geom_multitext& t) { t.insert(0, typed(u"x")); }, true},
    {"InsertInTheMiddle", [](geom_multitext& t) { t.insert(t.size() / 2, typed(u"x", red())); }, true},
    {"InsertAtEnd", [](geom_multitext& t) { t.insert(t.size(), typed(u"xy")); }, true},
    {"EraseAcrossChunks", [](geom_multitext& t) { t.erase(30, 70, true); }, false},
    {"EraseAll", [](geom_multitext& t) { t.erase(0, to_the_end, true); }, false},
    {"RecolourInPlace",
     [](geom_multitext& t) {
       t.parts[t.size() / 3].part().format = red();
       t.touch(t.size() / 3, 1);
     },
     true},
    {"ParagraphOfTheTextOnly", [](geom_multitext& t) { t.paragraph.left_indent = 2.0; }, true},
    {"SelectionOnly",
     [](geom_multitext& t) { marks::set_selections(std::vector<marks::selection>{{5, 9}}, t.marks); }, true},
};

const char16_t* const contents[] = {
    u"Plain words and spaces ",
    u"{\\fArial|b1;Bold} {\\C1;red} {\\H1.5x;big} \\Lline\\l {\\H0.7x;\\S1/2;} {\\S1^2;}x",
    u"\\pxi-2,l3,t4,8;a\tb\tc\\P{\\pxqc;mid}\\Ncolumn\\P",
    u"1.\tfirst\\P2.\tsecond\\Pa.\tthird\\P",
    u"ab%<\\AcVar Date>%cd ",
};

using row = std::tuple<std::size_t, std::size_t>;
class Snapshot : public testing::TestWithParam<row> {};

TEST_P(Snapshot, RestoresEitherSideOfAnEditExactlyAndSharesWhatItDidNotTouch) {
  const auto [c, e] = GetParam();
  geom_multitext text = laid_out(contents[c]);
  editor::snapshot_tables tables;
  const editor::text_snapshot before = editor::take_snapshot(tables, text);
  const std::size_t chunk_bytes_before = before.cells().owned_bytes();
  const std::string recorded_before = fingerprint(text);

  edits[e].apply(text);
  const editor::text_snapshot after = editor::take_snapshot(tables, text, before, text.take_changes());
  const std::string recorded_after = fingerprint(text);
  after.cells().check_invariant();
  EXPECT_EQ(after.size(), text.size());
  if (edits[e].small) {
    EXPECT_LT(after.cells().owned_bytes() * 8, chunk_bytes_before) << "untouched chunks are shared";
  }

  restore(before, tables, text);
  EXPECT_EQ(fingerprint(text), recorded_before);
  restore(after, tables, text);
  EXPECT_EQ(fingerprint(text), recorded_after);
  // The restored text is the base of the next snapshot.
  text.take_changes();
  text.insert(text.size() / 2, typed(u"z"));
  const editor::text_snapshot next = editor::take_snapshot(tables, text, after, text.take_changes());
  const std::string recorded_next = fingerprint(text);
  restore(before, tables, text);
  restore(next, tables, text);
  EXPECT_EQ(fingerprint(text), recorded_next);
}

INSTANTIATE_TEST_SUITE_P(Contents, Snapshot,
                         testing::Combine(testing::Range<std::size_t>(0, std::size(contents)),
                                          testing::Range<std::size_t>(0, std::size(edits))),
                         [](const testing::TestParamInfo<row>& info) {
                           return "Content" + std::to_string(std::get<0>(info.param)) +
                                  edits[std::get<1>(info.param)].name;
                         });

TEST(Snapshot, RandomEditsRestoreInReverseByteForByte) {
  std::mt19937 random(20240611);
  const auto below = [&](std::uint32_t n) { return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(random); };
  geom_multitext text = laid_out(u"{\\C1;ab} cd\\P{\\H2x;e}\\S1/2;\t");
  editor::snapshot_tables tables;
  std::vector<editor::text_snapshot> history{editor::take_snapshot(tables, text)};
  std::vector<std::string> recorded{fingerprint(text)};
  for (int step = 0; step < 300; ++step) {
    const std::uint32_t size = text.size();
    switch (below(4)) {
      case 0: text.insert(below(size + 1), typed(std::u16string(1 + below(60), static_cast<char16_t>(u'a' + below(3))), red())); break;
      case 1: if (size) text.erase(below(size), 1, true); break;
      case 2:
        if (size) {
          const std::uint32_t at = below(size);
          text.erase(at, std::min(size - at, below(80)), true);
        }
        break;
      default:
        if (size) {
          const std::uint32_t at = below(size);
          text.parts[at].part().format.height += 1.0;
          text.touch(at, 1);
        }
    }
    history.push_back(editor::take_snapshot(tables, text, history.back(), text.take_changes()));
    history.back().cells().check_invariant();
    recorded.push_back(fingerprint(text));
  }
  for (std::size_t i = history.size(); i-- > 0;) {
    restore(history[i], tables, text);
    ASSERT_EQ(fingerprint(text), recorded[i]) << "snapshot " << i;
  }
}

}  // namespace
