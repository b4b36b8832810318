#include "platform/Memory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc systems

#ifdef __GLIBC__
#include <malloc.h>
#endif

void keepFreedMemory() {
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
}
