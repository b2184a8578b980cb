#include "support/schedule_validator.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "field/fields.h"
#include "field/schedule.h"

namespace testsupport {

namespace {

constexpr int32_t kWindowFrames = 600;
constexpr int32_t kMaxWindows = 13;
constexpr int32_t kMaxSpecies = 12;

constexpr uint32_t V(std::initializer_list<int32_t> variants) {
    uint32_t mask = 0;
    for (int32_t v : variants) mask |= 1u << v;
    return mask;
}

// One species' share of a window (or of a whole schedule): spawns, the
// variants used and how many of them pass route 1 whatever the field's route.
struct SpeciesCount {
    int32_t species = 0;
    int32_t count = 0;
    uint32_t variants = 0;
    int32_t route1 = 0;
};

struct Window {
    int32_t first = 0;
    int32_t last = 0;
    SpeciesCount species[kMaxSpecies] = {};
};

struct ScheduleTable {
    const char* name;
    const SpawnSchedule* schedule;
    int32_t first;
    int32_t last;
    int32_t total;
    SpeciesCount header[kMaxSpecies];
    Window windows[kMaxWindows];
};

// The window tables of every schedule. FieldGrassDay::ScheduleRoute1 is known
// event by event and is held to its header alone.
const ScheduleTable kTables[] = {
    // FieldGrassDay::ScheduleRoute1
    {"FieldGrassDay::ScheduleRoute1", &FieldGrassDay::ScheduleRoute1, 30, 3450, 293, {{kSpeciesButterFly, 261}, {kSpeciesMiddleButterFly, 20}, {kSpeciesDayCocoon, 12}},
     {

     }},
    // FieldGrassDay::ScheduleRoute2
    {"FieldGrassDay::ScheduleRoute2", &FieldGrassDay::ScheduleRoute2, 2160, 3540, 134, {{kSpeciesButterFly, 122}, {kSpeciesMiddleButterFly, 8}, {kSpeciesDayCocoon, 4}},
     {
        {2160, 2380, {{kSpeciesButterFly, 20, V({0, 2, 3}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}}},
        {2410, 2940, {{kSpeciesButterFly, 42, V({0, 1, 4, 5}), 0}, {kSpeciesMiddleButterFly, 3, V({0}), 0}, {kSpeciesDayCocoon, 2, V({1, 2}), 0}}},
        {3000, 3540, {{kSpeciesButterFly, 60, V({0, 1, 6, 7}), 0}, {kSpeciesMiddleButterFly, 5, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}}},
     }},
    // FieldGrassDay::ScheduleRoute3
    {"FieldGrassDay::ScheduleRoute3", &FieldGrassDay::ScheduleRoute3, 2160, 3470, 140, {{kSpeciesButterFly, 129}, {kSpeciesMiddleButterFly, 7}, {kSpeciesDayCocoon, 4}},
     {
        {2160, 2365, {{kSpeciesButterFly, 22, V({2, 3, 4, 5}), 0}, {kSpeciesMiddleButterFly, 1, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}}},
        {2400, 2990, {{kSpeciesButterFly, 40, V({0, 1, 4, 5}), 0}, {kSpeciesMiddleButterFly, 3, V({0}), 0}, {kSpeciesDayCocoon, 2, V({1, 2}), 0}}},
        {3000, 3470, {{kSpeciesButterFly, 67, V({0, 1, 6, 7}), 0}, {kSpeciesMiddleButterFly, 3, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}}},
     }},
    // FieldGrassNight::ScheduleRoute1
    {"FieldGrassNight::ScheduleRoute1", &FieldGrassNight::ScheduleRoute1, 30, 3420, 326, {{kSpeciesMoth, 298}, {kSpeciesMiddleMoth, 19}, {kSpeciesNightCocoon, 9}},
     {
        {30, 580, {{kSpeciesMoth, 62, V({0, 1, 4, 5, 6, 7}), 0}, {kSpeciesMiddleMoth, 3, V({0}), 0}, {kSpeciesNightCocoon, 2, V({0, 1}), 0}}},
        {610, 1160, {{kSpeciesMoth, 66, V({0, 1, 2, 3, 6, 7}), 0}, {kSpeciesMiddleMoth, 2, V({0}), 0}, {kSpeciesNightCocoon, 2, V({1, 2}), 0}}},
        {1205, 1680, {{kSpeciesMoth, 39, V({0, 1, 2, 3}), 0}, {kSpeciesMiddleMoth, 3, V({0}), 0}, {kSpeciesNightCocoon, 1, V({2}), 0}}},
        {2160, 2370, {{kSpeciesMoth, 29, V({0, 1, 3}), 0}, {kSpeciesMiddleMoth, 1, V({0}), 0}}},
        {2400, 2985, {{kSpeciesMoth, 63, V({0, 1, 2, 4, 5}), 0}, {kSpeciesMiddleMoth, 5, V({0}), 0}, {kSpeciesNightCocoon, 2, V({1, 2}), 0}}},
        {3030, 3420, {{kSpeciesMoth, 39, V({0, 1, 2, 3}), 0}, {kSpeciesMiddleMoth, 5, V({0}), 0}, {kSpeciesNightCocoon, 2, V({1, 2}), 0}}},
     }},
    // FieldGrassNight::ScheduleRoute2
    {"FieldGrassNight::ScheduleRoute2", &FieldGrassNight::ScheduleRoute2, 2160, 3440, 149, {{kSpeciesMoth, 125}, {kSpeciesMiddleMoth, 16}, {kSpeciesNightCocoon, 8}},
     {
        {2160, 2380, {{kSpeciesMoth, 36, V({1}), 0}, {kSpeciesMiddleMoth, 3, V({0}), 0}, {kSpeciesNightCocoon, 2, V({1, 2}), 0}}},
        {2410, 2990, {{kSpeciesMoth, 45, V({0, 1, 2, 3, 4, 5}), 0}, {kSpeciesMiddleMoth, 8, V({0}), 0}, {kSpeciesNightCocoon, 3, V({1, 2}), 0}}},
        {3000, 3440, {{kSpeciesMoth, 44, V({0, 1, 2, 3, 6, 7}), 0}, {kSpeciesMiddleMoth, 5, V({0}), 0}, {kSpeciesNightCocoon, 3, V({0, 1, 2}), 0}}},
     }},
    // FieldGrassNight::ScheduleRoute3
    {"FieldGrassNight::ScheduleRoute3", &FieldGrassNight::ScheduleRoute3, 2160, 3470, 162, {{kSpeciesMoth, 146}, {kSpeciesMiddleMoth, 13}, {kSpeciesNightCocoon, 3}},
     {
        {2160, 2390, {{kSpeciesMoth, 20, V({1}), 0}, {kSpeciesMiddleMoth, 3, V({0}), 0}, {kSpeciesNightCocoon, 1, V({1}), 0}}},
        {2420, 2985, {{kSpeciesMoth, 74, V({1, 4, 5, 6, 7}), 0}, {kSpeciesMiddleMoth, 6, V({0}), 0}, {kSpeciesNightCocoon, 1, V({0}), 0}}},
        {3020, 3470, {{kSpeciesMoth, 52, V({0, 1, 2, 3}), 0}, {kSpeciesMiddleMoth, 4, V({0}), 0}, {kSpeciesNightCocoon, 1, V({0}), 0}}},
     }},
    // FieldCanyonDay::ScheduleRoute1
    {"FieldCanyonDay::ScheduleRoute1", &FieldCanyonDay::ScheduleRoute1, 30, 5270, 374, {{kSpeciesButterFly, 296}, {kSpeciesDayMushroom, 52}, {kSpeciesMiddleButterFly, 15}, {kSpeciesDayRafflesia, 8}, {kSpeciesBigButterFly, 2}, {kSpeciesDayCocoon, 1}},
     {
        {30, 570, {{kSpeciesButterFly, 35, V({1}), 0}, {kSpeciesDayMushroom, 7, V({0}), 0}, {kSpeciesMiddleButterFly, 2, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({0}), 0}}},
        {600, 1120, {{kSpeciesButterFly, 30, V({1, 2, 3}), 0}, {kSpeciesDayMushroom, 9, V({0}), 0}, {kSpeciesMiddleButterFly, 2, V({1}), 0}, {kSpeciesDayRafflesia, 2, V({0}), 0}}},
        {1210, 1720, {{kSpeciesButterFly, 10, V({1, 2, 3}), 0}, {kSpeciesDayMushroom, 10, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}, {kSpeciesBigButterFly, 1, V({0}), 1}, {kSpeciesDayRafflesia, 1, V({1}), 0}}},
        {1900, 2380, {{kSpeciesButterFly, 40, V({1}), 0}, {kSpeciesDayMushroom, 9, V({0}), 0}, {kSpeciesMiddleButterFly, 1, V({3}), 0}}},
        {2410, 2600, {{kSpeciesButterFly, 38, V({1}), 0}, {kSpeciesMiddleButterFly, 1, V({2}), 0}}},
        {3060, 3560, {{kSpeciesButterFly, 53, V({0, 1}), 0}, {kSpeciesDayMushroom, 3, V({0}), 0}, {kSpeciesMiddleButterFly, 1, V({0}), 0}, {kSpeciesBigButterFly, 1, V({0}), 1}, {kSpeciesDayRafflesia, 1, V({0}), 0}}},
        {3620, 4140, {{kSpeciesDayMushroom, 14, V({0}), 0}, {kSpeciesButterFly, 12, V({1}), 0}, {kSpeciesMiddleButterFly, 2, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({1}), 0}}},
        {4200, 4790, {{kSpeciesButterFly, 37, V({1, 2, 3}), 0}, {kSpeciesMiddleButterFly, 3, V({1, 2}), 2}, {kSpeciesDayRafflesia, 2, V({2}), 0}}},
        {4800, 5270, {{kSpeciesButterFly, 41, V({1, 2, 3}), 0}, {kSpeciesMiddleButterFly, 3, V({0, 3}), 0}}},
     }},
    // FieldCanyonDay::ScheduleRoute2
    {"FieldCanyonDay::ScheduleRoute2", &FieldCanyonDay::ScheduleRoute2, 3060, 5270, 144, {{kSpeciesButterFly, 113}, {kSpeciesDayMushroom, 15}, {kSpeciesMiddleButterFly, 11}, {kSpeciesDayRafflesia, 3}, {kSpeciesDayCocoon, 1}, {kSpeciesBigButterFly, 1}},
     {
        {3060, 3550, {{kSpeciesButterFly, 24, V({1, 3}), 0}, {kSpeciesMiddleButterFly, 4, V({0, 2, 3}), 0}, {kSpeciesDayRafflesia, 1, V({0}), 0}}},
        {3640, 4180, {{kSpeciesButterFly, 30, V({0, 1, 2}), 0}, {kSpeciesDayMushroom, 9, V({0}), 0}, {kSpeciesMiddleButterFly, 2, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({1}), 0}}},
        {4200, 4760, {{kSpeciesButterFly, 26, V({1, 4, 5}), 0}, {kSpeciesMiddleButterFly, 2, V({2, 3}), 0}, {kSpeciesBigButterFly, 1, V({0}), 1}, {kSpeciesDayMushroom, 1, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({2}), 0}}},
        {4820, 5270, {{kSpeciesButterFly, 33, V({0, 1}), 0}, {kSpeciesDayMushroom, 5, V({0}), 0}, {kSpeciesMiddleButterFly, 3, V({0, 1}), 0}}},
     }},
    // FieldCanyonDay::ScheduleRoute3
    {"FieldCanyonDay::ScheduleRoute3", &FieldCanyonDay::ScheduleRoute3, 3060, 5310, 164, {{kSpeciesButterFly, 134}, {kSpeciesDayMushroom, 18}, {kSpeciesMiddleButterFly, 7}, {kSpeciesDayRafflesia, 3}, {kSpeciesDayCocoon, 1}, {kSpeciesBigButterFly, 1}},
     {
        {3060, 3570, {{kSpeciesButterFly, 19, V({0, 1}), 0}, {kSpeciesDayMushroom, 7, V({0}), 0}, {kSpeciesMiddleButterFly, 2, V({0}), 0}, {kSpeciesDayCocoon, 1, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({0}), 0}}},
        {3690, 4190, {{kSpeciesButterFly, 28, V({0, 1}), 0}, {kSpeciesDayMushroom, 2, V({0}), 0}, {kSpeciesMiddleButterFly, 1, V({0}), 0}, {kSpeciesBigButterFly, 1, V({0}), 1}}},
        {4220, 4760, {{kSpeciesButterFly, 22, V({0, 1, 2, 3}), 0}, {kSpeciesDayMushroom, 9, V({0}), 0}, {kSpeciesDayRafflesia, 2, V({1, 2}), 0}, {kSpeciesMiddleButterFly, 1, V({1}), 0}}},
        {4820, 5310, {{kSpeciesButterFly, 65, V({0, 1}), 0}, {kSpeciesMiddleButterFly, 3, V({1, 2, 3}), 0}}},
     }},
    // FieldCanyonNight::ScheduleRoute1
    {"FieldCanyonNight::ScheduleRoute1", &FieldCanyonNight::ScheduleRoute1, 30, 5330, 332, {{kSpeciesMoth, 216}, {kSpeciesNightMushroom, 84}, {kSpeciesMiddleMoth, 22}, {kSpeciesNightRafflesia, 7}, {kSpeciesBigMoth, 2}, {kSpeciesNightCocoon, 1}},
     {
        {30, 590, {{kSpeciesMoth, 28, V({1}), 0}, {kSpeciesNightMushroom, 14, V({0}), 0}, {kSpeciesMiddleMoth, 3, V({0, 1}), 0}, {kSpeciesNightRafflesia, 2, V({0}), 0}}},
        {650, 1070, {{kSpeciesMoth, 18, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 18, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({1}), 0}, {kSpeciesBigMoth, 1, V({0}), 1}}},
        {1220, 1790, {{kSpeciesMoth, 30, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 3, V({0}), 0}}},
        {1820, 2390, {{kSpeciesMoth, 17, V({1, 2}), 0}, {kSpeciesMiddleMoth, 5, V({0, 1, 2, 3}), 0}, {kSpeciesNightMushroom, 4, V({0}), 0}, {kSpeciesNightRafflesia, 1, V({1}), 0}}},
        {2480, 2630, {{kSpeciesMoth, 15, V({1, 3}), 0}, {kSpeciesNightRafflesia, 1, V({2}), 0}}},
        {3060, 3550, {{kSpeciesMoth, 12, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 11, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({0, 1}), 0}, {kSpeciesNightRafflesia, 2, V({1, 2}), 0}}},
        {3610, 4180, {{kSpeciesMoth, 42, V({0, 1, 2, 3}), 0}, {kSpeciesNightMushroom, 11, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({0}), 0}, {kSpeciesNightCocoon, 1, V({0}), 0}}},
        {4210, 4780, {{kSpeciesMoth, 27, V({1}), 0}, {kSpeciesNightMushroom, 10, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({2, 3}), 0}, {kSpeciesBigMoth, 1, V({0}), 1}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {4800, 5330, {{kSpeciesMoth, 27, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 3, V({0, 1}), 0}}},
     }},
    // FieldCanyonNight::ScheduleRoute2
    {"FieldCanyonNight::ScheduleRoute2", &FieldCanyonNight::ScheduleRoute2, 3060, 5290, 169, {{kSpeciesMoth, 107}, {kSpeciesNightMushroom, 44}, {kSpeciesMiddleMoth, 11}, {kSpeciesNightRafflesia, 3}, {kSpeciesNightCocoon, 3}, {kSpeciesBigMoth, 1}},
     {
        {3060, 3590, {{kSpeciesMoth, 28, V({1}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesBigMoth, 1, V({0}), 1}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {3600, 4170, {{kSpeciesMoth, 41, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 5, V({0}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {4200, 4780, {{kSpeciesMoth, 24, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 12, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({1}), 0}, {kSpeciesNightCocoon, 2, V({0}), 0}, {kSpeciesNightRafflesia, 1, V({1}), 0}}},
        {4840, 5290, {{kSpeciesNightMushroom, 16, V({0}), 0}, {kSpeciesMoth, 14, V({1}), 0}, {kSpeciesMiddleMoth, 4, V({0, 2, 3}), 0}, {kSpeciesNightCocoon, 1, V({0}), 0}}},
     }},
    // FieldCanyonNight::ScheduleRoute3
    {"FieldCanyonNight::ScheduleRoute3", &FieldCanyonNight::ScheduleRoute3, 3060, 5340, 159, {{kSpeciesMoth, 113}, {kSpeciesNightMushroom, 30}, {kSpeciesMiddleMoth, 8}, {kSpeciesNightCocoon, 4}, {kSpeciesNightRafflesia, 3}, {kSpeciesBigMoth, 1}},
     {
        {3060, 3560, {{kSpeciesMoth, 20, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 3, V({0, 1}), 0}, {kSpeciesNightRafflesia, 2, V({0}), 0}, {kSpeciesNightCocoon, 1, V({0}), 0}}},
        {3620, 4190, {{kSpeciesMoth, 28, V({1}), 0}, {kSpeciesNightMushroom, 6, V({0}), 0}, {kSpeciesNightCocoon, 1, V({1}), 0}, {kSpeciesBigMoth, 1, V({0}), 1}}},
        {4220, 4790, {{kSpeciesMoth, 20, V({1, 2, 3}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 3, V({0, 1}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {4800, 5340, {{kSpeciesMoth, 45, V({0, 1}), 0}, {kSpeciesNightMushroom, 8, V({0}), 0}, {kSpeciesMiddleMoth, 2, V({2, 3}), 0}, {kSpeciesNightCocoon, 2, V({0, 1}), 0}}},
     }},
    // FieldCave::Schedule
    {"FieldCave::Schedule", &FieldCave::Schedule, 30, 7200, 713, {{kSpeciesButterFly, 312}, {kSpeciesMoth, 292}, {kSpeciesDayMushroom, 32}, {kSpeciesNightMushroom, 32}, {kSpeciesMiddleButterFly, 15}, {kSpeciesMiddleMoth, 13}, {kSpeciesNightRafflesia, 5}, {kSpeciesElement, 4}, {kSpeciesDayRafflesia, 4}, {kSpeciesBigButterFly, 2}, {kSpeciesBigMoth, 2}},
     {
        {30, 580, {{kSpeciesButterFly, 18, V({1, 3}), 0}, {kSpeciesMoth, 16, V({1, 2}), 0}, {kSpeciesDayMushroom, 4, V({1}), 0}, {kSpeciesNightMushroom, 4, V({1}), 0}, {kSpeciesMiddleButterFly, 2, V({0, 1}), 0}, {kSpeciesMiddleMoth, 2, V({0, 1}), 0}, {kSpeciesBigButterFly, 1, V({0}), 0}}},
        {600, 1180, {{kSpeciesButterFly, 36, V({1}), 0}, {kSpeciesMoth, 25, V({1}), 0}, {kSpeciesBigMoth, 1, V({0}), 0}}},
        {1210, 1770, {{kSpeciesMoth, 23, V({1}), 0}, {kSpeciesButterFly, 18, V({1}), 0}, {kSpeciesDayMushroom, 6, V({0}), 0}, {kSpeciesNightMushroom, 6, V({0}), 0}, {kSpeciesElement, 1, V({0}), 0}}},
        {1800, 2340, {{kSpeciesButterFly, 28, V({1, 2}), 0}, {kSpeciesMoth, 19, V({1, 3}), 0}, {kSpeciesDayMushroom, 2, V({0}), 0}, {kSpeciesNightMushroom, 2, V({0}), 0}, {kSpeciesMiddleButterFly, 1, V({0}), 0}, {kSpeciesMiddleMoth, 1, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({0}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {2400, 2940, {{kSpeciesDayMushroom, 10, V({0, 1}), 0}, {kSpeciesNightMushroom, 10, V({0, 1}), 0}, {kSpeciesButterFly, 8, V({1}), 0}, {kSpeciesMoth, 8, V({1}), 0}, {kSpeciesDayRafflesia, 1, V({1}), 0}, {kSpeciesNightRafflesia, 1, V({1}), 0}, {kSpeciesElement, 1, V({1}), 0}}},
        {3000, 3570, {{kSpeciesButterFly, 45, V({1, 2}), 0}, {kSpeciesMoth, 45, V({0, 1, 3}), 0}, {kSpeciesMiddleButterFly, 1, V({2}), 0}, {kSpeciesMiddleMoth, 1, V({2}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}}},
        {3660, 4190, {{kSpeciesButterFly, 26, V({1}), 0}, {kSpeciesMoth, 26, V({1}), 0}, {kSpeciesDayMushroom, 4, V({0}), 0}, {kSpeciesNightMushroom, 4, V({0}), 0}, {kSpeciesMiddleButterFly, 1, V({1}), 0}, {kSpeciesMiddleMoth, 1, V({1}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}, {kSpeciesElement, 1, V({0}), 0}}},
        {4200, 4780, {{kSpeciesMoth, 31, V({1}), 0}, {kSpeciesButterFly, 29, V({1}), 0}, {kSpeciesMiddleButterFly, 1, V({0}), 0}, {kSpeciesMiddleMoth, 1, V({0}), 0}, {kSpeciesBigMoth, 1, V({0}), 0}, {kSpeciesDayRafflesia, 1, V({0}), 0}}},
        {4810, 5380, {{kSpeciesButterFly, 27, V({1}), 0}, {kSpeciesMoth, 27, V({1}), 0}, {kSpeciesMiddleButterFly, 2, V({0, 1}), 0}, {kSpeciesMiddleMoth, 2, V({0, 1}), 0}, {kSpeciesBigButterFly, 1, V({0}), 0}}},
        {5410, 5990, {{kSpeciesMoth, 21, V({1, 2, 3}), 0}, {kSpeciesButterFly, 20, V({1, 2}), 0}, {kSpeciesMiddleMoth, 4, V({0, 1, 2, 3}), 0}, {kSpeciesMiddleButterFly, 2, V({0, 1}), 0}}},
        {6000, 6540, {{kSpeciesButterFly, 14, V({1, 2, 3}), 0}, {kSpeciesMoth, 10, V({1, 2, 3}), 0}, {kSpeciesDayMushroom, 6, V({0}), 0}, {kSpeciesNightMushroom, 6, V({0}), 0}, {kSpeciesMiddleButterFly, 2, V({1}), 0}, {kSpeciesDayRafflesia, 1, V({1}), 0}}},
        {6660, 7190, {{kSpeciesMoth, 41, V({0, 1}), 0}, {kSpeciesButterFly, 36, V({0, 1}), 0}, {kSpeciesMiddleButterFly, 3, V({0, 2, 3}), 0}, {kSpeciesMiddleMoth, 1, V({0}), 0}, {kSpeciesNightRafflesia, 1, V({0}), 0}, {kSpeciesElement, 1, V({1}), 0}}},
        {7200, 7200, {{kSpeciesButterFly, 7, V({1}), 0}}},
     }},
};

struct ScheduleOwner {
    const SpawnSchedule* schedule;
    int32_t fieldId;
    int32_t route;
};

const ScheduleOwner kOwners[] = {
    {&FieldGrassDay::ScheduleRoute1, 1, 1},    {&FieldGrassDay::ScheduleRoute2, 1, 2},
    {&FieldGrassDay::ScheduleRoute3, 1, 3},    {&FieldGrassNight::ScheduleRoute1, 2, 1},
    {&FieldGrassNight::ScheduleRoute2, 2, 2},  {&FieldGrassNight::ScheduleRoute3, 2, 3},
    {&FieldCanyonDay::ScheduleRoute1, 3, 1},   {&FieldCanyonDay::ScheduleRoute2, 3, 2},
    {&FieldCanyonDay::ScheduleRoute3, 3, 3},   {&FieldCanyonNight::ScheduleRoute1, 4, 1},
    {&FieldCanyonNight::ScheduleRoute2, 4, 2}, {&FieldCanyonNight::ScheduleRoute3, 4, 3},
    {&FieldCave::Schedule, 5, 1},
};

const FieldTimeline* TimelineOf(int32_t fieldId) {
    switch (fieldId) {
    case 1: return &GrassDayTimeline();
    case 2: return &GrassNightTimeline();
    case 3: return &CanyonDayTimeline();
    case 4: return &CanyonNightTimeline();
    default: return nullptr;
    }
}

// Frames on which a boss of the field may hold the counter.
bool IsHoldFrame(int32_t fieldId, int32_t frame) {
    auto in = [frame](int32_t spawnFrame) {
        return frame >= spawnFrame + 1 && frame <= spawnFrame + kHoldWindowLength;
    };
    if (const FieldTimeline* f = TimelineOf(fieldId)) return in(f->midBossFrame) || in(f->bossFrame);
    return in(kCaveBigElementFrame) || in(kCaveMagicStoneFrame) || in(kCaveFirstFormFrame) ||
           in(kCaveSecondFormFrame);
}

bool IsScheduledSpecies(int32_t s) {
    switch (s) {
    case kSpeciesButterFly: case kSpeciesMiddleButterFly: case kSpeciesDayCocoon: case kSpeciesBigButterFly:
    case kSpeciesMoth: case kSpeciesMiddleMoth: case kSpeciesNightCocoon: case kSpeciesBigMoth:
    case kSpeciesDayMushroom: case kSpeciesDayRafflesia: case kSpeciesNightMushroom: case kSpeciesNightRafflesia:
    case kSpeciesElement:
        return true;
    default:
        return false;
    }
}

SpeciesCount* Find(SpeciesCount (&list)[kMaxSpecies], int32_t species) {
    for (SpeciesCount& c : list) {
        if (c.species == species) return &c;
        if (c.species == 0) {
            c.species = species;
            return &c;
        }
    }
    return nullptr;
}

struct Tally {
    int32_t first = 0;
    int32_t last = -1;
    int32_t total = 0;
    SpeciesCount species[kMaxSpecies] = {};

    void Add(const SpawnEvent& e, int32_t route1) {
        if (total == 0 || e.frame < first) first = e.frame;
        if (e.frame > last) last = e.frame;
        ++total;
        if (SpeciesCount* c = Find(species, e.species)) {
            ++c->count;
            if (e.variant >= 0 && e.variant < 32) c->variants |= 1u << e.variant;
            c->route1 += route1;
        }
    }
};

std::string Variants(uint32_t mask) {
    std::string s;
    for (int32_t v = 0; v < 32; ++v)
        if (mask & (1u << v)) {
            if (!s.empty()) s += ',';
            s += std::to_string(v);
        }
    return "(" + s + ")";
}

void Report(std::vector<std::string>& out, const char* name, const std::string& what) {
    out.push_back(std::string(name) + ": " + what);
}

// Compares counted species against expected ones (variants and route-1 marks
// only where the expectation names them).
void CompareSpecies(std::vector<std::string>& out, const char* name, const std::string& where,
                    const SpeciesCount (&expected)[kMaxSpecies], const SpeciesCount (&found)[kMaxSpecies],
                    bool withVariants) {
    for (const SpeciesCount& want : expected) {
        if (want.species == 0) break;
        const SpeciesCount* got = nullptr;
        for (const SpeciesCount& c : found)
            if (c.species == want.species) got = &c;
        const int32_t n = got ? got->count : 0;
        if (n != want.count)
            Report(out, name, where + " species " + std::to_string(want.species) + ": " + std::to_string(n) +
                                  " spawns, expected " + std::to_string(want.count));
        if (!withVariants || got == nullptr) continue;
        if (got->variants != want.variants)
            Report(out, name, where + " species " + std::to_string(want.species) + " variants " +
                                  Variants(got->variants) + ", expected " + Variants(want.variants));
        if (got->route1 != want.route1)
            Report(out, name, where + " species " + std::to_string(want.species) + ": " +
                                  std::to_string(got->route1) + " route-1 events, expected " +
                                  std::to_string(want.route1));
    }
    for (const SpeciesCount& c : found) {
        if (c.species == 0) break;
        bool listed = false;
        for (const SpeciesCount& want : expected) listed = listed || want.species == c.species;
        if (!listed) Report(out, name, where + " unexpected species " + std::to_string(c.species));
    }
}

void CheckWaves(std::vector<std::string>& out, const char* name, const SpawnSchedule& s) {
    for (int32_t i = 0; i < s.waveCount; ++i) {
        const SpawnWave& w = s.waves[i];
        const std::string at = "wave " + std::to_string(i) + " (frame " + std::to_string(w.first) + ")";
        if (w.period <= 0 || w.last < w.first || (w.last - w.first) % w.period != 0) {
            Report(out, name, at + ": frames do not fit the period");
            continue;
        }
        if (w.points.count < 1 || w.points.count > kWavePointMax)
            Report(out, name, at + ": needs 1 to 8 points");
        if (w.steps.count > kWavePointMax || (w.steps.count > 1 && w.steps.count != w.points.count))
            Report(out, name, at + ": needs one step or one per point");
        const int32_t frames = (w.last - w.first) / w.period + 1;
        if (frames * w.points.count != w.spawns)
            Report(out, name, at + ": brings " + std::to_string(frames * w.points.count) + " spawns, written " +
                                  std::to_string(w.spawns));
        if (!IsScheduledSpecies(w.species)) Report(out, name, at + ": species no schedule spawns");
        if (i > 0 && w.first < s.waves[i - 1].first) Report(out, name, at + ": out of order");
    }
}

bool OneOf(float v, std::initializer_list<float> allowed) {
    for (float a : allowed)
        if (v == a) return true;
    return false;
}

bool OnFlyerGrid(float x) { return x >= 240.0f && x <= 1040.0f && std::fmod(x - 240.0f, 50.0f) == 0.0f; }

// Where each species enters: small flyers above the top edge on the 50-pixel
// grid or at a side edge, middle flyers above the middle or beside the
// playfield for their arcs, ground enemies in their bands.
bool EntersByConvention(int32_t species, int32_t variant, float x, float y) {
    switch (species) {
    case kSpeciesButterFly:
    case kSpeciesMoth:
        return (OnFlyerGrid(x) && y >= -100.0f && y <= -50.0f) ||
               ((x == 240.0f || x == 1040.0f) && y >= 50.0f && y <= 500.0f);
    case kSpeciesMiddleButterFly:
    case kSpeciesMiddleMoth:
        if (variant == 2) return x == 140.0f && y >= 250.0f && y <= 350.0f;
        if (variant == 3) return x == 1140.0f && y >= 250.0f && y <= 350.0f;
        return x >= 490.0f && x <= 790.0f && (y == -100.0f || y == -50.0f);
    case kSpeciesDayCocoon:
    case kSpeciesNightCocoon:
        return x >= 440.0f && x <= 840.0f && OneOf(y, {-50.0f, -75.0f, -100.0f});
    case kSpeciesDayMushroom:
    case kSpeciesNightMushroom:
        return x >= 340.0f && x <= 940.0f && y == -50.0f;
    case kSpeciesDayRafflesia:
    case kSpeciesNightRafflesia:
        return x >= 540.0f && x <= 740.0f && (y == -100.0f || y == -50.0f);
    case kSpeciesElement: return x == 640.0f && y == -100.0f;
    case kSpeciesBigButterFly: return x == 640.0f && y == -200.0f;
    case kSpeciesBigMoth: return x == 1140.0f && y == 200.0f;
    default: return false;
    }
}

// The authored schedules keep to the formation conventions: their periods,
// the shifts of small-flyer waves and every entry point.
void CheckFormations(std::vector<std::string>& out, const char* name, const SpawnSchedule& s) {
    for (int32_t i = 0; i < s.waveCount; ++i) {
        const SpawnWave& w = s.waves[i];
        const std::string at = "wave " + std::to_string(i) + " (frame " + std::to_string(w.first) + ")";
        if (w.last > w.first && !OneOf(static_cast<float>(w.period), {5, 10, 15, 20, 30, 40, 45, 55, 60}))
            Report(out, name, at + ": period " + std::to_string(w.period));
        if (w.species != kSpeciesButterFly && w.species != kSpeciesMoth) continue;
        for (int32_t k = 0; k < w.steps.count && k < kWavePointMax; ++k) {
            const WavePoint& d = w.steps.at[k];
            const bool sideways = d.y == 0.0f && OneOf(d.x, {0, 50, -50, 100, -100, 150, -150, 200, -200, 250,
                                                              -250, 300, -300, 400, 500, -500});
            const bool vertical = d.x == 0.0f && OneOf(d.y, {100, 50, -30, -45});
            if (!sideways && !vertical) Report(out, name, at + ": a shift outside the conventions");
        }
    }
    ForEachEvent(s, 1, [&](const SpawnEvent& e) {
        if (!EntersByConvention(e.species, e.variant, e.x, e.y))
            Report(out, name, "frame " + std::to_string(e.frame) + ": species " + std::to_string(e.species) +
                                  " enters at (" + std::to_string(static_cast<int>(e.x)) + ", " +
                                  std::to_string(static_cast<int>(e.y)) + ")");
    });
}

void CheckEvents(std::vector<std::string>& out, const ScheduleTable& table, const ScheduleOwner& owner) {
    const SpawnSchedule& s = *table.schedule;
    const int32_t fieldLevel = owner.fieldId <= 2 ? 1 : owner.fieldId <= 4 ? 2 : 3;
    if (s.level != fieldLevel) Report(out, table.name, "level " + std::to_string(s.level));
    if (owner.fieldId == 5 && s.fixedRoute != 1) Report(out, table.name, "the cave passes route 1");
    if (owner.fieldId != 5 && s.fixedRoute != 0) Report(out, table.name, "must pass the field's route");

    Tally whole;
    Tally windows[kMaxWindows + 1];
    const int32_t markRoute = 2;  // events that keep route 1 under route 2 are marked
    ForEachEvent(s, markRoute, [&](const SpawnEvent& e) {
        const int32_t route1 = owner.fieldId != 5 && e.route == 1 ? 1 : 0;
        whole.Add(e, route1);
        const int32_t wi = e.frame / kWindowFrames;
        if (wi >= 0 && wi <= kMaxWindows) windows[wi].Add(e, route1);
        const std::string at = "frame " + std::to_string(e.frame);
        if (IsHoldFrame(owner.fieldId, e.frame)) Report(out, table.name, at + ": on a hold frame");
        if (e.species == kSpeciesFloorCrystal) Report(out, table.name, at + ": FloorCrystal");
        if (RemovedInFirstFrame(e.species, e.variant, e.x, e.y, 2.0f))
            Report(out, table.name, at + ": species " + std::to_string(e.species) + " at (" +
                                        std::to_string(static_cast<int>(e.x)) + ", " +
                                        std::to_string(static_cast<int>(e.y)) + ") leaves in its first frame");
    });

    if (whole.first != table.first || whole.last != table.last)
        Report(out, table.name, "frames " + std::to_string(whole.first) + " to " + std::to_string(whole.last) +
                                    ", expected " + std::to_string(table.first) + " to " +
                                    std::to_string(table.last));
    if (whole.total != table.total)
        Report(out, table.name, std::to_string(whole.total) + " spawns, expected " + std::to_string(table.total));
    CompareSpecies(out, table.name, "schedule", table.header, whole.species, false);
    if (owner.route != 1) {
        if (const FieldTimeline* f = TimelineOf(owner.fieldId))
            if (whole.first <= f->routeFrame) Report(out, table.name, "fires before the route choice");
    }

    if (table.windows[0].last == 0) return;  // known event by event
    CheckFormations(out, table.name, s);
    bool listed[kMaxWindows + 1] = {};
    int32_t headerSum = 0;
    for (const Window& w : table.windows) {
        if (w.last == 0) break;
        const int32_t wi = w.first / kWindowFrames;
        const std::string where = "window " + std::to_string(w.first) + " to " + std::to_string(w.last);
        if (wi != w.last / kWindowFrames || wi > kMaxWindows) {
            Report(out, table.name, where + " spans two windows");
            continue;
        }
        listed[wi] = true;
        const Tally& t = windows[wi];
        if (t.first != w.first || t.last != w.last)
            Report(out, table.name, where + ": events from " + std::to_string(t.first) + " to " +
                                        std::to_string(t.last));
        CompareSpecies(out, table.name, where, w.species, t.species, true);
        for (const SpeciesCount& c : w.species) headerSum += c.count;
    }
    if (headerSum != table.total) Report(out, table.name, "the window table does not add up to the total");
    for (int32_t wi = 0; wi <= kMaxWindows; ++wi)
        if (!listed[wi] && windows[wi].total > 0)
            Report(out, table.name, "events in the unlisted window from frame " +
                                        std::to_string(wi * kWindowFrames));
}

struct FirstStep {
    float dx = 0.0f;
    float dy = 0.0f;
    float reach = 0.0f;  // movement that depends on the player (a dash aimed at them) or a bob
};

// The distance each scheduled species covers in its first frame, by variant.
FirstStep FirstFrameStep(int32_t species, int32_t variant, float scroll) {
    constexpr float kDeg = 0.017453292f;
    switch (species) {
    case kSpeciesButterFly:
    case kSpeciesMoth:
        switch (variant) {
        case 0: return {0.0f, 10.0f, 0.0f};
        case 1: return {0.0f, 0.0f, 8.0f};
        case 2: return {9.0f, 0.0f, 0.0f};
        case 3: return {-9.0f, 0.0f, 0.0f};
        case 4: return {2.0f, 3.0f, 0.0f};
        case 5: return {-2.0f, 3.0f, 0.0f};
        case 6: case 7: return {0.0f, 18.0f, 0.0f};
        case 8: return {0.0f, 8.0f, 0.0f};
        case 9: case 10: return {13.3f, 0.0f, 0.0f};
        case 11: case 12: return {-13.3f, 0.0f, 0.0f};
        default: return {};
        }
    case kSpeciesMiddleButterFly:
    case kSpeciesMiddleMoth: {
        const float speed = species == kSpeciesMiddleButterFly ? 9.0f : 12.0f;
        if (variant == 0 || variant == 1) return {0.0f, 9.0f, 0.0f};
        if (variant == 2) return {std::cos(-60.0f * kDeg) * speed, std::sin(-60.0f * kDeg) * 3.0f, 0.0f};
        if (variant == 3) return {std::cos(-120.0f * kDeg) * speed, std::sin(-120.0f * kDeg) * 3.0f, 0.0f};
        return {};
    }
    case kSpeciesDayCocoon: case kSpeciesNightCocoon: case kSpeciesDayRafflesia: case kSpeciesNightRafflesia:
        return variant >= 0 && variant <= 2 ? FirstStep{0.0f, scroll, 0.0f} : FirstStep{};
    case kSpeciesDayMushroom: case kSpeciesNightMushroom:
        return variant == 0 || variant == 1 ? FirstStep{0.0f, scroll, 0.0f} : FirstStep{};
    case kSpeciesElement: return {0.0f, 10.0f, 2.0f};
    case kSpeciesBigButterFly: return {0.0f, 10.0f, 2.0f};
    case kSpeciesBigMoth: return {-6.4f, -0.5f, 2.0f};
    default: return {0.0f, 0.0f, 20.0f};
    }
}

float RemovalMargin(int32_t species) {
    switch (species) {
    case kSpeciesButterFly: return 100.0f;
    case kSpeciesBigButterFly: case kSpeciesBigMoth: return 400.0f;
    default: return 200.0f;
    }
}

}  // namespace

bool RemovedInFirstFrame(int32_t species, int32_t variant, float x, float y, float scroll) {
    const FirstStep step = FirstFrameStep(species, variant, scroll);
    const float m = RemovalMargin(species);
    const float nx = x + step.dx;
    const float ny = y + step.dy;
    const float r = step.reach;
    return nx - r <= 240.0f - m || nx + r >= 1040.0f + m || ny - r <= -m || ny + r >= 720.0f + m;
}

int32_t ValidatedScheduleCount() { return static_cast<int32_t>(sizeof(kTables) / sizeof(kTables[0])); }

std::vector<std::string> ValidateSchedules() {
    std::vector<std::string> out;
    for (const ScheduleOwner& owner : kOwners) {
        const ScheduleTable* table = nullptr;
        for (const ScheduleTable& t : kTables)
            if (t.schedule == owner.schedule) table = &t;
        if (table == nullptr) {
            out.push_back("a schedule without a window table");
            continue;
        }
        CheckWaves(out, table->name, *table->schedule);
        CheckEvents(out, *table, owner);
    }
    return out;
}

}  // namespace testsupport
