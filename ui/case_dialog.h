// CCaseDlg: the toolkit-free model of the case dialog (template 135) that
// "TCase" shows: five radios for the case modes and the mode remembered for
// the whole process between runs.
//
// Radios behave as one group: checking one clears the others. OK takes the
// first checked radio in the order sentence, lower, upper, title, and toggle
// when none of these is checked; Cancel leaves the remembered mode.
#pragma once

#include <array>

#include "platform/host/IHostDialogs.h"
#include "platform/sdk/OdString.h"

// Hosts answer it by the name "Case" and the one field "mode": 0 to 4 or
// sentence, lower, upper, title, toggle.
class CCaseDlg : public host_dialog_model {
public:
  static constexpr int template_id = 135;
  static constexpr int id_ok = 1;
  static constexpr int id_cancel = 2;

  struct radio {
    int id;
    int mode;  // 0 sentence, 1 lower, 2 upper, 3 title, 4 toggle
    const char16_t* caption;
  };
  // The radios in the order OK reads them.
  static const std::array<radio, 5>& radios();
  // The radio of a mode; null outside 0..4.
  static const radio* radio_of_mode(int mode);

  // The mode remembered between runs (0 at start).
  static int processMode();
  static void setProcessMode(int mode);

  // Opens with the remembered mode's radio checked.
  CCaseDlg();

  const char16_t* caption() const { return u"Case"; }
  bool isChecked(int id) const;
  // Checks a radio (clearing the others) or clears it; an unknown id is refused.
  bool setChecked(int id, bool on = true);
  // The mode OK would take.
  int selectedMode() const;

  // OK: remembers the selected mode and answers id_ok. Cancel answers id_cancel.
  int onOK();
  int onCancel() { return id_cancel; }

  // The host's view of the model.
  OdString dialogName() const override { return u"Case"; }
  std::vector<OdString> fieldNames() const override { return {u"mode"}; }
  OdString fieldValue(const OdString& field) const override;
  OdString setFieldValue(const OdString& field, const OdString& value) override;
  OdString accept() override;

private:
  std::array<bool, 5> m_checked{};
};
