// Writing the model back into records: unchanged objects give their tags
// back exactly, a change touches only its own tags, new records are complete.
#include <gtest/gtest.h>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbLayerTableRecord.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "platform/sdk/OdDxfValue.h"
#include "tests/sdk/dxf_test_records.h"

namespace {

const char* const kMappedKinds[] = {"TEXT", "MTEXT", "ATTRIB", "ATTDEF", "MULTILEADER", "STYLE", "LAYER", "FIELD"};

// The styles of a drawing go into the database first, as the reader does.
void add_styles(const dxf_test_file& file, OdDbDatabase* db) {
  for (const OdDxfTags* record : file.ofType("STYLE")) {
    OdDbObjectPtr style = odDxfObjectFromTags(*record, file.context(db));
    auto* named = dynamic_cast<OdDbTextStyleTableRecord*>(style.get());
    if (named && !named->getName().isEmpty() && !db->textStyleTable()->has(named->getName()))
      db->textStyleTable()->add(named);
  }
}

std::string describe(const OdDxfTags& tags) {
  std::string text;
  for (const OdDxfTag& tag : tags) text += std::to_string(tag.code) + "|" + tag.value + "\n";
  return text;
}

// Indices where two records of equal length differ.
std::vector<std::size_t> differences(const OdDxfTags& a, const OdDxfTags& b) {
  std::vector<std::size_t> at;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
    if (a[i].code != b[i].code || a[i].value != b[i].value) at.push_back(i);
  return at;
}

class DxfUnchanged : public ::testing::TestWithParam<const char*> {};

TEST_P(DxfUnchanged, EveryMappedRecordComesBackTagForTag) {
  const dxf_test_file file = dxf_test_read(GetParam());
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  add_styles(file, db.get());
  const OdDxfContext context = file.context(db.get());
  int mapped = 0;
  for (const char* kind : kMappedKinds)
    for (const OdDxfTags* record : file.ofType(kind)) {
      const OdDbObjectPtr object = odDxfObjectFromTags(*record, context);
      ASSERT_TRUE(object) << describe(*record);
      const OdDxfTags written = odDxfTagsFromObject(*object, *record, context);
      ASSERT_EQ(written.size(), record->size()) << describe(*record) << "--- written:\n" << describe(written);
      EXPECT_TRUE(differences(written, *record).empty()) << describe(*record) << "--- written:\n" << describe(written);
      ++mapped;
    }
  EXPECT_GT(mapped, 0);
}

INSTANTIATE_TEST_SUITE_P(RealFiles, DxfUnchanged,
                         ::testing::Values("ezdxf_text.dxf", "ezdxf_mtext_columns_R2000.dxf",
                                           "ezdxf_mtext_columns_R2007.dxf", "ezdxf_mtext_columns_R2018.dxf",
                                           "ezdxf_caret_encoding.dxf", "ezdxf_uncommon.dxf",
                                           "ezdxf_mtext_complex_inline_codes.dxf", "libredwg_example_r14.dxf",
                                           "libredwg_example_2000.dxf", "libredwg_example_2007.dxf",
                                           "libredwg_2018_TS1.dxf", "libredwg_2013_gh109_1.dxf",
                                           "acadsharp_sample_AC1009_ascii.dxf", "netdxf_sample.dxf",
                                           "dxf-parser_mleader.dxf", "dxf-parser_blocks.dxf",
                                           "dxf-parser_mtext-test.dxf", "ezdxf_acad_table_simple.dxf",
                                           "ezdxf_mtext_framed_columns.dxf"));

struct DxfWrite : ::testing::Test {
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  OdDxfContext context(int version) {
    OdDxfContext c;
    c.database = db.get();
    c.version = version;
    return c;
  }
  template <class T>
  OdSmartPtr<T> read(const OdDxfTags& tags, int version) {
    return OdSmartPtr<T>(T::cast(odDxfObjectFromTags(tags, context(version)).get()));
  }
};

// One changed value rewrites exactly its own tag, in every kind that has a height.
TEST_F(DxfWrite, ChangedHeightChangesOnlyThatTag) {
  const dxf_test_file file = dxf_test_read("ezdxf_text.dxf");
  add_styles(file, db.get());
  for (const char* kind : {"TEXT", "MTEXT", "ATTRIB"}) {
    const OdDxfTags& original = *file.ofType(kind).at(0);
    OdDbObjectPtr object = odDxfObjectFromTags(original, file.context(db.get()));
    if (auto* mtext = dynamic_cast<OdDbMText*>(object.get())) mtext->setTextHeight(mtext->textHeight() * 2 + 0.125);
    if (auto* text = dynamic_cast<OdDbText*>(object.get())) text->setHeight(text->height() * 2 + 0.125);
    const OdDxfTags written = odDxfTagsFromObject(*object, original, file.context(db.get()));
    ASSERT_EQ(written.size(), original.size()) << kind;
    const auto changed = differences(written, original);
    ASSERT_EQ(changed.size(), 1u) << kind << "\n" << describe(written);
    EXPECT_EQ(written[changed[0]].code, 40) << kind;
    EXPECT_EQ(odDxfParseDouble(written[changed[0]].value), *odDxfParseDouble(original[changed[0]].value) * 2 + 0.125);
  }
}

TEST_F(DxfWrite, AbsentTagsAreInsertedInTheirPlace) {
  const OdDxfTags original = dxf_test_tags(
      "0|TEXT\n5|2A\n100|AcDbEntity\n8|0\n100|AcDbText\n10|1.0\n20|2.0\n30|0.0\n40|2.5\n1|Hi\n7|Standard\n100|AcDbText\n");
  OdDbTextPtr text = read<OdDbText>(original, 1015);
  text->setRotation(OdaPI / 2);
  text->setColorIndex(1);
  const OdDxfTags written = odDxfTagsFromObject(*text, original, context(1015));
  EXPECT_EQ(describe(written),
            "0|TEXT\n5|2A\n100|AcDbEntity\n8|0\n62|1\n100|AcDbText\n10|1.0\n20|2.0\n30|0.0\n40|2.5\n1|Hi\n"
            "50|90.0\n7|Standard\n100|AcDbText\n");
}

TEST_F(DxfWrite, TrueColourReplacesIndexAndBack) {
  const OdDxfTags original = dxf_test_tags("0|MTEXT\n100|AcDbEntity\n8|0\n62|3\n100|AcDbMText\n10|0\n20|0\n30|0\n40|1\n1|x\n");
  OdDbMTextPtr mtext = read<OdDbMText>(original, 1021);
  mtext->setColor(OdCmEntityColor(255, 0, 0));
  OdDxfTags written = odDxfTagsFromObject(*mtext, original, context(1021));
  od_dxf_reader reader(written, 1021);
  reader.part("AcDbEntity");
  EXPECT_EQ(reader.integer(62), 1);  // red is ACI 1
  EXPECT_EQ(reader.integer(420), 0xFF0000);
  mtext->setColor(OdCmEntityColor());  // by layer: both go
  written = odDxfTagsFromObject(*mtext, written, context(1021));
  EXPECT_EQ(describe(written), "0|MTEXT\n100|AcDbEntity\n8|0\n100|AcDbMText\n10|0\n20|0\n30|0\n40|1\n1|x\n");
}

// The mask needs its flags, colour and scale together; before R2007 there is none.
TEST_F(DxfWrite, BackgroundMaskWritesFlagsColourAndScale) {
  const OdDxfTags original = dxf_test_tags("0|MTEXT\n100|AcDbEntity\n8|0\n100|AcDbMText\n10|0\n20|0\n30|0\n40|1\n1|x\n");
  OdDbMTextPtr mtext = read<OdDbMText>(original, 1021);
  mtext->setBackgroundFill(true);
  mtext->setBackgroundFillColor(OdCmEntityColor::fromIndex(2));
  mtext->setBackgroundScaleFactor(2.0);
  EXPECT_EQ(describe(odDxfTagsFromObject(*mtext, original, context(1021))),
            "0|MTEXT\n100|AcDbEntity\n8|0\n100|AcDbMText\n10|0\n20|0\n30|0\n40|1\n1|x\n45|2.0\n90|1\n63|2\n");
  EXPECT_EQ(describe(odDxfTagsFromObject(*mtext, original, context(1015))), describe(original));
}

TEST_F(DxfWrite, LinkedColumnRecordsAreListedUntilTheContentsChange) {
  const dxf_test_file file = dxf_test_read("ezdxf_mtext_columns_R2007.dxf");
  const OdDxfTags& original = *file.ofType("MTEXT").at(0);
  EXPECT_EQ(odDxfLinkedColumnRecords(original), (std::vector<std::uint64_t>{0x2E, 0x2F}));
  const OdDxfContext ctx = file.context(db.get());
  OdDbMTextPtr mtext = OdDbMText::cast(odDxfObjectFromTags(original, ctx).get());
  mtext->setTextHeight(2.0);
  EXPECT_EQ(odDxfLinkedColumnRecords(odDxfTagsFromObject(*mtext, original, ctx)), (std::vector<std::uint64_t>{0x2E, 0x2F}));
  mtext->setContents(mtext->contents() + u" more");
  EXPECT_TRUE(odDxfLinkedColumnRecords(odDxfTagsFromObject(*mtext, original, ctx)).empty());
  EXPECT_TRUE(odDxfLinkedColumnRecords(dxf_test_tags("0|TEXT\n1|x\n")).empty());
}

TEST_F(DxfWrite, ColumnsRewriteTheirOwnFormOnly) {
  for (const char* name : {"ezdxf_mtext_columns_R2000.dxf", "ezdxf_mtext_columns_R2018.dxf"}) {
    const dxf_test_file file = dxf_test_read(name);
    const OdDxfTags& original = *file.ofType("MTEXT").at(0);
    const OdDxfContext ctx = file.context(db.get());
    OdDbMTextPtr mtext = OdDbMText::cast(odDxfObjectFromTags(original, ctx).get());
    mtext->setStaticColumns(25.0, 2.0, 4);
    const OdDxfTags written = odDxfTagsFromObject(*mtext, original, ctx);
    OdDbMTextPtr back = OdDbMText::cast(odDxfObjectFromTags(written, ctx).get());
    SCOPED_TRACE(name);
    EXPECT_EQ(back->getColumnType(), OdDbMText::kStaticColumns);
    EXPECT_EQ(back->getColumnCount(), 4);
    EXPECT_EQ(back->getColumnWidth(), 25.0);
    EXPECT_EQ(back->getColumnGutterWidth(), 2.0);
    EXPECT_EQ(back->height(), 100.0);
    // The contents did not change, so their chunks and the linked records stay.
    EXPECT_EQ(back->contents(), mtext->contents());
    bool embedded = false, xdata = false;
    for (const OdDxfTag& tag : written) {
      embedded |= tag.code == 101;
      xdata |= tag.value == "ACAD_MTEXT_COLUMN_INFO_BEGIN";
    }
    EXPECT_EQ(embedded, file.version >= 1032);
    EXPECT_EQ(xdata, file.version < 1032);
  }
}

// New MTEXT and TEXT records are checked by ezdxf (dxf_object_ezdxf_test.cpp);
// an R12 attribute definition has no subclass markers.
TEST_F(DxfWrite, NewR12AttributeDefinitionReadsBack) {
  OdDbAttributeDefinitionPtr definition = OdDbAttributeDefinition::createObject();
  definition->setTag(u"NAME");
  definition->setPrompt(u"Name?");
  definition->setTextString(u"\u00C5sa");
  definition->setPreset(true);
  db->addEntity(definition.get());
  const OdDxfTags r12 = odDxfTagsFromObject(*definition, {}, context(1009));
  for (const OdDxfTag& tag : r12) EXPECT_NE(tag.code, 100) << "R12 has no subclass markers";
  const auto back = read<OdDbAttributeDefinition>(r12, 1009);
  EXPECT_EQ(back->tag(), OdString(u"NAME"));
  EXPECT_EQ(back->prompt(), OdString(u"Name?"));
  EXPECT_EQ(back->textString(), OdString(u"\u00C5sa"));
  EXPECT_TRUE(back->isPreset());
}

TEST_F(DxfWrite, NewPaperSpaceEntitySaysSoAndWhatCannotBeWrittenIsRefused) {
  OdDbTextPtr text = OdDbText::createObject();
  text->setTextString(u"sheet note");
  db->addOdDbObject(text.get(), db->getPaperSpaceId());
  const OdDxfTags onSheet = odDxfTagsFromObject(*text, {}, context(1015));
  EXPECT_EQ(od_dxf_reader(onSheet, 1015).part("AcDbEntity").integer(67), 1);
  OdDbMTextPtr mtext = OdDbMText::createObject();
  db->addEntity(mtext.get());
  const OdDxfTags inModel = odDxfTagsFromObject(*mtext, {}, context(1015));
  EXPECT_FALSE(od_dxf_reader(inModel, 1015).part("AcDbEntity").integer(67));
  EXPECT_THROW(odDxfTagsFromObject(*mtext, {}, context(1009)), OdError) << "R12 has no MTEXT";
  EXPECT_THROW(odDxfTagsFromObject(*OdDbMLeader::createObject(), {}, context(1032)), OdError) << "a new MLEADER";
}

}  // namespace
