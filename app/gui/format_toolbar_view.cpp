#include "app/gui/format_toolbar_view.h"

#include <algorithm>
#include <span>

#include <QComboBox>
#include <QCursor>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/gui/toolbar_icons.h"
#include "platform/host/IApp.h"
#include "platform/host/IHostAppServices.h"
#include "platform/host/host_current.h"
#include "platform/sdk/OdDbDatabase.h"
#include "platform/sdk/OdDbSymbolTable.h"
#include "platform/sdk/OdDbTextStyleTableRecord.h"
#include "ui/toolbar_heights.h"

namespace gui {

namespace {

namespace c = ui::control;
using ui::control_kind;

QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }
OdString to_od(const QString& text) { return OdString::fromUtf8(text.toStdString()); }

// The full template's two rows; OK sits where the hidden search button is.
constexpr int first_row[] = {c::style, c::font, c::height, c::bold, c::italic, c::underline, c::overline, c::undo,
                             c::redo, c::stack, c::superscript, c::subscript, c::ruler, c::search, c::ok};
constexpr int second_row[] = {c::columns, c::alignment, c::align_left, c::align_center, c::justified,
                              c::align_right, c::distributed, c::upper, c::lower, c::symbol,
                              c::line_spacing, c::numbering, c::field, c::oblique_icon, c::oblique,
                              c::oblique_spin, c::width_icon, c::width, c::width_spin, c::color};

// Buttons that show a state: the check buttons and the paragraph alignments.
bool shows_state(const ui::control_row& row) {
  return row.kind == control_kind::check_button || row.id == c::align_left || row.id == c::align_center ||
         row.id == c::align_right || row.id == c::justified || row.id == c::distributed;
}

bool position_stored() {
  IProfile* profile = hostProfile();
  return profile && profile->openSection(u"TXPAD", false) && !profile->getValue(u"ptpos.x").isEmpty();
}

QIcon swatch(ui::toolbar_color value) {
  const auto color = ui::decode(value);
  if (!color) return {};
  QPixmap pixmap(12, 12);
  const OdCmEntityColor entity = ui::entity_color_of(value);
  QColor fill = Qt::white;
  if (entity.isByColor()) fill = QColor(entity.red(), entity.green(), entity.blue());
  else if (!entity.isByLayer() && !entity.isByBlock()) {
    static const QColor standard[] = {Qt::black, Qt::red, Qt::yellow, Qt::green, Qt::cyan, Qt::blue, Qt::magenta, Qt::black};
    const int index = entity.colorIndex();
    fill = index >= 1 && index <= 7 ? standard[index] : QColor(128, 128, 128);
  }
  pixmap.fill(fill);
  QPainter painter(&pixmap);
  painter.setPen(Qt::darkGray);
  painter.drawRect(0, 0, 11, 11);
  return QIcon(pixmap);
}

// A text style of the drawing by its name; null when there is none.
const OdDbTextStyleTableRecord* text_style_named(OdDbDatabase* database, const QString& name) {
  if (!database) return nullptr;
  return dynamic_cast<const OdDbTextStyleTableRecord*>(database->textStyleTable()->getAt(to_od(name)).peekObject());
}

// The drawing's text styles the combo lists: neither shape files nor dependent.
QStringList style_names(OdDbDatabase* database) {
  QStringList names;
  if (!database) return names;
  for (const OdDbObjectId& id : database->textStyleTable()->recordIds()) {
    const auto* style = dynamic_cast<const OdDbTextStyleTableRecord*>(id.peekObject());
    if (style && !style->isShapeFile() && style->getName().find(u'|') < 0) names << to_q(style->getName());
  }
  return names;
}
}  // namespace

format_toolbar_view::format_toolbar_view(ui::CMTextEdit& model, QWidget* parent, std::optional<QRect> text)
    : QFrame(parent), m_model(model) {
  setObjectName("format-toolbar");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setCursor(Qt::SizeAllCursor);
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(4, 3, 4, 3);
  rows->setSpacing(2);
  for (const auto& ids : {std::span<const int>(first_row), std::span<const int>(second_row)}) {
    auto* line = new QHBoxLayout;
    line->setSpacing(1);
    for (int id : ids)
      if (const ui::control_row* row = ui::control_of(id)) line->addWidget(makeControl(*row));
    line->addStretch();
    rows->addLayout(line);
  }
  fillFonts();
  m_model.on_refreshed = [this] { readModel(); };
  readModel();
  adjustSize();
  const ui::toolbar_position kept = m_model.position();
  QPoint at(kept.x, kept.y);
  if (text && !position_stored()) {
    constexpr int gap = 10;  // clear of the frame's handles
    at = QPoint(text->left(), text->top() - gap - height());
    if (at.y() < 0) at.setY(text->bottom() + gap);
  }
  move(QPoint(std::clamp(at.x(), 0, std::max(0, parent->width() - width())),
              std::clamp(at.y(), 0, std::max(0, parent->height() - height()))));
  show();
  raise();
}

