// The one application object the desktop tests share, on Qt's offscreen platform.
#pragma once

#include <QApplication>

namespace gui_test {

inline QApplication& application() {
  static int argc = 1;
  static char name[] = "gui_tests";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Never destroyed: Qt must not be torn down among the static destructors.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

}  // namespace gui_test
