// Every text entity of the shared real drawings becomes a database object:
// the counts per kind are those of testdata/dxf/SOURCES.md, which a raw tag
// scan of the ENTITIES and BLOCKS sections made independently of our reader.
#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "platform/sdk/OdDbAttribute.h"
#include "platform/sdk/OdDbMLeader.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

struct text_counts {
  const char* file;
  int text, mtext, mleader, attrib;
  // MTEXT records that hold the later columns of another MTEXT (saved
  // before R2018): their text is part of the first column's object.
  int linked_columns = 0;
};

const text_counts kSources[] = {
    {"acadsharp_sample_AC1009_ascii.dxf", 256, 0, 0, 4},
    {"libredwg_example_r14.dxf", 2, 19, 0, 2},
    {"libredwg_example_2000.dxf", 2, 18, 1, 2},
    {"libredwg_example_2007.dxf", 2, 18, 1, 2},
    {"libredwg_2018_TS1.dxf", 1, 9, 0, 1},
    {"libredwg_2013_gh109_1.dxf", 1, 17, 0, 0},
    {"ezdxf_mtext_complex_inline_codes.dxf", 0, 8, 0, 0},
    {"ezdxf_mtext_columns_R2000.dxf", 0, 9, 0, 0, 6},
    {"ezdxf_mtext_columns_R2007.dxf", 0, 9, 0, 0, 6},
    {"ezdxf_mtext_columns_R2018.dxf", 0, 3, 0, 0},
    {"ezdxf_caret_encoding.dxf", 0, 61, 0, 0},
    {"ezdxf_uncommon.dxf", 0, 47, 2, 1},
    {"ezdxf_text.dxf", 62, 30, 0, 4},
    {"ezdxf_acad_table_simple.dxf", 0, 7, 0, 0},
    {"ezdxf_mtext_framed_columns.dxf", 0, 6, 0, 0, 4},
    {"dxf-parser_blocks.dxf", 98, 293, 4, 39},
    {"dxf-parser_mleader.dxf", 0, 0, 3, 0},
    {"dxf-parser_mtext-test.dxf", 0, 2, 0, 0},
    {"netdxf_sample.dxf", 1, 23, 0, 1},
};

class SharedDrawingTexts : public ::testing::TestWithParam<text_counts> {};

TEST_P(SharedDrawingTexts, EveryTextEntityIsAnObject) {
  OdDbDatabasePtr db = odDxfReadFile(dxf_test::shared_dxf_dir() + "/" + GetParam().file);
  text_counts found{GetParam().file, 0, 0, 0, 0, 0};
  for (const OdDbObjectId& id : db->objectIds()) {
    const OdDbObject* object = id.peekObject();
    if (object->isKindOf(OdDbAttribute::desc())) ++found.attrib;
    else if (object->isKindOf(OdDbAttributeDefinition::desc())) continue;
    else if (object->isKindOf(OdDbText::desc())) ++found.text;
    else if (object->isKindOf(OdDbMText::desc())) ++found.mtext;
    else if (object->isKindOf(OdDbMLeader::desc())) ++found.mleader;
  }
  EXPECT_EQ(found.text, GetParam().text);
  EXPECT_EQ(found.mtext, GetParam().mtext - GetParam().linked_columns);
  EXPECT_EQ(found.mleader, GetParam().mleader);
  EXPECT_EQ(found.attrib, GetParam().attrib);
}

INSTANTIATE_TEST_SUITE_P(Sources, SharedDrawingTexts, ::testing::ValuesIn(kSources),
                         [](const ::testing::TestParamInfo<text_counts>& info) {
                           std::string name = info.param.file;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