format_toolbar_view::~format_toolbar_view() { m_model.on_refreshed = nullptr; }

QWidget* format_toolbar_view::control(int id) const {
  const auto found = m_controls.find(id);
  return found == m_controls.end() ? nullptr : found->second;
}

QWidget* format_toolbar_view::makeControl(const ui::control_row& row) {
  QWidget* widget = nullptr;
  switch (row.kind) {
    case control_kind::button:
    case control_kind::check_button:
    case control_kind::menu_button: widget = makeButton(row); break;
    case control_kind::combo:
    case control_kind::height_combo:
    case control_kind::color_combo: {
      auto* combo = new QComboBox;
      combo->setFocusPolicy(Qt::ClickFocus);
      if (row.id == c::style) {
        IHostAppServices* host = hostCurrentServices();
        combo->addItems(style_names(host ? host->currentDatabase() : nullptr));
        const OdDbObjectPtr current = m_model.editor().entity().textStyle().openObject();
        if (const auto* style = dynamic_cast<const OdDbTextStyleTableRecord*>(current.get()))
          combo->setCurrentText(to_q(style->getName()));
        combo->setMinimumContentsLength(8);
        connect(combo, &QComboBox::activated, this, [this, combo](int) {
          IHostAppServices* services = hostCurrentServices();
          OdDbDatabase* database = services ? services->currentDatabase() : nullptr;
          if (const OdDbTextStyleTableRecord* style = text_style_named(database, combo->currentText()))
            m_model.chooseStyle(*style);
          backToDrawing();
        });
      } else if (row.id == c::font) {
        m_font = combo;
        combo->setMinimumContentsLength(14);
        connect(combo, &QComboBox::activated, this, [this](int index) {
          const auto& fonts = m_model.fonts();
          if (index >= 0 && static_cast<std::size_t>(index) < fonts.size()) m_model.chooseFont(fonts[index]);
          backToDrawing();
        });
      } else if (row.id == c::height) {
        m_height = combo;
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setMinimumContentsLength(5);
        const auto enter = [this] {
          m_model.enterHeight(to_od(m_height->currentText()));
          backToDrawing();
        };
        connect(combo->lineEdit(), &QLineEdit::returnPressed, this, enter);
        connect(combo, &QComboBox::activated, this, enter);
      } else {
        m_color = combo;
        combo->setMinimumContentsLength(9);
        connect(combo, &QComboBox::activated, this, [this](int index) {
          m_model.chooseColor(static_cast<std::size_t>(index));
          backToDrawing();
        });
      }
      widget = combo;
      break;
    }
    case control_kind::edit: {
      auto* edit = new QLineEdit;
      edit->setFixedWidth(44);
      connect(edit, &QLineEdit::editingFinished, this, [this, edit, id = row.id] {
        if (!edit->isModified()) return;
        edit->setModified(false);
        bool number = false;
        const double value = edit->text().toDouble(&number);
        if (number) id == c::oblique ? m_model.enterOblique(value) : m_model.enterWidth(value);
        readModel();
      });
      widget = edit;
      break;
    }
    case control_kind::spin: widget = makeSpin(row.id); break;
    case control_kind::icon: {
      auto* label = new QLabel;
      label->setPixmap(toolbar_icon(row.id, m_model.englishIcons()).pixmap(16, 16));
      widget = label;
      break;
    }
  }
  if (*row.tooltip) widget->setToolTip(QString::fromStdU16String(row.tooltip));
  widget->setObjectName(QString("control-%1").arg(row.id));
  m_controls[row.id] = widget;
  return widget;
}

QWidget* format_toolbar_view::makeButton(const ui::control_row& row) {
  auto* button = new QToolButton;
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoRaise(true);
  const QIcon icon = toolbar_icon(row.id, m_model.englishIcons());
  if (icon.isNull()) button->setText(QString::fromStdU16String(row.caption));
  else button->setIcon(icon);
  button->setIconSize(QSize(16, 16));
  button->setCheckable(shows_state(row));
  if (row.kind == control_kind::menu_button) button->setPopupMode(QToolButton::DelayedPopup);
  connect(button, &QToolButton::clicked, this, [this, id = row.id] { pressed(id); });
  return button;
}

