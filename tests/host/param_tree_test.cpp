#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/host/HostParamJson.h"
#include "platform/host/HostParamNode.h"

namespace {

using names = std::vector<std::string>;

// --- in-memory tree ------------------------------------------------------------

TEST(HostParamNode, ChildrenInOrderValuesWithFallbackAndDeepCopies) {
  HostParamNode root;
  HostParamNode& first = root.addChild("zeta");
  first.setValue("k", "old");
  first.setValue("k", "new");
  first.setValue("empty", "");
  root.addChild("alpha");
  EXPECT_EQ(&root.addChild("zeta"), &first);  // an existing name is that child
  EXPECT_EQ(root.childNames(), (names{"zeta", "alpha"}));
  const IParam& node = root;
  EXPECT_EQ(node.child("zeta")->value("k", ""), "new");
  EXPECT_EQ(node.child("zeta")->value("empty", "fallback"), "");  // present, though empty
  EXPECT_EQ(node.child("zeta")->value("absent", "fallback"), "fallback");
  EXPECT_EQ(node.child("ZETA"), nullptr);  // names are case-sensitive
  EXPECT_EQ(node.child("k"), nullptr);     // values are no children
  EXPECT_EQ(node.value("alpha", "none"), "none");
  HostParamNode copy = root;
  copy.findChild("zeta")->setValue("k", "changed");
  EXPECT_EQ(root.child("zeta")->value("k", ""), "new");
}

// --- JSON files --------------------------------------------------------------

class ParamFile : public ::testing::Test {
protected:
  std::string write(const std::string& name, const std::string& text) {
    const auto path = std::filesystem::path(::testing::TempDir()) / ("cadtext_param_" + name);
    std::ofstream(path, std::ios::binary) << text;
    written.push_back(path);
    return path.string();
  }
  void TearDown() override {
    for (const auto& path : written) std::filesystem::remove(path);
  }
  std::vector<std::filesystem::path> written;
};

TEST_F(ParamFile, ObjectsAreNodesAndMembersAreValues) {
  const auto path = write("tree.json", R"({
    "NamedListAlphabet": {
      "swe": {"name": "Swedish", "lower": "åäö"},
      "deu": {"name": "German", "upper": "ÄÖÜ"}
    },
    "size": 12,
    "flag": true,
    "title": "Тест"
  })");
  const HostParamNode tree = loadParamTree(path);
  EXPECT_EQ(tree.childNames(), (names{"NamedListAlphabet"}));
  EXPECT_EQ(tree.value("size", ""), "12");
  EXPECT_EQ(tree.value("flag", ""), "true");
  EXPECT_EQ(tree.value("title", ""), "Тест");
  const IParam* alphabets = tree.child("NamedListAlphabet");
  ASSERT_NE(alphabets, nullptr);
  EXPECT_EQ(alphabets->childNames(), (names{"swe", "deu"}));
  EXPECT_EQ(alphabets->child("swe")->value("lower", "?"), "åäö");
  EXPECT_EQ(alphabets->child("swe")->value("upper", "?"), "?");
  EXPECT_EQ(alphabets->child("deu")->value("upper", "?"), "ÄÖÜ");
}

TEST_F(ParamFile, DuplicateObjectsMerge) {
  const HostParamNode tree = loadParamTree(
      write("dup.json", R"({"a": {"x": "1"}, "b": {"y": "2"}, "a": {"z": "3"}})"));
  EXPECT_EQ(tree.childNames(), (names{"a", "b"}));
  EXPECT_EQ(tree.child("a")->value("x", ""), "1");
  EXPECT_EQ(tree.child("a")->value("z", ""), "3");
}

// Each error names the file, and says what is wrong with it.
struct bad_file {
  const char* name;
  const char* text;  // null: the file is not written
  const char* reason;
};

class BadParamFile : public ParamFile, public ::testing::WithParamInterface<bad_file> {};

TEST_P(BadParamFile, ErrorNamesTheFile) {
  const bad_file& bad = GetParam();
  const std::string path =
      bad.text ? write(bad.name, bad.text)
               : (std::filesystem::path(::testing::TempDir()) / bad.name).string();
  try {
    loadParamTree(path);
    FAIL() << "no error for " << bad.name;
  } catch (const std::runtime_error& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find(bad.reason), std::string::npos) << message;
  }
}

INSTANTIATE_TEST_SUITE_P(
    ParamFile, BadParamFile,
    ::testing::Values(bad_file{"cadtext_param_missing.json", nullptr, "cannot be opened"},
                      bad_file{"syntax.json", R"({"a" "b"})", "expected ':'"},
                      bad_file{"truncated.json", R"({"a": {"b": "c")", "line 1"},
                      bad_file{"array.json", R"({"a": {"list": ["x", "y"]}})", "a.list"},
                      bad_file{"scalar.json", R"("just text")", "not an object"}));

}  // namespace
