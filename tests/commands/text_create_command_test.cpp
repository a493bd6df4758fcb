// "dText" and "-Text" end to end through the scripted host: the prompts'
// defaults, lines typed one below another, a justification keyword, and
// cancelling that leaves the drawing as it was.
#include <cmath>

#include "commands/justification.h"
#include "commands_fixture.h"
#include "platform/win/IWinSystem.h"
#include "platform/win/memory_key_state.h"

namespace {

constexpr double line_step = 5.0 / 3.0;

struct made_text {
  std::string text;
  double x, y;  // the point it is placed by: position for Left, else alignment point
  int index;    // justification index
};

struct create_row {
  const char* name;
  const char* script;
  double height;
  double rotation_degrees;
  std::vector<made_text> expected;
};

// The Texts of model space, in the order they were added.
std::vector<OdDbTextPtr> texts_of(const OdDbDatabase& db) {
  std::vector<OdDbTextPtr> out;
  OdDbBlockTableRecordPtr space = OdDbBlockTableRecord::cast(db.getModelSpaceId().openObject().get());
  for (const OdDbObjectId& id : space->entityIds()) {
    const OdDbObjectPtr object = id.openObject();
    if (!object.isNull() && !object->isErased() && object->isKindOf(OdDbText::desc()))
      out.push_back(OdDbText::cast(object.get()));
  }
  return out;
}

struct TextCreate : CommandsFixture {
  std::vector<OdDbTextPtr> texts() const { return texts_of(*d.db); }
};

// A drawing of its own for each row, so no row inherits what another chose.
struct fresh_drawing {
  test_drawing d;
  scripted_host host{d.db.get(), u"commands.dxf"};
};

void expect_made(const OdDbText& t, const create_row& row, const made_text& want) {
  const int index = justification::index_of_modes(t.horizontalMode(), t.verticalMode());
  const OdGePoint3d at = index == 0 ? t.position() : t.alignmentPoint();
  EXPECT_EQ(t.textString().toUtf8(), want.text) << row.name;
  EXPECT_EQ(index, want.index) << row.name;
  EXPECT_NEAR(at.x, want.x, 1e-9) << row.name << " " << want.text;
  EXPECT_NEAR(at.y, want.y, 1e-9) << row.name << " " << want.text;
  EXPECT_NEAR(t.height(), row.height, 1e-9) << row.name;
  EXPECT_NEAR(t.rotation(), row.rotation_degrees * M_PI / 180.0, 1e-9) << row.name;
}

TEST(TextCreateRows, PromptsAndTypedLinesMakeTexts) {
  const create_row rows[] = {
      {"the prompts' defaults and one line", "dText\npoint 10,10\nenter\nenter\nkeys \"Hello\" Enter Enter\n", 2.5, 0.0,
       {{"Hello", 10, 10, 0}}},
      {"two lines one line apart", "dText\npoint 10,10\nstring 3\nenter\nkeys \"One\" Enter \"Two\" Enter Enter\n", 3.0,
       0.0, {{"One", 10, 10, 0}, {"Two", 10, 10 - line_step * 3.0, 0}}},
      {"a justification keyword", "dText\nkeyword MC\npoint 50,50\nenter\nenter\nkeys \"Mid\" Enter \"Low\" Enter Enter\n",
       2.5, 0.0, {{"Mid", 50, 50, 10}, {"Low", 50, 50 - line_step * 2.5, 10}}},
      {"rotated lines go down across the baseline", "dText\npoint 0,0\nstring 3\nstring 90\nkeys \"A\" Enter \"B\" Enter Enter\n",
       3.0, 90.0, {{"A", 0, 0, 0}, {"B", line_step * 3.0, 0, 0}}},
      {"Fit asks for both points and the height, not the rotation",
       "dText\nkeyword Fit\npoint 0,0\npoint 20,0\nstring 3\nkeys \"Fit\" Enter Enter\n", 3.0, 0.0, {{"Fit", 20, 0, 2}}},
      {"-Text takes a string", "-Text\npoint 5,5\nstring 4\nenter\nstring Plain\n", 4.0, 0.0, {{"Plain", 5, 5, 0}}},
  };
  for (const create_row& row : rows) {
    fresh_drawing f;
    const scripted_outcome outcome = f.host.run(row.script, "test");
    ASSERT_TRUE(outcome.ok()) << row.name << "\n" << f.host.transcript();
    const std::vector<OdDbTextPtr> made = texts_of(*f.d.db);
    ASSERT_EQ(made.size(), row.expected.size()) << row.name;
    for (std::size_t i = 0; i < made.size(); ++i) expect_made(*made[i], row, row.expected[i]);
  }
}

TEST_F(TextCreate, EnterAtTheFirstPromptContinuesBelowTheLastText) {
  ASSERT_TRUE(run("dText\nkeyword BR\npoint 40,40\nstring 2\nenter\nkeys \"First\" Enter Enter\n").ok()) << host.transcript();
  ASSERT_TRUE(run("dText\nenter\nkeys \"Next\" Enter Enter\n").ok()) << host.transcript();
  const std::vector<OdDbTextPtr> made = texts();
  ASSERT_EQ(made.size(), 2u) << describe();
  const create_row row{"below the last", "", 2.0, 0.0, {}};
  expect_made(*made[1], row, {"Next", 40, 40 - line_step * 2.0, 14});
}

TEST_F(TextCreate, StyleQuestionListsTheStylesAndAllCapsFollowsCapsLock) {
  d.db->setSysVar(u"TEXTALLCAPS", OdResBuf::int16(1));
  const char* const script = "-Text\nkeyword Style\nstring ?\nenter\npoint 5,5\nenter\nenter\nstring lower\n";
  ASSERT_TRUE(run(script).ok()) << host.transcript();
  EXPECT_TRUE(transcriptHas("Type the text style or [?] <Standard>: ?\nText styles:\nStyle: \"Standard\" Font: "))
      << host.transcript();
  EXPECT_TRUE(transcriptHas("Width: 1  Oblique: 0  \nType the text style or [?] <Standard>: <Enter>\n")) << host.transcript();
  static_cast<win::memory_key_state&>(host.app().winSystem()->keyState()).setToggled(win::VK_CAPITAL, true);
  ASSERT_TRUE(run(script).ok()) << host.transcript();
  const std::vector<OdDbTextPtr> made = texts();
  ASSERT_EQ(made.size(), 2u);
  EXPECT_EQ(made[0]->textString().toUtf8(), "lower");  // Caps Lock off
  EXPECT_EQ(made[1]->textString().toUtf8(), "LOWER");
}

TEST_F(TextCreate, CancellingAnyPromptChangesNothing) {
  const char* const scripts[] = {
      "dText\nesc\n",
      "dText\npoint 10,10\nesc\n",
      "dText\npoint 10,10\nstring 7\nesc\n",
      "dText\npoint 10,10\nstring 7\nenter\nkeys \"typed\" Esc\n",
      "dText\nkeyword Justify\nesc\n",
      "-Text\npoint 10,10\nstring 7\nenter\nesc\n",
  };
  const double size = d.db->getTEXTSIZE();
  for (const char* script : scripts) {
    const scripted_outcome outcome = run(script);
    EXPECT_EQ(outcome.results, std::vector<int>{kCmdCancelled}) << script << "\n" << host.transcript();
    EXPECT_TRUE(texts().empty()) << script << "\n" << describe();
    EXPECT_EQ(d.db->getTEXTSIZE(), size) << script;
  }
}

}  // namespace
