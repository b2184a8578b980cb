#pragma once
// The five field timelines: Update runs one frame (1 once the field is over),
// Draw draws the scrolling background and the white flash, Holder names the
// enemy slot that holds the counter at its present frame (-1: none holds it).
// Each field keeps its spawn schedules beside it, one per route (the cave has
// one).
#include <cstdint>

struct SpawnSchedule;

struct FieldGrassDay {
    static int32_t Update();
    static void Draw();
    static int32_t Holder();
    static const SpawnSchedule ScheduleRoute1;
    static const SpawnSchedule ScheduleRoute2;
    static const SpawnSchedule ScheduleRoute3;
};
struct FieldGrassNight {
    static int32_t Update();
    static void Draw();
    static int32_t Holder();
    static const SpawnSchedule ScheduleRoute1;
    static const SpawnSchedule ScheduleRoute2;
    static const SpawnSchedule ScheduleRoute3;
};
struct FieldCanyonDay {
    static int32_t Update();
    static void Draw();
    static int32_t Holder();
    static const SpawnSchedule ScheduleRoute1;
    static const SpawnSchedule ScheduleRoute2;
    static const SpawnSchedule ScheduleRoute3;
};
struct FieldCanyonNight {
    static int32_t Update();
    static void Draw();
    static int32_t Holder();
    static const SpawnSchedule ScheduleRoute1;
    static const SpawnSchedule ScheduleRoute2;
    static const SpawnSchedule ScheduleRoute3;
};
struct FieldCave {
    static int32_t Update();
    static void Draw();
    static int32_t Holder();
    static const SpawnSchedule Schedule;
};

// The fixed frames of the timelines of fields 1 to 4.
struct FieldTimeline {
    int32_t fieldId;
    int32_t midBossFrame;
    int32_t midBossSpecies;
    int32_t flashFrame;
    int32_t routeFrame;
    int32_t bossFrame;
    int32_t bossSpecies;
    int32_t resultFrame;
    int32_t fadeFrame;
    int32_t level;          // grade of the mid-boss and the boss
    bool bossBrakesScroll;  // the canyon's ground comes to a halt under its boss
};
const FieldTimeline& GrassDayTimeline();
const FieldTimeline& GrassNightTimeline();
const FieldTimeline& CanyonDayTimeline();
const FieldTimeline& CanyonNightTimeline();

// The cave's fixed frames.
constexpr int32_t kCaveBigElementFrame = 3600;
constexpr int32_t kCaveMagicStoneFrame = 7200;
constexpr int32_t kCaveFirstFormFrame = 7205;
constexpr int32_t kCaveSecondFormFrame = 7220;
constexpr int32_t kCaveResultFrame = 7350;
constexpr int32_t kCaveFadeFrame = 7710;
// A boss holds the counter in the eleven frames after its spawn frame.
constexpr int32_t kHoldWindowLength = 11;

// Boss spawn points.
constexpr float kMidBossX = 640.0f;
constexpr float kMidBossY = -200.0f;
constexpr float kBossX = 640.0f;
constexpr float kBossY = -50.0f;
// The canyon's scroll brakes by this much per frame under its boss.
constexpr float kScrollBrake = 0.008f;
