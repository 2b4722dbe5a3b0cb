#include "core/hugepages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace hugepages {

void advise(const void *data, std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::uintptr_t kHuge = std::uintptr_t { 2 } << 20;
    if (bytes < 2 * kHuge)
        return;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kHuge - 1) & ~(kHuge - 1);
    const std::uintptr_t end = (start + bytes) & ~(kHuge - 1);
    // Only advice: where the kernel declines, the memory is used in small pages.
    if (end > first)
        ::madvise(reinterpret_cast<void *>(first), end - first, MADV_HUGEPAGE);
#else
    (void)data;
    (void)bytes;
#endif
}

} // namespace hugepages
