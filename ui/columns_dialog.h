// CMTextColumnsDlg: the toolkit-free model of the column settings dialog
// (template 145) that the toolbar's columns menu opens, and the exported
// ShowMTextColumnsDlg that runs it on a caller's values.
//
// Every distance is in drawing units. The text height is not edited: it
// sets the limits (up to 10000 text heights) and the least column width.
// Editing the width, gutter or total keeps the three consistent with the
// count as the rules below say; validation runs on leaving a field and on
// OK, and only for the fields the column type enables, since a disabled
// field can be neither edited nor applied.
#pragma once

#include <utility>
#include <vector>

#include "platform/host/IHostDialogs.h"
#include "platform/sdk/OdString.h"

// The values the dialog edits.
struct column_dialog_values {
  int type = 0;  // 0 none, 1 static, 2 dynamic (as OdDbMText::ColumnType)
  bool auto_height = true;
  int count = 2;
  double height = 0.0;
  double width = 0.0;
  double gutter = 0.0;
  double total = 0.0;
  double text_height = 1.0;

  friend bool operator==(const column_dialog_values&, const column_dialog_values&) = default;
};

// count columns side by side with gutters between them.
double total_width(int count, double width, double gutter);

// Hosts answer it by the name "Column Settings" and the fields "type"
// (none, static, dynamic), "auto_height" (yes or no), "count", "height",
// "width", "gutter" and "total"; a field its column type disables is refused.
class CMTextColumnsDlg : public host_dialog_model {
public:
  static constexpr int template_id = 145;
  static constexpr int id_ok = 1;
  static constexpr int id_cancel = 2;
  static constexpr int id_help = 9;
  static constexpr int id_dynamic = 1029;
  static constexpr int id_auto_height = 1032;
  static constexpr int id_manual_height = 1033;
  static constexpr int id_static = 1030;
  static constexpr int id_none = 1031;
  static constexpr int id_count = 1013;
  static constexpr int id_height = 1014;
  static constexpr int id_width = 1015;
  static constexpr int id_gutter = 1016;
  static constexpr int id_total = 1017;

  static constexpr int type_none = 0;
  static constexpr int type_static = 1;
  static constexpr int type_dynamic = 2;
  static constexpr int least_count = 2;
  static constexpr int greatest_count = 100;
  // Distances stay within this many text heights.
  static constexpr double text_heights_limit = 10000.0;

  explicit CMTextColumnsDlg(const column_dialog_values& values);

  const char16_t* caption() const { return u"Column Settings"; }
  const column_dialog_values& values() const { return m_values; }

  // Radios and the enabling of the other controls.
  bool isChecked(int id) const;
  bool isEnabled(int id) const;
  void setType(int type);
  void setAutoHeight(bool on) { m_values.auto_height = on; }

  // Editing a field, by the dialog's rules (no validation).
  void editCount(int count);
  void editHeight(double height);
  void editWidth(double width);
  void editGutter(double gutter);
  void editTotal(double total);

  // A field's text as the dialog shows it ("%d" or the host's distance format).
  OdString fieldText(int id) const;
  // Typing `text` into a field and leaving it: parses it (the host's
  // distance parser for distances), edits and validates. Answers the
  // message the host's message box shows, empty when the value is taken;
  // text that is no number keeps the old value and answers the range message.
  OdString enterText(int id, const OdString& text);
  // Leaving a field: its range message, or empty.
  OdString validate(int id) const;
  // The values a distance field accepts, and the message naming a field's range.
  std::pair<double, double> range(int id) const;
  OdString rangeMessage(int id) const;

  // OK: the first message of the enabled fields, or empty when it may close.
  OdString onOK() const;
  int onCancel() const { return id_cancel; }
  OdString helpTopic() const { return u"IDH_MTextCreate"; }

  // The host's view of the model.
  OdString dialogName() const override { return u"Column Settings"; }
  std::vector<OdString> fieldNames() const override;
  OdString fieldValue(const OdString& field) const override;
  OdString setFieldValue(const OdString& field, const OdString& value) override;
  OdString accept() override { return onOK(); }

private:
  double limit() const { return m_values.text_height * text_heights_limit; }
  void recomputeTotal();

  column_dialog_values m_values;
};

// Runs the dialog through the host's dialog service on copies of the values
// and writes them back only on OK; true on OK. False without a host.
extern "C" bool ShowMTextColumnsDlg(int* type, bool* auto_height, int* count, double* height, double* width,
                                    double* gutter, double* total, double* text_height);
