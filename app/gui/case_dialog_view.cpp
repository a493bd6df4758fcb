// The case dialog over CCaseDlg: five radios, the remembered mode checked.
#include <QDialog>
#include <QDialogButtonBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/gui/dialog_views.h"
#include "ui/case_dialog.h"

namespace gui {

int run_case_dialog(CCaseDlg& dialog, QWidget* parent) {
  QDialog view(parent);
  view.setWindowTitle(QString::fromStdU16String(dialog.caption()));
  view.setObjectName("dialog-135");
  auto* layout = new QVBoxLayout(&view);
  for (const CCaseDlg::radio& r : CCaseDlg::radios()) {
    auto* button = new QRadioButton(QString::fromStdU16String(r.caption));
    button->setObjectName(QString("control-%1").arg(r.id));
    button->setChecked(dialog.isChecked(r.id));
    QObject::connect(button, &QRadioButton::toggled, &view, [&dialog, id = r.id](bool on) { dialog.setChecked(id, on); });
    layout->addWidget(button);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &view, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &view, &QDialog::reject);
  if (view.exec() != QDialog::Accepted) return IDCANCEL;
  return dialog.onOK() == CCaseDlg::id_ok ? IDOK : IDCANCEL;
}

}  // namespace gui
