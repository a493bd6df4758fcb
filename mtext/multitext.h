// The logical text: the first paragraph's format and a flat sequence of owned,
// polymorphic parts, each carrying its full character format.
#pragma once

#include <cstdint>
#include <string>
#include <typeinfo>

#include <boost/ptr_container/ptr_vector.hpp>

#include "mtext/format.h"
#include "platform/sdk/OdBlockPool.h"
#include "platform/sdk/OdSmartPtr.h"

class OdDbField;

namespace mtext {

enum part_type : std::uint32_t {
  string_type = 0,
  spaces_type = 1,
  tab_type = 2,
  new_line_type = 3,
  stack_type = 4,
  new_paragraph_type = 5,
  field_type = 6,
};

class part {
public:
  explicit part(const format::string& f) : format(f) {}
  virtual ~part() = default;
  virtual std::uint32_t type() const = 0;
  virtual part* clone() const = 0;

  // Parts, laid-out parts included, live in the thread's block pool.
  static void* operator new(std::size_t size) { return od_block_pool::allocate(size); }
  static void operator delete(void* block, std::size_t size) noexcept { od_block_pool::release(block, size); }

  format::string format;

protected:
  part(const part&) = default;
  part& operator=(const part&) = default;
};

// Lets the owning vector copy parts through clone().
inline part* new_clone(const part& p) { return p.clone(); }

// A run of characters; holds no ordinary word separator, only non-breaking
// spaces written "\~".
class string : public part {
public:
  static constexpr std::uint32_t kind_of_part = string_type;
  string(const format::string& f, std::u16string t) : part(f), text(std::move(t)) {}
  std::uint32_t type() const override { return string_type; }
  part* clone() const override { return new string(*this); }
  std::u16string text;
};

class spaces : public part {
public:
  static constexpr std::uint32_t kind_of_part = spaces_type;
  spaces(const format::string& f, std::uint32_t n) : part(f), count(n) {}
  std::uint32_t type() const override { return spaces_type; }
  part* clone() const override { return new spaces(*this); }
  std::uint32_t count;
};

class tab : public part {
public:
  static constexpr std::uint32_t kind_of_part = tab_type;
  explicit tab(const format::string& f) : part(f) {}
  std::uint32_t type() const override { return tab_type; }
  part* clone() const override { return new tab(*this); }
};

class new_line : public part {
public:
  static constexpr std::uint32_t kind_of_part = new_line_type;
  explicit new_line(const format::string& f) : part(f) {}
  std::uint32_t type() const override { return new_line_type; }
  part* clone() const override { return new new_line(*this); }
};

enum : std::uint32_t { stack_slash = 0, stack_tolerance = 1, stack_diagonal = 2 };

// A stacked fraction; its format records the height of the enclosing text.
class stack : public part {
public:
  static constexpr std::uint32_t kind_of_part = stack_type;
  stack(const format::string& f, std::u16string up, std::u16string low, std::uint32_t k)
      : part(f), upper(std::move(up)), lower(std::move(low)), kind(k) {}
  std::uint32_t type() const override { return stack_type; }
  part* clone() const override { return new stack(*this); }
  std::u16string upper;
  std::u16string lower;
  std::uint32_t kind;
};

// Opens a paragraph ("\P") or a paragraph in the next column ("\N").
class new_paragraph : public part {
public:
  static constexpr std::uint32_t kind_of_part = new_paragraph_type;
  new_paragraph(const format::paragraph& p, const format::string& f, bool column)
      : part(f), paragraph(p), column_break(column) {}
  std::uint32_t type() const override { return new_paragraph_type; }
  part* clone() const override { return new new_paragraph(*this); }
  format::paragraph paragraph;
  bool column_break;
};

// A drawing field; copies share the field object.
class field : public part {
public:
  static constexpr std::uint32_t kind_of_part = field_type;
  field(const format::string& f, OdSmartPtr<OdDbField> object);
  field(const field& other);
  ~field() override;
  std::uint32_t type() const override { return field_type; }
  part* clone() const override { return new field(*this); }
  OdSmartPtr<OdDbField> field_object;
};

using part_vector = boost::ptr_vector<part, boost::heap_clone_allocator>;

struct multitext {
  format::paragraph paragraph;
  part_vector parts;
};

// The part as its concrete kind; std::bad_cast when it is another kind.
// The kind number tells, so no run-time type search is needed.
template <class Part>
Part& part_cast(part& p) {
  if (p.type() != Part::kind_of_part) throw std::bad_cast();
  return static_cast<Part&>(p);
}
template <class Part>
const Part& part_cast(const part& p) {
  if (p.type() != Part::kind_of_part) throw std::bad_cast();
  return static_cast<const Part&>(p);
}

}  // namespace mtext
