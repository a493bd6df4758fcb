// The desktop as a person uses it, under Qt's offscreen platform: open the
// sample drawing, look at it, zoom, type commands, pick with the mouse,
// edit a text in place and save.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <regex>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "tests/gui/gui_application.h"
#include "tests/sdk/dxf_test_support.h"
#include "app/gui/command_line.h"
#include "app/gui/desktop_host.h"
#include "app/gui/drawing_view.h"
#include "app/gui/format_toolbar_view.h"
#include "app/gui/main_window.h"
#include "mtext/convert.h"
#include "platform/sdk/OdDbBlockTableRecord.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDbText.h"
#include "platform/sdk/OdDxfFile.h"

namespace {

using gui_test::application;

struct Desktop : ::testing::Test {
  static constexpr int step_pause = 20;  // milliseconds
  Desktop() {
    mtext::install_layout_provider();
    window.resize(1000, 700);
    EXPECT_TRUE(window.openDrawing(CADTEXT_SOURCE_DIR "/samples/demo.dxf"));
    window.show();
    QApplication::processEvents();
  }

  QApplication& app = application();  // before any widget
  gui::main_window window;
  gui::drawing_view& view = window.view();
  gui::command_line& line = window.commandLine();

  QPoint centreOf(std::uint64_t handle) {
    const OdDbObjectId id = window.database()->getOdDbObjectId(OdDbHandle(handle));
    return view.screenBox(id).center().toPoint();
  }

  // A point of an MText as drawn before its edit, at fractions of its box.
  QPoint pointIn(std::uint64_t handle, double fx, double fy = 0.5) {
    const QRectF box = view.screenBox(window.database()->getOdDbObjectId(OdDbHandle(handle)));
    return QPointF(box.left() + fx * box.width(), box.top() + fy * box.height()).toPoint();
  }

  std::string contents(std::uint64_t handle) {
    const OdDbObjectPtr object = window.database()->getOdDbObjectId(OdDbHandle(handle)).openObject();
    return OdDbMText::cast(object.get())->contents().toUtf8();
  }

  gui::format_toolbar_view& toolbar() {
    gui::format_toolbar_view* shown = window.host().toolbar();
    if (!shown) throw std::runtime_error("no toolbar shown");
    return *shown;
  }

  // Presses the toolbar button of `id`; a menu it opens is answered by the
  // item captioned `item`. A step of its own: see `play`.
  void press(int id, const QString& item = {}) {
    if (!item.isEmpty()) chooseFromPopup(item);
    QTest::mouseClick(toolbar().control(id), Qt::LeftButton);
  }

  // Chooses the item of the popup menu about to open, as a user would: highlight it, press Enter.
  static void chooseFromPopup(const QString& caption) {
    QTimer::singleShot(0, [caption] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(menu, nullptr);
      for (QAction* action : menu->actions())
        if (action->text().remove('&').startsWith(caption) && action->isEnabled()) {
          menu->setActiveAction(action);
          QTest::keyClick(menu, Qt::Key_Return);
          return;
        }
      ADD_FAILURE() << "no enabled item " << caption.toStdString();
      menu->close();
    });
  }

  void drag(QPoint from, QPoint to) {
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    for (const QPoint at : {(from + to) / 2, to}) {
      QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(&view, &move);
    }
    QTest::mouseRelease(&view, Qt::LeftButton, {}, to);
  }

  // The screen place of an editor control found by names from the root
  // down (the root is placed in the drawing), at fractions of its size.
  QPoint controlPoint(const std::vector<OdString>& names, double fx = 0.5, double fy = 0.5) {
    editor::smart_edit& editor = toolbar().model().editor();
    const micui::control* control = editor.controls().get();
    OdGeMatrix2d to_drawing = control->to_parent();
    for (const OdString& name : names) {
      control = control->children_named(name).at(0);
      to_drawing = to_drawing * control->to_parent();
    }
    const OdGePoint2d p = to_drawing * OdGePoint2d(fx * control->width, fy * control->height);
    return view.toScreen(OdGePoint3d(p.x, p.y, 0.0)).toPoint();
  }

  void type(const QString& text) {
    QTest::keyClicks(line.input(), text);
    QTest::keyClick(line.input(), Qt::Key_Return);
  }

  // Plays the steps from the event loop, each scheduling the next before it
  // runs, so a step answers the prompt the previous step's command waits on.
  // The next step waits a little, so that a popup menu's choice, scheduled
  // at once by the step that opens the menu, comes first.
  void play(std::vector<std::function<void()>> steps) {
    std::deque<std::function<void()>> queue(steps.begin(), steps.end());
    bool finished = false;
    std::function<void()> next = [&] {
      if (queue.empty()) { finished = true; return; }
      std::function<void()> step = std::move(queue.front());
      queue.pop_front();
      QTimer::singleShot(step_pause, next);
      step();
    };
    QTimer::singleShot(0, next);
    for (int guard = 0; (!finished || window.host().running()) && guard < 100000; ++guard)
      QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_TRUE(finished);
    ASSERT_FALSE(window.host().running());
  }
};

