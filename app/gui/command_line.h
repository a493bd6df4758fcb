// command_line: the command line docked under the view. A history of what
// was said (prompts with their answers, messages), the current prompt and
// an input line; Enter hands the typed text over, Esc asks to cancel.
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace gui {

class command_line final : public QWidget {
  Q_OBJECT

public:
  explicit command_line(QWidget* parent = nullptr);

  // Adds a line to the history.
  void print(const QString& text);
  // Shows the prompt the input answers ("Command" when idle).
  void setPrompt(const QString& prompt);
  QString prompt() const;
  QString history() const;
  QLineEdit* input() const { return m_input; }

signals:
  // The typed text on Enter (may be empty); the input is cleared first.
  void entered(const QString& text);
  void cancelled();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QPlainTextEdit* m_history;
  QLabel* m_prompt;
  QLineEdit* m_input;
};

}  // namespace gui
