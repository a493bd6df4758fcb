// The column settings dialog over CMTextColumnsDlg: the radios choose the
// column type and the height mode, the model enables the fields and keeps
// width, gutter and total consistent; a value is checked when its field is
// left and again on OK, and a refusal keeps the dialog open.
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QShortcut>
#include <QVBoxLayout>

#include <map>

#include "app/gui/dialog_views.h"
#include "ui/columns_dialog.h"

namespace gui {

namespace {

QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }

using D = CMTextColumnsDlg;

class columns_view final : public QDialog {
public:
  columns_view(D& model, QWidget* parent) : QDialog(parent), m_model(model) {
    setWindowTitle(QString::fromStdU16String(model.caption()));
    setObjectName("dialog-145");
    auto* layout = new QVBoxLayout(this);
    auto* types = new QGroupBox("Column Type");
    auto* type_rows = new QVBoxLayout(types);
    type_rows->addWidget(radio(D::id_dynamic, "Dynamic Columns"));
    auto* heights = new QHBoxLayout;
    heights->addSpacing(20);
    heights->addWidget(radio(D::id_auto_height, "Auto Height"));
    heights->addWidget(radio(D::id_manual_height, "Manual Height"));
    type_rows->addLayout(heights);
    type_rows->addWidget(radio(D::id_static, "Static Columns"));
    type_rows->addWidget(radio(D::id_none, "No Columns"));
    layout->addWidget(types);
    auto* sizes = new QFormLayout;
    sizes->addRow("Column Number:", edit(D::id_count));
    sizes->addRow("Height:", edit(D::id_height));
    sizes->addRow("Column:", edit(D::id_width));
    sizes->addRow("Gutter:", edit(D::id_gutter));
    sizes->addRow("Total:", edit(D::id_total));
    layout->addLayout(sizes);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ok(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this, [this] { show_help(m_model.helpTopic()); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { show_help(m_model.helpTopic()); });
    read();
  }

private:
  QRadioButton* radio(int id, const char* caption) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(QString("control-%1").arg(id));
    button->setAutoExclusive(false);  // the model decides what is checked
    connect(button, &QRadioButton::clicked, this, [this, id] {
      if (id == D::id_auto_height || id == D::id_manual_height) m_model.setAutoHeight(id == D::id_auto_height);
      else m_model.setType(id == D::id_static ? D::type_static : id == D::id_dynamic ? D::type_dynamic : D::type_none);
      read();
    });
    m_radios[id] = button;
    return button;
  }

  QLineEdit* edit(int id) {
    auto* field = new QLineEdit;
    field->setObjectName(QString("control-%1").arg(id));
    connect(field, &QLineEdit::editingFinished, this, [this, id, field] { leave(id, field); });
    m_edits[id] = field;
    return field;
  }

  // False when the model refused the field's text.
  bool leave(int id, QLineEdit* field) {
    if (m_warning || !field->isModified()) return true;
    field->setModified(false);
    const OdString refusal = m_model.enterText(id, OdString::fromUtf8(field->text().toStdString()));
    read();
    if (refusal.isEmpty()) return true;
    m_warning = true;  // the message box takes the focus and would leave the field again
    warn(refusal);
    m_warning = false;
    field->setFocus();
    field->selectAll();
    return false;
  }

  void read() {
    for (const auto& [id, button] : m_radios) {
      button->setChecked(m_model.isChecked(id));
      button->setEnabled(m_model.isEnabled(id));
    }
    for (const auto& [id, field] : m_edits) {
      field->setText(to_q(m_model.fieldText(id)));
      field->setModified(false);
      field->setEnabled(m_model.isEnabled(id));
    }
  }

  void ok() {
    for (const auto& [id, field] : m_edits)
      if (!leave(id, field)) return;
    const OdString refusal = m_model.onOK();
    if (refusal.isEmpty()) return accept();
    warn(refusal);
  }

  D& m_model;
  std::map<int, QRadioButton*> m_radios;
  std::map<int, QLineEdit*> m_edits;
  bool m_warning = false;
};

}  // namespace

int run_columns_dialog(CMTextColumnsDlg& dialog, QWidget* parent) {
  columns_view view(dialog, parent);
  return view.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

}  // namespace gui