QWidget* format_toolbar_view::makeSpin(int id) {
  auto* box = new QWidget;
  auto* arrows = new QVBoxLayout(box);
  arrows->setContentsMargins(0, 0, 0, 0);
  arrows->setSpacing(0);
  for (const auto& [type, steps] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
    auto* arrow = new QToolButton;
    arrow->setArrowType(type);
    arrow->setFixedSize(14, 10);
    arrow->setFocusPolicy(Qt::NoFocus);
    arrow->setAutoRepeat(true);
    arrow->setObjectName(steps > 0 ? "up" : "down");
    connect(arrow, &QToolButton::clicked, this, [this, id, steps = steps] {
      m_model.spin(id, steps);
      backToDrawing();
    });
    arrows->addWidget(arrow);
  }
  return box;
}

QPoint format_toolbar_view::menuAnchor(int button) const {
  const QWidget* widget = control(button);
  return widget ? widget->mapToGlobal(QPoint(0, widget->height())) : QCursor::pos();
}

void format_toolbar_view::pressed(int id) {
  const ui::control_row* row = ui::control_of(id);
  if (row && row->kind == control_kind::menu_button && on_menu_anchor) on_menu_anchor(menuAnchor(id));
  m_model.click(id);
  // OK may have ended the edit and with it this view's model: touch nothing after it.
  if (id == c::ok) return;
  readModel();
  backToDrawing();
}

void format_toolbar_view::backToDrawing() {
  if (QWidget* drawing = parentWidget()) drawing->setFocus();
}

void format_toolbar_view::fillFonts() {
  std::vector<ui::font_entry> fonts = m_model.fonts();
  for (const QString& family : QFontDatabase::families())
    if (std::none_of(fonts.begin(), fonts.end(), [&](const ui::font_entry& f) { return to_q(f.name) == family; }))
      fonts.push_back({to_od(family), false, 0, 0});
  m_model.setFonts(std::move(fonts));
}

void format_toolbar_view::readCombos() {
  // The model adds fonts and colours it meets; the combos follow its lists.
  const auto& fonts = m_model.fonts();
  if (m_font->count() != static_cast<int>(fonts.size())) {
    m_font->clear();
    for (const ui::font_entry& f : fonts) m_font->addItem(to_q(f.name));
  }
  const QString font = to_q(m_model.control(c::font).text);
  m_font->setCurrentIndex(font.isEmpty() ? -1 : m_font->findText(font, Qt::MatchExactly));

  const auto& colors = m_model.colors();
  if (m_color->count() != static_cast<int>(colors.size())) {
    m_color->clear();
    for (const ui::color_entry& e : colors) m_color->addItem(swatch(e.value), to_q(e.name));
  }
  const auto selected = m_model.colorSelection();
  m_color->setCurrentIndex(selected ? static_cast<int>(*selected) : -1);

  m_height->clear();
  for (float h : m_model.heights()) m_height->addItem(to_q(ui::height_text(h)));
  m_height->setEditText(to_q(m_model.control(c::height).text));
}

void format_toolbar_view::readModel() {
  for (const auto& [id, widget] : m_controls) {
    const ui::control_state& state = m_model.control(id);
    const QSignalBlocker quiet(widget);
    widget->setVisible(state.visible);
    if (id != c::style) widget->setEnabled(state.enabled);
    if (auto* button = qobject_cast<QToolButton*>(widget); button && button->isCheckable())
      button->setChecked(state.checked);
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && !edit->isModified()) edit->setText(to_q(state.text));
  }
  readCombos();
}

void format_toolbar_view::keepPosition() { m_model.moveTo({pos().x(), pos().y()}); }

void format_toolbar_view::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
  m_dragging = true;
  m_dragFrom = event->globalPosition().toPoint() - pos();
  grabMouse();
}

void format_toolbar_view::mouseMoveEvent(QMouseEvent* event) {
  if (!m_dragging) return QFrame::mouseMoveEvent(event);
  move(event->globalPosition().toPoint() - m_dragFrom);
}

void format_toolbar_view::mouseReleaseEvent(QMouseEvent* event) {
  if (!m_dragging) return QFrame::mouseReleaseEvent(event);
  m_dragging = false;
  releaseMouse();
  keepPosition();
}

}  // namespace gui
