#include "platform/sdk/OdBlockPool.h"

#include <new>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#define OD_BLOCK_POOL 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define OD_BLOCK_POOL 0
#endif
#endif
#ifndef OD_BLOCK_POOL
#define OD_BLOCK_POOL 1
#endif

namespace od_block_pool {

namespace {

constexpr std::size_t block_step = 8;          // block sizes are multiples of this
constexpr std::size_t largest_block = 512;     // larger objects use the heap
constexpr std::size_t slab_size = 64 * 1024;

std::size_t block_size(std::size_t size) { return (size + block_step - 1) / block_step * block_step; }

struct free_block {
  free_block* next;
};

struct pool {
  free_block* free[largest_block / block_step + 1] = {};
  char* slab_next = nullptr;
  char* slab_end = nullptr;
  std::size_t in_use = 0;
  std::size_t in_slabs = 0;

  void* take(std::size_t size) {
    free_block*& head = free[size / block_step];
    if (head) {
      free_block* block = head;
      head = block->next;
      // The next block of this size is likely cold: start fetching it now,
      // while this one is being filled.
      if (head) __builtin_prefetch(head, 1);
      return block;
    }
    if (static_cast<std::size_t>(slab_end - slab_next) < size) {
      // What is left of the old slab would serve no block of this size; the
      // slabs are never given back, so the pool needs no list of them.
      slab_next = static_cast<char*>(::operator new(slab_size));
      slab_end = slab_next + slab_size;
      in_slabs += slab_size;
    }
    void* block = slab_next;
    slab_next += size;
    return block;
  }

  void give_back(void* block, std::size_t size) {
    auto* freed = static_cast<free_block*>(block);
    free_block*& head = free[size / block_step];
    freed->next = head;
    head = freed;
  }
};

// One per thread, never destroyed: objects may outlive the thread's exit
// handlers (texts held in statics), and their blocks must stay valid.
pool& this_thread_pool() {
  thread_local pool* p = nullptr;  // constant-initialised: no guard on each use
  if (!p) p = new pool;
  return *p;
}

}  // namespace

void* allocate(std::size_t size) {
  const std::size_t block = block_size(size);
  if (!OD_BLOCK_POOL || block > largest_block) return ::operator new(size);
  pool& p = this_thread_pool();
  p.in_use += block;
  return p.take(block);
}

void release(void* block, std::size_t size) noexcept {
  if (!block) return;
  const std::size_t rounded = block_size(size);
  if (!OD_BLOCK_POOL || rounded > largest_block) {
    ::operator delete(block);
    return;
  }
  pool& p = this_thread_pool();
  p.in_use -= rounded;
  p.give_back(block, rounded);
}

std::size_t bytes_in_use() { return this_thread_pool().in_use; }

std::size_t bytes_in_slabs() { return this_thread_pool().in_slabs; }

}  // namespace od_block_pool
