// Running out of memory on purpose: a cap on the address space of the
// current process, set a given number of bytes above what it uses now.
// Tests set it inside a death-test child (EXPECT_EXIT), so only that child
// feels it. Sanitizer builds reserve huge shadow areas and cannot run under
// such a cap; tests skip there.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

namespace test_support {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kSanitized = true;
#else
inline constexpr bool kSanitized = false;
#endif
#else
inline constexpr bool kSanitized = false;
#endif

// Limits the address space to its present size plus `headroom` bytes.
inline bool LimitAddressSpace(size_t headroom) {
    std::ifstream statm("/proc/self/statm");
    size_t pages = 0;
    if (!(statm >> pages))
        return false;
    const rlim_t limit = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                         static_cast<rlim_t>(headroom);
    const rlimit cap{limit, limit};
    return setrlimit(RLIMIT_AS, &cap) == 0;
}

} // namespace test_support
