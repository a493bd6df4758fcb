// main_window: the desktop's window. The drawing view in the middle, the
// command line docked under it, File (Open, Save, Save As, Exit) and View
// (Zoom Extents) menus, and a title naming the drawing with a mark while it
// has unsaved changes. A double-click on a text edits it in place.
#pragma once

#include <functional>

#include <QMainWindow>

#include "platform/sdk/OdDbDatabase.h"

namespace gui {

class command_line;
class desktop_host;
class drawing_view;

class main_window final : public QMainWindow {
  Q_OBJECT

public:
  main_window();
  ~main_window() override;

  // Opens a DXF drawing; false (with a message) when it cannot be read.
  bool openDrawing(const QString& path);
  // Writes the drawing to `path` and makes it the drawing's file.
  bool saveDrawingAs(const QString& path);
  bool save();

  drawing_view& view() { return *m_view; }
  command_line& commandLine() { return *m_line; }
  desktop_host& host() { return *m_host; }
  OdDbDatabase* database() const { return m_database.get(); }
  const QString& path() const { return m_path; }

  // Answers the unsaved-changes question instead of asking (tests).
  std::function<int()> answer_unsaved;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  void buildMenus();
  void updateTitle();
  // Saves or discards unsaved changes; false when the user keeps them open.
  bool settleUnsavedChanges();
  void showError(const QString& text);

  drawing_view* m_view;
  command_line* m_line;
  desktop_host* m_host;
  OdDbDatabasePtr m_database;
  QString m_path;
};

}  // namespace gui
