// CParagraphDlg: the toolkit-free model of the paragraph line-spacing dialog
// (template 140) that "More..." of the toolbar's line-spacing menu opens.
//
// The dialog works on a line-spacing kind and factor as the paragraph
// format holds them: for "exactly" and "at least" the factor counts text
// heights, for "multiple" it is a plain factor. The "At:" edit shows the
// first two in drawing units (factor times the text height), the third as
// the factor itself. Nothing here touches the text: the caller reads the
// enabled flag, kind and factor after OK.
#pragma once

#include <array>
#include <cstdint>
#include <utility>

#include "platform/host/IHostDialogs.h"
#include "platform/sdk/OdString.h"

// Hosts answer it by the name "Paragraph" and the fields "enabled" (yes or
// no), "spacing" (a list caption: Exactly, "At least", Multiple) and "at"
// (the edit's text, checked on OK).
class CParagraphDlg : public host_dialog_model {
public:
  static constexpr int template_id = 140;
  static constexpr int id_ok = 1;
  static constexpr int id_cancel = 2;
  static constexpr int id_help = 9;
  static constexpr int id_enabled = 1031;  // check box enabling the list and the edit
  static constexpr int id_spacing = 1009;  // list
  static constexpr int id_at = 1008;       // value edit

  // Line-spacing kinds, as the paragraph format numbers them.
  static constexpr std::uint32_t kind_none = 0;
  static constexpr std::uint32_t kind_at_least = 1;
  static constexpr std::uint32_t kind_exactly = 2;
  static constexpr std::uint32_t kind_multiple = 3;

  struct spacing_entry {
    const char16_t* caption;
    std::uint32_t kind;
  };
  // The list's entries in their order.
  static const std::array<spacing_entry, 3>& spacing_entries();
  // The list entry showing `kind`: "Multiple" for kind 3 and for no kind.
  static int entry_of_kind(std::uint32_t kind);

  // Opens on the spacing in force: checked unless `kind` is none.
  CParagraphDlg(double text_height, std::uint32_t kind, double factor);

  const char16_t* caption() const { return u"Paragraph"; }
  double textHeight() const { return m_textHeight; }

  // What the caller reads after OK.
  bool enabled() const { return m_enabled; }
  std::uint32_t kind() const { return m_kind; }
  double factor() const { return m_factor; }

  // The controls.
  bool isChecked() const { return m_checked; }
  void setChecked(bool on) { m_checked = on; }
  // The list and the edit follow the check box.
  bool isEnabled(int id) const;
  int spacingIndex() const { return m_index; }
  // Refuses an index outside the list.
  bool setSpacingIndex(int index);
  const OdString& atText() const { return m_atText; }
  void setAtText(const OdString& text) { m_atText = text; }
  // Set when OK refused the edit's value, so the view selects its text.
  bool atTextSelected() const { return m_atSelected; }

  // The range the edit accepts for the kind the list shows, in the edit's units.
  std::pair<double, double> range() const;

  // OK: reads the controls into the dialog's state. Answers the warning
  // that keeps the dialog open, or empty when it may close.
  OdString onOK();
  int onCancel() { return id_cancel; }
  // F1, the help command and the Help button: the dialog has no topic of its own.
  OdString helpTopic() const { return OdString(); }

  // The host's view of the model.
  OdString dialogName() const override { return u"Paragraph"; }
  std::vector<OdString> fieldNames() const override { return {u"enabled", u"spacing", u"at"}; }
  OdString fieldValue(const OdString& field) const override;
  OdString setFieldValue(const OdString& field, const OdString& value) override;
  OdString accept() override { return onOK(); }

private:
  double m_textHeight;
  bool m_enabled;
  std::uint32_t m_kind;
  double m_factor;
  bool m_checked;
  int m_index;
  OdString m_atText;
  bool m_atSelected = false;
};
