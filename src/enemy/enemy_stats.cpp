#include "enemy/enemy_stats.h"

#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_textures.h"
#include "enemy/enemy_ids.h"

namespace {

struct SpeciesInfo {
    int32_t species;
    int32_t layer;
    EnemySheet sheet;
};

const SpeciesInfo kSpecies[] = {
    {kSpeciesButterFly, 0, kSheetNormalGrassDay},
    {kSpeciesMiddleButterFly, 0, kSheetBossGrassDay},
    {kSpeciesDayCocoon, 1, kSheetNormalGrassDay},
    {kSpeciesBigButterFly, 0, kSheetBossGrassDay},
    {kSpeciesScorpion, 1, kSheetBossGrassDay},
    {kSpeciesMoth, 0, kSheetNormalGrassNight},
    {kSpeciesMiddleMoth, 0, kSheetBossGrassNight},
    {kSpeciesNightCocoon, 1, kSheetNormalGrassNight},
    {kSpeciesBigMoth, 0, kSheetBossGrassNight},
    {kSpeciesSpider, 1, kSheetBossGrassNight},
    {kSpeciesDayMushroom, 1, kSheetNormalCanyonDay},
    {kSpeciesDayRafflesia, 1, kSheetNormalCanyonDay},
    {kSpeciesEagle, 0, kSheetBossCanyonDay},
    {kSpeciesBigDayRafflesia, 1, kSheetBossCanyonDay},
    {kSpeciesNightMushroom, 1, kSheetNormalCanyonNight},
    {kSpeciesNightRafflesia, 1, kSheetNormalCanyonNight},
    {kSpeciesBat, 0, kSheetBossCanyonNight},
    {kSpeciesBigNightRafflesia, 1, kSheetBossCanyonNight},
    {kSpeciesElement, 0, kSheetNormalCave},
    {kSpeciesBigElement, 0, kSheetNormalCave},
    {kSpeciesMagicStone, 0, kSheetBossCave},
    {kSpeciesFloorCrystal, 1, kSheetNormalCave},
    {kSpeciesGrandMagicStone, 0, kSheetBossCave},
};

// Which enemies a row serves by variant.
enum VariantMatch : int32_t { kAnyVariant, kVariantZero, kVariantOther };

constexpr int32_t kAnyGrade = 0;
constexpr int32_t kNoBonus = -1;
constexpr int32_t kNoGauge = 0;

struct StatRow {
    int32_t species;
    int32_t grade;
    VariantMatch variants;
    int32_t level;
    int32_t hp;
    int32_t attack;  // attack and attack2
    int32_t defense;
    int32_t defense2;
    int32_t reward;
    int32_t bonus;
    int32_t gauge;
    int32_t phaseDuration;
};

// clang-format off
const StatRow kStatRows[] = {
    // species                  grade      variants       lvl  HP      atk  def  def2 reward  bonus     gauge     phase
    {kSpeciesButterFly,         1,         kAnyVariant,    1,  100,     15,  10,   5,  300,    45,       1,        0},
    {kSpeciesButterFly,         2,         kAnyVariant,   11,  200,     40,  45,  40,  500,    45,       1,        0},
    {kSpeciesButterFly,         3,         kAnyVariant,   21,  300,     55,  65,  60,  800,    45,       1,        0},
    {kSpeciesMiddleButterFly,   1,         kAnyVariant,    3,  750,     20,  25,  15,  1000,   90,       2,        0},
    {kSpeciesMiddleButterFly,   2,         kAnyVariant,   13,  2000,    45,  65,  55,  2500,   90,       2,        0},
    {kSpeciesMiddleButterFly,   3,         kAnyVariant,   23,  2500,    65, 100,  90,  4000,   90,       2,        0},
    {kSpeciesDayCocoon,         1,         kAnyVariant,    3,  1250,    20,  25,  15,  2000,   90,       2,        0},
    {kSpeciesDayCocoon,         2,         kAnyVariant,   13,  1500,    30,  65,  55,  3500,   90,       2,        0},
    {kSpeciesBigButterFly,      1,         kAnyVariant,    5,  20000,   20,  30,  20,  25000,  kNoBonus, 3,        90},
    {kSpeciesBigButterFly,      2,         kAnyVariant,   15,  10000,   40,  80,  70,  15000,  kNoBonus, 2,        90},
    {kSpeciesBigButterFly,      3,         kVariantZero,  25,  15000,   70, 130, 120,  22500,  kNoBonus, 2,        90},
    {kSpeciesBigButterFly,      3,         kVariantOther, 30,  20000,   75, 130, 120,  30000,  kNoBonus, 2,        90},
    {kSpeciesScorpion,          1,         kAnyVariant,   10,  40000,   25,  35,  30,  30000,  kNoBonus, 3,        90},
    {kSpeciesMoth,              1,         kAnyVariant,    1,  100,     15,   5,  10,  300,    45,       1,        0},
    {kSpeciesMoth,              2,         kAnyVariant,   11,  200,     40,  40,  45,  500,    45,       1,        0},
    {kSpeciesMoth,              3,         kAnyVariant,   21,  300,     55,  70,  75,  800,    45,       1,        0},
    {kSpeciesMiddleMoth,        1,         kAnyVariant,    3,  750,     20,  15,  25,  1000,   90,       2,        0},
    {kSpeciesMiddleMoth,        2,         kAnyVariant,   13,  2000,    45,  55,  65,  2500,   90,       2,        0},
    {kSpeciesMiddleMoth,        3,         kAnyVariant,   23,  2500,    65,  90, 100,  4000,   90,       2,        0},
    {kSpeciesNightCocoon,       1,         kAnyVariant,    3,  1250,    20,  15,  25,  2000,   90,       2,        0},
    {kSpeciesNightCocoon,       2,         kAnyVariant,   13,  1500,    30,  55,  65,  3500,   90,       2,        0},
    {kSpeciesBigMoth,           1,         kAnyVariant,    5,  20000,   20,  20,  30,  25000,  kNoBonus, 3,        90},
    {kSpeciesBigMoth,           2,         kAnyVariant,   15,  10000,   40,  70,  80,  15000,  kNoBonus, 2,        570},
    {kSpeciesBigMoth,           3,         kVariantZero,  25,  15000,   70, 120, 130,  22500,  kNoBonus, 2,        570},
    {kSpeciesBigMoth,           3,         kVariantOther, 30,  20000,   75, 120, 130,  30000,  kNoBonus, 2,        570},
    {kSpeciesSpider,            1,         kAnyVariant,   10,  40000,   25,  30,  35,  30000,  kNoBonus, 3,        90},
    {kSpeciesDayMushroom,       2,         kAnyVariant,   11,  300,     30,  45,  40,  500,    45,       1,        0},
    {kSpeciesDayMushroom,       3,         kAnyVariant,   21,  500,     55,  75,  70,  1000,   45,       1,        0},
    {kSpeciesDayRafflesia,      2,         kAnyVariant,   13,  3000,    35,  65,  55,  3500,   90,       2,        0},
    {kSpeciesDayRafflesia,      3,         kAnyVariant,   23,  5000,    65, 110, 100,  5000,   90,       2,        0},
    {kSpeciesEagle,             2,         kAnyVariant,   15,  30000,   45,  90,  80,  35000,  kNoBonus, 3,        90},
    {kSpeciesBigDayRafflesia,   2,         kAnyVariant,   20,  45000,   55, 110, 100,  60000,  kNoBonus, 3,        90},
    {kSpeciesNightMushroom,     2,         kAnyVariant,   11,  300,     30,  40,  45,  500,    45,       1,        0},
    {kSpeciesNightMushroom,     3,         kAnyVariant,   21,  500,     55,  70,  75,  1000,   45,       1,        0},
    {kSpeciesNightRafflesia,    2,         kAnyVariant,   13,  3000,    35,  55,  65,  3500,   90,       2,        0},
    {kSpeciesNightRafflesia,    3,         kAnyVariant,   23,  5000,    65, 100, 110,  5000,   90,       2,        0},
    {kSpeciesBat,               2,         kAnyVariant,   15,  30000,   45,  80,  90,  35000,  kNoBonus, 3,        90},
    {kSpeciesBigNightRafflesia, 2,         kAnyVariant,   20,  45000,   55, 100, 110,  60000,  kNoBonus, 3,        90},
    {kSpeciesElement,           3,         kAnyVariant,   23,  3000,    60,  90,  90,  5000,   90,       2,        0},
    {kSpeciesBigElement,        3,         kAnyVariant,   25,  55000,   65, 120, 120,  45000,  kNoBonus, 3,        90},
    {kSpeciesMagicStone,        3,         kVariantZero,  30,  100000,  75, 130, 130,  100000, kNoBonus, 3,        90},
    {kSpeciesMagicStone,        3,         kVariantOther, 99,  999999,   1, 999, 999,  0,      kNoBonus, kNoGauge, 999},
    {kSpeciesFloorCrystal,      3,         kAnyVariant,   30,  1500,    65,  90,  90,  2000,   45,       1,        0},
    {kSpeciesGrandMagicStone,   kAnyGrade, kVariantZero,  50,  100000,  80, 150, 150,  200000, kNoBonus, 3,        90},
    {kSpeciesGrandMagicStone,   kAnyGrade, kVariantOther, 50,  50000,   80, 150, 150,  300000, kNoBonus, 3,        90},
};
// clang-format on

const SpeciesInfo* FindSpecies(int32_t species) {
    for (const SpeciesInfo& s : kSpecies)
        if (s.species == species) return &s;
    return nullptr;
}

bool GradeMatches(const StatRow& row, int32_t level) { return row.grade == kAnyGrade || row.grade == level; }

bool VariantMatches(const StatRow& row, int32_t variant) {
    switch (row.variants) {
        case kVariantZero:
            return variant == 0;
        case kVariantOther:
            return variant != 0;
        default:
            return true;
    }
}

const StatRow* FindStatRow(int32_t species, int32_t level, int32_t variant) {
    for (const StatRow& row : kStatRows)
        if (row.species == species && GradeMatches(row, level) && VariantMatches(row, variant)) return &row;
    return nullptr;
}

}  // namespace

