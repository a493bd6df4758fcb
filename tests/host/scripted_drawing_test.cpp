// The scripted host on a drawing read from DXF and written back: a command
// changes only what it moved; a cancelled one leaves the file as it was.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/sdk/OdDxfFile.h"
#include "tests/host/host_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string demo = std::string(CADTEXT_SOURCE_DIR) + "/samples/demo.dxf";

std::string read_all(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct ScriptedDrawing : ::testing::Test {
  fs::path out = fs::temp_directory_path() / ("cadtext-host-drawing-" + std::to_string(::getpid()) + ".dxf");
  ~ScriptedDrawing() override { fs::remove(out); }

  static OdGePoint3d position(OdDbDatabase* db, const char16_t* handle) {
    return OdDbTextPtr(db->getOdDbObjectId(OdDbHandle(OdString(handle))).safeOpenObject())->position();
  }
};

TEST_F(ScriptedDrawing, CancelledAtEveryPromptTheFileComesBackUnchanged) {
  const std::vector<std::string> scripts = {
      "TestShift\n", "TestShift\nselect handles 93\n", "TestShift\nselect handles 93\npoint 0,0\n",
      "TestShift\nselect handles 93\npoint 0,0\nesc\n"};
  for (const std::string& script : scripts) {
    OdDbDatabasePtr db = odDxfReadFile(demo);
    scripted_host host(db.get(), u"demo.dxf");
    const scripted_outcome outcome = host.run(script, "test");
    EXPECT_EQ(outcome.cancelled, 1) << script;
    odDxfWriteFile(db.get(), out.string());
    EXPECT_EQ(read_all(out), read_all(demo)) << script;
  }
}

TEST_F(ScriptedDrawing, AMovedTextIsWrittenAndTheRestKept) {
  {
    OdDbDatabasePtr db = odDxfReadFile(demo);
    scripted_host host(db.get(), u"demo.dxf");
    // 9A lies on the locked layer: found, but left out of the selection.
    const scripted_outcome outcome = host.run("TestShift\nselect handles 93 9A\npoint 0,0\npoint 5,-5\n", "test");
    EXPECT_TRUE(outcome.ok()) << host.transcript();
    EXPECT_NE(host.transcript().find("1 was on a locked layer."), std::string::npos);
    odDxfWriteFile(db.get(), out.string());
  }
  OdDbDatabasePtr original = odDxfReadFile(demo);
  OdDbDatabasePtr written = odDxfReadFile(out.string());
  EXPECT_TRUE(position(written.get(), u"93").isEqualTo(position(original.get(), u"93") + OdGeVector3d(5, -5, 0)));
  for (const char16_t* kept : {u"94", u"9A"})
    EXPECT_TRUE(position(written.get(), kept).isEqualTo(position(original.get(), kept))) << OdString(kept).toUtf8();
}

}  // namespace
