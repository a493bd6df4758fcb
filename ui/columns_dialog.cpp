#include "ui/columns_dialog.h"

#include <array>
#include <charconv>
#include <string>

#include "platform/host/IApp.h"
#include "platform/host/host_printf.h"
#include "ui/field_text.h"

using ui::parse_flag;
#include "platform/host/host_units.h"

namespace {

using dlg = CMTextColumnsDlg;

constexpr std::array<const char16_t*, 3> type_names{u"none", u"static", u"dynamic"};

// The edits of the dialog by field name, in the dialog's order.
struct edit_field {
  const char16_t* name;
  int id;
};
constexpr std::array<edit_field, 5> edit_fields{{
    {u"count", dlg::id_count},
    {u"height", dlg::id_height},
    {u"width", dlg::id_width},
    {u"gutter", dlg::id_gutter},
    {u"total", dlg::id_total},
}};

const edit_field* edit_field_named(const OdString& name) {
  for (const edit_field& f : edit_fields)
    if (name.iCompare(f.name) == 0) return &f;
  return nullptr;
}

int type_of_text(const OdString& text) {
  for (std::size_t i = 0; i < type_names.size(); ++i)
    if (text.iCompare(type_names[i]) == 0 || text == OdString(std::u16string(1, char16_t(u'0' + i))))
      return static_cast<int>(i);
  return -1;
}

// A whole number, blanks around allowed; false for anything else.
bool parse_count(const OdString& text, int& count) {
  const std::string utf8 = text.toUtf8();
  const std::size_t first = utf8.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  const std::size_t last = utf8.find_last_not_of(" \t") + 1;
  const auto [stop, error] = std::from_chars(utf8.data() + first, utf8.data() + last, count);
  return error == std::errc() && stop == utf8.data() + last;
}

}  // namespace

double total_width(int count, double width, double gutter) {
  return count * width + (count - 1) * gutter;
}

CMTextColumnsDlg::CMTextColumnsDlg(const column_dialog_values& values) : m_values(values) {}

bool CMTextColumnsDlg::isChecked(int id) const {
  switch (id) {
    case id_none: return m_values.type == type_none;
    case id_static: return m_values.type == type_static;
    case id_dynamic: return m_values.type == type_dynamic;
    case id_auto_height: return m_values.auto_height;
    case id_manual_height: return !m_values.auto_height;
    default: return false;
  }
}

bool CMTextColumnsDlg::isEnabled(int id) const {
  const bool is_static = m_values.type == type_static;
  const bool is_dynamic = m_values.type == type_dynamic;
  switch (id) {
    case id_auto_height:
    case id_manual_height: return is_dynamic;
    case id_count:
    case id_total: return is_static;
    case id_height: return is_static || (is_dynamic && !m_values.auto_height);
    case id_width:
    case id_gutter: return m_values.type != type_none;
    default: return true;
  }
}

void CMTextColumnsDlg::setType(int type) {
  if (type >= type_none && type <= type_dynamic) m_values.type = type;
}

// The total is what the columns span, so a new count changes it too.
void CMTextColumnsDlg::editCount(int count) {
  m_values.count = count;
  recomputeTotal();
}

void CMTextColumnsDlg::editHeight(double height) { m_values.height = height; }

void CMTextColumnsDlg::editWidth(double width) {
  column_dialog_values& v = m_values;
  v.width = width;
  recomputeTotal();
  if (v.total > limit()) {
    v.total = limit();
    v.width = (v.total - (v.count - 1) * v.gutter) / v.count;
  }
}

void CMTextColumnsDlg::editGutter(double gutter) {
  column_dialog_values& v = m_values;
  v.gutter = gutter;
  recomputeTotal();
  if (v.total > limit() && v.count > 1) {
    v.total = limit();
    v.gutter = (v.total - v.count * v.width) / (v.count - 1);
  }
}

void CMTextColumnsDlg::editTotal(double total) {
  column_dialog_values& v = m_values;
  v.total = total;
  if (v.count < 1) return;
  v.width = (v.total - (v.count - 1) * v.gutter) / v.count;
  // Columns are at least one text height wide; the gutters take what is left.
  if (v.width < v.text_height && v.count > 1) {
    v.width = v.text_height;
    v.gutter = (v.total - v.count * v.width) / (v.count - 1);
  }
  if (v.gutter < 0.0) {
    v.gutter = 0.0;
    v.total = v.count * v.width;
  }
}

void CMTextColumnsDlg::recomputeTotal() { m_values.total = total_width(m_values.count, m_values.width, m_values.gutter); }

