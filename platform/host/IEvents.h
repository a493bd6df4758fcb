// IEvents: message boxes, with the answers the user can give.
#pragma once

#include "platform/sdk/OdString.h"

// Buttons of a message box (as Windows numbers them).
enum host_message_box_buttons : int {
  kMbOk = 0x0,
  kMbOkCancel = 0x1,
  kMbYesNoCancel = 0x3,
  kMbYesNo = 0x4,
  kMbIconQuestion = 0x20,
  kMbIconExclamation = 0x30,
  kMbIconInformation = 0x40,
};

// Answers.
enum host_message_box_answer : int {
  IDOK = 1,
  IDCANCEL = 2,
  IDYES = 6,
  IDNO = 7,
};

class IEvents {
public:
  virtual ~IEvents() = default;
  // Shows `text` with the buttons (the low 4 bits of `buttons`) and answers
  // the button pressed; `helpTopic` (may be empty) names the topic of its
  // Help button.
  virtual int messageBox(const OdString& text, const OdString& helpTopic, int buttons) = 0;
};
