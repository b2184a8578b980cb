#include "core/field_globals.h"
#include "enemy/enemy.h"
#include "enemy/enemy_stats.h"
#include "enemy/enemy_ids.h"

namespace {

// The species' own stat function for the slot.
void InitSpeciesStatus(int32_t species, int32_t slot, int32_t level) {
    switch (species) {
        case kSpeciesButterFly: ButterFly::InitStatus(slot, level); break;
        case kSpeciesMiddleButterFly: MiddleButterFly::InitStatus(slot, level); break;
        case kSpeciesDayCocoon: DayCocoon::InitStatus(slot, level); break;
        case kSpeciesBigButterFly: BigButterFly::InitStatus(slot, level); break;
        case kSpeciesScorpion: Scorpion::InitStatus(slot, level); break;
        case kSpeciesMoth: Moth::InitStatus(slot, level); break;
        case kSpeciesMiddleMoth: MiddleMoth::InitStatus(slot, level); break;
        case kSpeciesNightCocoon: NightCocoon::InitStatus(slot, level); break;
        case kSpeciesBigMoth: BigMoth::InitStatus(slot, level); break;
        case kSpeciesSpider: Spider::InitStatus(slot, level); break;
        case kSpeciesDayMushroom: DayMushroom::InitStatus(slot, level); break;
        case kSpeciesDayRafflesia: DayRafflesia::InitStatus(slot, level); break;
        case kSpeciesEagle: Eagle::InitStatus(slot, level); break;
        case kSpeciesBigDayRafflesia: BigDayRafflesia::InitStatus(slot, level); break;
        case kSpeciesNightMushroom: NightMushroom::InitStatus(slot, level); break;
        case kSpeciesNightRafflesia: NightRafflesia::InitStatus(slot, level); break;
        case kSpeciesBat: Bat::InitStatus(slot, level); break;
        case kSpeciesBigNightRafflesia: BigNightRafflesia::InitStatus(slot, level); break;
        case kSpeciesElement: Element::InitStatus(slot, level); break;
        case kSpeciesBigElement: BigElement::InitStatus(slot, level); break;
        case kSpeciesMagicStone: MagicStone::InitStatus(slot, level); break;
        case kSpeciesFloorCrystal: FloorCrystal::InitStatus(slot, level); break;
        case kSpeciesGrandMagicStone: GrandMagicStone::InitStatus(slot); break;
        default: break;
    }
}

}  // namespace

void SpawnEnemy(int32_t species, int32_t variant, float x, float y, int32_t route, int32_t level) {
    // An id outside the species table, or a level the species has no stats
    // for, would leave a live enemy without stats or sheet: spawn nothing.
    if (!SpeciesHasStatRow(species, level)) return;

    int32_t slot = 0;
    while (slot < kEnemyCount && EnemyPool[slot].active != 0) ++slot;
    if (slot == kEnemyCount) return;

    Enemy& e = EnemyPool[slot];
    e.Occupy(species, variant, x, y, route, level, ScrollSpeed);
    // A hit on the slot's last enemy must not tint the new one.
    e.hitFlag = 0;
    e.ResetCommanderParts();
    InitSpeciesStatus(species, slot, level);
    e.sheet = SpeciesSheet(species);
}
