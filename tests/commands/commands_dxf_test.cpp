// A drawing made by ezdxf, changed by the text commands through the scripted
// host and written back, is read by ezdxf with the expected contents.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "commands/text_commands.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDxfFile.h"
#include "ui/case_dialog.h"

namespace {

namespace fs = std::filesystem;

const std::string python = CADTEXT_PYTHON;

bool have_ezdxf() { return std::system((python + " -c 'import ezdxf' >/dev/null 2>&1").c_str()) == 0; }

std::string run_python(const fs::path& script, const std::string& args) {
  std::string output;
  if (FILE* pipe = popen((python + " " + script.string() + " " + args + " 2>&1").c_str(), "r")) {
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
  }
  return output;
}

// A title block of three Texts, a right-justified Text, a Text to fit and an MText.
const char* const kMake = R"(
import sys, ezdxf
from ezdxf.enums import TextEntityAlignment
doc = ezdxf.new('R2010')
msp = doc.modelspace()
msp.add_text('Pump housing', height=3.0, dxfattribs={'insert': (0, 100)})
msp.add_text('Drawn: a. smith', height=2.0, dxfattribs={'insert': (0, 95)})
msp.add_text('sheet 1/2', height=2.0, dxfattribs={'insert': (60, 95.1)})
msp.add_text('Right side', height=2.0).set_placement((100, 50), align=TextEntityAlignment.RIGHT)
msp.add_mtext('mixed {\\fArial|b1|i0|c0|p34;Bold} words', dxfattribs={'insert': (0, 20), 'char_height': 2.5})
doc.saveas(sys.argv[1])
)";

// Every TEXT and MTEXT of model space, one line each, and the audit's error count.
const char* const kReport = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('errors', len(doc.audit().errors))
for e in doc.modelspace():
    t = e.dxftype()
    if t == 'MTEXT':
        print('MTEXT', repr(e.text), repr(e.plain_text()), e.dxf.attachment_point)
    elif t == 'TEXT':
        print('TEXT', repr(e.dxf.text), e.dxf.halign, e.dxf.valign)
)";

struct CommandsDxf : ::testing::Test {
  fs::path dir;
  int saved_mode = CCaseDlg::processMode();
  void SetUp() override {
    if (!have_ezdxf()) GTEST_SKIP() << python << " with ezdxf is not installed";
    dir = fs::temp_directory_path() / ("cadtext_cmds_dxf_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "make.py") << kMake;
    std::ofstream(dir / "report.py") << kReport;
  }
  void TearDown() override {
    CCaseDlg::setProcessMode(saved_mode);
    if (!dir.empty()) fs::remove_all(dir);
  }
};

TEST_F(CommandsDxf, ABatchOfCommandsIsReadBackByEzdxf) {
  ASSERT_TRUE(textCommandsRegistered());
  const fs::path in = dir / "in.dxf", out = dir / "out.dxf";
  ASSERT_EQ(run_python(dir / "make.py", in.string()), "");
  OdDbDatabasePtr db = odDxfReadFile(in.string());
  {
    scripted_host host(db.get(), u"in.dxf");
    const scripted_outcome outcome = host.run(
        "Text2MText\n"
        "select window -5,90 100,106\n"
        "TCase\n"
        "select all\n"
        "dialog Case mode=upper ok\n"
        "justifytext\n"
        "select all\n"
        "keyword MC\n",
        "batch");
    ASSERT_TRUE(outcome.ok()) << host.transcript();
    ASSERT_EQ(outcome.results, (std::vector<int>{kCmdDone, kCmdDone, kCmdDone})) << host.transcript();
  }
  odDxfWriteFile(db.get(), out.string());
  const std::string report = run_python(dir / "report.py", out.string());
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  // The right-justified Text is upper case and middle centred: halign 1, valign 2.
  EXPECT_NE(report.find("TEXT 'RIGHT SIDE' 1 2\n"), std::string::npos) << report;
  // The MText keeps its font code byte for byte; justifytext MC gives attachment 5.
  EXPECT_NE(report.find("MTEXT 'MIXED {\\\\fArial|b1|i0|c0|p34;BOLD} WORDS' 'MIXED BOLD WORDS' 5\n"), std::string::npos)
      << report;
  // The title block is one MText in reading order, its smaller rows as a height code.
  EXPECT_NE(report.find("'PUMP HOUSING\\nDRAWN: A. SMITH SHEET 1/2' 5\n"), std::string::npos) << report;
  EXPECT_EQ(report.find("TEXT 'Pump housing'"), std::string::npos) << report;
  EXPECT_EQ(report.find("TEXT 'PUMP HOUSING'"), std::string::npos) << report;
}

}  // namespace
