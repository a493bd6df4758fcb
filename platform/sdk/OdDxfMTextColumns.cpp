#include "platform/sdk/OdDxfMTextColumns.h"

#include <cmath>
#include <string>

#include "platform/sdk/OdDbHandle.h"
#include "platform/sdk/OdDxfRecord.h"
#include "platform/sdk/OdDxfValue.h"

namespace {

const char* const kSections[] = {"ACAD_MTEXT_COLUMN_INFO", "ACAD_MTEXT_COLUMNS", "ACAD_MTEXT_DEFINED_HEIGHT"};

std::string trimmed(const std::string& value) {
  const auto first = value.find_first_not_of(" \t\r");
  return first == std::string::npos ? std::string() : value.substr(first, value.find_last_not_of(" \t\r") - first + 1);
}

OdDbMText::ColumnType column_type(long long value) {
  return value == 1 ? OdDbMText::kStaticColumns : value == 2 ? OdDbMText::kDynamicColumns : OdDbMText::kNoColumns;
}

// The range of the "ACAD" extended data after its 1001 tag; nothing when
// the record has none (an empty group at the record's end is still one).
std::optional<od_dxf_part> acad_xdata(const OdDxfTags& tags) {
  for (std::size_t i = 0; i < tags.size(); ++i) {
    if (tags[i].code != 1001 || trimmed(tags[i].value) != "ACAD") continue;
    std::size_t end = i + 1;
    while (end < tags.size() && tags[end].code != 1001) ++end;
    return od_dxf_part{i + 1, end};
  }
  return std::nullopt;
}

// The tags between NAME_BEGIN and NAME_END in the range; nothing when
// there is no BEGIN. A damaged section without its END runs to the end of
// the range, so it is read and replaced whole rather than left behind.
struct xdata_section {
  std::size_t begin, end;  // the tags inside
  bool closed;             // an END tag follows them
};

std::optional<xdata_section> section(const OdDxfTags& tags, const od_dxf_part& range, const std::string& name) {
  for (std::size_t i = range.begin; i < range.end; ++i) {
    if (tags[i].code != 1000 || trimmed(tags[i].value) != name + "_BEGIN") continue;
    for (std::size_t j = i + 1; j < range.end; ++j)
      if (tags[j].code == 1000 && trimmed(tags[j].value) == name + "_END") return xdata_section{i + 1, j, true};
    return xdata_section{i + 1, range.end, false};
  }
  return std::nullopt;
}

// The embedded object's 101 tag among the record's own tags (extended data
// may hold anything), or nothing.
std::optional<std::size_t> embedded_marker(const OdDxfTags& record) {
  const od_dxf_part body = odDxfBody(record);
  for (std::size_t i = body.begin; i < body.end; ++i)
    if (record[i].code == 101) return i;
  return std::nullopt;
}

double real_of(const OdDxfTag& tag) { return odDxfParseDouble(tag.value).value_or(0.0); }
long long int_of(const OdDxfTag& tag) { return odDxfParseInt(tag.value).value_or(0); }

// Column info is a list of (1070 code, value) pairs; code 50 is followed by that many 1040 heights.
void read_column_info(const OdDxfTags& tags, const od_dxf_part& info, od_mtext_columns& columns) {
  for (std::size_t i = info.begin; i + 1 < info.end; i += 2) {
    const long long code = int_of(tags[i]);
    const OdDxfTag& value = tags[i + 1];
    switch (code) {
      case 75: columns.type = column_type(int_of(value)); break;
      case 79: columns.autoHeight = int_of(value) != 0; break;
      case 76: columns.count = static_cast<int>(int_of(value)); break;
      case 78: columns.flowReversed = int_of(value) != 0; break;
      case 48: columns.width = real_of(value); break;
      case 49: columns.gutter = real_of(value); break;
      case 50:
        for (long long n = int_of(value); n > 0 && i + 2 < info.end && tags[i + 2].code == 1040; --n, ++i)
          columns.heights.push_back(real_of(tags[i + 2]));
        break;
      default: break;
    }
  }
}

bool manual_heights(const od_mtext_columns& columns) {
  return columns.type == OdDbMText::kDynamicColumns && !columns.autoHeight;
}

void push(OdDxfTags& tags, int code, const std::string& value) { tags.push_back({code, value, 0}); }
void push(OdDxfTags& tags, int code, long long value) { push(tags, code, odDxfFormatInt(value)); }
void push_real(OdDxfTags& tags, int code, double value) { push(tags, code, odDxfFormatDouble(value)); }
void push_point(OdDxfTags& tags, int code, double x, double y, double z) {
  push_real(tags, code, x);
  push_real(tags, code + 10, y);
  push_real(tags, code + 20, z);
}

OdDxfTags xdata_sections(const od_mtext_columns& columns) {
  OdDxfTags tags;
  if (columns.type != OdDbMText::kNoColumns) {
    push(tags, 1000, std::string("ACAD_MTEXT_COLUMN_INFO_BEGIN"));
    const std::pair<long long, long long> flags[] = {
        {75, columns.type}, {79, columns.autoHeight}, {76, columns.count}, {78, columns.flowReversed}};
    for (const auto& [code, value] : flags) {
      push(tags, 1070, code);
      push(tags, 1070, value);
    }
    push(tags, 1070, 48LL);
    push_real(tags, 1040, columns.width);
    push(tags, 1070, 49LL);
    push_real(tags, 1040, columns.gutter);
    if (manual_heights(columns)) {
      push(tags, 1070, 50LL);
      push(tags, 1070, static_cast<long long>(columns.heights.size()));
      for (double height : columns.heights) push_real(tags, 1040, height);
    }
    push(tags, 1000, std::string("ACAD_MTEXT_COLUMN_INFO_END"));
    push(tags, 1000, std::string("ACAD_MTEXT_COLUMNS_BEGIN"));
    push(tags, 1070, 47LL);
    push(tags, 1070, static_cast<long long>(columns.count));
    for (std::uint64_t handle : columns.linkedColumns) push(tags, 1005, OdDbHandle(handle).ascii().toUtf8());
    push(tags, 1000, std::string("ACAD_MTEXT_COLUMNS_END"));
  }
  if (columns.definedHeight) {
    push(tags, 1000, std::string("ACAD_MTEXT_DEFINED_HEIGHT_BEGIN"));
    push(tags, 1070, 46LL);
    push_real(tags, 1040, *columns.definedHeight);
    push(tags, 1000, std::string("ACAD_MTEXT_DEFINED_HEIGHT_END"));
  }
  return tags;
}

}  // namespace

