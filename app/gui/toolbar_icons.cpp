#include "app/gui/toolbar_icons.h"

#include <algorithm>
#include <functional>
#include <iterator>

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/toolbar_controls.h"

namespace gui {

namespace {

namespace c = ui::control;
using draw_fn = std::function<void(QPainter&)>;

constexpr int icon_size = 16;
const QColor ink(40, 40, 40);
const QColor accent(30, 90, 200);

void letter(QPainter& p, const QString& text, bool bold, bool italic, int size = 12) {
  QFont font("DejaVu Sans");
  font.setPixelSize(size);
  font.setBold(bold);
  font.setItalic(italic);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRect(0, 0, icon_size, icon_size - 2), Qt::AlignCenter, text);
}

void rule(QPainter& p, double y, int x0 = 3, int x1 = 13, const QColor& color = accent) {
  p.setPen(QPen(color, 1.5));
  p.drawLine(QPointF(x0, y), QPointF(x1, y));
}

// Lines of a paragraph: their left and right ends, one row each.
void lines(QPainter& p, std::initializer_list<std::pair<int, int>> rows) {
  p.setPen(QPen(ink, 1.2));
  int y = 3;
  for (const auto& [left, right] : rows) {
    p.drawLine(QPointF(left, y + 0.5), QPointF(right, y + 0.5));
    y += 3;
  }
}

void arrow(QPainter& p, bool forward) {
  QPainterPath path;
  const double s = forward ? 1.0 : -1.0, cx = 8.0;
  path.moveTo(cx - 4.0 * s, 12);
  path.cubicTo(cx - 5.0 * s, 5, cx + 3.0 * s, 3, cx + 4.0 * s, 8);
  p.setPen(QPen(accent, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setBrush(accent);
  p.drawPolygon(QPolygonF({QPointF(cx + 1.5 * s, 7.5), QPointF(cx + 6.5 * s, 7.5), QPointF(cx + 4.0 * s, 11.5)}));
}

void script(QPainter& p, bool above) {
  letter(p, "x", false, false, 12);
  QFont font("DejaVu Sans");
  font.setPixelSize(8);
  p.setFont(font);
  p.setPen(accent);
  p.drawText(QRect(9, above ? 0 : 8, 7, 8), Qt::AlignCenter, "2");
}

void spacing(QPainter& p) {
  lines(p, {{7, 14}, {7, 14}, {7, 14}, {7, 14}});
  p.setPen(QPen(accent, 1.2));
  p.drawLine(QPointF(3, 2), QPointF(3, 13));
  p.drawLine(QPointF(1, 4), QPointF(3, 2));
  p.drawLine(QPointF(5, 4), QPointF(3, 2));
  p.drawLine(QPointF(1, 11), QPointF(3, 13));
  p.drawLine(QPointF(5, 11), QPointF(3, 13));
}

struct icon_row {
  int id;
  draw_fn english;
  draw_fn national;  // empty: the English drawing
};

const icon_row rows[] = {
    {c::bold, [](QPainter& p) { letter(p, "B", true, false); }, [](QPainter& p) { letter(p, QString(QChar(0x0416)), true, false); }},
    {c::italic, [](QPainter& p) { letter(p, "I", false, true); }, [](QPainter& p) { letter(p, QString(QChar(0x041A)), false, true); }},
    {c::underline, [](QPainter& p) { letter(p, "U", false, false); rule(p, 14); },
     [](QPainter& p) { letter(p, QString(QChar(0x0427)), false, false); rule(p, 14); }},
    {c::overline, [](QPainter& p) { letter(p, "O", false, false); rule(p, 1.5); },
     [](QPainter& p) { letter(p, QString(QChar(0x041D)), false, false); rule(p, 1.5); }},
    {c::undo, [](QPainter& p) { arrow(p, false); }, {}},
    {c::redo, [](QPainter& p) { arrow(p, true); }, {}},
    {c::stack,
     [](QPainter& p) {
       QFont font("DejaVu Sans");
       font.setPixelSize(7);
       p.setFont(font);
       p.setPen(ink);
       p.drawText(QRect(0, 0, 16, 7), Qt::AlignCenter, "1");
       p.drawText(QRect(0, 9, 16, 7), Qt::AlignCenter, "2");
       rule(p, 8, 3, 13);
     },
     {}},
    {c::superscript, [](QPainter& p) { script(p, true); }, {}},
    {c::subscript, [](QPainter& p) { script(p, false); }, {}},
    {c::ruler,
     [](QPainter& p) {
       p.setPen(QPen(ink, 1));
       p.setBrush(QColor(250, 230, 160));
       p.drawRect(QRectF(1.5, 5.5, 13, 6));
       for (int x = 3; x < 15; x += 2) p.drawLine(QPointF(x + 0.5, 5.5), QPointF(x + 0.5, x % 4 == 3 ? 9.5 : 7.5));
     },
     {}},
    {c::columns,
     [](QPainter& p) {
       lines(p, {{1, 7}, {1, 7}, {1, 7}, {1, 7}});
       p.save();
       p.translate(8, 0);
       lines(p, {{1, 7}, {1, 7}, {1, 5}});
       p.restore();
     },
     {}},
    {c::alignment,
     [](QPainter& p) {
       p.setPen(QPen(ink, 1, Qt::DashLine));
       p.setBrush(Qt::NoBrush);
       p.drawRect(QRectF(2.5, 2.5, 11, 11));
       p.setPen(Qt::NoPen);
       p.setBrush(accent);
       p.drawEllipse(QPointF(13.5, 13.5), 2.2, 2.2);
     },
     {}},
    {c::align_left, [](QPainter& p) { lines(p, {{2, 14}, {2, 10}, {2, 14}, {2, 8}}); }, {}},
    {c::align_center, [](QPainter& p) { lines(p, {{2, 14}, {4, 12}, {2, 14}, {5, 11}}); }, {}},
    {c::justified, [](QPainter& p) { lines(p, {{2, 14}, {2, 14}, {2, 14}, {2, 9}}); }, {}},
    {c::align_right, [](QPainter& p) { lines(p, {{2, 14}, {6, 14}, {2, 14}, {8, 14}}); }, {}},
    {c::distributed, [](QPainter& p) { lines(p, {{2, 14}, {2, 14}, {2, 14}, {2, 14}}); }, {}},
    {c::upper, [](QPainter& p) { letter(p, "aA", false, false, 10); }, {}},
    {c::lower, [](QPainter& p) { letter(p, "Aa", false, false, 10); }, {}},
    {c::symbol, [](QPainter& p) { letter(p, "@", false, false, 13); }, {}},
    {c::line_spacing, [](QPainter& p) { spacing(p); }, {}},
    {c::numbering,
     [](QPainter& p) {
       QFont font("DejaVu Sans");
       font.setPixelSize(6);
       p.setFont(font);
       p.setPen(accent);
       for (int i = 0; i < 3; ++i) p.drawText(QRect(0, 1 + i * 5, 5, 5), Qt::AlignCenter, QString::number(i + 1));
       p.setPen(QPen(ink, 1.2));
       for (int i = 0; i < 3; ++i) p.drawLine(QPointF(6, 3.5 + i * 5), QPointF(14, 3.5 + i * 5));
     },
     {}},
    {c::field,
     [](QPainter& p) {
       p.setPen(QPen(ink, 1));
       p.setBrush(QColor(200, 200, 200));
       p.drawRect(QRectF(2.5, 4.5, 11, 7));
       letter(p, "#", false, false, 8);
     },
     {}},
    {c::oblique_icon,
     [](QPainter& p) {
       p.setPen(QPen(ink, 1.2));
       p.setBrush(Qt::NoBrush);
       p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(6, 3), QPointF(14, 3), QPointF(10, 13)}));
     },
     {}},
    {c::width_icon,
     [](QPainter& p) {
       letter(p, "a", false, false, 9);
       p.setPen(QPen(accent, 1.2));
       p.drawLine(QPointF(1, 13.5), QPointF(15, 13.5));
       p.drawLine(QPointF(1, 13.5), QPointF(3.5, 11.5));
       p.drawLine(QPointF(15, 13.5), QPointF(12.5, 11.5));
     },
     {}},
};

}  // namespace

QIcon toolbar_icon(int control, bool english) {
  const auto row = std::find_if(std::begin(rows), std::end(rows), [control](const icon_row& r) { return r.id == control; });
  if (row == std::end(rows)) return {};
  QPixmap pixmap(icon_size * 2, icon_size * 2);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(2.0, 2.0);  // sharp on screens of two pixels per point
  (english || !row->national ? row->english : row->national)(painter);
  painter.end();
  pixmap.setDevicePixelRatio(2.0);
  return QIcon(pixmap);
}

}  // namespace gui
