// Each field played headless from its first frame to the return to the map on
// each route: the test retires every mid-boss and boss a while after it has
// appeared and clears the small enemies as they would leave, and advances the
// fade as the overlay's draw would. The spawns must be the schedule's.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "field_test_support.h"

namespace {

using field_test::FieldTest;
using field_test::Spawns;

// The mid-bosses and bosses that the timelines themselves bring in.
bool IsTimelineSpawn(const FieldTimeline* f, const SpawnEvent& e) {
    if (f != nullptr)
        return (e.frame == f->midBossFrame && e.species == f->midBossSpecies) ||
               (e.frame == f->bossFrame && e.species == f->bossSpecies);
    return (e.frame == kCaveBigElementFrame && e.species == kSpeciesBigElement) ||
           (e.frame == kCaveMagicStoneFrame && e.species == kSpeciesMagicStone) ||
           ((e.frame == kCaveFirstFormFrame || e.frame == kCaveSecondFormFrame) && e.species == kSpeciesGrandMagicStone);
}

struct RunResult {
    int32_t framesPlayed = 0;
    int32_t endCounter = 0;
    int32_t route = 0;
    int32_t bossesSeen = 0;
};

// One frame of the in-field loop as far as the field script sees it.
template <class Field>
RunResult Play(FieldState& state, const FieldTimeline* timeline, int32_t bossLife) {
    RunResult r;
    int32_t bossAge[kEnemyCount] = {};
    size_t seen = 0;
    for (int32_t frame = 0; frame < 20000; ++frame) {
        const int32_t result = testsupport::RunFieldFrame<Field>();
        if (result == 1) {
            r.framesPlayed = frame + 1;
            r.endCounter = state.frame;
            r.route = state.route;
            return r;
        }
        // The spawned bosses stand in the pool for a while; the rest leave at once.
        for (; seen < Spawns().size(); ++seen) {
            const SpawnEvent& e = Spawns()[seen];
            if (!IsTimelineSpawn(timeline, e)) continue;
            ++r.bossesSeen;
            if (!field_test::AnyActive(e.species)) field_test::Plant(e.species);
        }
        field_test::ClearSmallEnemies();
        for (int i = 0; i < kEnemyCount; ++i) {
            if (EnemyPool[i].active == 0) continue;
            if (++bossAge[i] > bossLife) {
                field_test::Retire(i);
                bossAge[i] = 0;
            }
        }
        if (TransitionFadeActive == 1 && TransitionFadeCounter < 120) ++TransitionFadeCounter;
    }
    return r;
}

using Key = std::tuple<int32_t, int32_t, int32_t, float, float, int32_t, int32_t>;
Key KeyOf(const SpawnEvent& e) { return {e.frame, e.species, e.variant, e.x, e.y, e.route, e.level}; }

// What the field should have spawned: route 1 up to the route choice, the
// chosen route after it, then the fixed events.
std::vector<Key> Expected(const SpawnSchedule& route1, const SpawnSchedule& chosen, int32_t route,
                          int32_t routeFrame) {
    std::vector<Key> keys;
    ForEachEvent(route1, 1, [&](const SpawnEvent& e) {
        if (e.frame <= routeFrame) keys.push_back(KeyOf(e));
    });
    ForEachEvent(chosen, route, [&](const SpawnEvent& e) {
        if (e.frame > routeFrame) keys.push_back(KeyOf(e));
    });
    return keys;
}

std::vector<Key> ScheduledSpawns(const FieldTimeline* timeline) {
    std::vector<Key> keys;
    for (const SpawnEvent& e : Spawns())
        if (!IsTimelineSpawn(timeline, e)) keys.push_back(KeyOf(e));
    return keys;
}

struct FieldUnderTest {
    const FieldTimeline& (*timeline)();
    FieldState* state;
    const SpawnSchedule* routes[3];
    RunResult (*play)(FieldState&, const FieldTimeline*, int32_t);
};

const FieldUnderTest kFields[] = {
    {GrassDayTimeline, &FieldGrassDayState,
     {&FieldGrassDay::ScheduleRoute1, &FieldGrassDay::ScheduleRoute2, &FieldGrassDay::ScheduleRoute3},
     Play<FieldGrassDay>},
    {GrassNightTimeline, &FieldGrassNightState,
     {&FieldGrassNight::ScheduleRoute1, &FieldGrassNight::ScheduleRoute2, &FieldGrassNight::ScheduleRoute3},
     Play<FieldGrassNight>},
    {CanyonDayTimeline, &FieldCanyonDayState,
     {&FieldCanyonDay::ScheduleRoute1, &FieldCanyonDay::ScheduleRoute2, &FieldCanyonDay::ScheduleRoute3},
     Play<FieldCanyonDay>},
    {CanyonNightTimeline, &FieldCanyonNightState,
     {&FieldCanyonNight::ScheduleRoute1, &FieldCanyonNight::ScheduleRoute2, &FieldCanyonNight::ScheduleRoute3},
     Play<FieldCanyonNight>},
    {nullptr, &FieldCaveState, {&FieldCave::Schedule, &FieldCave::Schedule, &FieldCave::Schedule}, Play<FieldCave>},
};

struct FieldCase {
    int32_t fieldId;
    int32_t route;
};

class FieldRun : public FieldTest, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(FieldRun, ReachesTheResultAndReturnsWithTheScheduledSpawns) {
    const FieldCase c = GetParam();
    field_test::SetGaugesForRoute(c.route);
    const FieldUnderTest& f = kFields[c.fieldId - 1];
    const FieldTimeline* timeline = f.timeline != nullptr ? &f.timeline() : nullptr;
    FieldState* state = f.state;
    const RunResult r = f.play(*state, timeline, 300);
    ASSERT_GT(r.framesPlayed, 0) << "the field never ended";
    EXPECT_EQ(state->cleared, 1);
    EXPECT_EQ(ResultPending, 1);
    EXPECT_EQ(ResultField, c.fieldId);
    EXPECT_EQ(TransitionFadeCode, 3);
    EXPECT_EQ(TransitionFadeCounter, 60);

