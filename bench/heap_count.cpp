#include "bench/heap_count.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

bool counting = false;
long long counted_bytes = 0;

}  // namespace

namespace bench::heap_count {

void start() {
  counted_bytes = 0;
  counting = true;
}
void pause() { counting = false; }
void resume() { counting = true; }
long long bytes() { return counted_bytes; }

}  // namespace bench::heap_count

void* operator new(std::size_t size) {
  void* block = std::malloc(size ? size : 1);
  if (!block) throw std::bad_alloc();
  if (counting) counted_bytes += static_cast<long long>(malloc_usable_size(block));
  return block;
}
void operator delete(void* block) noexcept {
  if (counting && block) counted_bytes -= static_cast<long long>(malloc_usable_size(block));
  std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }
