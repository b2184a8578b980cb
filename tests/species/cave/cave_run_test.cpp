// The cave played from just before its first Element: the Element's six
// satellites appear with it, are drawn along their trails and fire.
#include <gtest/gtest.h>

#include "field/field_state.h"
#include "field/fields.h"
#include "species/cave/cave_fixture.h"

namespace {

using CaveRunTest = CaveFixture;

TEST_F(CaveRunTest, TheFirstElementBringsItsSatellitesIntoPlay) {
    Difficulty = 2;
    FieldCaveState.frame = 1550;
    int bullets = 0;
    for (int f = 0; f < 120; ++f) {
        FieldCave::Update();
        ScrollSpeed = FieldCaveState.scrollSpeed;
        UpdateEnemies();
        UpdateEnemyChildren();
        bullets += static_cast<int>(ActiveBullets().size());
        ClearBullets();
    }
    EXPECT_EQ(LiveSatellites(), 6);
    EXPECT_GT(bullets, 0);
    DrawEnemyChildren();
    EXPECT_EQ(Draws().size(), 6u * 10u);
}

}   // namespace
