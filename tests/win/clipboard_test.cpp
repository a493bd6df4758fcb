// The clipboard: registered formats, owners, and what stays on it.
#include <gtest/gtest.h>

#include "platform/win/clipboard_formats.h"
#include "platform/win/clipboard_session.h"
#include "platform/win/memory_clipboard.h"

namespace {

using namespace win;

const auto kEditor = static_cast<window_id>(0x10);
const auto kOtherProgram = static_cast<window_id>(0x20);

TEST(ClipboardFormats, ANameKeepsItsNumberEverywhere) {
  memory_clipboard one, two;
  const clipboard_format mtext = one.registerFormat(u"MText");
  EXPECT_GE(mtext, first_registered_format);
  EXPECT_NE(mtext, CF_UNICODETEXT);
  EXPECT_EQ(two.registerFormat(u"MText"), mtext);
  EXPECT_EQ(process_clipboard().registerFormat(u"MTEXT"), mtext);  // names ignore case
  EXPECT_EQ(clipboard_format_name(mtext), u"MText");

  const clipboard_format other = register_clipboard_format(u"cadtext test format");
  EXPECT_GE(other, first_registered_format);
  EXPECT_NE(other, mtext);
  EXPECT_EQ(register_clipboard_format(u""), 0u);
  EXPECT_EQ(clipboard_format_name(CF_UNICODETEXT), std::nullopt);
}

TEST(Clipboard, TextRoundTripsInBothFormats) {
  memory_clipboard clipboard;
  const clipboard_format mtext = clipboard.registerFormat(u"MText");
  const std::u16string plain = u"bold\r\nnext", rich = u"{\\fArial|b1;bold}\\Pnext";
  {
    clipboard_session session(clipboard, kEditor);
    ASSERT_TRUE(session);
    EXPECT_TRUE(clipboard.empty());
    EXPECT_TRUE(clipboard.setData(CF_UNICODETEXT, plain));
    EXPECT_TRUE(clipboard.setData(mtext, rich));
  }
  EXPECT_EQ(clipboard.openedBy(), std::nullopt);  // the session closed it
  EXPECT_TRUE(clipboard.isFormatAvailable(mtext));
  EXPECT_EQ(clipboard.getData(mtext), std::nullopt) << "read only while open";

  clipboard_session session(clipboard, kEditor);
  EXPECT_EQ(clipboard.getData(CF_UNICODETEXT), plain);
  EXPECT_EQ(clipboard.getData(mtext), rich);
  EXPECT_TRUE(clipboard.empty());
  EXPECT_FALSE(clipboard.isFormatAvailable(CF_UNICODETEXT));
  EXPECT_FALSE(clipboard.isFormatAvailable(mtext));
}

TEST(Clipboard, ChangesNeedItOpen) {
  memory_clipboard clipboard;
  EXPECT_FALSE(clipboard.setData(CF_UNICODETEXT, u"x"));
  EXPECT_FALSE(clipboard.empty());
  EXPECT_FALSE(clipboard.close());
  EXPECT_FALSE(clipboard.isFormatAvailable(CF_UNICODETEXT));
}

TEST(Clipboard, HeldByAnotherProgramItRefusesAndKeepsItsData) {
  memory_clipboard clipboard;
  ASSERT_TRUE(clipboard.open(kOtherProgram));
  clipboard.setData(CF_UNICODETEXT, u"theirs");
  for (window_id owner : {kEditor, window_id::none}) {
    clipboard_session session(clipboard, owner);
    EXPECT_FALSE(session);
  }
  // The failed sessions must not have closed the other program's clipboard.
  EXPECT_EQ(clipboard.openedBy(), kOtherProgram);
  EXPECT_TRUE(clipboard.open(kOtherProgram)) << "the holder may open it again";
  clipboard.close();

  clipboard_session session(clipboard, kEditor);
  ASSERT_TRUE(session);
  EXPECT_EQ(clipboard.getData(CF_UNICODETEXT), u"theirs");
}

}  // namespace
