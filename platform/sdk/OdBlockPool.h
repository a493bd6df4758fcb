// A per-thread pool of small blocks, for the objects a text is made of by
// the hundred thousand: its parts (a laid-out text has one per character)
// and the attributes of their text styles.
//
// Taking blocks of a few sizes, carved from large slabs, costs a few
// instructions and no per-block header; a dropped block is kept for the next
// object of its size. The pool never gives memory back: it stays at the
// largest size the thread's texts ever took. Under AddressSanitizer the
// ordinary heap serves instead, so that use after free is still caught.
#pragma once

#include <cstddef>

namespace od_block_pool {

void* allocate(std::size_t size);
void release(void* block, std::size_t size) noexcept;
// Bytes of this thread's blocks in use now (blocks of a size, so slightly
// more than the objects' own sizes).
std::size_t bytes_in_use();
// Bytes of the slabs this thread's pool took from the heap.
std::size_t bytes_in_slabs();

}  // namespace od_block_pool
