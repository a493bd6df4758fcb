#include "app/gui/command_line.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QVBoxLayout>

namespace gui {

namespace {
constexpr int history_lines = 5;
constexpr int history_limit = 2000;
}  // namespace

command_line::command_line(QWidget* parent)
    : QWidget(parent), m_history(new QPlainTextEdit), m_prompt(new QLabel), m_input(new QLineEdit) {
  const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  m_history->setReadOnly(true);
  m_history->setFont(fixed);
  m_history->setMaximumBlockCount(history_limit);
  m_history->setFocusPolicy(Qt::NoFocus);
  m_history->setFixedHeight(QFontMetrics(fixed).lineSpacing() * history_lines + 8);
  m_prompt->setFont(fixed);
  m_input->setFont(fixed);
  m_input->setFrame(false);
  m_input->installEventFilter(this);
  auto* row = new QHBoxLayout;
  row->setContentsMargins(4, 0, 4, 2);
  row->addWidget(m_prompt);
  row->addWidget(m_input, 1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(m_history);
  column->addLayout(row);
  setPrompt("Command");
  connect(m_input, &QLineEdit::returnPressed, this, [this] {
    const QString text = m_input->text();
    m_input->clear();
    emit entered(text);
  });
}

void command_line::print(const QString& text) {
  m_history->appendPlainText(text);
  m_history->verticalScrollBar()->setValue(m_history->verticalScrollBar()->maximum());
}

void command_line::setPrompt(const QString& prompt) { m_prompt->setText(prompt + ":"); }

QString command_line::prompt() const {
  QString text = m_prompt->text();
  text.chop(1);
  return text;
}

QString command_line::history() const { return m_history->toPlainText(); }

bool command_line::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_input && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    m_input->clear();
    emit cancelled();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace gui
