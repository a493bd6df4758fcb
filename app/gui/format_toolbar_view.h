// format_toolbar_view: the formatting toolbar (CMTextEdit) as a Qt widget
// floating over the drawing view while an in-place edit runs.
//
// Every control of the model's table becomes a widget (buttons with drawn
// icons and tooltips, the style, font, height and colour combos, the
// oblique and width edits with their up-down arrows); a widget's action
// calls the model, and the model's refresh (after every step the editor
// announces) is read back into the widgets. The view keeps no formatting
// state of its own. It can be dragged by its background; its top-left
// corner, in view pixels, is the position the model keeps in the profile.
#pragma once

#include <functional>
#include <map>
#include <optional>

#include <QFrame>
#include <QPoint>
#include <QRect>

#include "ui/format_toolbar.h"

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

namespace gui {

class format_toolbar_view final : public QFrame {
  Q_OBJECT

public:
  // Shown over `parent` at the model's position, or when the profile keeps
  // none by the edited text (`text`, view pixels): above it, else below.
  format_toolbar_view(ui::CMTextEdit& model, QWidget* parent, std::optional<QRect> text);
  ~format_toolbar_view() override;

  ui::CMTextEdit& model() { return m_model; }
  // The widget showing control `id`, or null.
  QWidget* control(int id) const;
  // Where a menu of `button` opens (global): under the button.
  QPoint menuAnchor(int button) const;
  // Reads every control back from the model.
  void readModel();
  // Hands the position to the model (the editor is ending).
  void keepPosition();

  // Where the host should open the next popup menu; set while a menu button runs.
  std::function<void(QPoint)> on_menu_anchor;

protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  QWidget* makeControl(const ui::control_row& row);
  QWidget* makeButton(const ui::control_row& row);
  QWidget* makeSpin(int id);
  void pressed(int id);
  void fillFonts();
  void readCombos();
  void backToDrawing();

  ui::CMTextEdit& m_model;
  std::map<int, QWidget*> m_controls;
  QComboBox* m_font = nullptr;
  QComboBox* m_height = nullptr;
  QComboBox* m_color = nullptr;
  QPoint m_dragFrom;
  bool m_dragging = false;
};

}  // namespace gui
