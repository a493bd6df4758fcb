// Colour dialog, symbol picker, colour names, reference editing and line
// types over the running host's dialog service.
#include "platform/host/host_pickers.h"

#include <charconv>
#include <functional>
#include <optional>
#include <string>

#include "platform/host/IApp.h"
#include "platform/host/host_field_dialog.h"
#include "platform/host/host_translate.h"
#include "platform/sdk/OdGiSubEntityTraits.h"

namespace {

// A whole decimal number in [low, high], or -1.
int whole_number(const std::string& text, int low, int high) {
  int value = -1;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return -1;
  return value;
}

std::string trimmed(const OdString& text) {
  OdString copy = text;
  copy.trimLeft();
  copy.trimRight();
  return copy.toUtf8();
}

bool parse_rgb(const std::string& text, OdCmEntityColor& color) {
  int parts[3];
  std::size_t start = 0;
  for (int i = 0; i < 3; ++i) {
    const std::size_t comma = i < 2 ? text.find(',', start) : text.size();
    if (comma == std::string::npos) return false;
    parts[i] = whole_number(trimmed(OdString::fromUtf8(text.substr(start, comma - start))), 0, 255);
    if (parts[i] < 0) return false;
    start = comma + 1;
  }
  color.setRGB(static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
               static_cast<std::uint8_t>(parts[2]));
  return true;
}

// A one-field dialog that refuses text its picker cannot take, so the
// dialog stays open (a script line setting it is an error).
class checked_dialog : public host_field_dialog {
public:
  checked_dialog(const OdString& name, const OdString& field, const OdString& value,
                 std::function<OdString(const OdString&)> check)
      : host_field_dialog(name, {{field, value}}), m_check(std::move(check)) {}

  OdString setFieldValue(const OdString& field, const OdString& value) override {
    if (fieldNames().front().iCompare(field) == 0)
      if (OdString refusal = m_check(value); !refusal.isEmpty()) return refusal;
    return host_field_dialog::setFieldValue(field, value);
  }

private:
  std::function<OdString(const OdString&)> m_check;
};

// Runs a one-field dialog; true on OK, with the text accepted in `value`.
bool ask(const OdString& dialog_name, const OdString& field, OdString& value,
         const std::function<OdString(const OdString&)>& check) {
  IHostDialogs* dialogs = hostDialogs();
  if (!dialogs) return false;
  checked_dialog dialog(dialog_name, field, value, check);
  if (dialogs->showDialog(dialog) != IDOK) return false;
  value = dialog.fieldValue(field);
  return true;
}

// The character a symbol text names: one UTF-16 unit, or "U+XXXX".
std::optional<OdChar> symbol_of(const OdString& text) {
  const std::string value = trimmed(text);
  if (value.size() > 2 && (value[0] == 'U' || value[0] == 'u') && value[1] == '+') {
    unsigned code = 0;
    const auto [end, error] = std::from_chars(value.data() + 2, value.data() + value.size(), code, 16);
    if (error != std::errc() || end != value.data() + value.size() || code == 0 || code > 0xFFFF) return {};
    return static_cast<OdChar>(code);
  }
  if (text.getLength() != 1) return {};
  return text.c_str()[0];
}

}  // namespace

OdString hostColorText(const OdCmEntityColor& color) {
  if (color.isByLayer()) return u"ByLayer";
  if (color.isByBlock()) return u"ByBlock";
  if (color.isByColor())
    return OdString::fromUtf8(std::to_string(color.red()) + "," + std::to_string(color.green()) + "," +
                              std::to_string(color.blue()));
  return OdString::fromUtf8(std::to_string(color.colorIndex()));
}

bool hostParseColorText(const OdString& text, bool trueColor, OdCmEntityColor& color) {
  const std::string value = trimmed(text);
  OdCmEntityColor parsed;
  if (OdString::fromUtf8(value).iCompare(u"ByLayer") == 0) {
    parsed.setColorMethod(OdCmEntityColor::kByLayer);
  } else if (OdString::fromUtf8(value).iCompare(u"ByBlock") == 0) {
    parsed.setColorMethod(OdCmEntityColor::kByBlock);
  } else if (value.find(',') != std::string::npos) {
    if (!trueColor || !parse_rgb(value, parsed)) return false;
  } else {
    const int index = whole_number(value, 1, 255);
    if (index < 0) return false;
    parsed = OdCmEntityColor::fromIndex(index);
  }
  color = parsed;
  return true;
}

bool hostSetColorDialogTrueColor(OdCmEntityColor& color, bool trueColor) {
  OdString text = hostColorText(color);
  const auto check = [trueColor](const OdString& value) -> OdString {
    OdCmEntityColor ignored;
    if (hostParseColorText(value, trueColor, ignored)) return {};
    return trueColor ? u"a colour is 1 to 255, ByLayer, ByBlock or R,G,B" : u"a colour is 1 to 255, ByLayer or ByBlock";
  };
  if (!ask(u"Color", u"color", text, check)) return false;
  return hostParseColorText(text, trueColor, color);
}

bool hostGetSymbol(OdChar& symbol) {
  OdString text(std::u16string(1, symbol));
  const auto check = [](const OdString& value) -> OdString {
    return symbol_of(value) ? OdString() : OdString(u"a symbol is one character or U+XXXX");
  };
  if (!ask(u"Symbol", u"char", text, check)) return false;
  symbol = *symbol_of(text);
  return true;
}

std::vector<OdString> hostCmGetLocalizedColorNames() {
  std::vector<OdString> names;
  for (const char16_t* name : {u"Red", u"Yellow", u"Green", u"Cyan", u"Blue", u"Magenta", u"White"})
    names.push_back(Supp_Translate(name));
  return names;
}

bool hostGetRefEditModeLT() { return false; }

void uxgiSetLineType(OdGiSubEntityTraits* traits, const OdString& lineType) {
  if (traits) traits->setLineType(lineType);
}
