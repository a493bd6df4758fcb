// The ruler and the frame handles driven by the mouse messages a user
// sends, checked by the paragraph and column formats the editor writes back
// and by its undo steps. Gadgets are found by their names in the editor's
// control tree and pressed at their centres, so the tests follow the
// layout rather than repeat its pixel sizes.
#include <cstdio>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdGiRecorder.h"
#include "platform/sdk/OdGiSvgWriter.h"
#include "tests/editor/edit_session.h"

namespace {

using editor_test::edit_session;

// A control found by names from the root down ("column#1": the second of
// that name), with its system in the drawing.
struct placed {
  const micui::control* control;
  OdGeMatrix2d to_drawing;
};

placed find(const micui::control& root, const std::vector<std::string>& names) {
  placed p{&root, root.to_parent()};
  for (const std::string& n : names) {
    const std::size_t hash = n.find('#');
    const std::size_t index = hash == std::string::npos ? 0 : std::stoul(n.substr(hash + 1));
    const std::vector<micui::control*> all = p.control->children_named(OdString::fromUtf8(n.substr(0, hash)));
    EXPECT_LT(index, all.size()) << n;
    p.control = all.at(index);
    p.to_drawing = p.to_drawing * p.control->to_parent();
  }
  return p;
}

// A point of the control's box in the drawing, at fractions of its size, moved by (dx, dy).
OdGePoint2d point_of(const placed& p, double dx = 0.0, double dy = 0.0, double fx = 0.5, double fy = 0.5) {
  return p.to_drawing * OdGePoint2d(fx * p.control->width, fy * p.control->height) + OdGeVector2d(dx, dy);
}

std::string xy(const OdGePoint2d& p) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.9f,%.9f", p.x, p.y);
  return buffer;
}

// Presses at `from`, moves halfway and releases at `to`.
void drag(edit_session& s, const OdGePoint2d& from, const OdGePoint2d& to) {
  s.mouse("down " + xy(from));
  s.mouse("move " + xy(from + (to - from) / 2.0));
  s.mouse("up " + xy(to));
}

// A frame this wide, without columns.
editor::column_settings frame_of(double width) {
  editor::column_settings c;
  c.width = width;
  return c;
}

void set_columns(edit_session& s, const editor::column_settings& c) {
  s.editor.entity().setColumns(c);
  s.editor.entity().relayout(true);
  s.editor.controls()->layout();
}

// The first paragraph's format in the content the editor writes back.
mtext::format::paragraph written_paragraph(const edit_session& s) {
  return mtext_test::parsed(s.editor.entity().currentContent(), mtext_test::base_format(1.0)).paragraph;
}

editor::indents written_indents(const edit_session& s) { return editor::indents_of(written_paragraph(s), 1.0); }

struct indent_case {
  const char* marker;
  double dx;
  editor::indents after;  // first, left, right in text heights
};

void PrintTo(const indent_case& c, std::ostream* os) { *os << c.marker << " by " << c.dx; }

class IndentDrag : public ::testing::TestWithParam<indent_case> {};

// A column 20 wide whose paragraph starts with first 1, left 2, right 0.
TEST_P(IndentDrag, SnapsClampsAndUndoesInOneStep) {
  const indent_case& c = GetParam();
  edit_session s(u"\\pxi1,l2;abc|");
  set_columns(s, frame_of(20.0));
  const editor::indents before = written_indents(s);
  const OdGePoint2d at = point_of(find(*s.editor.controls(), {"ruler", "tab area", c.marker}));
  drag(s, at, at + OdGeVector2d(c.dx, 0.0));
  EXPECT_EQ(written_indents(s), c.after) << c.marker << " by " << c.dx;
  EXPECT_EQ(s.undo_depth(), 1u);
  s.keys("Ctrl+Z");
  EXPECT_EQ(written_indents(s), before);
}

