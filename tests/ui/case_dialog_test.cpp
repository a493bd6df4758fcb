// The case dialog model: its radios and what hosts may set. The mode it
// remembers, OK and Cancel are tested through TCase (tests/commands).
#include <gtest/gtest.h>

#include "ui/case_dialog.h"

namespace {

// Restores the process-wide mode after each test.
struct CaseDialog : ::testing::Test {
  int saved = CCaseDlg::processMode();
  ~CaseDialog() override { CCaseDlg::setProcessMode(saved); }
};

TEST_F(CaseDialog, EachModeChecksItsOwnRadioAndNoneCheckedMeansToggle) {
  const std::pair<int, int> radios[] = {{1031, 0}, {1033, 1}, {1035, 2}, {1034, 3}, {1032, 4}};
  for (const auto& [id, mode] : radios) {
    CCaseDlg::setProcessMode(mode);
    CCaseDlg opened;
    for (const auto& [other, unused] : radios) EXPECT_EQ(opened.isChecked(other), other == id) << mode;
    EXPECT_EQ(opened.fieldValue(u"MODE").toUtf8(), std::to_string(mode));
  }
  CCaseDlg dlg;
  dlg.setChecked(1035);
  dlg.setChecked(1031);
  EXPECT_FALSE(dlg.isChecked(1035)) << "checking one radio clears the others";
  EXPECT_FALSE(dlg.setChecked(9999));
  dlg.setChecked(1031, false);
  EXPECT_EQ(dlg.selectedMode(), 4);
}

TEST_F(CaseDialog, ModesAndFieldsOutsideTheFiveAreRefused) {
  CCaseDlg::setProcessMode(2);
  CCaseDlg::setProcessMode(7);
  CCaseDlg::setProcessMode(-1);
  EXPECT_EQ(CCaseDlg::processMode(), 2);
  CCaseDlg dlg;
  for (const auto& [field, value] : {std::pair{u"colour", u"red"}, {u"mode", u"5"}, {u"mode", u"shouting"}, {u"mode", u""}})
    EXPECT_FALSE(dlg.setFieldValue(field, value).isEmpty()) << OdString(value).toUtf8();
  EXPECT_TRUE(dlg.setFieldValue(u"Mode", u"1").isEmpty());
  EXPECT_TRUE(dlg.isChecked(1033));
}

}  // namespace
