#include "app/gui/main_window.h"

#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>

#include "app/gui/command_line.h"
#include "app/gui/desktop_host.h"
#include "app/gui/drawing_view.h"
#include "platform/host/ICmdProcess.h"
#include "platform/sdk/OdDxfFile.h"

namespace gui {

main_window::main_window() : m_view(new drawing_view), m_line(new command_line) {
  setCentralWidget(m_view);
  auto* dock = new QDockWidget("Command line", this);
  dock->setObjectName("command-line");
  dock->setWidget(m_line);
  dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  addDockWidget(Qt::BottomDockWidgetArea, dock);
  m_host = new desktop_host(*m_view, *m_line);
  m_host->setParent(this);
  connect(m_host, &desktop_host::commandEnded, this, [this](const QString&, int result) {
    if (result == kCmdDone) setWindowModified(true);
  });
  m_view->on_entity_double_clicked = [this](const OdDbObjectId& id) {
    if (m_host->running()) return;
    m_host->setPickfirst({id});
    m_host->runCommand("MTextEdit");
  };
  buildMenus();
  resize(1000, 700);
  updateTitle();
}

main_window::~main_window() { m_view->on_entity_double_clicked = nullptr; }

void main_window::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->addAction("&Open...", QKeySequence::Open, this, [this] {
    if (m_host->running() || !settleUnsavedChanges()) return;
    const QString path = QFileDialog::getOpenFileName(this, "Open drawing", QFileInfo(m_path).path(), "DXF drawings (*.dxf)");
    if (!path.isEmpty()) openDrawing(path);
  });
  file->addAction("&Save", QKeySequence::Save, this, [this] { save(); });
  file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] {
    const QString path = QFileDialog::getSaveFileName(this, "Save drawing as", m_path, "DXF drawings (*.dxf)");
    if (!path.isEmpty()) saveDrawingAs(path);
  });
  file->addSeparator();
  file->addAction("E&xit", QKeySequence::Quit, this, &QWidget::close);
  QMenu* view = menuBar()->addMenu("&View");
  view->addAction("Zoom &Extents", QKeySequence(Qt::CTRL | Qt::Key_0), this, [this] { m_view->zoomExtents(); });
}

bool main_window::openDrawing(const QString& path) {
  try {
    m_database = odDxfReadFile(path.toStdString());
  } catch (const OdDxfError& error) {
    showError(path + ": " + (error.line() ? QString::number(error.line()) + ": " : QString()) +
              QString::fromStdString(error.message()));
    return false;
  } catch (const std::exception& error) {
    showError(path + ": " + QString::fromUtf8(error.what()));
    return false;
  }
  m_path = path;
  m_host->setDocument(m_database.get(), QFileInfo(path).fileName());
  m_view->setDatabase(m_database.get());
  setWindowModified(false);
  updateTitle();
  m_line->print("Opened " + path);
  return true;
}

bool main_window::saveDrawingAs(const QString& path) {
  if (!m_database) return false;
  try {
    odDxfWriteFile(m_database.get(), path.toStdString());
  } catch (const std::exception& error) {
    showError("Cannot save " + path + ": " + QString::fromUtf8(error.what()));
    return false;
  }
  m_path = path;
  setWindowModified(false);
  updateTitle();
  m_line->print("Saved " + path);
  return true;
}

bool main_window::save() { return m_path.isEmpty() ? false : saveDrawingAs(m_path); }

void main_window::updateTitle() {
  const QString name = m_path.isEmpty() ? QString("Drawing1.dxf") : QFileInfo(m_path).fileName();
  setWindowTitle(name + "[*] - cadtext");
}

bool main_window::settleUnsavedChanges() {
  if (!isWindowModified()) return true;
  const int answer = answer_unsaved ? answer_unsaved()
                                    : QMessageBox::question(this, "cadtext", "Save changes to " + QFileInfo(m_path).fileName() + "?",
                                                            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (answer == QMessageBox::Save) return save();
  return answer == QMessageBox::Discard;
}

void main_window::closeEvent(QCloseEvent* event) {
  if (m_host->running()) m_line->print("A command is running: finish it or press Esc first.");
  if (m_host->running() || !settleUnsavedChanges()) event->ignore();
  else event->accept();
}

void main_window::showError(const QString& text) {
  m_line->print(text);
  if (!isVisible()) return;
  // Window-modal but not blocking: the caller goes on at once.
  auto* box = new QMessageBox(QMessageBox::Warning, "cadtext", text, QMessageBox::Ok, this);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace gui
