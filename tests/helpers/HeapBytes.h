#pragma once

#include <cstddef>

// The bytes the program holds on the heap now, from the sanitizers' allocator where it runs
// under them, else from the C library's.
std::size_t HeapBytesInUse();