TEST_F(Desktop, opening_the_sample_draws_its_texts_in_ink) {
  const QImage picture = view.grab().toImage();
  EXPECT_GT(view.textShapesPainted(), 5u);
  int inked = 0;
  for (int y = 0; y < picture.height(); y += 2)
    for (int x = 0; x < picture.width(); x += 2) inked += qGray(picture.pixel(x, y)) < 128;
  EXPECT_GT(inked, 100);
  EXPECT_EQ(window.windowTitle(), "demo.dxf[*] - cadtext");
  EXPECT_FALSE(view.entityAt(centreOf(0x92)).isNull());
}

TEST_F(Desktop, the_wheel_zooms_around_the_pointer_and_the_middle_button_pans) {
  const QPointF pointer(300, 200);
  const OdGePoint3d under = view.toWorld(pointer);
  const double scale = view.pixelsPerUnit();
  QWheelEvent wheel(pointer, view.mapToGlobal(pointer), {}, {0, 240}, Qt::NoButton, Qt::NoModifier,
                    Qt::NoScrollPhase, false);
  QApplication::sendEvent(&view, &wheel);
  EXPECT_NEAR(view.pixelsPerUnit(), scale * 1.44, 1e-9);
  EXPECT_NEAR(view.toWorld(pointer).x, under.x, 1e-9);
  EXPECT_NEAR(view.toWorld(pointer).y, under.y, 1e-9);

  QTest::mousePress(&view, Qt::MiddleButton, {}, QPoint(300, 200));
  QMouseEvent drag(QEvent::MouseMove, QPointF(350, 200), view.mapToGlobal(QPointF(350, 200)), Qt::NoButton,
                   Qt::MiddleButton, Qt::NoModifier);
  QApplication::sendEvent(&view, &drag);
  QTest::mouseRelease(&view, Qt::MiddleButton, {}, QPoint(350, 200));
  EXPECT_NEAR(view.toWorld(QPointF(350, 200)).x, under.x, 1e-9);

  window.view().zoomExtents();
  EXPECT_NEAR(view.pixelsPerUnit(), scale, 1e-9);
}

TEST_F(Desktop, a_command_typed_in_the_command_line_picks_with_the_mouse) {
  play({
      [&] { type("TJust"); },
      [&] {
        EXPECT_EQ(line.prompt().toStdString(), "Selects text objects");
        QTest::mouseClick(&view, Qt::LeftButton, {}, centreOf(0x93));
      },
      [&] { type(""); },
      [&] { type("TC"); },
  });
  EXPECT_NE(line.history().indexOf("Command: TJust"), -1) << line.history().toStdString();
  EXPECT_NE(line.history().indexOf("1 found"), -1) << line.history().toStdString();
  EXPECT_NE(line.history().indexOf(": TC"), -1) << line.history().toStdString();
  EXPECT_TRUE(window.isWindowModified());
}

TEST_F(Desktop, a_double_click_edits_an_mtext_in_place_and_the_drawing_saves) {
  std::size_t drawnWhileEditing = 0;
  play({
      [&] { QTest::mouseDClick(&view, Qt::LeftButton, {}, centreOf(0x92)); },
      [&] {
        drawnWhileEditing = view.temporaryCount();
        QTest::keyClick(&view, Qt::Key_Home);
        QTest::keyClick(&view, Qt::Key_Home, Qt::ControlModifier);
        QTest::keyClicks(&view, "Typed ");
        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
      },
  });
  EXPECT_GT(drawnWhileEditing, 0u);
  EXPECT_EQ(view.temporaryCount(), 0u);
  EXPECT_NE(line.history().indexOf("<accepted>"), -1) << line.history().toStdString();
  EXPECT_TRUE(window.isWindowModified());

  const std::string saved = (std::filesystem::temp_directory_path() / "cadtext-gui-test.dxf").string();
  ASSERT_TRUE(window.saveDrawingAs(QString::fromStdString(saved)));
  EXPECT_FALSE(window.isWindowModified());
  const OdDbDatabasePtr db = odDxfReadFile(saved);
  const OdDbObjectPtr object = db->getOdDbObjectId(OdDbHandle(0x92)).openObject();
  const OdDbMTextPtr text = OdDbMText::cast(object.get());
  ASSERT_FALSE(text.isNull());
  EXPECT_NE(text->contents().toUtf8().find(";Typed Bottom right"), std::string::npos) << text->contents().toUtf8();
  std::filesystem::remove(saved);
}

