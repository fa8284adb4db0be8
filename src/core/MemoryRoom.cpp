#include "core/MemoryRoom.h"

#include <sys/mman.h>

bool RoomFor(std::size_t bytes) {
    // Reserved, not used: no page is touched, and what a limit counts is what is reserved.
    void* room = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (room == MAP_FAILED)
        return false;
    ::munmap(room, bytes);
    return true;
}
