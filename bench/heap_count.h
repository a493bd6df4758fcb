// Heap bytes allocated while counting is on, less those freed meanwhile, as
// this program's global operator new and delete see them (usable block
// sizes, so allocator rounding counts). Off, they cost one flag test, so
// the other benchmarks' figures are unchanged.
#pragma once

namespace bench::heap_count {

void start();   // from zero
void pause();
void resume();
long long bytes();

}  // namespace bench::heap_count
