// Marks: ranges of positions anchored in a laid-out text (selections and
// carets, fields, list numbers), and the functions that keep selections
// well formed.
//
// Positions are part indices: position i lies before part i. The container
// moves marks when parts come and go; nothing else adjusts them.
#pragma once

#include <cstdint>
#include <vector>

#include <boost/ptr_container/ptr_vector.hpp>

#include "platform/sdk/OdSmartPtr.h"

class OdDbField;

namespace mtext::marks {

using position = std::uint32_t;

class mark {
public:
  mark(position b, position e) : begin(b), end(e) {}
  virtual ~mark() = default;
  virtual mark* clone() const { return new mark(*this); }

  position begin;
  position end;

protected:
  mark(const mark&) = default;
  mark& operator=(const mark&) = default;
};

inline mark* new_clone(const mark& m) { return m.clone(); }

// A selection; a caret is an empty one. Its anchor is `end` when reversed,
// else `begin`; its head (where the caret blinks) is the other end.
class selection : public mark {
public:
  selection(position anchor, position head)
      : mark(std::min(anchor, head), std::max(anchor, head)), reversed(head < anchor), flag(false) {}
  selection(const selection&) = default;
  selection& operator=(const selection&) = default;
  mark* clone() const override { return new selection(*this); }

  position anchor() const { return reversed ? end : begin; }
  position head() const { return reversed ? begin : end; }
  bool empty() const { return begin == end; }

  bool reversed;
  bool flag;  // carried along; the library gives it no meaning
};

// A range a caret must not enter.
class solid : public mark {
public:
  solid(position b, position e, bool open) : mark(b, e), open_begin(open) {}
  mark* clone() const override { return new solid(*this); }

  bool open_begin;  // a caret may rest at `begin`

protected:
  solid(const solid&) = default;
};

// The characters of a field's displayed value.
class field : public solid {
public:
  field(position b, position e, OdSmartPtr<OdDbField> object);
  field(const field& other);
  ~field() override;
  mark* clone() const override { return new field(*this); }

  OdSmartPtr<OdDbField> field_object;
};

// One level of a list item's number.
struct numbering_index {
  std::uint32_t value = 0;     // the counter value shown
  std::uint32_t kind = 0;      // 0 decimal, 1 lower-case letters, 2 upper-case letters, 3 bullet
  std::uint32_t alphabet = 0;  // the alphabet's index in the dictionary, for letters
};

enum : std::uint32_t { numbering_decimal = 0, numbering_lower = 1, numbering_upper = 2, numbering_bullet = 3 };

// The generated number or bullet of a list item with the tab after it; a
// caret never rests at its begin.
class numbering : public solid {
public:
  // Throws std::invalid_argument when `indices` is empty.
  numbering(position b, position e, std::vector<numbering_index> indices);
  mark* clone() const override { return new numbering(*this); }

  std::uint32_t list = 0;                // the list it belongs to
  std::uint32_t level = 0;               // depth beyond the number of indices
  std::vector<numbering_index> indices;  // outermost first, never empty
};

using mark_vector = boost::ptr_vector<mark, boost::heap_clone_allocator>;

// Merges overlapping selections and appends the result to `marks` in begin order.
void merge_selections(const std::vector<const selection*>& selections, mark_vector& marks);
void merge_selections(const std::vector<selection>& selections, mark_vector& marks);
// Merges the selections among `marks` in place.
mark_vector& merge_selections(mark_vector& marks);

// Replaces every selection of `marks` by copies of the given ones, then slides them.
void set_selections(const std::vector<const selection*>& selections, mark_vector& marks);
void set_selections(const std::vector<selection>& selections, mark_vector& marks);

// Moves selection ends out of solid marks.
void slide_selections(mark_vector& marks);

// The selections among `marks`, in vector order.
std::vector<const selection*> selections_of(const mark_vector& marks);
// The same, to change in place; the pointers stay valid while parts are
// inserted and erased (the vector owns the marks and only reorders them).
std::vector<selection*> selections_of(mark_vector& marks);

}  // namespace mtext::marks