INSTANTIATE_TEST_SUITE_P(
    Ruler, IndentDrag,
    ::testing::Values(
        // The left marker keeps the first line where it was.
        indent_case{"left-indent", 3.3, {-2, 5, 0}}, indent_case{"left-indent", 3.5, {-3, 6, 0}},
        indent_case{"left-indent", 40.0, {-17, 20, 0}},
        // The first-line marker stops at the left margin.
        indent_case{"indent", -10.0, {-2, 2, 0}}, indent_case{"indent", 2.4, {3, 2, 0}},
        // The right marker never passes the left or the first line.
        indent_case{"right-indent", -4.4, {1, 2, 4}}, indent_case{"right-indent", -30.0, {1, 2, 17}}));

std::vector<mtext::format::tab_stop> written_tabs(const edit_session& s) { return written_paragraph(s).tabs; }

TEST(Ruler, AClickAddsATabADragMovesItAndADragOffTheRulerRemovesIt) {
  edit_session s(u"abc|");
  set_columns(s, frame_of(20.0));
  const auto area = [&] { return find(*s.editor.controls(), {"ruler", "tab area"}); };
  const auto tab = [&] { return find(*s.editor.controls(), {"ruler", "tab area", "tab"}); };
  s.mouse("click " + xy(point_of(area(), 0.0, 0.0, 3.0 / 20.0)));
  const std::vector<mtext::format::tab_stop> at_3 = {{3.0, mtext::format::tab_left, u' '}};
  EXPECT_EQ(written_tabs(s), at_3);
  drag(s, point_of(tab()), point_of(tab(), 2.4));
  const std::vector<mtext::format::tab_stop> at_5 = {{5.0, mtext::format::tab_left, u' '}};
  EXPECT_EQ(written_tabs(s), at_5);
  drag(s, point_of(tab()), {point_of(tab()).x, -0.5});
  EXPECT_TRUE(written_tabs(s).empty());
  EXPECT_EQ(s.undo_depth(), 3u);
  s.keys("Ctrl+Z");
  EXPECT_EQ(written_tabs(s), at_5);
  s.keys("Ctrl+Z");
  EXPECT_EQ(written_tabs(s), at_3);
}

TEST(Ruler, TheTabSwitchCyclesTheKindOfTheNextStop) {
  for (int clicks = 0; clicks <= 5; ++clicks) {
    edit_session s(u"abc|");
    set_columns(s, frame_of(20.0));
    const placed sign = find(*s.editor.controls(), {"ruler", "tab switch"});
    for (int i = 0; i < clicks; ++i) s.mouse("click " + xy(point_of(sign)));
    s.mouse("click " + xy(point_of(find(*s.editor.controls(), {"ruler", "tab area"}), 0.0, 0.0, 0.1)));
    ASSERT_EQ(written_tabs(s).size(), 1u);
    EXPECT_EQ(written_tabs(s).front().kind, static_cast<std::uint32_t>(clicks % 4)) << clicks << " clicks";
    EXPECT_EQ(s.undo_depth(), 1u) << "the switch takes no step";
  }
}

struct width_case {
  OdDbMText::AttachmentPoint attachment;
  double dx;
  double width;  // was 10; the text is 2.5 high
};

void PrintTo(const width_case& c, std::ostream* os) { *os << "attachment " << c.attachment << " by " << c.dx; }

class WidthSizer : public ::testing::TestWithParam<width_case> {};

TEST_P(WidthSizer, FollowsThePointerFromTheAttachedSide) {
  const width_case& c = GetParam();
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbMTextPtr source = OdDbMText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setContents(u"words and words");
  source->setLocation({30.0, 20.0, 0.0});
  source->setWidth(10.0);
  source->setTextHeight(2.5);
  source->setAttachment(c.attachment);
  database->addEntity(source.get());
  edit_session s(u"|");
  s.editor.setUp(source);
  const placed sizer = find(*s.editor.controls(), {"ruler", "width sizer"});
  drag(s, point_of(sizer), point_of(sizer, c.dx));
  EXPECT_DOUBLE_EQ(s.editor.entity().columns().width, c.width);
  s.keys("Ctrl+Z");
  EXPECT_DOUBLE_EQ(s.editor.entity().columns().width, 10.0);
  s.keys("Ctrl+Y");
  s.editor.commit(true);
  EXPECT_DOUBLE_EQ(source->width(), c.width);
}

