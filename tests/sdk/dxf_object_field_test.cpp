// FIELD records and their link to the text that shows them, on a real drawing.
#include <gtest/gtest.h>

#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbField.h"
#include "platform/sdk/OdDbMText.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

const OdString kIndex(u"%<\\_FldIdx 0>%");

bool same_tags(const OdDxfTags& a, const OdDxfTags& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (a[i].code != b[i].code || a[i].value != b[i].value) return false;
  return true;
}

struct DxfFields : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  dxf_test_file file = dxf_test_read("ezdxf_mtext_complex_inline_codes.dxf");

  // Every MTEXT and FIELD of the drawing, under its own handle, then linked.
  std::vector<OdDbObjectId> load() {
    std::vector<OdDbObjectId> texts;
    const OdDxfContext context = file.context(db.get());
    for (const char* kind : {"MTEXT", "FIELD"})
      for (const OdDxfTags* record : file.ofType(kind)) {
        OdDbObjectPtr object = odDxfObjectFromTags(*record, context);
        const OdDbObjectId id = db->addOdDbObject(object.get(), OdDbObjectId::kNull, OdDbHandle(odDxfRecordHandle(*record)));
        if (std::string(kind) == "MTEXT") texts.push_back(id);
      }
    odDxfLinkFields(context);
    return texts;
  }
};

// Each of the eight texts shows a file name field; the cached value of the
// outer field is its code with the inner field's value in place.
TEST_F(DxfFields, EveryTextGetsItsFieldWithChildAndCachedValue) {
  const std::vector<OdDbObjectId> texts = load();
  ASSERT_EQ(texts.size(), 8u);
  for (const OdDbObjectId& id : texts) {
    SCOPED_TRACE(id.getHandle().ascii().toUtf8());
    const OdDbObjectPtr text = id.openObject();
    const auto field = OdDbField::cast(text->getField(u"TEXT").get());
    ASSERT_TRUE(field);
    const OdString code = field->getFieldCode();
    ASSERT_GE(code.find(kIndex), 0);
    ASSERT_EQ(field->children().size(), 1u);
    const auto child = OdDbField::cast(field->children()[0].get());
    EXPECT_EQ(child->getFieldCode(), OdString(u"\\AcVar Filename \\f \"%fn6\""));
    OdString expected = code;
    expected.replace(kIndex, u"mtext_complex_inline_codes.dxf");
    EXPECT_EQ(field->getValue(), expected);
    // 1983 characters as stored in eight 3 chunks and a 2, less one for each
    // caret pair: three "^I" tabs and one "^ " caret.
    EXPECT_EQ(code.getLength(), 1979);
  }
}

TEST_F(DxfFields, ChangedCodeIsRewrittenInChunksAndKeepsItsMarkers) {
  load();
  const OdDxfTags& original = *file.byHandleOrNull(0xA9);
  const OdDxfContext context = file.context(db.get());
  const auto field = OdDbField::cast(db->getOdDbObjectId(OdDbHandle(0xA9)).openObject(OdDb::kForWrite).get());
  EXPECT_TRUE(same_tags(odDxfTagsFromObject(*field, original, context), original));
  const std::vector<OdDbField*> children{OdDbField::cast(field->children()[0].get()).get()};
  OdString longer = field->getFieldCode(OdDbField::kAddMarkers);
  longer.replace(u"Lorem", u"LOREM");
  field->setFieldCode(longer, 0, &children);
  const OdDxfTags written = odDxfTagsFromObject(*field, original, context);
  // The code's chunks: 3 tags, then the 2 that ends them; all else stays in place.
  const auto code_range = [](const OdDxfTags& tags) {
    std::size_t first = 0;
    while (tags[first].code != 3) ++first;
    std::size_t last = first;
    while (tags[last].code == 3) ++last;
    EXPECT_EQ(tags[last].code, 2);
    return std::pair{first, last + 1};
  };
  const auto [oldFirst, oldEnd] = code_range(original);
  const auto [newFirst, newEnd] = code_range(written);
  EXPECT_EQ(newFirst, oldFirst);
  EXPECT_EQ(written.size() - newEnd, original.size() - oldEnd);
  EXPECT_TRUE(same_tags(OdDxfTags(written.begin() + newEnd, written.end()), OdDxfTags(original.begin() + oldEnd, original.end())));
  for (std::size_t i = newFirst; i < newEnd; ++i) EXPECT_LE(OdString::fromUtf8(written[i].value).getLength(), 250);
  const auto back = OdDbField::cast(odDxfObjectFromTags(written, context).get());
  EXPECT_EQ(back->getFieldCode(OdDbField::kAddMarkers), longer);
}

}  // namespace
