// The benchmarks' reading of the process's resident size: pages that were touched and given back
// again show in the peak and not in the size now, and a restarted peak forgets them.
#include "ResidentMemory.h"

#include <cstring>
#include <gtest/gtest.h>
#include <sys/mman.h>

namespace {
constexpr std::size_t kMiB = std::size_t{1} << 20;

// Takes size bytes of pages straight from the system, touches every one and gives them back.
void TouchAndGiveBack(std::size_t size) {
    void* pages = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    std::memset(pages, 1, size);
    ::munmap(pages, size);
}
} // namespace

TEST(ResidentMemory, PeakHoldsWhatWasGivenBackUntilItIsRestarted) {
    // Some containers keep /proc/self/clear_refs from being written; the peak-memory benchmarks
    // then stop with that error, and there is no restart here to check.
    if (!RestartPeakResident())
        GTEST_SKIP() << "this system does not let a process restart its peak";
    const std::size_t before = ResidentBytes();
    ASSERT_GT(before, 0u);
    TouchAndGiveBack(64 * kMiB);
    EXPECT_LT(ResidentBytes(), before + 16 * kMiB);
    EXPECT_GE(PeakResidentBytes(), before + 60 * kMiB);
    ASSERT_TRUE(RestartPeakResident());
    EXPECT_LT(PeakResidentBytes(), before + 16 * kMiB);
}
