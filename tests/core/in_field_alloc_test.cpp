// A frame of play takes no memory from the heap. The global allocation
// functions of this test program are replaced by ones that count while a
// flag is set.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "core/in_field_test_support.h"

namespace {

std::atomic<bool> countingAllocations{false};
std::atomic<long> allocationCount{0};

void* Allocate(std::size_t size) {
    if (countingAllocations.load(std::memory_order_relaxed)) allocationCount.fetch_add(1);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return Allocate(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

using infield_test::LoadedPlayTest;

// Counts the allocations made by `run`.
template <typename Fn>
long AllocationsDuring(Fn run) {
    allocationCount = 0;
    countingAllocations = true;
    run();
    countingAllocations = false;
    return allocationCount.load();
}

TEST(AllocationCounter, SeesAnAllocation) {
    const long n = AllocationsDuring([] { delete new int(5); });
    EXPECT_EQ(n, 1);
}

TEST_F(LoadedPlayTest, AFrameOfPlayAllocatesNothing) {
    testsupport::FillEveryPool();
    // The first frame lets the sprite batch size its buffers.
    game->UpdatePlay();
    game->DrawPlay();
    for (int frame = 0; frame < 3; ++frame) {
        testsupport::FillEveryPool();
        ThePlayer.swordTimer = 180;
        const long n = AllocationsDuring([this] {
            game->UpdatePlay();
            game->DrawPlay();
        });
        EXPECT_EQ(n, 0) << "frame " << frame;
    }
}

}  // namespace
