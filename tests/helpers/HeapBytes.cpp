#include "helpers/HeapBytes.h"

#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
// From the sanitizers' runtime; GCC ships no header that declares it.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

std::size_t HeapBytesInUse() {
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}
