// Damage the fuzzer found, cut down to the tags that matter: each drawing
// reads, and what we write from it reads back and writes the same bytes
// again, where before every round of writing added tags or refused a value.
#include <gtest/gtest.h>

#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;

struct settling_case {
  const char* name;
  std::string bytes;
};

// A CRLF drawing whose height line ends in a second carriage return.
std::string stray_carriage_return() {
  std::string bytes = dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "TEXT"}, {8, "0"}, {10, "1.0"}, {20, "2.0"},
                                {30, "0.0"}, {40, "2.5"}, {1, "x"}, {0, "ENDSEC"}, {0, "EOF"}},
                               "\r\n");
  return bytes.replace(bytes.find("2.5\r\n"), 5, "2.5\r\r\n");
}

std::vector<settling_case> settling_cases() {
  return {
      // An empty ACAD group at the record's end was taken for none, and
      // every round appended another one.
      {"mtext_with_an_empty_acad_group",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "MTEXT"}, {46, "1"}, {1001, "ACAD"}, {0, "ENDSEC"},
                 {0, "EOF"}})},
      // An unclosed "{" group hid the name, which every round inserted again.
      {"layer_with_an_unclosed_group",
       dxf_text({{0, "SECTION"}, {2, "BLOCKS"}, {0, "LAYER"}, {102, "{"}, {0, "ENDSEC"}, {0, "EOF"}})},
      // A field without a code got one after its extended data, where
      // reading does not look, so every round added another.
      {"field_with_extended_data_and_no_code",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "FIELD"}, {1001, ""}, {0, "ENDSEC"}, {0, "EOF"}})},
      // Tags an MTEXT lacked were inserted after its embedded-object marker,
      // where the next reading took them for column data.
      {"mtext_with_an_empty_embedded_object",
       dxf_text({{0, "SECTION"}, {2, "OBJECTS"}, {0, "MTEXT"}, {101, ""}, {71, ""}, {0, "ENDSEC"}, {0, "EOF"}})},
      // A later column listing columns of its own: once the first was
      // written, the Text it named stopped being a column and was mapped.
      {"column_listing_columns_of_its_own",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "MTEXT"}, {46, "10"}, {1001, "ACAD"},
                 {1000, "ACAD_MTEXT_COLUMNS_BEGIN"}, {1005, "2F"}, {0, "MTEXT"}, {5, "2F"}, {3, ""},
                 {1001, "ACAD"}, {1000, "ACAD_MTEXT_COLUMNS_BEGIN"}, {1005, "32"}, {0, "TEXT"}, {5, "32"},
                 {0, "ENDSEC"}, {0, "EOF"}})},
      // A second ACAD group's column section was read once the first
      // group's was written, and dropped the round after.
      {"mtext_with_two_acad_groups",
       dxf_text({{0, "SECTION"}, {2, "BLOCKS"}, {0, "MTEXT"}, {1001, "ACAD"}, {1000, "ACAD_MTEXT_COLUMN_INFO_BEGIN"},
                 {1, "75"}, {1, "2"}, {1001, "ACAD"}, {1000, "ACAD_MTEXT_COLUMN_INFO_BEGIN"}, {7, "75"}, {1, "1"}, {101, ""},
                 {2, ""}, {0, "ENDSEC"}, {0, "EOF"}})},
      // An embedded-object marker followed by the record's own subclass:
      // tags went after the marker, then were found a second time.
      {"embedded_object_before_a_subclass",
       "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1032\n  0\nENDSEC\n" +
           dxf_text({{0, "SECTION"}, {2, "BLOCKS"}, {0, "MTEXT"}, {101, ""}, {100, "AcDbMText"}, {0, "ENDSEC"},
                     {0, "EOF"}})},
      // Two embedded objects: writing replaced the first, the next reading
      // took the second for it.
      {"two_embedded_objects",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "MTEXT"}, {101, ""}, {100, ""}, {101, ""}, {5, ""},
                 {0, "ENDSEC"}, {0, "EOF"}})},
      // A closed "{" group holding the string: the tags a Text lacked were
      // inserted inside the group, where reading does not look.
      {"text_with_its_string_in_a_group",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "TEXT"}, {102, "{"}, {1, ""}, {102, ""}, {0, "ENDSEC"},
                 {0, "EOF"}})},
      // The same for a field whose record holds an embedded-object marker.
      {"field_with_an_embedded_object_and_no_code",
       dxf_text({{0, "SECTION"}, {2, "ENTITIES"}, {0, "FIELD"}, {101, "4"}, {1001, "X"}, {0, "ENDSEC"},
                 {0, "EOF"}})},
      // The value kept the extra return, and writing refused it as a line break.
      {"carriage_returns_before_a_line_end", stray_carriage_return()},
  };
}

class SettlingDrawing : public ::testing::TestWithParam<settling_case> {};

TEST_P(SettlingDrawing, WritingWhatWeReadSettlesInOneRound) {
  OdDbDatabasePtr first = odDxfReadBytes(GetParam().bytes, "damaged.dxf");
  const std::string written = odDxfWriteBytes(first.get());
  OdDbDatabasePtr second = odDxfReadBytes(written, "damaged.dxf");
  EXPECT_EQ(odDxfWriteBytes(second.get()), written);
}

INSTANTIATE_TEST_SUITE_P(Fuzzed, SettlingDrawing, ::testing::ValuesIn(settling_cases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SettlingDrawing, AStrayCarriageReturnIsWrittenBackAsRead) {
  const std::string bytes = stray_carriage_return();
  EXPECT_EQ(odDxfWriteBytes(odDxfReadBytes(bytes, "damaged.dxf").get()), bytes);
}

}  // namespace
