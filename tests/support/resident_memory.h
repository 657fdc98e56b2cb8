#pragma once

#include <fstream>
#include <unistd.h>

namespace fake {

// The resident size of this process in KiB, from /proc.
inline long ResidentKilobytes() {
    long pages = 0;
    long resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// GCC names AddressSanitizer with a macro, clang as a feature. Under it freed memory stays in
// quarantine, so the resident size says nothing of leaks.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PARVOK_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(PARVOK_ADDRESS_SANITIZER)
inline constexpr bool kResidentSizeTellsLeaks = false;
#else
inline constexpr bool kResidentSizeTellsLeaks = true;
#endif

} // namespace fake