INSTANTIATE_TEST_SUITE_P(Ruler, WidthSizer,
                         ::testing::Values(width_case{OdDbMText::kTopLeft, 4.0, 14.0},
                                           width_case{OdDbMText::kTopCenter, 2.0, 14.0},
                                           width_case{OdDbMText::kTopRight, 4.0, 6.0},
                                           width_case{OdDbMText::kMiddleRight, -3.0, 13.0},
                                           width_case{OdDbMText::kTopLeft, -100.0, 2.5}));

// One-line paragraphs in dynamic columns 5 wide, 2 apart, 4 high.
constexpr const char16_t* five_paragraphs = u"a\\Pb\\Pc\\Pd\\Pe|";
void columned(edit_session& s) {
  editor::column_settings c = frame_of(5.0);
  c.gutter = 2.0;
  c.type = OdDbMText::kDynamicColumns;
  c.frame_height = 4.0;
  set_columns(s, c);
}

TEST(Columns, HeightAndCornerDragsSetThatColumnsManualHeight) {
  const struct { const char* handle; double dx, dy, width, taller; } rows[] = {
      {"height sizer", 0.0, -2.0, 5.0, 2.0},
      {"height edge", 0.7, -1.0, 5.0, 1.0},
      {"sizer", 1.0, -1.5, 6.0, 1.5},  // the corner: width and height together
  };
  for (const auto& r : rows) {
    edit_session s(five_paragraphs);
    columned(s);
    const auto height_of = [&](const char* c) {
      return static_cast<const mtext::column*>(find(*s.editor.controls(), {"backstage", c}).control)->view().height;
    };
    const double first = height_of("column#0"), second = height_of("column#1");
    const placed handle = find(*s.editor.controls(), {"backstage", "column#0", r.handle});
    drag(s, point_of(handle), point_of(handle, r.dx, r.dy));
    const editor::column_settings& c = s.editor.entity().columns();
    EXPECT_FALSE(c.auto_height) << r.handle;
    ASSERT_GE(c.heights.size(), 2u) << r.handle;
    EXPECT_DOUBLE_EQ(c.heights[0], first + r.taller) << r.handle;
    EXPECT_DOUBLE_EQ(c.heights[1], second) << r.handle << ": the other column keeps its height";
    EXPECT_DOUBLE_EQ(c.width, r.width) << r.handle;
    EXPECT_EQ(s.undo_depth(), 1u) << r.handle;
    s.keys("Ctrl+Z");
    EXPECT_TRUE(s.editor.entity().columns().auto_height) << r.handle;
  }
}

TEST(Columns, TheGutterDotSitsInTheGutterAndWidensItTwiceItsMovement) {
  edit_session one(u"abc|");
  EXPECT_EQ(one.editor.controls()->ruler()->child(u"dot"), nullptr);
  edit_session s(five_paragraphs);
  columned(s);
  const placed dot = find(*s.editor.controls(), {"ruler", "dot"});
  const placed left = find(*s.editor.controls(), {"ruler", "tab area#0"});
  const placed right = find(*s.editor.controls(), {"ruler", "tab area#1"});
  EXPECT_GT(point_of(dot).x, point_of(left, 0, 0, 1.0).x);
  EXPECT_LT(point_of(dot).x, point_of(right, 0, 0, 0.0).x);
  drag(s, point_of(dot), point_of(dot, 1.5));
  EXPECT_DOUBLE_EQ(s.editor.entity().columns().gutter, 5.0);
  s.keys("Ctrl+Z");
  EXPECT_DOUBLE_EQ(s.editor.entity().columns().gutter, 2.0);
}

TEST(Columns, ASizeDragOfALongTextDefersItsLayoutToTheRelease) {
  edit_session s(std::u16string(5000, u'x') + u"|");
  set_columns(s, frame_of(20.0));
  ASSERT_GE(s.editor.entity().text().size(), editor::deferred_update_parts);
  const std::size_t lines = s.editor.entity().text().lines.size();
  const OdGePoint2d at = point_of(find(*s.editor.controls(), {"ruler", "width sizer"}));
  s.mouse("down " + xy(at));
  s.mouse("move " + xy(at + OdGeVector2d(20.0, 0.0)));
  EXPECT_TRUE(s.editor.entity().deferredUpdate());
  EXPECT_EQ(s.editor.entity().text().lines.size(), lines);
  s.mouse("up " + xy(at + OdGeVector2d(20.0, 0.0)));
  EXPECT_FALSE(s.editor.entity().deferredUpdate());
  EXPECT_EQ(s.editor.entity().text().lines.size(), (lines + 1) / 2) << "twice as wide, half the lines";
}

