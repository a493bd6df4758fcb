// Dialogs answered from the script by field name: field codes and the
// attribute dialogs (the module's own dialog models: tests/ui).
#include "platform/host/IApp.h"
#include "platform/host/host_attribute_dialogs.h"
#include "platform/host/host_fields.h"
#include "platform/sdk/OdDbAttribute.h"
#include "tests/host/host_fixture.h"

namespace {

using Dialogs = HostFixture;

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
