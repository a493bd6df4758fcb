// A drawing made by ezdxf, changed by the text commands through the scripted
// host and written back, is read by ezdxf with the expected contents.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <unistd.h>

#include "commands/text_commands.h"
#include "platform/host/scripted_host.h"
#include "platform/sdk/OdDbText.h"
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

// Drawings as ezdxf writes them: justified Texts whose first point is the
// alignment point, an attribute in its block reference, a style named by its
// TrueType file, Text strings with braces and backslashes; an R12 drawing;
// a drawing saved with a layout showing.
const char* const kMakeReal = R"(
import sys, ezdxf
from ezdxf.enums import TextEntityAlignment as A
doc = ezdxf.new('R2010')
doc.styles.new('BYFILE', dxfattribs={'font': 'DejaVuSans.ttf'})
msp = doc.modelspace()
for i, a in enumerate([A.CENTER, A.RIGHT, A.MIDDLE, A.TOP_LEFT, A.MIDDLE_CENTER, A.BOTTOM_RIGHT]):
    msp.add_text(a.name, height=2.5, dxfattribs={'style': 'BYFILE'}).set_placement((50, 10 * i), align=a)
msp.add_text('aligned', height=2.5).set_placement((0, 200), (40, 180), align=A.ALIGNED)
msp.add_text('a{b}c \\ z', height=2.5, dxfattribs={'insert': (0, 240)})
msp.add_text('second', height=2.5, dxfattribs={'insert': (40, 240), 'style': 'BYFILE'})
block = doc.blocks.new('TB')
block.add_attdef('NAME', (0, 0), dxfattribs={'height': 2.5})
msp.add_blockref('TB', (100, 100)).add_auto_attribs({'NAME': 'value'})
doc.saveas(sys.argv[1])
r12 = ezdxf.new('R12')
r12.modelspace().add_text('one', dxfattribs={'insert': (0, 10)})
r12.modelspace().add_text('two', dxfattribs={'insert': (0, 0)})
r12.saveas(sys.argv[2])
paper = ezdxf.new('R2010')
paper.header['$TILEMODE'] = 0
paper.modelspace().add_text('model', dxfattribs={'insert': (0, 0)})
paper.layout('Layout1').add_text('sheet', dxfattribs={'insert': (10, 10)})
paper.saveas(sys.argv[3])
)";

const char* const kReportReal = R"(
import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
print('errors', len(doc.audit().errors))
for space, entities in (('model', doc.modelspace()), ('paper', doc.layout('Layout1'))):
    for e in entities:
        t = e.dxftype()
        if t == 'MTEXT':
            print(space, 'MTEXT', repr(e.text), repr(e.plain_text()))
        elif t == 'TEXT':
            print(space, 'TEXT', repr(e.dxf.text), round(e.dxf.rotation, 2))
        elif t == 'INSERT':
            print(space, 'INSERT', [(a.dxf.tag, a.dxf.text) for a in e.attribs])
)";

using text_boxes = std::map<std::uint64_t, std::array<OdGePoint3d, 4>>;

text_boxes boxes_of_texts(OdDbDatabase& db) {
  text_boxes boxes;
  for (const OdDbObjectId& id : db.objectIds()) {
    const OdDbText* text = dynamic_cast<const OdDbText*>(id.peekObject());
    if (text && !text->isErased()) text->getBoundingPoints(boxes[id.getHandle()]);
  }
  return boxes;
}

OdGePoint3d between(const OdGePoint3d& a, const OdGePoint3d& b) { return a + (b - a) * 0.5; }

std::string run_script(OdDbDatabase* db, const std::string& script) {
  scripted_host host(db, u"real.dxf");
  const scripted_outcome outcome = host.run(script, "real");
  EXPECT_TRUE(outcome.ok()) << host.transcript();
  return host.transcript();
}

