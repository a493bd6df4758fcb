// The desktop as a person uses it, under Qt's offscreen platform: open the
// sample drawing, look at it, zoom, type commands, pick with the mouse,
// edit a text in place and save.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "tests/gui/gui_application.h"
#include "app/gui/command_line.h"
#include "app/gui/desktop_host.h"
#include "app/gui/drawing_view.h"
#include "app/gui/main_window.h"
#include "mtext/convert.h"
#include "platform/sdk/OdDbMText.h"
#include "platform/sdk/OdDxfFile.h"

namespace {

using gui_test::application;

struct Desktop : ::testing::Test {
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

  void type(const QString& text) {
    QTest::keyClicks(line.input(), text);
    QTest::keyClick(line.input(), Qt::Key_Return);
  }

  // Plays the steps from the event loop, each scheduling the next before it
  // runs, so a step answers the prompt the previous step's command waits on.
  void play(std::vector<std::function<void()>> steps) {
    std::deque<std::function<void()>> queue(steps.begin(), steps.end());
    bool finished = false;
    std::function<void()> next = [&] {
      if (queue.empty()) { finished = true; return; }
      std::function<void()> step = std::move(queue.front());
      queue.pop_front();
      QTimer::singleShot(0, next);
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

}  // namespace