OdString CMTextColumnsDlg::fieldText(int id) const {
  switch (id) {
    case id_count: return hostFormat(u"%d", m_values.count);
    case id_height: return hostdbRToS(m_values.height);
    case id_width: return hostdbRToS(m_values.width);
    case id_gutter: return hostdbRToS(m_values.gutter);
    case id_total: return hostdbRToS(m_values.total);
    default: return OdString();
  }
}

std::pair<double, double> CMTextColumnsDlg::range(int id) const {
  const double least = id == id_width || id == id_total ? m_values.text_height : 0.0;
  return {least, limit()};
}

OdString CMTextColumnsDlg::rangeMessage(int id) const {
  if (id == id_count) return hostFormat(u"Value must be between %d and %d", least_count, greatest_count);
  const auto [least, greatest] = range(id);
  return hostFormat(u"Value must be between %0.1f and %0.1f", least, greatest);
}

OdString CMTextColumnsDlg::validate(int id) const {
  const column_dialog_values& v = m_values;
  if (id == id_count) return v.count >= least_count && v.count <= greatest_count ? OdString() : rangeMessage(id);
  const double* value = id == id_height ? &v.height
                        : id == id_width ? &v.width
                        : id == id_gutter ? &v.gutter
                        : id == id_total ? &v.total
                                         : nullptr;
  if (!value) return OdString();
  const auto [least, greatest] = range(id);
  return *value >= least && *value <= greatest ? OdString() : rangeMessage(id);
}

OdString CMTextColumnsDlg::enterText(int id, const OdString& text) {
  if (id == id_count) {
    int count = 0;
    if (!parse_count(text, count)) return rangeMessage(id);
    editCount(count);
    return validate(id);
  }
  double value = 0.0;
  if (!hostdbDisToF(text, value)) return rangeMessage(id);
  switch (id) {
    case id_height: editHeight(value); break;
    case id_width: editWidth(value); break;
    case id_gutter: editGutter(value); break;
    case id_total: editTotal(value); break;
    default: return OdString();
  }
  return validate(id);
}

OdString CMTextColumnsDlg::onOK() const {
  for (const edit_field& f : edit_fields)
    if (isEnabled(f.id))
      if (OdString message = validate(f.id); !message.isEmpty()) return message;
  return OdString();
}

std::vector<OdString> CMTextColumnsDlg::fieldNames() const {
  std::vector<OdString> names{u"type", u"auto_height"};
  for (const edit_field& f : edit_fields) names.emplace_back(f.name);
  return names;
}

OdString CMTextColumnsDlg::fieldValue(const OdString& field) const {
  if (field.iCompare(u"type") == 0) return type_names[static_cast<std::size_t>(m_values.type)];
  if (field.iCompare(u"auto_height") == 0) return m_values.auto_height ? u"yes" : u"no";
  if (const edit_field* f = edit_field_named(field)) return fieldText(f->id);
  return OdString();
}

OdString CMTextColumnsDlg::setFieldValue(const OdString& field, const OdString& value) {
  if (field.iCompare(u"type") == 0) {
    const int type = type_of_text(value);
    if (type < 0) return u"type is none, static or dynamic";
    setType(type);
    return OdString();
  }
  const edit_field* f = edit_field_named(field);
  const int id = field.iCompare(u"auto_height") == 0 ? id_auto_height : f ? f->id : 0;
  if (id == 0) return u"The column dialog has the fields type, auto_height, count, height, width, gutter and total";
  // A disabled control takes no input.
  if (!isEnabled(id)) return field + u" is disabled for " + type_names[static_cast<std::size_t>(m_values.type)] + u" columns";
  if (id != id_auto_height) return enterText(id, value);
  bool on = false;
  if (!parse_flag(value, on)) return u"auto_height is yes or no";
  setAutoHeight(on);
  return OdString();
}

extern "C" bool ShowMTextColumnsDlg(int* type, bool* auto_height, int* count, double* height, double* width,
                                    double* gutter, double* total, double* text_height) {
  if (!type || !auto_height || !count || !height || !width || !gutter || !total || !text_height) return false;
  IHostDialogs* dialogs = hostDialogs();
  if (!dialogs) return false;
  CMTextColumnsDlg dialog({*type, *auto_height, *count, *height, *width, *gutter, *total, *text_height});
  if (dialogs->showDialog(dialog) != IDOK) return false;
  const column_dialog_values& v = dialog.values();
  *type = v.type;
  *auto_height = v.auto_height;
  *count = v.count;
  *height = v.height;
  *width = v.width;
  *gutter = v.gutter;
  *total = v.total;
  *text_height = v.text_height;
  return true;
}
