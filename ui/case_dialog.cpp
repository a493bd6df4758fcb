#include "ui/case_dialog.h"

namespace {

// Process-wide, as the dialog's last choice is for every drawing.
int g_case_mode = 0;

constexpr std::array<CCaseDlg::radio, 5> case_radios{{
    {1031, 0, u"Sentence case"},
    {1033, 1, u"lower case"},
    {1035, 2, u"UPPER CASE"},
    {1034, 3, u"Title Case"},
    {1032, 4, u"tOGGLE CASE"},
}};

constexpr std::array<const char16_t*, 5> mode_names{u"sentence", u"lower", u"upper", u"title", u"toggle"};

// A mode written as its number or its name, in any letter case; -1 otherwise.
int mode_of_text(const OdString& text) {
  for (std::size_t i = 0; i < mode_names.size(); ++i)
    if (text.iCompare(OdString(mode_names[i])) == 0 || text == OdString(std::u16string(1, char16_t(u'0' + i))))
      return static_cast<int>(i);
  return -1;
}

int slot_of_id(int id) {
  for (std::size_t i = 0; i < case_radios.size(); ++i)
    if (case_radios[i].id == id) return static_cast<int>(i);
  return -1;
}

}  // namespace

const std::array<CCaseDlg::radio, 5>& CCaseDlg::radios() { return case_radios; }

const CCaseDlg::radio* CCaseDlg::radio_of_mode(int mode) {
  for (const radio& r : case_radios)
    if (r.mode == mode) return &r;
  return nullptr;
}

int CCaseDlg::processMode() { return g_case_mode; }

void CCaseDlg::setProcessMode(int mode) {
  if (radio_of_mode(mode)) g_case_mode = mode;
}

CCaseDlg::CCaseDlg() {
  if (const radio* r = radio_of_mode(g_case_mode)) setChecked(r->id);
}

bool CCaseDlg::isChecked(int id) const {
  const int slot = slot_of_id(id);
  return slot >= 0 && m_checked[static_cast<std::size_t>(slot)];
}

bool CCaseDlg::setChecked(int id, bool on) {
  const int slot = slot_of_id(id);
  if (slot < 0) return false;
  if (on) m_checked.fill(false);
  m_checked[static_cast<std::size_t>(slot)] = on;
  return true;
}

int CCaseDlg::selectedMode() const {
  // The radios are listed in the order OK reads them; the last is the default.
  for (std::size_t i = 0; i + 1 < case_radios.size(); ++i)
    if (m_checked[i]) return case_radios[i].mode;
  return case_radios.back().mode;
}

int CCaseDlg::onOK() {
  g_case_mode = selectedMode();
  return id_ok;
}

OdString CCaseDlg::fieldValue(const OdString& field) const {
  if (field.iCompare(u"mode") != 0) return OdString();
  return OdString(std::u16string(1, char16_t(u'0' + selectedMode())));
}

OdString CCaseDlg::setFieldValue(const OdString& field, const OdString& value) {
  if (field.iCompare(u"mode") != 0) return u"The case dialog has only the field mode";
  const int mode = mode_of_text(value);
  if (mode < 0) return u"The mode is 0 to 4 or sentence, lower, upper, title, toggle";
  setChecked(radio_of_mode(mode)->id);
  return OdString();
}

OdString CCaseDlg::accept() {
  onOK();
  return OdString();
}