od_mtext_columns odDxfColumnsOf(const OdDbMText& mtext) {
  od_mtext_columns columns;
  columns.type = mtext.getColumnType();
  columns.count = mtext.getColumnCount();
  columns.width = mtext.getColumnWidth();
  columns.gutter = mtext.getColumnGutterWidth();
  columns.autoHeight = mtext.getColumnAutoHeight();
  columns.flowReversed = mtext.getColumnFlowReversed();
  if (manual_heights(columns))
    for (int i = 0; i < columns.count; ++i) columns.heights.push_back(mtext.getColumnHeight(i));
  return columns;
}

void odDxfApplyColumns(const od_mtext_columns& columns, OdDbMText& mtext) {
  mtext.setColumnType(columns.type);
  mtext.setColumnCount(std::max(1, columns.count));
  mtext.setColumnWidth(std::max(0.0, columns.width));
  mtext.setColumnGutterWidth(std::max(0.0, columns.gutter));
  mtext.setColumnAutoHeight(columns.autoHeight);
  mtext.setColumnFlowReversed(columns.flowReversed);
  for (std::size_t i = 0; i < columns.heights.size() && i < static_cast<std::size_t>(mtext.getColumnCount()); ++i)
    mtext.setColumnHeight(static_cast<int>(i), columns.heights[i]);
}

