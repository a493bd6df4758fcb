// Reading and writing whole DXF files: byte-for-byte round trips of real
// drawings and of unusual line styles, refused formats, malformed files
// with their line numbers, and targets that survive a failed write.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "platform/sdk/OdDxfDocument.h"
#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;
namespace fs = std::filesystem;

bool is_binary_dxf(const fs::path& path) { return read_bytes(path).rfind("AutoCAD Binary DXF", 0) == 0; }

std::vector<std::string> ascii_drawings() {
  std::vector<std::string> paths;
  for (const auto& entry : fs::directory_iterator(shared_dxf_dir()))
    if (entry.path().extension() == ".dxf" && !is_binary_dxf(entry.path())) paths.push_back(entry.path().string());
  paths.push_back(std::string(CADTEXT_SOURCE_DIR) + "/samples/demo.dxf");
  std::sort(paths.begin(), paths.end());
  return paths;
}

std::string test_name(const ::testing::TestParamInfo<std::string>& info) {
  std::string name = fs::path(info.param).stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

std::string round_trip(const fs::path& in, const fs::path& out) {
  OdDbDatabasePtr db = odDxfReadFile(in.string());
  odDxfWriteFile(db.get(), out.string());
  return read_bytes(out);
}

class RealDrawingRoundTrip : public ::testing::TestWithParam<std::string> {};

TEST_P(RealDrawingRoundTrip, WritesBackEveryByteUnchanged) {
  scratch_dir dir;
  const std::string original = read_bytes(GetParam());
  ASSERT_FALSE(original.empty());
  const std::string written = round_trip(GetParam(), dir.file("out.dxf"));
  ASSERT_EQ(written.size(), original.size());
  const auto mismatch = std::mismatch(written.begin(), written.end(), original.begin());
  EXPECT_TRUE(mismatch.first == written.end()) << "first difference at byte " << (mismatch.first - written.begin());
}

INSTANTIATE_TEST_SUITE_P(SharedDrawings, RealDrawingRoundTrip, ::testing::ValuesIn(ascii_drawings()), test_name);

TEST(DxfFile, TheSharedFolderHoldsDrawingsOfBothLineEnds) {
  // The round trip above is only worth its name if LF and CRLF files are both in it.
  int crlf = 0, lf = 0;
  for (const std::string& path : ascii_drawings()) (read_bytes(path).find("\r\n") != std::string::npos ? crlf : lf)++;
  EXPECT_GT(crlf, 0);
  EXPECT_GT(lf, 0);
}

// A small drawing with one TEXT, in lines; `with` and `without` number them from 1.
const std::vector<std::string> kSmall = {"  0", "SECTION", "  2", "ENTITIES", "  0",     "TEXT", "  8", "0",
                                         " 10", "1.0",     " 20", "2.0",      " 30",    "0.0",  " 40", "2.5",
                                         "  1", "Hello",   "  0", "ENDSEC",   "  0",    "EOF"};

std::string joined(const std::vector<std::string>& lines, const std::string& end = "\n") {
  std::string out;
  for (const std::string& line : lines) out += line + end;
  return out;
}

struct style_case {
  const char* name;
  std::string bytes;
};

class LineStyleRoundTrip : public ::testing::TestWithParam<style_case> {};

TEST_P(LineStyleRoundTrip, KeepsTheFilesOwnWayOfWritingLines) {
  scratch_dir dir;
  write_bytes(dir.file("in.dxf"), GetParam().bytes);
  EXPECT_EQ(round_trip(dir.file("in.dxf"), dir.file("out.dxf")), GetParam().bytes);
}

std::vector<std::string> with(std::vector<std::string> lines, std::size_t at, const std::string& text) {
  lines[at - 1] = text;
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, LineStyleRoundTrip,
    ::testing::Values(
        style_case{"lf_right_aligned", joined(kSmall)},
        style_case{"crlf", joined(kSmall, "\r\n")},
        style_case{"left_aligned_codes", joined({"0", "SECTION", "2", "ENTITIES", "0", "TEXT", "8", "0", "10", "1.0",
                                                 "20", "2.0", "30", "0.0", "40", "2.5", "1", "Hello", "0", "ENDSEC",
                                                 "0", "EOF"})},
        style_case{"one_code_padded_otherwise", joined(with(kSmall, 9, "10"))},
        style_case{"mixed_line_ends", joined(kSmall).replace(0, 4, "  0\r\n")},
        style_case{"no_line_end_after_eof", joined(kSmall).substr(0, joined(kSmall).size() - 1)},
        style_case{"bytes_after_eof", joined(kSmall) + "\n\x1a trailing"},
        style_case{"byte_order_mark", "\xEF\xBB\xBF" + joined(kSmall)},
        // A POINT stays tags only, so its values are the file's whatever they hold.
        style_case{"blank_and_padded_values", joined(with(with(with(kSmall, 6, "POINT"), 8, ""), 10, "  1.0  "))},
        style_case{"comments_between_sections", "999\nmade by hand\n" + joined(kSmall)}),
    [](const ::testing::TestParamInfo<style_case>& info) { return std::string(info.param.name); });

struct malformed_case {
  const char* name;
  std::string bytes;
  std::size_t line;
  const char* message;
};

std::vector<std::string> without(std::vector<std::string> lines, std::size_t from, std::size_t count) {
  lines.erase(lines.begin() + static_cast<long>(from - 1), lines.begin() + static_cast<long>(from - 1 + count));
  return lines;
}

std::vector<malformed_case> malformed_cases() {
  const std::string dwg = std::string("AC1032\0\0\0\0\0\x01\x02\x03", 14);
  const std::vector<std::string> header = {"  0", "SECTION", "  2", "HEADER", "  9", "$TEXTSIZE", " 40", "abc",
                                           "  0", "ENDSEC", "  0", "EOF"};
  return {
      {"bad_group_code", joined(with(kSmall, 9, "abc")), 9, "expected a group code, found 'abc'"},
      {"empty_group_code_line", joined(with(kSmall, 7, "")), 7, "expected a group code, found an empty line"},
      {"truncated_value", joined(std::vector<std::string>(kSmall.begin(), kSmall.begin() + 9)), 10,
       "expected the value of group code 10, found the end of the file"},
      {"missing_eof", joined(without(kSmall, 21, 2)), 21, "expected 0/SECTION or 0/EOF, found the end of the file"},
      {"missing_endsec_before_eof", joined(without(kSmall, 19, 2)), 19,
       "has no ENDSEC: expected 0/ENDSEC, found 0/EOF"},
      {"missing_endsec_at_end", joined(without(kSmall, 19, 4)), 19, "has no ENDSEC: expected 0/ENDSEC, found the end"},
      {"section_without_name", joined(without(kSmall, 3, 2)), 3, "expected the section's name (group code 2)"},
      {"entity_outside_sections", joined(without(kSmall, 1, 4)), 1, "expected 0/SECTION or 0/EOF, found 0/'TEXT'"},
      {"bad_header_number", joined(header), 8, "$TEXTSIZE takes a number, found 'abc'"},
      {"handle_seed_of_another_kind", joined(with(with(header, 6, "$HANDSEED"), 8, "1.0")), 8,
       "$HANDSEED: expected a handle (group code 5), found group code 40"},
      {"handling_of_another_kind", joined(with(with(header, 6, "$HANDLING"), 8, "2.0")), 8,
       "$HANDLING: expected a whole number (group code 70), found group code 40"},
      {"empty_file", "", 0, "the file is empty"},
      {"blank_file", "\n  \r\n", 0, "the file is empty"},
      {"dwg_signature", dwg, 0, "DWG file (AC1032); only ASCII DXF can be read"},
      {"binary_dxf_signature", std::string("AutoCAD Binary DXF\r\n\x1a\0", 22), 0,
       "binary DXF is not supported; save the drawing as ASCII DXF"},
  };
}

class MalformedFile : public ::testing::TestWithParam<malformed_case> {};

void expect_refused(const fs::path& path, std::size_t line, const std::string& message) {
  try {
    odDxfReadFile(path.string());
    ADD_FAILURE() << "read without error";
  } catch (const OdDxfError& error) {
    EXPECT_EQ(error.line(), line) << error.what();
    EXPECT_NE(error.message().find(message), std::string::npos) << error.what();
  }
}

TEST_P(MalformedFile, IsRefusedWithItsLineInEitherLineEnd) {
  scratch_dir dir;
  write_bytes(dir.file("lf.dxf"), GetParam().bytes);
  expect_refused(dir.file("lf.dxf"), GetParam().line, GetParam().message);
  std::string crlf;
  for (char c : GetParam().bytes) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  write_bytes(dir.file("crlf.dxf"), crlf);
  expect_refused(dir.file("crlf.dxf"), GetParam().line, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Cases, MalformedFile, ::testing::ValuesIn(malformed_cases()),
                         [](const ::testing::TestParamInfo<malformed_case>& info) {
                           return std::string(info.param.name);
                         });

TEST(DxfFile, TheSharedBinaryDrawingIsRefusedByItsSentinel) {
  expect_refused(shared_dxf_dir() + "/acadsharp_sample_AC1032_binary.dxf", 0,
                 "binary DXF is not supported; save the drawing as ASCII DXF");
}

TEST(DxfFile, AMissingFileIsNamed) {
  scratch_dir dir;
  try {
    odDxfReadFile(dir.file("none.dxf").string());
    ADD_FAILURE();
  } catch (const OdDxfError& error) {
    EXPECT_EQ(error.code(), eFileNotFound);
    EXPECT_NE(error.message().find("none.dxf"), std::string::npos);
  }
}

// Failed writes leave an existing target as it was, and no stray files.
struct failed_write : ::testing::Test {
  scratch_dir dir;
  const std::string kept = "the old drawing\n";
  OdDbDatabasePtr db;

  void SetUp() override {
    // A POINT stays tags only: the test can break its record's values.
    write_bytes(dir.file("in.dxf"), joined(with(kSmall, 6, "POINT")));
    write_bytes(dir.file("target.dxf"), kept);
    db = odDxfReadFile(dir.file("in.dxf").string());
  }
  void expect_write_refused(const fs::path& target) {
    const std::size_t files = dir.file_count();
    EXPECT_THROW(odDxfWriteFile(db.get(), target.string()), OdDxfError);
    EXPECT_EQ(read_bytes(dir.file("target.dxf")), kept);
    EXPECT_EQ(dir.file_count(), files);
  }
};

TEST_F(failed_write, AValueThatWouldBreakTheLinesKeepsTheTarget) {
  od_dxf_record& point = db->dxfDocument()->section("ENTITIES")->records.at(0);
  point.tags.at(1).value = "layer\nwith a line break";
  expect_write_refused(dir.file("target.dxf"));
}

TEST_F(failed_write, AMissingFolderCreatesNothing) {
  expect_write_refused(dir.file("no-such-folder") / "target.dxf");
  EXPECT_FALSE(fs::exists(dir.file("no-such-folder")));
}

TEST_F(failed_write, AFolderAsTargetIsRefused) {
  fs::create_directory(dir.file("folder.dxf"));
  expect_write_refused(dir.file("folder.dxf"));
  EXPECT_TRUE(fs::is_directory(dir.file("folder.dxf")));
}

}  // namespace

namespace {

TEST(DxfFile, ChangedLinesFollowTheLineEndMostLinesUse) {
  // The first line ends in LF, every other in CRLF: a changed value takes CRLF.
  const std::vector<std::string> lines = {"  0", "SECTION", "  2", "HEADER", "  9", "$TEXTSIZE", " 40", "2.5",
                                          "  0", "ENDSEC",  "  0", "EOF"};
  const std::string crlf = joined(lines, "\r\n");
  const std::string mixed = "  0\n" + crlf.substr(5);
  OdDbDatabasePtr db = odDxfReadBytes(mixed);
  db->setTEXTSIZE(5.25);
  std::string expected = mixed;
  expected.replace(expected.find("2.5\r\n"), 3, "5.25");
  EXPECT_EQ(odDxfWriteBytes(db.get()), expected);
}

}  // namespace
