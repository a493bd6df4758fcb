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
