#include "editor/text_snapshot.h"

#include <algorithm>
#include <bit>
#include <stdexcept>
#include <typeinfo>

#include "platform/sdk/OdDbField.h"

namespace editor {

namespace {

using namespace mtext;

bool same_bits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool identical(const convert_info& a, const convert_info& b) {
  return same_bits(a.column_width, b.column_width) && same_bits(a.gutter, b.gutter) &&
         a.column_kind == b.column_kind &&
         std::equal(a.column_heights.begin(), a.column_heights.end(), b.column_heights.begin(),
                    b.column_heights.end(), same_bits) &&
         same_bits(a.text_height, b.text_height) && a.horizontal == b.horizontal && a.vertical == b.vertical &&
         a.line_spacing_style == b.line_spacing_style && same_bits(a.line_spacing, b.line_spacing) &&
         a.layout_mode == b.layout_mode;
}

bool same_mark(const marks::mark& a, const marks::mark& b) {
  if (typeid(a) != typeid(b) || a.begin != b.begin || a.end != b.end) return false;
  if (const auto* s = dynamic_cast<const marks::selection*>(&a)) {
    const auto& t = static_cast<const marks::selection&>(b);
    return s->reversed == t.reversed && s->flag == t.flag;
  }
  const auto* s = dynamic_cast<const marks::solid*>(&a);
  if (!s) return true;
  if (s->open_begin != static_cast<const marks::solid&>(b).open_begin) return false;
  if (const auto* f = dynamic_cast<const marks::field*>(&a))
    return f->field_object.get() == static_cast<const marks::field&>(b).field_object.get();
  if (const auto* n = dynamic_cast<const marks::numbering*>(&a)) {
    const auto& m = static_cast<const marks::numbering&>(b);
    const auto same_index = [](const marks::numbering_index& x, const marks::numbering_index& y) {
      return x.value == y.value && x.kind == y.kind && x.alphabet == y.alphabet;
    };
    return n->list == m.list && n->level == m.level &&
           std::equal(n->indices.begin(), n->indices.end(), m.indices.begin(), m.indices.end(), same_index);
  }
  return true;
}

// A shared_ptr made by make_shared: the object after a control block of two
// counts and a vtable pointer.
template <class T>
constexpr std::size_t shared_bytes = sizeof(T) + 2 * sizeof(int) + sizeof(void*);

std::size_t mark_bytes(const marks::mark& m) {
  if (const auto* n = dynamic_cast<const marks::numbering*>(&m))
    return sizeof(marks::numbering) + n->indices.capacity() * sizeof(marks::numbering_index);
  if (dynamic_cast<const marks::field*>(&m)) return sizeof(marks::field);
  if (dynamic_cast<const marks::solid*>(&m)) return sizeof(marks::solid);
  if (dynamic_cast<const marks::selection*>(&m)) return sizeof(marks::selection);
  return sizeof(marks::mark);
}

}  // namespace

text_snapshot take_snapshot(snapshot_tables& tables, const geom_multitext& text, const text_snapshot& base,
                            const change_span& since_base, list_numbers list_numbers) {
  if (since_base.empty() && text.size() != base.size())
    throw std::invalid_argument("editor::take_snapshot: the text changed size yet records no change");
  const position first = since_base.empty() ? text.size() : since_base.first;
  const position tail = since_base.empty() ? 0 : since_base.tail;

  text_snapshot s;
  s.m_cells = splice(base.m_cells, first, tail, text.size(),
                     [&](position i) { return tables.intern(text.parts[i]); });
  s.m_added_bytes = s.m_cells.owned_bytes();

  if (base.m_formats && identical(base.m_formats->paragraph, text.paragraph) &&
      identical(base.m_formats->info, text.info)) {
    s.m_formats = base.m_formats;
  } else {
    s.m_formats = std::make_shared<const text_snapshot::text_formats>(text.paragraph, text.info);
    s.m_added_bytes += shared_bytes<text_snapshot::text_formats> +
                       text.paragraph.tabs.capacity() * sizeof(format::tab_stop) +
                       text.info.column_heights.capacity() * sizeof(double);
  }

  marks::mark_vector kept;
  for (const marks::mark& m : text.marks)
    if (list_numbers == keep_list_numbers || !dynamic_cast<const marks::numbering*>(&m)) kept.push_back(m.clone());
  if (base.m_marks && std::equal(base.m_marks->begin(), base.m_marks->end(), kept.begin(), kept.end(), same_mark)) {
    s.m_marks = base.m_marks;
  } else {
    auto copy = std::make_shared<const marks::mark_vector>(std::move(kept));
    s.m_added_bytes += shared_bytes<marks::mark_vector> + copy->size() * sizeof(void*);
    for (const marks::mark& m : *copy) s.m_added_bytes += mark_bytes(m);
    s.m_marks = std::move(copy);
  }
  return s;
}

text_snapshot take_snapshot(snapshot_tables& tables, const geom_multitext& text, list_numbers list_numbers) {
  return take_snapshot(tables, text, text_snapshot(), change_span{0, 0}, list_numbers);
}

void restore(const text_snapshot& snapshot, const snapshot_tables& tables, geom_multitext& text) {
  geom_multitext restored;
  if (snapshot.m_formats) {
    restored.paragraph = snapshot.m_formats->paragraph;
    restored.info = snapshot.m_formats->info;
  }
  if (snapshot.m_marks) restored.marks = *snapshot.m_marks;
  restored.parts.reserve(snapshot.size());
  snapshot.m_cells.for_each_chunk([&](std::span<const cell_index> cells) {
    for (const cell_index c : cells) restored.parts.push_back(tables.make_part(c));
  });
  restored.refresh_snapshot();
  text = std::move(restored);
}

}  // namespace editor
