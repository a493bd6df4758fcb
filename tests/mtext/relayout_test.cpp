// Incremental re-layout against a full dispose of the same text, over
// seeded random edits.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "describe.h"
#include "mtext/layout.h"
#include "mtext/relayout.h"
#include "test_finder.h"

namespace {

using namespace mtext;

struct text_shape {
  const char16_t* content;
  double width;
  std::uint32_t column_kind;
  std::size_t columns;  // of height 8
  std::uint32_t vertical;
  std::uint32_t layout_mode;
  bool real_fonts;
};

const text_shape shapes[] = {
    {u"Lorem ipsum dolor sit amet, consectetur adipiscing elit, sed do eiusmod", 12, columns_static, 1, 0, 0, false},
    {u"{\\H2x;Big} words\\S1/2; and \\pxqc;centred\\Pnext\tpara\\pxqj;justified words here\\Pend\n", 10,
     columns_static, 1, 0, 1, false},
    {u"a\tbb\tccc\\pxi-2,l3,t4,9;hanging item\tafter tab\\P\\pxqd,sa1.5;distributed and spaced", 15,
     columns_static, 1, 0, 0, false},
    {u"flowing text in three columns with\\pxse1.2; a column break\\Nsecond column and more words", 8,
     columns_static, 3, 0, 0, false},
    {u"tall {\\H3x;letters} flow down dynamic columns\\Pto the end of the text", 9, columns_dynamic_auto, 1, 0,
     2, false},
    {u"middle aligned columns fall back\\Pbut stay right", 9, columns_static, 2, 1, 0, false},
    {u"no width\tat all\\Pjust breaks", 0, columns_static, 1, 0, 0, false},
    {u"The quick brown fox jumps over the lazy dog\\P\\pxsm1.5;spaced lines of real letters", 15,
     columns_static, 1, 0, 0, true},
};

const char16_t* const pieces[] = {u"x", u"wide", u" ", u"\t", u"\n", u"\\P", u"\\N", u"{\\H2x;T}", u"\\S1/2;"};

const string_size_finder& finder(bool real_fonts) {
  static const mtext_test::fixed_finder fixed;
  static const mtext_size_finder real{OdDbDatabasePtr()};
  return real_fonts ? static_cast<const string_size_finder&>(real) : fixed;
}

geom_multitext geom(const std::u16string& content, const text_shape& shape) {
  geom_multitext text;
  to_geom(text, mtext_test::parsed(content, mtext_test::base_format(1.0)), 1.0, finder(shape.real_fonts));
  return text;
}

geom_multitext shaped(const text_shape& shape) {
  geom_multitext text = geom(shape.content, shape);
  text.info.text_height = 1.0;
  text.info.column_width = shape.width;
  text.info.gutter = 1.0;
  text.info.column_kind = shape.column_kind;
  text.info.column_heights.assign(shape.columns, 8.0);
  text.info.vertical = shape.vertical;
  text.info.layout_mode = shape.layout_mode;
  return text;
}

auto fields(const line_record& l) {
  return std::tuple(l.begin, l.end, l.x, l.y, l.leading, l.height, l.descent, l.gap, l.advance, l.ascent);
}
auto fields(const column_record& c) { return std::tuple(c.begin, c.end, c.x, c.y, c.width, c.height); }
auto fields(const geom_part& p) { return std::tuple(p.x, p.y, p.geometry.advance); }

template <class Items>
void expect_same(const Items& got, const Items& want, const char* what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i) ASSERT_EQ(fields(got[i]), fields(want[i])) << what << ' ' << i;
}

TEST(IncrementalLayout, MatchesFullDisposeAfterRandomEdits) {
  std::mt19937 rng(20261206);
  for (const text_shape& shape : shapes) {
    geom_multitext text = shaped(shape);
    incremental_layout layout;
    layout.dispose(text);
    for (int step = 0; step < 200; ++step) {
      const position at = rng() % (text.size() + 1);
      const position erased = std::min<position>(rng() % 3, text.size() - at);
      text.erase(at, erased, true);
      geom_multitext piece = rng() % 4 ? geom(pieces[rng() % std::size(pieces)], shape) : geom_multitext();
      const position inserted = piece.size();
      text.insert(at, piece);
      SCOPED_TRACE(mtext_test::utf8(shape.content) + ", step " + std::to_string(step));
      EXPECT_EQ(layout.update(text, {at, erased, inserted}), shape.vertical == 0);
      geom_multitext full = text;
      dispose(full);
      expect_same(text.lines, full.lines, "line");
      expect_same(text.columns, full.columns, "column");
      expect_same(text.parts, full.parts, "part");
      if (HasFatalFailure()) return;
    }
  }
}

}  // namespace
