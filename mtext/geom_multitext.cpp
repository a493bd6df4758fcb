#include "mtext/geom_multitext.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

#include "platform/sdk/OdDbField.h"

namespace mtext {

void change_span::add(position at, position unchanged_tail, position size, bool paragraphs_changed) {
  first = std::min(first, at);
  tail = std::min({tail, unchanged_tail, size - first});
  paragraphs = paragraphs || paragraphs_changed;
}

bool geom_multitext::has_paragraphs(position at, position count) const {
  for (position i = at; i < at + count && i < size(); ++i)
    if (parts[i].type() == new_paragraph_type) return true;
  for (const marks::mark& m : marks)
    if (m.begin < at + count && at < m.end && dynamic_cast<const marks::numbering*>(&m)) return true;
  return false;
}

geom_multitext::geom_multitext() { paragraph.extended = true; }

geom_multitext::geom_multitext(const geom_multitext& other)
    : paragraph(other.paragraph),
      parts(other.parts),
      lines(other.lines),
      info(other.info),
      columns(other.columns),
      marks(other.marks),
      snapshot_index(other.snapshot_index),
      part_index(other.part_index),
      changes_(other.changes_) {
  snapshot.refresh(parts);
}

geom_multitext::geom_multitext(geom_multitext&& other) noexcept
    : paragraph(std::move(other.paragraph)),
      parts(std::move(other.parts)),
      lines(std::move(other.lines)),
      info(std::move(other.info)),
      columns(std::move(other.columns)),
      marks(std::move(other.marks)),
      snapshot_index(std::move(other.snapshot_index)),
      part_index(std::move(other.part_index)),
      changes_(other.changes_) {
  snapshot.refresh(parts);
  other.snapshot.refresh(other.parts);
}

geom_multitext& geom_multitext::operator=(const geom_multitext& other) {
  if (this != &other) *this = geom_multitext(other);
  return *this;
}

geom_multitext& geom_multitext::operator=(geom_multitext&& other) noexcept {
  if (this == &other) return *this;
  paragraph = std::move(other.paragraph);
  parts = std::move(other.parts);
  lines = std::move(other.lines);
  info = std::move(other.info);
  columns = std::move(other.columns);
  marks = std::move(other.marks);
  snapshot_index = std::move(other.snapshot_index);
  part_index = std::move(other.part_index);
  // A text replaced wholesale changed everywhere.
  changes_ = change_span{0, 0, true};
  snapshot.refresh(parts);
  other.snapshot.refresh(other.parts);
  return *this;
}

void geom_multitext::refresh_snapshot() {
  snapshot.refresh(parts);
  snapshot_index.reset(parts.size());
  part_index.reset(parts.size());
}

void geom_multitext::shift_marks_for_insert(position at, position count) {
  for (marks::mark& m : marks) {
    if (m.begin >= at) {
      m.begin += count;
      m.end += count;
    } else if (m.end > at) {
      m.end += count;
    }
  }
}

void geom_multitext::append_without_snapshot(geom_multitext& other) {
  other.shift_marks_for_insert(0, size());
  marks.transfer(marks.end(), other.marks);
  marks.sort([](const marks::mark& a, const marks::mark& b) { return a.begin < b.begin; });
  parts.transfer(parts.end(), other.parts);
}

geom_multitext& geom_multitext::insert(position at, geom_multitext& other) {
  if (at > size()) throw std::invalid_argument("geom_multitext::insert: invalid position");
  other.shift_marks_for_insert(0, at);
  shift_marks_for_insert(at, other.size());
  // Shifting keeps the marks in order; only marks coming in need a place.
  if (!other.marks.empty()) {
    marks.transfer(marks.end(), other.marks);
    marks.sort([](const marks::mark& a, const marks::mark& b) { return a.begin < b.begin; });
  }
  const position count = other.size();
  const bool paragraphs = other.has_paragraphs(0, count);
  parts.transfer(parts.begin() + at, other.parts);
  changes_.add(at, size() - at - count, size(), paragraphs);
  refresh_snapshot();
  other.refresh_snapshot();
  return *this;
}

geom_multitext& geom_multitext::insert(position at, const geom_multitext& other) {
  geom_multitext copy = other;
  return insert(at, copy);
}

void geom_multitext::validate_range(position at, position count) const {
  if (at > size() || count > size() - at)
    throw std::invalid_argument("geom_multitext::erase: invalid positions");
}

void geom_multitext::shift_marks_for_erase(position at, position count) {
  const position end = at + count;
  for (marks::mark& m : marks) {
    if (m.begin >= at) {
      m.begin = std::max(m.begin, end) - count;
      m.end = std::max(m.end, end) - count;
    } else if (m.end > at) {
      m.end = std::max(m.end, end) - count;
    }
  }
}

void geom_multitext::drop_empty_solids() {
  marks.erase_if([](const marks::mark& m) {
    return m.begin == m.end && dynamic_cast<const marks::solid*>(&m) != nullptr;
  });
}

geom_multitext& geom_multitext::erase(position at, position count, bool drop_empty) {
  if (count == to_the_end && at <= size()) count = size() - at;
  validate_range(at, count);
  const bool paragraphs = has_paragraphs(at, count);
  parts.erase(parts.begin() + at, parts.begin() + at + count);
  changes_.add(at, size() - at, size(), paragraphs);
  shift_marks_for_erase(at, count);
  if (drop_empty) drop_empty_solids();
  refresh_snapshot();
  return *this;
}

geom_multitext& geom_multitext::erase(const marks::mark& range, bool drop_empty) {
  return erase(range.begin, range.end - range.begin, drop_empty);
}

geom_multitext geom_multitext::slice(position at, position count) const {
  if (count == to_the_end && at <= size()) count = size() - at;
  validate_range(at, count);
  geom_multitext result = *this;
  const position end = at + count;
  result.parts.erase(result.parts.begin() + end, result.parts.end());
  result.shift_marks_for_erase(end, size() - end);
  result.parts.erase(result.parts.begin(), result.parts.begin() + at);
  result.shift_marks_for_erase(0, at);
  result.drop_empty_solids();
  result.refresh_snapshot();
  return result;
}

void geom_multitext::verify_mark(const marks::mark& m) const {
  if (m.begin > size() || m.end > size())
    throw std::invalid_argument("geom_multitext::verify_mark: mark doesn't belong to multitext");
}

void geom_multitext::verify_elem(position at) const {
  if (at > size())
    throw std::invalid_argument("geom_multitext::verify_elem: at doesn't belong to multitext");
}

geom_multitext line(const geom_multitext& text, std::size_t index) {
  if (index >= text.lines.size())
    throw std::invalid_argument("geom_multitext::line: mtext has not enough lines");
  const line_record& record = text.lines[index];
  position end = record.end;
  if (end > record.begin) {
    const std::uint32_t last = text.parts[end - 1].type();
    if (last == new_line_type || last == new_paragraph_type) --end;
  }
  geom_multitext result = text.slice(record.begin, end - record.begin);
  line_record own = record;
  own.begin = 0;
  own.end = record.end - record.begin;
  result.lines.assign(1, own);
  result.columns.clear();
  return result;
}

namespace {

const marks::field* field_at(const geom_multitext& text, position i) {
  for (const marks::mark& m : text.marks)
    if (const auto* f = dynamic_cast<const marks::field*>(&m); f && f->begin <= i && i < f->end)
      return f;
  return nullptr;
}

// A plain logical copy of the logical side of a laid-out part.
mtext::part* logical_copy(const mtext::part& p) {
  switch (p.type()) {
    case string_type: return new string(part_cast<string>(p));
    case spaces_type: return new spaces(part_cast<spaces>(p));
    case tab_type: return new tab(part_cast<tab>(p));
    case new_line_type: return new new_line(part_cast<new_line>(p));
    case stack_type: return new stack(part_cast<stack>(p));
    case new_paragraph_type: return new new_paragraph(part_cast<new_paragraph>(p));
    default: return p.clone();
  }
}

}  // namespace

multitext flatten(const geom_multitext& text) {
  multitext result;
  result.paragraph = text.paragraph;
  for (position i = 0; i < text.size();) {
    const mtext::part& p = text.parts[i].part();
    if (const marks::field* f = field_at(text, i)) {
      result.parts.push_back(new field(p.format, f->field_object));
      i = f->end;
      continue;
    }
    result.parts.push_back(logical_copy(p));
    ++i;
  }
  return result;
}

}  // namespace mtext
