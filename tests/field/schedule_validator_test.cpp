// Every spawn schedule against its window table, and the first-frame bounds
// the validator applies to each species.
#include <gtest/gtest.h>

#include "field/fields.h"
#include "field/schedule.h"
#include "support/schedule_validator.h"

namespace {

using testsupport::RemovedInFirstFrame;
using testsupport::ValidatedScheduleCount;
using testsupport::ValidateSchedules;

TEST(ScheduleValidator, EveryScheduleMatchesItsWindowTable) {
    EXPECT_EQ(ValidatedScheduleCount(), 13);
    const std::vector<std::string> problems = ValidateSchedules();
    for (const std::string& p : problems) ADD_FAILURE() << p;
    EXPECT_TRUE(problems.empty());
}

TEST(ScheduleValidator, FirstFrameBoundsFollowEachSpeciesMargin) {
    // A standing butterfly (no movement) leaves at x + 100 <= 240.
    EXPECT_TRUE(RemovedInFirstFrame(kSpeciesButterFly, 13, 140.0f, 100.0f, 2.0f));
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesButterFly, 13, 141.0f, 100.0f, 2.0f));
    // A diving butterfly at y -100 is 18 lower after its first frame and stays.
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesButterFly, 6, 690.0f, -100.0f, 2.0f));
    EXPECT_TRUE(RemovedInFirstFrame(kSpeciesButterFly, 4, 640.0f, -103.0f, 2.0f));
    // Moths and middle flyers keep 200 pixels, the big flyers 400.
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesMoth, 0, 640.0f, -150.0f, 2.0f));
    EXPECT_TRUE(RemovedInFirstFrame(kSpeciesMoth, 3, 49.0f, 100.0f, 2.0f));
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesMiddleButterFly, 2, 140.0f, 300.0f, 2.0f));
    EXPECT_TRUE(RemovedInFirstFrame(kSpeciesMiddleMoth, 3, 1250.0f, 300.0f, 2.0f));
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesBigMoth, 0, 1140.0f, 200.0f, 2.0f));
    // Ground enemies ride the scroll down: at y 918 a cocoon reaches 920.
    EXPECT_TRUE(RemovedInFirstFrame(kSpeciesDayCocoon, 0, 640.0f, 918.0f, 2.0f));
    EXPECT_FALSE(RemovedInFirstFrame(kSpeciesNightMushroom, 0, 640.0f, 917.0f, 2.0f));
}

// The totals and first frames of the second-half routes, and the cave's last
// row with the stone.
TEST(ScheduleValidator, SecondHalfRoutesStartAfterTheRouteChoice) {
    auto firstFrame = [](const SpawnSchedule& s) {
        int32_t first = 1 << 30;
        ForEachEvent(s, 1, [&](const SpawnEvent& e) { first = std::min(first, e.frame); });
        return first;
    };
    EXPECT_EQ(firstFrame(FieldGrassDay::ScheduleRoute2), 2160);
    EXPECT_EQ(firstFrame(FieldGrassNight::ScheduleRoute3), 2160);
    EXPECT_EQ(firstFrame(FieldCanyonDay::ScheduleRoute3), 3060);
    EXPECT_EQ(firstFrame(FieldCanyonNight::ScheduleRoute2), 3060);
    EXPECT_EQ(firstFrame(FieldGrassDay::ScheduleRoute1), 30);
    EXPECT_EQ(firstFrame(FieldCave::Schedule), 30);
}

TEST(ScheduleValidator, CanyonBigFlyersPassRouteOneOnEveryRoute) {
    int bigMoths = 0;
    ForEachEvent(FieldCanyonNight::ScheduleRoute3, 3, [&](const SpawnEvent& e) {
        if (e.species == kSpeciesBigMoth) {
            ++bigMoths;
            EXPECT_EQ(e.route, 1);
            EXPECT_EQ(e.x, 1140.0f);
            EXPECT_EQ(e.y, 200.0f);
            EXPECT_EQ(e.frame, 3890);
        } else {
            EXPECT_EQ(e.route, 3);
        }
        EXPECT_EQ(e.level, 2);
    });
    EXPECT_EQ(bigMoths, 1);
}

TEST(ScheduleValidator, CaveClosesWithFourRowsAndPassesRouteOne) {
    std::vector<SpawnEvent> at7200;
    ForEachEventAt(FieldCave::Schedule, 7200, 2, [&](const SpawnEvent& e) { at7200.push_back(e); });
    ASSERT_EQ(at7200.size(), 7u);
    for (size_t i = 0; i < at7200.size(); ++i) {
        EXPECT_EQ(at7200[i].species, kSpeciesButterFly);
        EXPECT_EQ(at7200[i].variant, 1);
        EXPECT_EQ(at7200[i].x, 340.0f + 100.0f * static_cast<float>(i));
        EXPECT_EQ(at7200[i].y, -50.0f);
        EXPECT_EQ(at7200[i].route, 1);
        EXPECT_EQ(at7200[i].level, 3);
    }
    int at7190 = 0;
    ForEachEventAt(FieldCave::Schedule, 7190, 1, [&](const SpawnEvent& e) {
        ++at7190;
        EXPECT_EQ(e.species, kSpeciesMoth);
        EXPECT_EQ(e.y, -90.0f);
    });
    EXPECT_EQ(at7190, 7);
}

}  // namespace