TEST_F(Desktop, escape_in_the_command_line_cancels_a_prompt) {
  play({
      [&] { type("TJust"); },
      [&] { QTest::keyClick(line.input(), Qt::Key_Escape); },
  });
  EXPECT_NE(line.history().indexOf("Selects text objects: *Cancel*"), -1) << line.history().toStdString();
  EXPECT_FALSE(window.isWindowModified());
}

TEST_F(Desktop, escape_after_a_change_asks_and_no_keeps_the_text) {
  QString asked;
  window.host().answer_message_box = [&](const QString& text, int) {
    asked = text;
    return int(IDNO);
  };
  play({
      [&] { QTest::mouseDClick(&view, Qt::LeftButton, {}, centreOf(0x92)); },
      [&] {
        QTest::keyClicks(&view, "x");
        QTest::keyClick(&view, Qt::Key_Escape);
      },
  });
  EXPECT_EQ(asked, "Do you want to save your changes?");
  const OdDbMTextPtr text = OdDbMText::cast(window.database()->getOdDbObjectId(OdDbHandle(0x92)).openObject().get());
  EXPECT_EQ(text->contents().toUtf8(), "Bottom right");
  EXPECT_FALSE(window.isWindowModified());
}

TEST_F(Desktop, a_new_mtext_in_a_frame_picked_with_the_mouse_and_typed_corner) {
  const QPoint first = view.toScreen(OdGePoint3d(100, 80, 0)).toPoint();
  play({
      [&] { type("MTextCreate"); },
      [&] { QTest::mouseClick(&view, Qt::LeftButton, {}, first); },
      [&] { type("160,70"); },
      [&] {
        QTest::keyClicks(&view, "New note");
        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
      },
  });
  EXPECT_NE(line.history().indexOf("Specify opposite corner: 160,70"), -1) << line.history().toStdString();
  EXPECT_TRUE(window.isWindowModified());
  const OdDbObjectId made = view.entityAt(view.toScreen(OdGePoint3d(102, 79, 0)));
  ASSERT_FALSE(made.isNull());
  const OdDbMTextPtr text = OdDbMText::cast(made.openObject().get());
  ASSERT_FALSE(text.isNull());
  EXPECT_NE(text->contents().toUtf8().find("New note"), std::string::npos) << text->contents().toUtf8();
}

TEST_F(Desktop, arrow_keys_pan_and_enter_repeats_the_last_command) {
  const OdGePoint3d before = view.toWorld(QPointF(100, 100));
  QTest::keyClick(&view, Qt::Key_Right);
  EXPECT_GT(view.toWorld(QPointF(100, 100)).x, before.x);

  play({
      [&] { type("TJust"); },
      [&] { QTest::keyClick(line.input(), Qt::Key_Escape); },
      [&] { type(""); },
      [&] { QTest::keyClick(line.input(), Qt::Key_Escape); },
  });
  EXPECT_EQ(line.history().count("Command: TJust"), 2) << line.history().toStdString();
}

TEST_F(Desktop, a_drawing_that_does_not_read_is_refused_and_the_open_one_stays) {
  const std::string bad = (std::filesystem::temp_directory_path() / "cadtext-gui-bad.dxf").string();
  FILE* file = std::fopen(bad.c_str(), "w");
  std::fputs("garbage\n", file);
  std::fclose(file);
  EXPECT_FALSE(window.openDrawing(QString::fromStdString(bad)));
  EXPECT_NE(line.history().indexOf("cadtext-gui-bad.dxf: 1: "), -1) << line.history().toStdString();
  EXPECT_EQ(window.windowTitle(), "demo.dxf[*] - cadtext");
  std::filesystem::remove(bad);
}

TEST_F(Desktop, closing_with_unsaved_changes_asks_first) {
  window.setWindowModified(true);
  int asked = 0;
  window.answer_unsaved = [&] { ++asked; return int(QMessageBox::Cancel); };
  EXPECT_FALSE(window.close());
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window.isVisible());
  window.answer_unsaved = [&] { ++asked; return int(QMessageBox::Discard); };
  EXPECT_TRUE(window.close());
  EXPECT_EQ(asked, 2);
}