bool odDxfSameColumns(const od_mtext_columns& a, const od_mtext_columns& b) {
  if (a.type != b.type) return false;
  if (a.type == OdDbMText::kNoColumns) return true;
  if (std::max(1, a.count) != std::max(1, b.count) || !odDxfSameDouble(a.width, b.width) ||
      !odDxfSameDouble(a.gutter, b.gutter) || a.autoHeight != b.autoHeight || a.flowReversed != b.flowReversed)
    return false;
  if (!manual_heights(a)) return true;
  for (std::size_t i = 0; i < static_cast<std::size_t>(std::max(1, a.count)); ++i) {
    const double ha = i < a.heights.size() ? a.heights[i] : 0.0, hb = i < b.heights.size() ? b.heights[i] : 0.0;
    if (!odDxfSameDouble(ha, hb)) return false;
  }
  return true;
}

std::optional<od_mtext_columns> odDxfReadEmbeddedColumns(const OdDxfTags& record) {
  const std::optional<std::size_t> marker = embedded_marker(record);
  if (!marker) return std::nullopt;
  const std::size_t begin = *marker + 1;
  std::size_t end = begin;
  while (end < record.size() && record[end].code != 1001 && record[end].code != 100 && record[end].code != 101) ++end;
  od_mtext_columns columns;
  double totalWidth = 0.0;
  for (std::size_t i = begin; i < end; ++i) {
    const OdDxfTag& tag = record[i];
    switch (tag.code) {
      case 71: columns.type = column_type(int_of(tag)); break;
      case 72: columns.count = static_cast<int>(int_of(tag)); break;
      case 44: columns.width = real_of(tag); break;
      case 45: columns.gutter = real_of(tag); break;
      case 73: columns.autoHeight = int_of(tag) != 0; break;
      case 74: columns.flowReversed = int_of(tag) != 0; break;
      case 46: columns.heights.push_back(real_of(tag)); break;
      case 41: columns.definedHeight = real_of(tag); break;
      case 42: totalWidth = real_of(tag); break;
      default: break;
    }
  }
  // Dynamic columns with automatic height store no count: it follows from the total width.
  if (columns.count <= 0) {
    const double step = columns.width + columns.gutter;
    columns.count = !columns.heights.empty() ? static_cast<int>(columns.heights.size())
                    : step > 1e-9            ? std::max(1, static_cast<int>(std::lround((totalWidth + columns.gutter) / step)))
                                             : 1;
  }
  return columns;
}

void odDxfWriteEmbeddedColumns(OdDxfTags& record, const OdDbMText& mtext) {
  std::size_t begin = record.size(), end = record.size();
  if (const std::optional<std::size_t> marker = embedded_marker(record)) {
    begin = *marker;
    end = begin + 1;
    while (end < record.size() && record[end].code != 1001 && record[end].code != 100) ++end;
  } else {
    begin = end = odDxfBody(record).end;
  }
  const od_mtext_columns columns = odDxfColumnsOf(mtext);
  OdDxfTags block;
  if (columns.type != OdDbMText::kNoColumns) {
    const int count = std::max(1, columns.count);
    const double totalWidth = count * columns.width + (count - 1) * columns.gutter;
    double totalHeight = mtext.height();
    for (double height : columns.heights) totalHeight = std::max(totalHeight, height);
    push(block, 101, std::string("Embedded Object"));
    push(block, 70, 1LL);
    push_point(block, 10, mtext.direction().x, mtext.direction().y, mtext.direction().z);
    push_point(block, 11, mtext.location().x, mtext.location().y, mtext.location().z);
    push_real(block, 40, mtext.width());
    push_real(block, 41, mtext.height());
    push_real(block, 42, totalWidth);
    push_real(block, 43, totalHeight);
    push(block, 71, static_cast<long long>(columns.type));
    const bool autoCount = columns.type == OdDbMText::kDynamicColumns && columns.autoHeight;
    push(block, 72, autoCount ? 0LL : static_cast<long long>(count));
    push_real(block, 44, columns.width);
    push_real(block, 45, columns.gutter);
    push(block, 73, static_cast<long long>(columns.autoHeight));
    push(block, 74, static_cast<long long>(columns.flowReversed));
    for (double height : columns.heights) push_real(block, 46, height);
  }
  record.erase(record.begin() + static_cast<std::ptrdiff_t>(begin), record.begin() + static_cast<std::ptrdiff_t>(end));
  // A damaged record may hold more embedded objects; they go too, or the
  // next reading would take the first of them for this one.
  for (std::size_t i = begin; i < record.size() && record[i].code != 1001;) {
    if (record[i].code != 101) {
      ++i;
      continue;
    }
    std::size_t stop = i + 1;
    while (stop < record.size() && record[stop].code != 1001 && record[stop].code != 100) ++stop;
    record.erase(record.begin() + static_cast<std::ptrdiff_t>(i), record.begin() + static_cast<std::ptrdiff_t>(stop));
  }
  record.insert(record.begin() + static_cast<std::ptrdiff_t>(begin), block.begin(), block.end());
}

