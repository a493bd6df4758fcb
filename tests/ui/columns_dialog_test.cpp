// The column settings dialog model: which controls each column type enables.
// The rules that keep width, gutter and total together and the range checks
// are tested as a script answers the dialog (scripted_dialogs_test.cpp).
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
    EXPECT_EQ(d.isChecked(dlg::id_manual_height), !r.auto_height);
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

TEST(ColumnsDialog, HostsCannotSetDisabledFields) {
  dlg d(three_columns());
  EXPECT_EQ(d.fieldValue(u"count").toUtf8(), "3");
  EXPECT_TRUE(d.setFieldValue(u"Type", u"dynamic").isEmpty());
  for (const auto& [field, value] : {std::pair{u"count", u"4"}, {u"height", u"4"}, {u"type", u"diagonal"},
                                     {u"rows", u"2"}, {u"auto_height", u"maybe"}})
    EXPECT_FALSE(d.setFieldValue(field, value).isEmpty()) << OdString(field).toUtf8();
  EXPECT_TRUE(d.setFieldValue(u"auto_height", u"no").isEmpty());
  EXPECT_TRUE(d.setFieldValue(u"height", u"4").isEmpty());
  EXPECT_EQ(d.values(), (column_dialog_values{dlg::type_dynamic, false, 3, 4.0, 10.0, 2.0, 34.0, 1.0}));
}

}  // namespace
