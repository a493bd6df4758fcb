// Where parts live: a per-thread pool of small blocks.
//
// A text is made of many small parts (a laid-out text has one per
// character), made and dropped together. Taking them from blocks of a few
// sizes, carved from large slabs, costs a few instructions and no per-block
// header; a dropped part's block is kept for the next part of its size. The
// pool never gives memory back: it stays at the largest size the thread's
// texts ever took. Under AddressSanitizer parts use the ordinary heap, so
// that use after free is still caught.
#pragma once

#include <cstddef>

namespace mtext::part_pool {

void* allocate(std::size_t size);
void release(void* block, std::size_t size) noexcept;
// Bytes of this thread's blocks that parts hold now (blocks of a size, so
// slightly more than the parts' own sizes).
std::size_t bytes_in_use();
// Bytes of the slabs this thread's pool took from the heap.
std::size_t bytes_in_slabs();

}  // namespace mtext::part_pool