std::optional<od_mtext_columns> odDxfReadXDataColumns(const OdDxfTags& record) {
  const od_dxf_part acad = acad_xdata(record).value_or(od_dxf_part{record.size(), record.size()});
  const auto info = section(record, acad, kSections[0]);
  const auto linked = section(record, acad, kSections[1]);
  const auto defined = section(record, acad, kSections[2]);
  if (!info && !linked && !defined) return std::nullopt;
  od_mtext_columns columns;
  if (info) read_column_info(record, od_dxf_part{info->begin, info->end}, columns);
  if (linked)
    for (std::size_t i = linked->begin; i < linked->end; ++i)
      if (record[i].code == 1005) columns.linkedColumns.push_back(odDxfParseHandle(record[i].value));
  if (defined)
    for (std::size_t i = defined->begin; i < defined->end; ++i)
      if (record[i].code == 1040) columns.definedHeight = real_of(record[i]);
  return columns;
}

namespace {

// Removes the column sections from one ACAD group, keeping whatever else
// the application stored there; `acad` shrinks with them.
void drop_column_sections(OdDxfTags& record, od_dxf_part& acad) {
  for (const char* name : kSections)
    if (const auto old = section(record, acad, name)) {
      const std::size_t stop = old->end + (old->closed ? 1 : 0);
      record.erase(record.begin() + static_cast<std::ptrdiff_t>(old->begin - 1),
                   record.begin() + static_cast<std::ptrdiff_t>(stop));
      acad.end -= stop - (old->begin - 1);
    }
}

}  // namespace

void odDxfWriteXDataColumns(OdDxfTags& record, const od_mtext_columns& columns) {
  std::optional<od_dxf_part> found = acad_xdata(record);
  if (!found) {
    record.push_back({1001, "ACAD", 0});
    found = od_dxf_part{record.size(), record.size()};
  }
  od_dxf_part acad = *found;
  drop_column_sections(record, acad);
  // A damaged record may hold a second ACAD group; its column sections go
  // too, or the next reading would take them for this object's.
  for (std::size_t i = acad.end; i < record.size(); ++i)
    if (record[i].code == 1001 && trimmed(record[i].value) == "ACAD") {
      od_dxf_part later{i + 1, i + 1};
      while (later.end < record.size() && record[later.end].code != 1001) ++later.end;
      drop_column_sections(record, later);
    }
  const OdDxfTags fresh = xdata_sections(columns);
  record.insert(record.begin() + static_cast<std::ptrdiff_t>(acad.end), fresh.begin(), fresh.end());
  acad.end += fresh.size();
  if (acad.end == acad.begin) record.erase(record.begin() + static_cast<std::ptrdiff_t>(acad.begin - 1));
}
