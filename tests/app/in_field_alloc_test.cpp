// A frame of play with every pool full takes no memory from the heap.
#include <gtest/gtest.h>

#include "app/in_field_test_support.h"
#include "support/allocation_counter.h"

namespace {

using infield_test::LoadedPlayTest;

TEST_F(LoadedPlayTest, AFrameOfPlayAllocatesNothing) {
    testsupport::FillEveryPool();
    // The first frame lets the sprite batch size its buffers.
    game->UpdatePlay();
    game->DrawPlay();
    for (int frame = 0; frame < 3; ++frame) {
        testsupport::FillEveryPool();
        ThePlayer.swordTimer = 180;
        testsupport::StartCountingAllocations();
        game->UpdatePlay();
        game->DrawPlay();
        EXPECT_EQ(testsupport::StopCountingAllocations(), 0) << "frame " << frame;
    }
}

}  // namespace
