// The persistent sequence of part numbers an undo snapshot holds: immutable
// chunks of a few dozen numbers under a tree of small fan-out whose leaves
// all lie at one depth. A sequence made from another by `splice` shares
// every chunk and node the change did not reach with it; only the chunks
// the change touched and the nodes on the paths to them are new.
//
// Chunks and nodes count their holders without atomics: the sequences of
// one history belong to one thread, as the text they copy does.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>

#include "mtext/geom_multitext.h"

namespace editor {

using mtext::position;
// A part's number in the tables of its history (snapshot_tables.h).
using cell_index = std::uint32_t;

struct tree_item;

class cell_sequence {
public:
  cell_sequence() = default;
  cell_sequence(const cell_sequence& other);
  cell_sequence(cell_sequence&& other) noexcept;
  cell_sequence& operator=(const cell_sequence& other);
  cell_sequence& operator=(cell_sequence&& other) noexcept;
  ~cell_sequence();

  position size() const { return m_size; }
  // Calls `visit` with every chunk's numbers, in order.
  void for_each_chunk(const std::function<void(std::span<const cell_index>)>& visit) const;
  // Heap bytes of the chunks and nodes no other sequence holds.
  std::size_t owned_bytes() const;
  // Throws ensure_error when a node's counts, fan-out or depth, or a chunk's
  // size, breaks the tree's rules.
  void check_invariant() const;

private:
  friend cell_sequence splice(const cell_sequence&, position, position, position,
                              const std::function<cell_index(position)>&);
  const tree_item* m_root = nullptr;  // null: empty
  position m_size = 0;
};

// The sequence of `size` numbers whose first `first` and last `tail` are
// `base`'s and whose others are `cell_at(i)`. The chunks of `base` lying
// wholly in those two stretches are shared; a chunk that straddles their
// edge is rebuilt, asking `cell_at` for its kept numbers too, which must
// therefore be the same as `base`'s. Throws std::invalid_argument when the
// stretches do not fit both sizes.
cell_sequence splice(const cell_sequence& base, position first, position tail, position size,
                     const std::function<cell_index(position)>& cell_at);

}  // namespace editor
