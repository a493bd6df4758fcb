// The colour dialog and the symbol picker answered from the script: what
// they give back, what they refuse, and that Cancel keeps the old value.
#include "platform/host/host_pickers.h"
#include "platform/sdk/OdGiRecorder.h"
#include "tests/host/host_fixture.h"

namespace {

using Pickers = HostFixture;

TEST_F(Pickers, ColourDialogGivesIndexLayerBlockOrTrueColour) {
  struct colour_case {
    const char* answer;
    OdCmEntityColor expected;
  } cases[] = {
      {"dialog Color color=1 ok", OdCmEntityColor::fromIndex(1)},
      {"dialog Color color=255 ok", OdCmEntityColor::fromIndex(255)},
      {"dialog Color color=bylayer ok", OdCmEntityColor(OdCmEntityColor::kByLayer)},
      {"dialog Color color=ByBlock ok", OdCmEntityColor(OdCmEntityColor::kByBlock)},
      {"dialog Color color=\"10, 20,30\" ok", [] { OdCmEntityColor c; c.setRGB(10, 20, 30); return c; }()},
  };
  for (const colour_case& c : cases) {
    OdCmEntityColor colour = OdCmEntityColor::fromIndex(7);
    bool ok = false;
    setProbeBody([&](IHostAppServices&) {
      ok = hostSetColorDialogTrueColor(colour);
      return int(kCmdDone);
    });
    EXPECT_TRUE(run(std::string("TestProbe\n") + c.answer + "\n").ok()) << c.answer;
    EXPECT_TRUE(ok) << c.answer;
    EXPECT_EQ(colour, c.expected) << c.answer;
  }
}

TEST_F(Pickers, ColourDialogRefusesWhatItCannotTakeAndCancelKeepsTheColour) {
  OdCmEntityColor colour = OdCmEntityColor::fromIndex(3);
  bool ok = true;
  bool true_colour = false;
  setProbeBody([&](IHostAppServices&) {
    ok = hostSetColorDialogTrueColor(colour, true_colour);
    return int(kCmdDone);
  });
  for (const char* refused : {"color=0", "color=256", "color=red", "color=1,2", "color=1,2,300", "color=1,2,3"}) {
    const scripted_outcome outcome = run(std::string("TestProbe\ndialog Color ") + refused + " ok\n");
    ASSERT_EQ(outcome.errors.size(), 1u) << refused;
    EXPECT_NE(outcome.errors[0].find("a colour is 1 to 255"), std::string::npos) << outcome.errors[0];
  }
  run("TestProbe\ndialog Color color=5 cancel\n");
  EXPECT_FALSE(ok);
  EXPECT_EQ(colour, OdCmEntityColor::fromIndex(3));
  // The dialog opens on the colour it was given.
  OdCmEntityColor rgb;
  rgb.setRGB(1, 2, 3);
  EXPECT_EQ(hostColorText(rgb), OdString(u"1,2,3"));
  EXPECT_EQ(hostColorText(colour), OdString(u"3"));
}

TEST_F(Pickers, SymbolPickerTakesACharacterOrItsCode) {
  OdChar symbol = u'a';
  bool ok = false;
  setProbeBody([&](IHostAppServices&) {
    ok = hostGetSymbol(symbol);
    return int(kCmdDone);
  });
  EXPECT_TRUE(run("TestProbe\ndialog Symbol char=U+00B0 ok\n").ok());
  EXPECT_TRUE(ok);
  EXPECT_EQ(symbol, u'\u00B0');
  EXPECT_TRUE(run("TestProbe\ndialog Symbol char=\u00D8 ok\n").ok());
  EXPECT_EQ(symbol, u'\u00D8');
  const scripted_outcome refused = run("TestProbe\ndialog Symbol char=ab ok\n");
  ASSERT_EQ(refused.errors.size(), 1u);
  EXPECT_EQ(symbol, u'\u00D8');
}

TEST(HostLookups, LineTypeReachesTheTraitsTheControlsDrawWith) {
  OdGiRecorder recorder;
  uxgiSetLineType(&recorder, u"DASHED");
  EXPECT_EQ(recorder.lineType(), OdString(u"DASHED"));
  uxgiSetLineType(&recorder, u"");
  EXPECT_TRUE(recorder.lineType().isEmpty());
}

}  // namespace
