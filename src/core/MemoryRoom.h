#pragma once

#include <cstddef>

// Whether bytes more of memory may be taken now: false where the process is held to a memory
// limit (ulimit -v) that they would cross. Asked before work whose libraries end the process
// when an allocation fails, so that the work is refused instead.
bool RoomFor(std::size_t bytes);