TEST(Columns, EachGadgetShowsItsCursor) {
  edit_session s(five_paragraphs);
  columned(s);
  s.mouse("click 0.5,-0.5");
  // Only the column holding the caret shows its paragraph's markers.
  ASSERT_TRUE(find(*s.editor.controls(), {"ruler", "tab area#0", "left-indent"}).control->visible);
  EXPECT_FALSE(find(*s.editor.controls(), {"ruler", "tab area#1", "left-indent"}).control->visible);
  const struct { std::vector<std::string> names; win::cursor_id cursor; } rows[] = {
      {{"ruler", "tab area", "left-indent"}, win::cursor_id::size_we},
      {{"ruler", "width sizer"}, win::cursor_id::size_we},
      {{"ruler", "dot"}, win::cursor_id::size_we},
      {{"backstage", "column#1", "height sizer"}, win::cursor_id::size_ns},
      {{"backstage", "column#0", "sizer"}, win::cursor_id::size_nwse},
      {{"ruler", "tab switch"}, win::cursor_id::arrow},
  };
  for (const auto& r : rows) {
    const OdGePoint2d p = point_of(find(*s.editor.controls(), r.names));
    s.editor.handleMessage(win::WM_SETCURSOR, 0, 0, {p.x, p.y, 0.0});
    EXPECT_EQ(s.system.cursor().currentCursor(), r.cursor) << r.names.back();
  }
}

// The picture of the ruler for the README: a text in two columns with
// indents and tab stops, one stop dragged with its guide line showing.
TEST(Ruler, TheViewShowsTheRulerAndTheGuideLineOfADraggedTab) {
  OdDbDatabasePtr database = OdDbDatabase::createObject();
  OdDbMTextPtr source = OdDbMText::createObject();
  source->setDatabaseDefaults(database.get());
  source->setContents(u"\\pxi-2,l2,r1,t4,c8,r11;Indented words under a ruler that shows them\\Pitem\tone\tmore words "
                      u"and more, flowing on into the second column\\Pand the last paragraph");
  source->setTextHeight(2.5);
  source->setStaticColumns(30.0, 5.0, 2);
  source->setHeight(20.0);
  database->addEntity(source.get());
  edit_session s(u"|");
  s.editor.setUp(source);
  const placed stop = find(*s.editor.controls(), {"ruler", "tab area", "tab#1"});
  s.mouse("down " + xy(point_of(stop)));
  s.mouse("move " + xy(point_of(stop, 2.6 * 2.5)));

  OdGiRecorder gi;
  od_gi_view view;
  view.pixels_per_unit = 8.0;
  gi.setView(view);
  for (const OdGiDrawablePtr& d : s.editor.drawables()) gi.draw(d.get());
  std::vector<double> dashed;
  for (const od_gi_primitive& p : gi.primitives())
    if (p.kind == od_gi_primitive_kind::polyline && p.traits.lineType == u"DASHED") dashed.push_back(p.points[0].x);
  ASSERT_EQ(dashed.size(), 1u);
  EXPECT_NEAR(dashed.front(), point_of(find(*s.editor.controls(), {"backstage", "column"}), 0, 0, 0.0).x + 11.0 * 2.5, 1e-9)
      << "the guide line stands at the snapped stop";
  std::ofstream(std::filesystem::temp_directory_path() / "edit-session-ruler.svg")
      << od_gi_svg_document(gi.primitives(), {.margin = 0.04, .width_px = 640});
  s.mouse("up " + xy(point_of(stop, 2.6 * 2.5)));
  // Dropped on the right-aligned stop, the centred one takes its place.
  const std::vector<mtext::format::tab_stop> moved = {{4.0, mtext::format::tab_left, u' '},
                                                      {11.0, mtext::format::tab_center, u' '}};
  EXPECT_EQ(written_tabs(s), moved);
}

}  // namespace
