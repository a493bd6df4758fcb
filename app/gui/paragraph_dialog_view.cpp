// The paragraph line-spacing dialog over CParagraphDlg: the check box
// enables the list and the edit; OK keeps the dialog open while the model
// refuses the value, with the edit's text selected.
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include "app/gui/dialog_views.h"
#include "ui/paragraph_dialog.h"

namespace gui {

namespace {

QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }

class paragraph_view final : public QDialog {
public:
  paragraph_view(CParagraphDlg& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromStdU16String(model.caption()));
    setObjectName("dialog-140");
    m_enabled = new QCheckBox("Paragraph Line Spacing");
    m_enabled->setObjectName("control-1031");
    m_spacing = new QComboBox;
    m_spacing->setObjectName("control-1009");
    for (const auto& entry : CParagraphDlg::spacing_entries()) m_spacing->addItem(QString::fromStdU16String(entry.caption));
    m_at = new QLineEdit;
    m_at->setObjectName("control-1008");
    auto* form = new QFormLayout(this);
    form->addRow(m_enabled);
    form->addRow("Line Spacing:", m_spacing);
    form->addRow("At:", m_at);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ok(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { help(); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this] { help(); });
    connect(m_enabled, &QCheckBox::toggled, this, [this](bool on) {
      m_model.setChecked(on);
      read();
    });
    connect(m_spacing, &QComboBox::currentIndexChanged, this, [this](int index) { m_model.setSpacingIndex(index); });
    read();
    m_at->setText(to_q(m_model.atText()));
  }

private:
  void read() {
    m_enabled->setChecked(m_model.isChecked());
    m_spacing->setCurrentIndex(m_model.spacingIndex());
    m_spacing->setEnabled(m_model.isEnabled(CParagraphDlg::id_spacing));
    m_at->setEnabled(m_model.isEnabled(CParagraphDlg::id_at));
  }

  void ok() {
    m_model.setAtText(OdString::fromUtf8(m_at->text().toStdString()));
    const OdString refusal = m_model.onOK();
    if (refusal.isEmpty()) return accept();
    warn(refusal);
    if (m_model.atTextSelected()) {
      m_at->setFocus();
      m_at->selectAll();
    }
  }

  // No topic of its own: the help is asked for by the dialog's name.
  void help() { show_help(m_model.helpTopic().isEmpty() ? m_model.dialogName() : m_model.helpTopic()); }

  CParagraphDlg& m_model;
  QCheckBox* m_enabled;
  QComboBox* m_spacing;
  QLineEdit* m_at;
};

}  // namespace

int run_paragraph_dialog(CParagraphDlg& dialog, QWidget* parent) {
  paragraph_view view(dialog, parent);
  return view.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

}  // namespace gui
