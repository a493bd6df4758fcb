// Dialogs answered from the script by field name: the module's own dialog
// models, field codes and the attribute dialogs.
#include "platform/host/IApp.h"
#include "platform/host/host_attribute_dialogs.h"
#include "platform/host/host_fields.h"
#include "platform/sdk/OdDbAttribute.h"
#include "tests/host/host_fixture.h"

namespace {

// A dialog model like the case dialog: one mode out of five, checked.
struct mode_dialog : host_dialog_model {
  int mode = 0;
  bool accepted = false;
  OdString dialogName() const override { return u"TCase"; }
  std::vector<OdString> fieldNames() const override { return {u"mode"}; }
  OdString fieldValue(const OdString&) const override { return OdString::fromUtf8(std::to_string(mode)); }
  OdString setFieldValue(const OdString& field, const OdString& value) override {
    if (field.iCompare(u"mode") != 0) return u"no such field";
    const std::string text = value.toUtf8();
    if (text.size() != 1 || text[0] < '0' || text[0] > '4') return u"mode is 0 to 4";
    mode = text[0] - '0';
    return {};
  }
  OdString accept() override {
    accepted = true;
    return {};
  }
};

using Dialogs = HostFixture;

TEST_F(Dialogs, FieldsAreSetByNameAndOkOrCancelAnswers) {
  mode_dialog dialog;
  int answer = 0;
  setProbeBody([&](IHostAppServices&) {
    answer = hostDialogs()->showDialog(dialog);
    return int(kCmdDone);
  });
  EXPECT_TRUE(run("TestProbe\ndialog mode=3 ok\n").ok());
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(dialog.mode, 3);
  EXPECT_TRUE(dialog.accepted);
  EXPECT_TRUE(transcriptHas("Dialog TCase: mode=3 ok\n"));

  dialog.accepted = false;
  EXPECT_TRUE(run("TestProbe\ndialog TCase mode=1 cancel\n").ok());
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_FALSE(dialog.accepted);
}

TEST_F(Dialogs, RefusedValuesAndOtherDialogsAreScriptErrors) {
  mode_dialog dialog;
  int answer = 0;
  setProbeBody([&](IHostAppServices&) {
    answer = hostDialogs()->showDialog(dialog);
    return int(kCmdDone);
  });
  struct refused_case {
    const char* line;
    const char* error;
  } cases[] = {
      {"dialog mode=7 ok", "test:2: TCase refuses mode=7: mode is 0 to 4"},
      {"dialog colour=red ok", "test:2: TCase refuses colour=red: no such field"},
      {"dialog Paragraph mode=1 ok", "test:2: the dialog shown is TCase, not Paragraph"},
      {"answer ok", "test:2: \"Dialog TCase\" takes a dialog answer, not \"answer ok\""},
  };
  for (const refused_case& c : cases) {
    const scripted_outcome outcome = run(std::string("TestProbe\n") + c.line + "\n");
    EXPECT_EQ(answer, IDCANCEL) << c.line;
    ASSERT_EQ(outcome.errors.size(), 1u) << c.line;
    EXPECT_EQ(outcome.errors[0], c.error);
  }
  EXPECT_FALSE(dialog.accepted);
  // Unanswered, the dialog is cancelled.
  run("TestProbe\n");
  EXPECT_EQ(answer, IDCANCEL);
}

TEST_F(Dialogs, InsertAndChangeFieldThroughTheirDialogs) {
  const OdDbObjectId text = addText(u"Note", {0, 0, 0});
  OdDbFieldPtr inserted;
  bool changed = false;
  setProbeBody([&](IHostAppServices& s) {
    inserted = insertField(s.currentDatabase());
    if (inserted) changed = changeField(inserted.get(), s.currentDatabase());
    return int(kCmdDone);
  });
  const std::string code = "%<\\AcObjProp Object(%<\\_ObjId " + std::to_string(std::uint64_t(text.getHandle())) +
                           ">%).TextString>%";
  run("TestProbe\ndialog InsertField code=\"" + code + "\" ok\ndialog ChangeField code=\"%<\\AcVar Nonsense>%\" ok\n");
  ASSERT_TRUE(inserted);
  EXPECT_TRUE(changed);
  EXPECT_EQ(inserted->getValue(), OdString(u"####"));  // the changed code does not evaluate
  run("TestProbe\ndialog InsertField code=\"" + code + "\" ok\ndialog ChangeField cancel\n");
  ASSERT_TRUE(inserted);
  EXPECT_FALSE(changed);
  EXPECT_EQ(inserted->getValue(), OdString(u"Note"));
  run("TestProbe\ndialog InsertField cancel\n");
  EXPECT_FALSE(inserted);
}

TEST_F(Dialogs, AttributeDialogsAreFoundByNameAndEditValues) {
  OdDbBlockReferencePtr reference = OdDbBlockReference::createObject();
  const OdDbObjectId referenceId = db->addEntity(reference.get());
  OdDbAttributePtr number = OdDbAttribute::createObject();
  number->setTag(u"NUMBER");
  number->setTextString(u"1");
  reference->appendAttribute(number.get());
  OdDbAttributePtr fixed = OdDbAttribute::createObject();
  fixed->setTag(u"MAKER");
  fixed->setTextString(u"ACME");
  fixed->setConstant(true);
  reference->appendAttribute(fixed.get());

  host_attribute_dialog_fn edit = hostFindAttributeDialog("ShowAttEditDialogEx");
  ASSERT_NE(edit, nullptr);
  EXPECT_NE(hostFindAttributeDialog("ShowAttDDEIT"), nullptr);
  EXPECT_EQ(hostFindAttributeDialog("GetApp"), nullptr);  // other exports are not dialogs
  int answer = 0;
  setProbeBody([&](IHostAppServices&) {
    answer = edit(referenceId);
    return int(kCmdDone);
  });
  const scripted_outcome outcome = run("TestProbe\ndialog ShowAttEditDialogEx NUMBER=42 ok\n");
  EXPECT_TRUE(outcome.ok());
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(number->textString(), OdString(u"42"));
  // A constant attribute is not offered.
  run("TestProbe\ndialog MAKER=Other ok\n");
  EXPECT_EQ(answer, IDCANCEL);
  EXPECT_EQ(fixed->textString(), OdString(u"ACME"));
}

}  // namespace
