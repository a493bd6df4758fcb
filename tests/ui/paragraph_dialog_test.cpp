// The paragraph line-spacing dialog model: what it shows, what OK takes or refuses.
#include <gtest/gtest.h>

#include "ui/paragraph_dialog.h"

namespace {

constexpr std::uint32_t at_least = CParagraphDlg::kind_at_least, exactly = CParagraphDlg::kind_exactly,
                        multiple = CParagraphDlg::kind_multiple, none = CParagraphDlg::kind_none;

TEST(ParagraphDialog, OpensWithTheKindInTheListAndTheValueInTheEditsUnits) {
  struct row {
    std::uint32_t kind;
    double factor;
    bool checked;
    const char* list;
    const char* at;  // exactly and at least in drawing units of text height 2.5
  } rows[] = {
      {exactly, 3.0, true, "Exactly", "7.5"},
      {at_least, 1.2, true, "At least", "3"},
      {multiple, 1.5, true, "Multiple", "1.5"},
      {none, 1.0, false, "Multiple", "1"},
  };
  for (const row& r : rows) {
    CParagraphDlg dlg(2.5, r.kind, r.factor);
    EXPECT_EQ(dlg.isChecked(), r.checked) << r.list;
    EXPECT_EQ(dlg.fieldValue(u"spacing").toUtf8(), r.list);
    EXPECT_EQ(dlg.atText().toUtf8(), r.at) << r.list;
    EXPECT_EQ(dlg.isEnabled(CParagraphDlg::id_spacing), r.checked);
    EXPECT_EQ(dlg.isEnabled(CParagraphDlg::id_at), r.checked);
  }
}

TEST(ParagraphDialog, OKTakesValuesInRangeAndRefusesOthersWithTheRange) {
  struct row {
    const char16_t* list;
    const char16_t* at;
    const char* refusal;  // empty when taken
    std::uint32_t kind;
    double factor;
  } rows[] = {
      {u"Multiple", u"4.5", "Please provide a value within the range of 0.25 and 4.", 0, 0},
      {u"Multiple", u"4", "", multiple, 4.0},
      {u"Multiple", u"0.25", "", multiple, 0.25},
      {u"Exactly", u"7.5", "", exactly, 3.0},
      {u"Exactly", u"10.5", "Please provide a value within the range of 0.625 and 10.", 0, 0},
      {u"At least", u"0.625", "", at_least, 0.25},
      {u"Exactly", u"3x", "Please provide a value within the range of 0.625 and 10.", 0, 0},
      {u"Exactly", u" 5", "", exactly, 2.0},
      // An empty edit keeps the factor the dialog opened with.
      {u"Exactly", u"", "", exactly, 1.5},
  };
  for (const row& r : rows) {
    CParagraphDlg dlg(2.5, multiple, 1.5);
    ASSERT_TRUE(dlg.setFieldValue(u"spacing", r.list).isEmpty());
    dlg.setAtText(r.at);
    const OdString refusal = dlg.onOK();
    const std::string what = OdString(r.list).toUtf8() + " " + OdString(r.at).toUtf8();
    EXPECT_EQ(refusal.toUtf8(), r.refusal) << what;
    EXPECT_EQ(dlg.atTextSelected(), !refusal.isEmpty()) << what;
    // A refusal leaves what the caller reads as the dialog opened.
    EXPECT_EQ(dlg.kind(), refusal.isEmpty() ? r.kind : multiple) << what;
    EXPECT_DOUBLE_EQ(dlg.factor(), refusal.isEmpty() ? r.factor : 1.5) << what;
    EXPECT_TRUE(dlg.enabled());
  }
}

TEST(ParagraphDialog, AnExactSpacingOfThreeHeightsIsShownAgainAsThreeHeights) {
  CParagraphDlg first(2.0, multiple, 1.0);
  first.setSpacingIndex(0);
  first.setAtText(u"6");
  ASSERT_TRUE(first.onOK().isEmpty());
  EXPECT_DOUBLE_EQ(first.factor(), 3.0);
  CParagraphDlg again(2.0, first.kind(), first.factor());
  EXPECT_EQ(again.atText().toUtf8(), "6");
  EXPECT_EQ(again.spacingIndex(), 0);
}

TEST(ParagraphDialog, UncheckedTheEditIsNotReadAndNoFieldButTheCheckBoxTakesInput) {
  CParagraphDlg dlg(1.0, exactly, 2.0);
  dlg.setAtText(u"99");
  EXPECT_TRUE(dlg.setFieldValue(u"enabled", u"no").isEmpty());
  EXPECT_FALSE(dlg.setFieldValue(u"at", u"1").isEmpty());
  EXPECT_FALSE(dlg.setFieldValue(u"spacing", u"Multiple").isEmpty());
  EXPECT_TRUE(dlg.onOK().isEmpty());
  EXPECT_FALSE(dlg.enabled());
  EXPECT_DOUBLE_EQ(dlg.factor(), 2.0);
  EXPECT_EQ(dlg.atText().toUtf8(), "99");
}

TEST(ParagraphDialog, HostsAnswerItByNameAndRefuseWhatItCannotTake) {
  CParagraphDlg dlg(1.0, none, 1.0);
  EXPECT_EQ(dlg.dialogName().toUtf8(), "Paragraph");
  EXPECT_EQ(dlg.fieldNames(), (std::vector<OdString>{u"enabled", u"spacing", u"at"}));
  EXPECT_TRUE(dlg.setFieldValue(u"Enabled", u"YES").isEmpty());
  EXPECT_TRUE(dlg.setFieldValue(u"spacing", u"at LEAST").isEmpty());
  EXPECT_EQ(dlg.spacingIndex(), 1);
  for (const auto& [field, value] : {std::pair{u"enabled", u"maybe"}, {u"spacing", u"double"}, {u"colour", u"red"}})
    EXPECT_FALSE(dlg.setFieldValue(field, value).isEmpty()) << OdString(field).toUtf8();
  EXPECT_EQ(dlg.spacingIndex(), 1);
  EXPECT_FALSE(dlg.setSpacingIndex(3));
}

}  // namespace
