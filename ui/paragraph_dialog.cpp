#include "ui/paragraph_dialog.h"

#include <charconv>
#include <string>

#include "platform/host/host_printf.h"
#include "ui/field_text.h"

using ui::parse_flag;

namespace {

constexpr std::array<CParagraphDlg::spacing_entry, 3> entries{{
    {u"Exactly", CParagraphDlg::kind_exactly},
    {u"At least", CParagraphDlg::kind_at_least},
    {u"Multiple", CParagraphDlg::kind_multiple},
}};

constexpr double least_factor = 0.25;
constexpr double greatest_factor = 4.0;

// Exactly and at least count text heights; the edit shows them in drawing units.
bool counts_text_heights(std::uint32_t kind) {
  return kind == CParagraphDlg::kind_at_least || kind == CParagraphDlg::kind_exactly;
}

// A number that takes the whole text after leading blanks, as a C
// conversion reads it; false for anything else.
bool parse_whole_number(const OdString& text, double& value) {
  const std::string utf8 = text.toUtf8();
  const std::size_t first = utf8.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const char* end = utf8.data() + utf8.size();
  const auto [stop, error] = std::from_chars(utf8.data() + first, end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

const std::array<CParagraphDlg::spacing_entry, 3>& CParagraphDlg::spacing_entries() { return entries; }

int CParagraphDlg::entry_of_kind(std::uint32_t kind) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i].kind == kind) return static_cast<int>(i);
  return 2;
}

CParagraphDlg::CParagraphDlg(double text_height, std::uint32_t kind, double factor)
    : m_textHeight(text_height),
      m_enabled(kind != kind_none),
      m_kind(kind),
      m_factor(factor),
      m_checked(m_enabled),
      m_index(entry_of_kind(kind)) {
  m_atText = hostFormat(u"%g", counts_text_heights(kind) ? factor * text_height : factor);
}

bool CParagraphDlg::isEnabled(int id) const {
  if (id == id_spacing || id == id_at) return m_checked;
  return id == id_enabled || id == id_ok || id == id_cancel || id == id_help;
}

bool CParagraphDlg::setSpacingIndex(int index) {
  if (index < 0 || index >= static_cast<int>(entries.size())) return false;
  m_index = index;
  return true;
}

std::pair<double, double> CParagraphDlg::range() const {
  const double unit = counts_text_heights(entries[static_cast<std::size_t>(m_index)].kind) ? m_textHeight : 1.0;
  return {least_factor * unit, greatest_factor * unit};
}

OdString CParagraphDlg::onOK() {
  m_atSelected = false;
  const std::uint32_t kind = entries[static_cast<std::size_t>(m_index)].kind;
  double factor = m_factor;
  // An empty edit keeps the factor the dialog opened with.
  if (m_checked && !m_atText.isEmpty()) {
    const auto [least, greatest] = range();
    double value = 0.0;
    if (!parse_whole_number(m_atText, value) || value < least || value > greatest) {
      m_atSelected = true;
      return hostFormat(u"Please provide a value within the range of %g and %g.", least, greatest);
    }
    factor = counts_text_heights(kind) ? value / m_textHeight : value;
  }
  m_enabled = m_checked;
  m_kind = kind;
  m_factor = factor;
  return OdString();
}

OdString CParagraphDlg::fieldValue(const OdString& field) const {
  if (field.iCompare(u"enabled") == 0) return m_checked ? u"yes" : u"no";
  if (field.iCompare(u"spacing") == 0) return entries[static_cast<std::size_t>(m_index)].caption;
  if (field.iCompare(u"at") == 0) return m_atText;
  return OdString();
}

OdString CParagraphDlg::setFieldValue(const OdString& field, const OdString& value) {
  if (field.iCompare(u"enabled") == 0) {
    bool on = false;
    if (!parse_flag(value, on)) return u"enabled is yes or no";
    setChecked(on);
    return OdString();
  }
  if (field.iCompare(u"spacing") != 0 && field.iCompare(u"at") != 0)
    return u"The paragraph dialog has the fields enabled, spacing and at";
  // A disabled control takes no input.
  if (!m_checked) return field + u" is disabled while enabled=no";
  if (field.iCompare(u"at") == 0) {
    setAtText(value);
    return OdString();
  }
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (value.iCompare(entries[i].caption) == 0) {
      m_index = static_cast<int>(i);
      return OdString();
    }
  return u"spacing is Exactly, \"At least\" or Multiple";
}