TEST_F(CommandsDxf, DrawingsFromOtherProgramsKeepWhatUsersSee) {
  ASSERT_TRUE(textCommandsRegistered());
  const fs::path in = dir / "in.dxf", r12 = dir / "r12.dxf", paper = dir / "paper.dxf", out = dir / "out.dxf";
  std::ofstream(dir / "make_real.py") << kMakeReal;
  std::ofstream(dir / "report_real.py") << kReportReal;
  ASSERT_EQ(run_python(dir / "make_real.py", in.string() + " " + r12.string() + " " + paper.string()), "");
  OdDbDatabasePtr db = odDxfReadFile(in.string());

  // A justified Text sits where its justification puts the alignment point.
  const text_boxes read = boxes_of_texts(*db);
  const struct {
    int row;
    std::function<OdGePoint3d(const std::array<OdGePoint3d, 4>&)> anchor;
  } anchors[] = {{0, [](auto& b) { return between(b[2], b[3]); }},
                 {1, [](auto& b) { return b[3]; }},
                 {3, [](auto& b) { return b[0]; }},
                 {4, [](auto& b) { return between(b[0], b[3]); }}};
  for (const auto& [row, anchor] : anchors) {
    const auto it = std::find_if(read.begin(), read.end(), [&](auto& entry) {
      const OdDbText* text = static_cast<const OdDbText*>(db->getOdDbObjectId(OdDbHandle(entry.first)).peekObject());
      return !text->isDefaultAlignment() && text->alignmentPoint().isEqualTo(OdGePoint3d(50, 10.0 * row, 0));
    });
    ASSERT_NE(it, read.end()) << row;
    const OdGePoint3d point = anchor(it->second);
    EXPECT_NEAR(point.x, 50.0, 1e-9) << row;
    EXPECT_NEAR(point.y, 10.0 * row, 1e-9) << row;
  }

  // Merging keeps a Text's characters; the style named by its file gives a
  // TrueType font code. Select all takes the block reference, never its attribute.
  run_script(db.get(), "Text2MText\nselect window -1,239 80,245\n");
  run_script(db.get(), "TCase\nselect all\ndialog Case mode=upper ok\n");
  const text_boxes before = boxes_of_texts(*db);
  run_script(db.get(), "justifytext\nselect all\nkeyword BL\n");
  odDxfWriteFile(db.get(), out.string());
  // Every Text stays where it was drawn, in the model and in the file written.
  for (const text_boxes& after : {boxes_of_texts(*db), boxes_of_texts(*odDxfReadFile(out.string()))})
    for (const auto& [handle, box] : after)
      for (int corner = 0; corner < 4; ++corner)
        EXPECT_TRUE(box[corner].isEqualTo(before.at(handle)[corner], OdGeTol(1e-6))) << std::hex << handle;
  const std::string report = run_python(dir / "report_real.py", out.string());
  EXPECT_NE(report.find("errors 0\n"), std::string::npos) << report;
  EXPECT_NE(report.find("model INSERT [('NAME', 'value')]\n"), std::string::npos) << report;
  EXPECT_NE(report.find("'A{B}C \\\\ Z SECOND'\n"), std::string::npos) << report;
  EXPECT_NE(report.find("\\\\fDejaVu Sans|"), std::string::npos) << report;
  EXPECT_EQ(report.find("\\\\F"), std::string::npos) << report;
  // The aligned Text runs downhill: its settled rotation is written in [0, 360).
  EXPECT_NE(report.find("model TEXT 'ALIGNED' 333.43\n"), std::string::npos) << report;

  // An R12 drawing cannot hold an MText: refused, nothing changes.
  OdDbDatabasePtr old = odDxfReadFile(r12.string());
  EXPECT_NE(run_script(old.get(), "Text2MText\nselect all\n").find("Error occurred during merging texts"),
            std::string::npos);
  odDxfWriteFile(old.get(), out.string());
  std::ifstream a(r12, std::ios::binary), b(out, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));

  // With a layout showing, the user works in paper space.
  OdDbDatabasePtr layout = odDxfReadFile(paper.string());
  run_script(layout.get(), "Text2MText\nselect all\n");
  odDxfWriteFile(layout.get(), out.string());
  const std::string merged = run_python(dir / "report_real.py", out.string());
  EXPECT_NE(merged.find("model TEXT 'model'"), std::string::npos) << merged;
  EXPECT_NE(merged.find("paper MTEXT '\\\\pxi0,l0,r0,b0,a0;sheet' 'sheet'\n"), std::string::npos) << merged;
}
