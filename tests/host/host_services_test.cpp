// The host's free services: shape-font enumeration, message translation,
// redraw requests and counted references.
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/host/HostCmdRegistry.h"
#include "platform/host/host_drawing.h"
#include "platform/host/host_fonts.h"
#include "platform/host/host_translate.h"
#include "tests/host/host_fixture.h"

namespace {

namespace fs = std::filesystem;

struct temp_folder {
  fs::path path;
  explicit temp_folder(const std::string& name)
      : path(fs::temp_directory_path() / ("cadtext-host-" + name + "-" + std::to_string(::getpid()))) {
    fs::remove_all(path);
    fs::create_directories(path);
  }
  ~temp_folder() { fs::remove_all(path); }
  void touch(const std::string& relative) const {
    fs::create_directories((path / relative).parent_path());
    std::ofstream(path / relative) << "x";
  }
};

std::vector<std::string> names_of(const std::vector<OdString>& names) {
  std::vector<std::string> out;
  for (const OdString& name : names) out.push_back(name.toUtf8());
  return out;
}

bool has(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

TEST(ShxFontEnum, FontPathWithSubfoldersAndTheDrawingsOwnFolderFlat) {
  temp_folder fonts("fonts");
  fonts.touch("romans.shx");
  fonts.touch("Bold.SHX");
  fonts.touch("arial.ttf");
  fonts.touch("more/isocp.shx");
  fonts.touch("also/ROMANS.shx");  // the same name in another case: listed once
  temp_folder drawing("drawing");
  drawing.touch("local.shx");
  drawing.touch("sub/hidden.shx");

  const char* old = std::getenv("CADTEXT_FONT_PATH");
  const std::string saved = old ? old : "";
  ::setenv("CADTEXT_FONT_PATH", fonts.path.c_str(), 1);
  OdDbDatabasePtr db = OdDbDatabase::createObject();
  db->setFilename(OdString::fromUtf8((drawing.path / "plan.dxf").string()));
  std::vector<std::string> names;
  {
    scripted_host host(db.get());
    names = names_of(GetSHXFontEnum());
  }
  if (old) ::setenv("CADTEXT_FONT_PATH", saved.c_str(), 1);
  else ::unsetenv("CADTEXT_FONT_PATH");

  EXPECT_TRUE(has(names, "romans.shx") != has(names, "ROMANS.shx"));
  EXPECT_TRUE(has(names, "Bold.SHX"));
  EXPECT_TRUE(has(names, "isocp.shx"));
  EXPECT_TRUE(has(names, "local.shx"));
  EXPECT_FALSE(has(names, "hidden.shx"));
  EXPECT_FALSE(has(names, "arial.ttf"));
  // Sorted without regard to case.
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_LT(OdString::fromUtf8(names[i - 1]).iCompare(OdString::fromUtf8(names[i])), 0) << names[i];
}

TEST(Translate, IdentityUnlessTheCatalogueHasTheMessage) {
  EXPECT_EQ(Supp_Translate(u"Selected objects are not texts"), OdString(u"Selected objects are not texts"));
  hostSetTranslationCatalog({{u"Selected objects are not texts", u"Die gewählten Objekte sind keine Texte"}});
  EXPECT_EQ(Supp_Translate(u"Selected objects are not texts"), OdString(u"Die gewählten Objekte sind keine Texte"));
  EXPECT_EQ(Supp_Translate(u"Specify ending point"), OdString(u"Specify ending point"));
  hostSetTranslationCatalog({});
  EXPECT_EQ(Supp_Translate(u"Selected objects are not texts"), OdString(u"Selected objects are not texts"));
}

using HostServices = HostFixture;

TEST_F(HostServices, RedrawRequestsReachTheHost) {
  const OdDbObjectId a = addText(u"a", {0, 0, 0});
  EXPECT_TRUE(hostEntUpd(a));
  EXPECT_EQ(host.updatedEntities(), std::vector<OdDbObjectId>{a});
}

TEST_F(HostServices, CountedReferencesAreReleasedOnScopeExit) {
  ICmdProcess* command = nullptr;
  ASSERT_EQ(HostCmdRegistry::instance().find(u"TestProbe")->creator(&command), 1);
  {
    host_ref<ICmdProcess> owner = host_ref<ICmdProcess>::attach(command);
    host_ref<ICmdProcess> copy = owner;
    EXPECT_EQ(liveProbeCommands(), 1);
    owner = host_ref<ICmdProcess>();
    EXPECT_EQ(liveProbeCommands(), 1);  // the copy still holds it
  }
  EXPECT_EQ(liveProbeCommands(), 0);
}

TEST_F(HostServices, CommandBracketClosesOnEveryPath) {
  std::vector<int> depths;
  setProbeBody([&](IHostAppServices& s) {
    {
      host_command_bracket bracket(&s, u"TestProbe");
      depths.push_back(host.openCommandBrackets());
    }
    depths.push_back(host.openCommandBrackets());
    try {
      host_command_bracket bracket(&s, u"TestProbe");
      throw std::runtime_error("stop");
    } catch (const std::runtime_error&) {
      depths.push_back(host.openCommandBrackets());
    }
    return int(kCmdDone);
  });
  run("TestProbe\n");
  EXPECT_EQ(depths, (std::vector<int>{1, 0, 0}));
}

}  // namespace
