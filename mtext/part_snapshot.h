// The snapshot a laid-out text keeps of its parts: a deep copy of the parts
// as they are after the latest change of the part sequence.
//
// Nothing in the library reads the snapshot, so it is made when first read:
// keeping it current costs an edit nothing, where copying every part would
// cost each keystroke the whole text. Until then it stands for the parts of
// the text it belongs to, which tells it where they are on every change.
#pragma once

#include <cstddef>
#include <memory>

#include "mtext/geom_part.h"

namespace mtext {

using geom_part_vector = boost::ptr_vector<geom_part, boost::heap_clone_allocator>;

class part_snapshot {
public:
  // The parts changed: `parts` is what the snapshot copies when read.
  void refresh(const geom_part_vector& parts) {
    m_parts = &parts;
    m_size = parts.size();
    m_copy.reset();
  }

  std::size_t size() const { return m_size; }
  bool empty() const { return m_size == 0; }
  const geom_part& operator[](std::size_t i) const { return copy()[i]; }
  geom_part& operator[](std::size_t i) { return copy()[i]; }
  geom_part_vector::const_iterator begin() const { return copy().begin(); }
  geom_part_vector::const_iterator end() const { return copy().end(); }

private:
  geom_part_vector& copy() const {
    if (!m_copy) m_copy = std::make_unique<geom_part_vector>(m_parts ? *m_parts : geom_part_vector());
    return *m_copy;
  }

  const geom_part_vector* m_parts = nullptr;
  std::size_t m_size = 0;
  mutable std::unique_ptr<geom_part_vector> m_copy;
};

}  // namespace mtext
