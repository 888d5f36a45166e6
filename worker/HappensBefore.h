#pragma once

// Declares to ThreadSanitizer an ordering between threads that exists but
// that it cannot see, because it is made inside uninstrumented Qt code (the
// cross-thread event queue). Nothing in other builds.
#if defined(__SANITIZE_THREAD__)
#define CORVIX_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define CORVIX_TSAN 1
#endif
#endif

#ifdef CORVIX_TSAN
#include <sanitizer/tsan_interface.h>
#endif

// Everything this thread did before is visible to the thread that later
// calls AcquireFrom with the same address.
inline void ReleaseTo([[maybe_unused]] void* address) {
#ifdef CORVIX_TSAN
    __tsan_release(address);
#endif
}

inline void AcquireFrom([[maybe_unused]] void* address) {
#ifdef CORVIX_TSAN
    __tsan_acquire(address);
#endif
}
