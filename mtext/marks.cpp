#include "mtext/marks.h"

#include <algorithm>
#include <stdexcept>

#include "platform/sdk/OdDbField.h"

namespace mtext::marks {

field::field(position b, position e, OdSmartPtr<OdDbField> object)
    : solid(b, e, true), field_object(std::move(object)) {}

field::field(const field& other) = default;

numbering::numbering(position b, position e, std::vector<numbering_index> given)
    : solid(b, e, false), indices(std::move(given)) {
  if (indices.empty()) throw std::invalid_argument("mtext::marks::numbering: indices must not be empty");
}

field::~field() = default;

std::vector<const selection*> selections_of(const mark_vector& marks) {
  std::vector<const selection*> found;
  for (const mark& m : marks)
    if (const auto* s = dynamic_cast<const selection*>(&m)) found.push_back(s);
  return found;
}

std::vector<selection*> selections_of(mark_vector& marks) {
  std::vector<selection*> found;
  for (mark& m : marks)
    if (auto* s = dynamic_cast<selection*>(&m)) found.push_back(s);
  return found;
}

void merge_selections(const std::vector<const selection*>& given, mark_vector& marks) {
  if (given.empty()) return;
  std::vector<const selection*> sorted = given;
  std::stable_sort(sorted.begin(), sorted.end(),
                   [](const selection* a, const selection* b) { return a->begin < b->begin; });
  selection group = *sorted.front();
  for (std::size_t i = 1; i < sorted.size(); ++i) {
    const selection& s = *sorted[i];
    if (s.begin < group.end) {
      group.end = std::max(group.end, s.end);
    } else if (!(s.empty() && s.begin == group.end)) {
      marks.push_back(new selection(group));
      group = s;
    }
  }
  marks.push_back(new selection(group));
}

void merge_selections(const std::vector<selection>& given, mark_vector& marks) {
  std::vector<const selection*> pointers;
  for (const selection& s : given) pointers.push_back(&s);
  merge_selections(pointers, marks);
}

namespace {

// Takes the selections out of `marks`, keeping the other marks in order.
std::vector<selection> take_selections(mark_vector& marks) {
  std::vector<selection> taken;
  for (auto it = marks.begin(); it != marks.end();) {
    if (const auto* s = dynamic_cast<const selection*>(&*it)) {
      taken.push_back(*s);
      it = marks.erase(it);
    } else {
      ++it;
    }
  }
  return taken;
}

// Where a caret at `p` goes when a solid mark holds it.
position out_of_solids(position p, const mark_vector& marks) {
  for (const mark& m : marks) {
    const auto* s = dynamic_cast<const solid*>(&m);
    if (!s || !(s->begin <= p && p < s->end)) continue;
    if (!s->open_begin && s->begin == 0) return s->end;
    const position lower = s->open_begin ? s->begin : s->begin - 1;
    const position upper = s->end;
    if (p <= lower) return p;  // resting on an open begin
    return (p - lower < upper - p) ? lower : upper;
  }
  return p;
}

}  // namespace

mark_vector& merge_selections(mark_vector& marks) {
  merge_selections(take_selections(marks), marks);
  return marks;
}

void set_selections(const std::vector<const selection*>& given, mark_vector& marks) {
  take_selections(marks);
  for (const selection* s : given) marks.push_back(new selection(*s));
  slide_selections(marks);
}

void set_selections(const std::vector<selection>& given, mark_vector& marks) {
  std::vector<const selection*> pointers;
  for (const selection& s : given) pointers.push_back(&s);
  set_selections(pointers, marks);
}

void slide_selections(mark_vector& marks) {
  for (mark& m : marks) {
    auto* s = dynamic_cast<selection*>(&m);
    if (!s) continue;
    const bool flag = s->flag;
    const position anchor = out_of_solids(s->anchor(), marks);
    *s = selection(anchor, s->head());
    const position head = out_of_solids(s->head(), marks);
    *s = selection(anchor, head);
    s->flag = flag;
  }
}

}  // namespace mtext::marks
