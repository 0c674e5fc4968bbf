#pragma once

#include <malloc.h>

namespace quintarlow {

// Every thread allocates from the one heap. glibc gives each new thread a heap of its own by
// default, and what the voice's loader and the workers leave in theirs stays resident, about
// 0.8 MB with the board up; the game's few threads allocate little at the same time, so
// sharing costs no waiting. Called first in main, before any thread starts.
inline void shareOneHeap() {
    mallopt(M_ARENA_MAX, 1);
}

} // namespace quintarlow
