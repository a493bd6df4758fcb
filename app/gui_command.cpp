// `cadtext gui [DRAWING.dxf]`: the desktop window on a drawing (the sample
// drawing when none is named). Without a display it says so and draws the
// window offscreen into a PNG instead; --screenshot does that on purpose.
#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include "app/command_line.h"
#include "app/command_module.h"
#include "app/gui/command_line.h"
#include "app/gui/desktop_host.h"
#include "app/gui/format_toolbar_view.h"
#include "app/gui/main_window.h"
#include "app/host_params.h"
#include "platform/sdk/OdDbHandle.h"

namespace cadtext {
namespace {

struct gui_options {
  std::string drawing;
  std::string screenshot;
  std::vector<std::string> commands;
  std::vector<std::string> picks;  // handles, hexadecimal
  std::vector<std::string> toolbar;  // "ID" or "ID:COMMAND"
};

// Presses a toolbar control, or chooses a command from its menu ("1048:14806").
void use_toolbar(gui::format_toolbar_view* toolbar, const std::string& action) {
  if (!toolbar) {
    std::cerr << "cadtext gui: --toolbar " << action << ": no toolbar is shown\n";
    return;
  }
  const std::size_t colon = action.find(':');
  try {
    const int id = std::stoi(action.substr(0, colon));
    if (colon == std::string::npos) toolbar->model().click(id);
    else toolbar->model().chooseMenuCommand(id, std::stoi(action.substr(colon + 1)));
  } catch (const std::exception& error) {
    std::cerr << "cadtext gui: --toolbar " << action << ": " << error.what() << "\n";
  }
}

// The window, with the modal dialog it shows (if any) drawn where it
// stands under a caption bar, as a window manager would frame it.
QImage window_picture(QWidget& window) {
  QImage picture = window.grab().toImage();
  QWidget* dialog = QApplication::activeModalWidget();
  if (!dialog || dialog == &window) return picture;
  const QPoint at = dialog->mapToGlobal(QPoint(0, 0)) - window.mapToGlobal(QPoint(0, 0));
  constexpr int caption = 22;
  const QRect frame(at - QPoint(1, caption), QSize(dialog->width() + 2, dialog->height() + caption + 1));
  QPainter painter(&picture);
  painter.fillRect(frame, QColor(70, 90, 120));
  painter.setPen(Qt::white);
  painter.drawText(frame.adjusted(8, 0, 0, 0).topLeft() + QPoint(0, 15), dialog->windowTitle());
  painter.drawPixmap(at, dialog->grab());
  return picture;
}

bool has_display() {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform && *platform) return true;  // the user chose one
  const char* x = std::getenv("DISPLAY");
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return (x && *x) || (wayland && *wayland);
}

std::string sample_drawing() {
  for (const std::filesystem::path& path : {std::filesystem::path("samples/demo.dxf"),
                                            std::filesystem::path(CADTEXT_SAMPLE_DRAWING)})
    if (std::filesystem::exists(path)) return path.string();
  return {};
}

int run_gui(gui_options o) {
  if (!has_display()) {
    if (o.screenshot.empty()) o.screenshot = "cadtext-desktop.png";
    std::cout << "cadtext gui: no display (DISPLAY and WAYLAND_DISPLAY are unset); drawing the window offscreen to "
              << o.screenshot << "\n";
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  load_command_module();
  static int argc = 1;
  static char name[] = "cadtext";
  static char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  gui::main_window window;
  const HostParamNode params = program_params();
  window.host().setParams(&params);
  const std::string drawing = o.drawing.empty() ? sample_drawing() : o.drawing;
  if (!drawing.empty() && !window.openDrawing(QString::fromStdString(drawing))) {
    // The reason is the command line's last line.
    std::cerr << "cadtext: " << window.commandLine().history().split('\n').last().toStdString() << "\n";
    return 2;
  }
  window.show();
  std::vector<OdDbObjectId> picked;
  for (const std::string& handle : o.picks)
    if (window.database()) picked.push_back(window.database()->getOdDbObjectId(OdDbHandle(std::stoull(handle, nullptr, 16))));
  // Commands run from the event loop; one waiting for input keeps running
  // while the window is used (or grabbed).
  QTimer::singleShot(0, &window, [&] {
    for (const std::string& command : o.commands) {
      window.host().setPickfirst(picked);
      window.host().runCommand(QString::fromStdString(command));
    }
  });
  // Toolbar actions once the commands' editor runs; a dialog they open stays open.
  QTimer::singleShot(200, &window, [&] {
    for (const std::string& action : o.toolbar) use_toolbar(window.host().toolbar(), action);
  });
  if (o.screenshot.empty()) return application.exec();
  QTimer::singleShot(700, &window, [&] {
    const bool written = window_picture(window).save(QString::fromStdString(o.screenshot));
    std::cout << (written ? "wrote " : "cadtext: cannot write ") << o.screenshot << std::endl;
    // A command may still wait for input in a nested loop: end here, at once.
    std::_Exit(written ? 0 : 2);
  });
  return application.exec();
}

void setup(CLI::App& app, int& status) {
  auto options = std::make_shared<gui_options>();
  CLI::App* gui = app.add_subcommand("gui", "opens the desktop editor on a DXF drawing (the sample drawing by default)");
  gui->add_option("drawing", options->drawing, "the DXF drawing to open");
  gui->add_option("--screenshot", options->screenshot, "draws the window into this PNG and exits");
  gui->add_option("-c,--command", options->commands, "runs this command after opening (repeatable)");
  gui->add_option("--pick", options->picks, "selects the object of this handle before each command (repeatable)");
  gui->add_option("--toolbar", options->toolbar,
                  "presses the formatting toolbar's control ID, or chooses COMMAND from its menu, as ID[:COMMAND] (repeatable)");
  gui->callback([options, &status] { status = run_gui(*options); });
}

const command_registrar registered{"gui", setup};

}  // namespace
}  // namespace cadtext
