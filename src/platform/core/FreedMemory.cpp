#include "platform/core/FreedMemory.h"

#include <malloc.h>

void ReturnFreedMemoryToSystem() {
#if defined(__GLIBC__)
    ::malloc_trim(0);
#endif
}