int32_t SpeciesLayer(int32_t species) {
    const SpeciesInfo* info = FindSpecies(species);
    return info != nullptr ? info->layer : -1;
}

bool SpeciesHasStatRow(int32_t species, int32_t level) {
    for (const StatRow& row : kStatRows)
        if (row.species == species && GradeMatches(row, level)) return true;
    return false;
}

Texture* SpeciesSheet(int32_t species) {
    const SpeciesInfo* info = FindSpecies(species);
    return info != nullptr ? EnemySheetTextures[info->sheet] : nullptr;
}

void ApplySpeciesStats(int32_t slot, int32_t species, int32_t level) {
    if (slot < 0 || slot >= kEnemyCount) return;
    const SpeciesInfo* info = FindSpecies(species);
    if (info == nullptr) return;
    Enemy& e = EnemyPool[slot];
    e.layer = info->layer;
    const StatRow* row = FindStatRow(species, level, e.variant);
    if (row == nullptr) return;

    e.status.level = row->level;
    e.status.hp = row->hp;
    e.status.maxHp = row->hp;
    e.status.attack = row->attack;
    e.status.attack2 = row->attack;
    e.status.defense = row->defense;
    e.status.defense2 = row->defense2;
    e.phaseDuration = row->phaseDuration;
    e.reward = row->reward;
    if (row->bonus != kNoBonus) e.bonusTimer = row->bonus;

    if (row->gauge == kNoGauge) return;
    EnemyGaugeRecord& r = EnemyStatusTable[slot];
    r.active = 1;
    r.kind = row->gauge;
    r.x = e.x;
    r.y = e.y;
    r.z = e.z;
    r.maxHp = row->hp;
    r.hp = row->hp;
    // A boss spawned into this slot plays its bar's fill from the start.
    r.fillCounter = 0;
}