TEST_F(Desktop, the_toolbar_ruler_and_paragraph_dialog_format_a_word_and_the_saved_drawing_reads_in_ezdxf) {
  const QPoint word = pointIn(0x8F, 0.04, 0.04);  // "Notes:"
  QStringList refusals;
  window.host().answer_message_box = [&](const QString& text, int) {
    refusals << text;
    return int(IDOK);
  };
  bool bold_shown = false;
  QPoint placed;
  play({
      [&] { QTest::mouseDClick(&view, Qt::LeftButton, {}, word); },
      [&] {
        QTest::mouseDClick(&view, Qt::LeftButton, {}, word);
        press(ui::control::bold);
        bold_shown = qobject_cast<QToolButton*>(toolbar().control(ui::control::bold))->isChecked();
        const QPoint indent = controlPoint({u"ruler", u"tab area", u"left-indent"});
        drag(indent, indent + QPoint(40, 0));
      },
      [&] { press(ui::control::line_spacing, "More..."); },
      [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        dialog->findChild<QCheckBox*>("control-1031")->click();
        auto* at = dialog->findChild<QLineEdit*>("control-1008");
        QAbstractButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        at->setText("4.5");
        ok->click();
        EXPECT_TRUE(dialog->isVisible());
        at->setText("2");
        ok->click();
      },
      [&] { press(ui::control::columns, "Insert column"); },
      [&] {
        EXPECT_NE(toolbar().model().editor().entity().currentContent().find(u"\\N"), std::u16string::npos);
        QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
        placed = toolbar().pos();
        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
      },
  });
  EXPECT_TRUE(bold_shown);
  EXPECT_EQ(refusals, QStringList{"Please provide a value within the range of 0.25 and 4."});
  EXPECT_EQ(window.host().toolbar(), nullptr);
  IProfile& profile = *window.host().profile();
  ASSERT_TRUE(profile.openSection(u"TXPAD", false));
  EXPECT_EQ(profile.getValue(u"ptpos.x").asInt(), placed.x());

  // The saved MText as ezdxf, an independent reader, reads it.
  const dxf_test::scratch_dir dir;
  ASSERT_TRUE(window.saveDrawingAs(QString::fromStdString(dir.file("saved.dxf").string())));
  const std::string text = dxf_test::run_python(
      dir, "import ezdxf,sys; sys.stdout.write(ezdxf.readfile(sys.argv[1]).entitydb['8F'].text)", dir.file("saved.dxf"));
  EXPECT_TRUE(std::regex_search(text, std::regex(R"(\{\\f[^;]*\|b1[^;]*;Notes:?\})"))) << text;
  EXPECT_EQ(text.find("\\N"), std::string::npos) << text;  // the column break was undone
  EXPECT_NE(text.find("sm2;"), std::string::npos) << text;
  std::smatch left;
  ASSERT_TRUE(std::regex_search(text, left, std::regex(R"(\\px[^;]*l([0-9.]+))"))) << text;
  EXPECT_GT(std::stod(left[1]), 0.0) << text;
}

TEST_F(Desktop, dtext_types_two_lines_and_formats_cross_the_real_clipboard_between_edits) {
  const QPoint empty = view.toScreen(OdGePoint3d(20, 60, 0)).toPoint();
  const QPoint notes = centreOf(0x8F), list = centreOf(0x90);
  play({
      [&] { type("dText"); },
      [&] { QTest::mouseClick(&view, Qt::LeftButton, {}, empty); },
      [&] { type(""); },
      [&] { type(""); },
      [&] {
        QTest::keyClicks(&view, "First");
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClicks(&view, "Second");
        QTest::keyClick(&view, Qt::Key_Return);
        QTest::keyClick(&view, Qt::Key_Return);
      },
      [&] { QTest::mouseDClick(&view, Qt::LeftButton, {}, notes); },
      [&] { QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier); },
      [&] {
        chooseFromPopup("Copy");
        QTest::mouseClick(&view, Qt::RightButton, {}, notes);
      },
      [&] { QTest::keyClick(&view, Qt::Key_Escape); },
      [&] { QTest::mouseDClick(&view, Qt::LeftButton, {}, list); },
      [&] {
        QTest::keyClick(&view, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);
      },
  });
  std::vector<std::string> lines;
  const OdDbObjectPtr space = window.database()->activeSpaceId().openObject();
  for (const OdDbObjectId& id : OdDbBlockTableRecord::cast(space.get())->entityIds())
    if (const OdDbObjectPtr object = id.openObject(); auto* text = dynamic_cast<const OdDbText*>(object.get()))
      lines.push_back(text->textString().toUtf8());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "First"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Second"), lines.end());

  const QMimeData* clipboard = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(clipboard, nullptr);
  EXPECT_TRUE(clipboard->hasFormat("MText")) << clipboard->formats().join(' ').toStdString();
  EXPECT_TRUE(clipboard->text().startsWith("Notes:")) << clipboard->text().toStdString();
  const std::string pasted = contents(0x90);
  EXPECT_NE(pasted.find("{\\C1;Red words}"), std::string::npos) << pasted;
  EXPECT_NE(pasted.find("Liberation Serif|b1"), std::string::npos) << pasted;
}

}  // namespace
