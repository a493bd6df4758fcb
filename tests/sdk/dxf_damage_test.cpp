// Damaged copies of a real drawing (seeded: cut short, lines lost, doubled,
// swapped or garbled) are either refused with an OdDxfError on a line of
// the file or read; what is read can be written and read again. Nothing
// else escapes and nothing crashes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "platform/sdk/OdDxfFile.h"
#include "tests/sdk/dxf_test_support.h"

namespace {

using namespace dxf_test;
using lines = std::vector<std::string>;

lines split_lines(const std::string& bytes) {
  lines out;
  std::size_t start = 0;
  for (std::size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
    out.push_back(bytes.substr(start, end + 1 - start));
  if (start < bytes.size()) out.push_back(bytes.substr(start));
  return out;
}

std::string join(const lines& parts) {
  std::string out;
  for (const std::string& part : parts) out += part;
  return out;
}

struct damage {
  const char* name;
  std::string (*apply)(const std::string& bytes, std::mt19937& random);
};

std::size_t any_index(std::size_t size, std::mt19937& random) {
  return std::uniform_int_distribution<std::size_t>(0, size - 1)(random);
}

const damage kDamages[] = {
    {"cut short", [](const std::string& b, std::mt19937& r) { return b.substr(0, any_index(b.size(), r)); }},
    {"line lost",
     [](const std::string& b, std::mt19937& r) {
       lines l = split_lines(b);
       l.erase(l.begin() + static_cast<long>(any_index(l.size(), r)));
       return join(l);
     }},
    {"line doubled",
     [](const std::string& b, std::mt19937& r) {
       lines l = split_lines(b);
       const std::size_t at = any_index(l.size(), r);
       l.insert(l.begin() + static_cast<long>(at), l[at]);
       return join(l);
     }},
    {"lines swapped",
     [](const std::string& b, std::mt19937& r) {
       lines l = split_lines(b);
       const std::size_t at = any_index(l.size() - 1, r);
       std::swap(l[at], l[at + 1]);
       return join(l);
     }},
    {"line garbled",
     [](const std::string& b, std::mt19937& r) {
       lines l = split_lines(b);
       std::string& line = l[any_index(l.size(), r)];
       for (char& c : line)
         if (c != '\n' && c != '\r') c = static_cast<char>(std::uniform_int_distribution<int>(1, 255)(r));
       return join(l);
     }},
};

TEST(DxfDamage, DamagedDrawingsAreRefusedOnALineOrReadAndWrittenAgain) {
  const std::string original = read_bytes(shared_dxf_dir() + "/ezdxf_mtext_columns_R2000.dxf");
  ASSERT_FALSE(original.empty());
  const std::size_t line_count = split_lines(original).size();
  std::mt19937 random(20261205);
  int refused = 0, read = 0;
  for (const damage& kind : kDamages)
    for (int round = 0; round < 40; ++round) {
      const std::string bytes = kind.apply(original, random);
      SCOPED_TRACE(std::string(kind.name) + ", round " + std::to_string(round));
      OdDbDatabasePtr db;
      try {
        db = odDxfReadBytes(bytes);
      } catch (const OdDxfError& error) {
        EXPECT_LE(error.line(), line_count + 2) << error.what();
        ++refused;
        continue;
      }
      ++read;
      const std::string written = odDxfWriteBytes(db.get());
      EXPECT_NO_THROW(odDxfReadBytes(written));
    }
  // Both outcomes must have happened, or the damage did not test what it claims.
  EXPECT_GT(refused, 0);
  EXPECT_GT(read, 0);
}

}  // namespace
