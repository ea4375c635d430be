#include "session/ProcessMemory.h"

// Says which C library this is.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace palaver {

void TuneAllocator() {
#if defined(__GLIBC__)
  mallopt(M_MXFAST, 0);
#endif
}

void ReturnFreeMemory() {
#if defined(__GLIBC__)
  malloc_trim(0);
#endif
}

}  // namespace palaver
