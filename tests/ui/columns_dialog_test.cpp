// The column settings dialog model: enabling, the rules that keep width,
// gutter and total together, and the range checks.
#include <gtest/gtest.h>

#include "ui/columns_dialog.h"

namespace {

using dlg = CMTextColumnsDlg;

// Three static columns 10 wide with gutters of 2, text height 1 (limit 10000).
column_dialog_values three_columns() { return {dlg::type_static, true, 3, 50.0, 10.0, 2.0, 34.0, 1.0}; }

TEST(ColumnsDialog, ControlsAreEnabledAsTheColumnTypeAndHeightModeSay) {
  struct row {
    int type;
    bool auto_height;
    bool height_mode, count, height, width_gutter, total;
  } rows[] = {
      {dlg::type_none, true, false, false, false, false, false},
      {dlg::type_static, true, false, true, true, true, true},
      {dlg::type_dynamic, true, true, false, false, true, false},
      {dlg::type_dynamic, false, true, false, true, true, false},
  };
  for (const row& r : rows) {
    dlg d(three_columns());
    d.setType(r.type);
    d.setAutoHeight(r.auto_height);
    const std::string what = std::to_string(r.type) + (r.auto_height ? " auto" : " manual");
    EXPECT_EQ(d.isEnabled(dlg::id_auto_height), r.height_mode) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_manual_height), r.height_mode) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_count), r.count) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_height), r.height) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_width), r.width_gutter) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_gutter), r.width_gutter) << what;
    EXPECT_EQ(d.isEnabled(dlg::id_total), r.total) << what;
    EXPECT_EQ(d.isChecked(dlg::id_none), r.type == dlg::type_none);
    EXPECT_EQ(d.isChecked(dlg::id_static), r.type == dlg::type_static);
    EXPECT_EQ(d.isChecked(dlg::id_dynamic), r.type == dlg::type_dynamic);
    EXPECT_EQ(d.isChecked(dlg::id_auto_height), r.auto_height);
    EXPECT_EQ(d.isChecked(dlg::id_manual_height), !r.auto_height);
  }
}

TEST(ColumnsDialog, EditingWidthGutterOrTotalKeepsTheOthersInStep) {
  struct row {
    const char* what;
    void (dlg::*edit)(double);
    double value;
    double width, gutter, total;
  } rows[] = {
      {"width", &dlg::editWidth, 12.0, 12.0, 2.0, 40.0},
      {"width over the limit", &dlg::editWidth, 5000.0, (10000.0 - 4.0) / 3.0, 2.0, 10000.0},
      {"gutter", &dlg::editGutter, 5.0, 10.0, 5.0, 40.0},
      {"gutter over the limit", &dlg::editGutter, 6000.0, 10.0, (10000.0 - 30.0) / 2.0, 10000.0},
      {"total", &dlg::editTotal, 40.0, 12.0, 2.0, 40.0},
      // Columns narrower than the text height: the gutters take the rest.
      {"total below a text height a column", &dlg::editTotal, 3.5, 1.0, 0.25, 3.5},
      {"total below the columns alone", &dlg::editTotal, 2.0, 1.0, 0.0, 3.0},
  };
  for (const row& r : rows) {
    dlg d(three_columns());
    (d.*r.edit)(r.value);
    EXPECT_DOUBLE_EQ(d.values().width, r.width) << r.what;
    EXPECT_DOUBLE_EQ(d.values().gutter, r.gutter) << r.what;
    EXPECT_DOUBLE_EQ(d.values().total, r.total) << r.what;
    EXPECT_EQ(d.values().count, 3) << r.what;
    EXPECT_DOUBLE_EQ(d.values().height, 50.0) << r.what;
  }
  dlg d(three_columns());
  d.editHeight(7.0);
  d.editCount(4);
  EXPECT_DOUBLE_EQ(d.values().height, 7.0);
  EXPECT_DOUBLE_EQ(d.values().total, 46.0);
}

TEST(ColumnsDialog, LeavingAFieldChecksItsRangeInTextHeights) {
  struct row {
    int id;
    const char16_t* text;
    const char* message;  // empty when taken
    bool number = true;   // text that is no number keeps the old value
  } rows[] = {
      {dlg::id_count, u"1", "Value must be between 2 and 100"},
      {dlg::id_count, u"two", "Value must be between 2 and 100", false},
      {dlg::id_count, u"100", ""},
      {dlg::id_height, u"-1", "Value must be between 0.0 and 25000.0"},
      {dlg::id_height, u"25000", ""},
      {dlg::id_width, u"2", "Value must be between 2.5 and 25000.0"},
      {dlg::id_width, u"2.5", ""},
      {dlg::id_gutter, u"-0.5", "Value must be between 0.0 and 25000.0"},
      {dlg::id_gutter, u"wide", "Value must be between 0.0 and 25000.0", false},
      {dlg::id_total, u"30000", "Value must be between 2.5 and 25000.0"},
  };
  for (const row& r : rows) {
    column_dialog_values v = three_columns();
    v.text_height = 2.5;
    dlg d(v);
    const OdString message = d.enterText(r.id, r.text);
    EXPECT_EQ(message.toUtf8(), r.message) << r.id << " " << OdString(r.text).toUtf8();
    EXPECT_EQ(d.validate(r.id).toUtf8(), r.number ? r.message : "") << OdString(r.text).toUtf8();
  }
}

TEST(ColumnsDialog, OKChecksOnlyTheFieldsTheColumnTypeEnables) {
  column_dialog_values v = three_columns();
  v.count = 1;
  v.total = 10.0;
  dlg d(v);
  EXPECT_EQ(d.onOK().toUtf8(), "Value must be between 2 and 100");
  d.setType(dlg::type_dynamic);
  EXPECT_TRUE(d.onOK().isEmpty());
  d.setType(dlg::type_none);
  d.editWidth(0.5);
  EXPECT_TRUE(d.onOK().isEmpty());
  d.setType(dlg::type_dynamic);
  EXPECT_EQ(d.onOK().toUtf8(), "Value must be between 1.0 and 10000.0");
}

TEST(ColumnsDialog, HostsAnswerItByNameAndCannotSetDisabledFields) {
  dlg d(three_columns());
  EXPECT_EQ(d.dialogName().toUtf8(), "Column Settings");
  EXPECT_EQ(d.helpTopic().toUtf8(), "IDH_MTextCreate");
  EXPECT_EQ(d.fieldValue(u"type").toUtf8(), "static");
  EXPECT_EQ(d.fieldValue(u"count").toUtf8(), "3");
  EXPECT_TRUE(d.setFieldValue(u"Type", u"dynamic").isEmpty());
  EXPECT_FALSE(d.setFieldValue(u"count", u"4").isEmpty());
  EXPECT_FALSE(d.setFieldValue(u"height", u"4").isEmpty());
  EXPECT_TRUE(d.setFieldValue(u"auto_height", u"no").isEmpty());
  EXPECT_TRUE(d.setFieldValue(u"height", u"4").isEmpty());
  EXPECT_FALSE(d.setFieldValue(u"type", u"diagonal").isEmpty());
  EXPECT_FALSE(d.setFieldValue(u"rows", u"2").isEmpty());
  EXPECT_EQ(d.values(), (column_dialog_values{dlg::type_dynamic, false, 3, 4.0, 10.0, 2.0, 34.0, 1.0}));
}

}  // namespace