    std::vector<Key> expected;
    std::vector<Key> got;
    if (timeline != nullptr) {
        EXPECT_EQ(r.route, c.route);
        // The counter runs to the fade's midpoint, and two holds add 300 frames each.
        EXPECT_EQ(r.endCounter, timeline->fadeFrame + 61);
        EXPECT_EQ(r.framesPlayed, timeline->fadeFrame + 61 + 2 * 300);
        EXPECT_EQ(r.bossesSeen, 2);
        expected = Expected(*f.routes[0], *f.routes[c.route - 1], c.route, timeline->routeFrame);
        got = ScheduledSpawns(timeline);
    } else {
        EXPECT_EQ(r.endCounter, kCaveFadeFrame + 61);
        EXPECT_EQ(r.framesPlayed, kCaveFadeFrame + 61 + 2 * 300);
        EXPECT_EQ(r.bossesSeen, 2);
        ForEachEvent(FieldCave::Schedule, 1, [&](const SpawnEvent& e) { expected.push_back(KeyOf(e)); });
        got = ScheduledSpawns(nullptr);
    }
    std::sort(expected.begin(), expected.end());
    std::sort(got.begin(), got.end());
    EXPECT_EQ(got.size(), expected.size());
    EXPECT_TRUE(got == expected);
}

INSTANTIATE_TEST_SUITE_P(AllFieldsAndRoutes, FieldRun,
                         ::testing::Values(FieldCase{1, 1}, FieldCase{1, 2}, FieldCase{1, 3}, FieldCase{2, 1},
                                           FieldCase{2, 2}, FieldCase{2, 3}, FieldCase{3, 1}, FieldCase{3, 2},
                                           FieldCase{3, 3}, FieldCase{4, 1}, FieldCase{4, 2}, FieldCase{4, 3},
                                           FieldCase{5, 1}),
                         [](const ::testing::TestParamInfo<FieldCase>& info) {
                             return "Field" + std::to_string(info.param.fieldId) + "Route" +
                                    std::to_string(info.param.route);
                         });

TEST_F(FieldTest, CaveAtDifficulty3PlaysBothFormsOfTheFinalBoss) {
    Difficulty = 3;
    const RunResult r = Play<FieldCave>(FieldCaveState, nullptr, 300);
    ASSERT_GT(r.framesPlayed, 0);
    EXPECT_EQ(r.bossesSeen, 4);
    int forms = 0;
    for (const SpawnEvent& e : Spawns()) forms += e.species == kSpeciesGrandMagicStone ? 1 : 0;
    EXPECT_EQ(forms, 2);
    EXPECT_EQ(r.endCounter, kCaveFadeFrame + 61);
    // The big element, the stone and the second form hold 300 frames each; the
    // first form's window opens six frames after its spawn, so it holds 294.
    EXPECT_EQ(r.framesPlayed, kCaveFadeFrame + 61 + 3 * 300 + 294);
}

}  // namespace
