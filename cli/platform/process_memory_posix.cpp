#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

#include "cli/process_memory.h"

namespace zarvek::cli {

void PrepareProcessMemory() {
    constexpr std::size_t kRoom = std::size_t{48} << 20;
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    ::mallopt(M_MMAP_THRESHOLD, 64 << 20);   // blocks up to 64 MB from the heap
    ::mallopt(M_TRIM_THRESHOLD, 128 << 20);  // freed memory is kept for the next block

    // Grow the heap once by the room the work needs and ask for large pages on what it grew by.
    // Only the range the heap grew by is touched by madvise, whatever allocator answers malloc.
    const auto before = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    void* room = std::malloc(kRoom);
    const auto after = reinterpret_cast<std::uintptr_t>(::sbrk(0));
    const std::uintptr_t begin = (before + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = after & ~(kLargePage - 1);
    if (room != nullptr && before != static_cast<std::uintptr_t>(-1) && end > begin) {
        ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);  // a hint only
    }
    std::free(room);
}

}  // namespace zarvek::cli
