#include "app/gui/dialog_views.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

#include <map>

#include "platform/host/IApp.h"
#include "platform/host/host_pickers.h"
#include "ui/case_dialog.h"
#include "ui/columns_dialog.h"
#include "ui/paragraph_dialog.h"

namespace gui {

namespace {

QString to_q(const OdString& text) { return QString::fromStdString(text.toUtf8()); }
OdString to_od(const QString& text) { return OdString::fromUtf8(text.toStdString()); }

// The colour dialog's one field holds "R,G,B", an index, "ByLayer" or "ByBlock".
int run_color_dialog(host_dialog_model& dialog, QWidget* parent) {
  OdCmEntityColor start;
  hostParseColorText(dialog.fieldValue(u"color"), true, start);
  QColor initial = Qt::white;
  if (start.isByColor()) initial = QColor(start.red(), start.green(), start.blue());
  const QColor chosen = QColorDialog::getColor(initial, parent, "Select Color");
  if (!chosen.isValid()) return IDCANCEL;
  const OdString text = OdString::fromUtf8(std::to_string(chosen.red()) + "," + std::to_string(chosen.green()) + "," +
                                           std::to_string(chosen.blue()));
  if (!dialog.setFieldValue(u"color", text).isEmpty()) return IDCANCEL;
  return dialog.accept().isEmpty() ? IDOK : IDCANCEL;
}

}  // namespace

void warn(const OdString& text) {
  if (IEvents* events = Get_IEvents()) events->messageBox(text, OdString(), kMbOk | kMbIconExclamation);
}

void show_help(const OdString& topic) {
  if (IHelpService* help = Get_IHelpService()) help->showHelp(topic);
}

int run_field_dialog(host_dialog_model& dialog, QWidget* parent) {
  if (dialog.dialogName().iCompare(u"Color") == 0) return run_color_dialog(dialog, parent);
  QDialog view(parent);
  view.setWindowTitle(to_q(dialog.dialogName()));
  auto* form = new QFormLayout(&view);
  std::map<OdString, QLineEdit*> edits;
  for (const OdString& field : dialog.fieldNames()) {
    auto* edit = new QLineEdit(to_q(dialog.fieldValue(field)));
    edit->setObjectName(to_q(field));
    form->addRow(to_q(field) + ":", edit);
    edits[field] = edit;
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &view, &QDialog::reject);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &view, [&] {
    for (const auto& [field, edit] : edits)
      if (const OdString refusal = dialog.setFieldValue(field, to_od(edit->text())); !refusal.isEmpty())
        return warn(refusal);
    if (const OdString refusal = dialog.accept(); !refusal.isEmpty()) return warn(refusal);
    view.accept();
  });
  return view.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

int run_dialog(host_dialog_model& dialog, QWidget* parent) {
  if (auto* paragraph = dynamic_cast<CParagraphDlg*>(&dialog)) return run_paragraph_dialog(*paragraph, parent);
  if (auto* columns = dynamic_cast<CMTextColumnsDlg*>(&dialog)) return run_columns_dialog(*columns, parent);
  if (auto* letter_case = dynamic_cast<CCaseDlg*>(&dialog)) return run_case_dialog(*letter_case, parent);
  return run_field_dialog(dialog, parent);
}

}  // namespace gui
