#include "ui/field_text.h"

namespace ui {

bool parse_flag(const OdString& text, bool& on) {
  for (const char16_t* yes : {u"1", u"yes", u"on", u"true"})
    if (text.iCompare(yes) == 0) return on = true, true;
  for (const char16_t* no : {u"0", u"no", u"off", u"false"})
    if (text.iCompare(no) == 0) return on = false, true;
  return false;
}

}  // namespace ui
