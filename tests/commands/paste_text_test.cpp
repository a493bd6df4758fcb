// PasteText end to end: clipboard text becomes a Text or an MText placed at
// the point the script gives.
#include "commands_fixture.h"
#include "commands/mtext_commands.h"
#include "editor/clipboard.h"
#include "platform/host/HostModule.h"
#include "platform/win/memory_clipboard.h"

namespace {

// PasteText is an entry point, not a command; the test runs it as one.
class CPasteTextCmd : public HostCmdProcessBase {
protected:
  int execute() override { return PasteText(false) ? kCmdDone : kCmdCancelled; }
};
const host_command_registration paste_registration{u"TestPasteText", &hostCreateCommand<CPasteTextCmd>};

// Leaves the clipboard holding `plain` (if any) and `rich` content (if any).
void put_on_clipboard(const char16_t* plain, const char16_t* rich = nullptr) {
  win::memory_clipboard& board = win::process_clipboard();
  ASSERT_TRUE(board.open(win::window_id::none));
  board.empty();
  if (plain) board.setData(win::CF_UNICODETEXT, plain);
  if (rich) board.setData(editor::mtext_clipboard_format(board), rich);
  board.close();
}

struct paste_row {
  const char16_t* plain;
  const char16_t* rich;
  const char* prompt;
  const char* made;  // the new entity as describe() shows it, under the next handle
};

struct PasteTextTest : CommandsFixture {
  ~PasteTextTest() override { put_on_clipboard(nullptr); }
};

TEST_F(PasteTextTest, OneLineMakesATextSeveralLinesAnEscapedMText) {
  const paste_row rows[] = {
      {u"plain {x}", nullptr, "Input origin of text: 5,6,0", "TEXT 8 'plain {x}' p(5,6)"},
      {u"a {b}\r\nc\\d", nullptr, "Specify first corner: 5,6,0", "MTEXT 9 'a \\{b\\}\\Pc\\\\d' l(5,6)"},
      {u"plain", u"{\\C1;red}", "Specify first corner: 5,6,0", "MTEXT A '{\\C1;red}' l(5,6)"},
  };
  for (const paste_row& row : rows) {
    put_on_clipboard(row.plain, row.rich);
    host.clearTranscript();
    ASSERT_TRUE(run("TestPasteText\npoint 5,6\n").ok()) << host.transcript();
    EXPECT_TRUE(transcriptHas(row.prompt)) << host.transcript();
    EXPECT_NE(describe().find(row.made), std::string::npos) << describe();
  }
}

TEST_F(PasteTextTest, QueryAnswersWhetherThereIsTextToPaste) {
  put_on_clipboard(nullptr);
  EXPECT_FALSE(PasteText(true));
  put_on_clipboard(u"x");
  EXPECT_TRUE(PasteText(true));
}

TEST_F(PasteTextTest, CancelledPlacementAppendsNothing) {
  put_on_clipboard(u"x");
  const std::string before = describe();
  run("TestPasteText\nesc\n");
  EXPECT_EQ(describe(), before);
}

}  // namespace
