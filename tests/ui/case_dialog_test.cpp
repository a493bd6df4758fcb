// The case dialog model: its radios, the remembered mode, OK and Cancel.
#include <gtest/gtest.h>

#include "ui/case_dialog.h"

namespace {

// Restores the process-wide mode after each test.
struct CaseDialog : ::testing::Test {
  int saved = CCaseDlg::processMode();
  ~CaseDialog() override { CCaseDlg::setProcessMode(saved); }
};

struct radio_row {
  int id;
  int mode;
  const char* caption;
};
const radio_row kRadios[] = {
    {1031, 0, "Sentence case"}, {1033, 1, "lower case"},   {1035, 2, "UPPER CASE"},
    {1034, 3, "Title Case"},    {1032, 4, "tOGGLE CASE"},
};

TEST_F(CaseDialog, OpensWithTheRememberedModeAndKeepsTheChoiceOnOK) {
  for (const radio_row& r : kRadios) {
    CCaseDlg::setProcessMode(r.mode);
    CCaseDlg opened;
    for (const radio_row& other : kRadios) EXPECT_EQ(opened.isChecked(other.id), other.id == r.id) << r.caption;
  }
  CCaseDlg::setProcessMode(0);
  {
    CCaseDlg dlg;
    dlg.setChecked(1034);  // Title
    EXPECT_EQ(dlg.onOK(), CCaseDlg::id_ok);
  }
  EXPECT_EQ(CCaseDlg::processMode(), 3);
  CCaseDlg next;
  EXPECT_TRUE(next.isChecked(1034));
  EXPECT_FALSE(next.isChecked(1031));
}

TEST_F(CaseDialog, NoRadioCheckedMeansToggle) {
  CCaseDlg::setProcessMode(1);
  CCaseDlg dlg;
  dlg.setChecked(1033, false);
  EXPECT_EQ(dlg.selectedMode(), 4);
  dlg.onOK();
  EXPECT_EQ(CCaseDlg::processMode(), 4);
}

TEST_F(CaseDialog, CheckingOneRadioClearsTheOthersUnknownIdsAreRefused) {
  CCaseDlg dlg;
  dlg.setChecked(1035);
  dlg.setChecked(1031);
  EXPECT_TRUE(dlg.isChecked(1031));
  EXPECT_FALSE(dlg.isChecked(1035));
  EXPECT_EQ(dlg.selectedMode(), 0);
  EXPECT_FALSE(dlg.setChecked(9999));
  EXPECT_FALSE(dlg.isChecked(9999));
  EXPECT_TRUE(dlg.isChecked(1031));
}

TEST_F(CaseDialog, ModesOutsideTheFiveAreNotRemembered) {
  CCaseDlg::setProcessMode(3);
  CCaseDlg::setProcessMode(7);
  CCaseDlg::setProcessMode(-1);
  EXPECT_EQ(CCaseDlg::processMode(), 3);
}

}  // namespace

namespace {

TEST_F(CaseDialog, HostsSetTheModeByNumberOrNameAndOKKeepsIt) {
  CCaseDlg::setProcessMode(0);
  CCaseDlg dlg;
  EXPECT_EQ(dlg.dialogName().toUtf8(), "Case");
  EXPECT_EQ(dlg.fieldNames(), std::vector<OdString>{u"mode"});
  EXPECT_EQ(dlg.fieldValue(u"mode").toUtf8(), "0");
  EXPECT_TRUE(dlg.setFieldValue(u"mode", u"Title").isEmpty());
  EXPECT_TRUE(dlg.isChecked(1034));
  EXPECT_EQ(dlg.fieldValue(u"MODE").toUtf8(), "3");
  EXPECT_TRUE(dlg.setFieldValue(u"Mode", u"1").isEmpty());
  EXPECT_TRUE(dlg.isChecked(1033));
  EXPECT_TRUE(dlg.accept().isEmpty());
  EXPECT_EQ(CCaseDlg::processMode(), 1);
}

TEST_F(CaseDialog, UnknownFieldsAndModesAreRefusedAndChangeNothing) {
  CCaseDlg::setProcessMode(2);
  CCaseDlg dlg;
  EXPECT_FALSE(dlg.setFieldValue(u"colour", u"red").isEmpty());
  EXPECT_FALSE(dlg.setFieldValue(u"mode", u"5").isEmpty());
  EXPECT_FALSE(dlg.setFieldValue(u"mode", u"shouting").isEmpty());
  EXPECT_FALSE(dlg.setFieldValue(u"mode", u"").isEmpty());
  EXPECT_TRUE(dlg.isChecked(1035));
  EXPECT_EQ(dlg.fieldValue(u"mode").toUtf8(), "2");
}

}  // namespace
