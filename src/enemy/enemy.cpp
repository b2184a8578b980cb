#include "enemy/enemy.h"

#include "enemy/enemy_ids.h"

// The shared EnemyBase is built first (all zero), then GrandMagicStone's own
// block; the satellite lists of the other commanders start empty too, so a
// fresh slot never names another commander's satellites.
Enemy::Enemy() {
    ResetCommanderParts();
    status = StatusBlock{};
}

void Enemy::ResetCommanderParts() {
    for (int32_t& s : Element::satellites) s = -1;
    for (int32_t& s : BigElement::satellites) s = -1;
    for (int32_t& s : MagicStone::satellites) s = -1;
    ResetGrandMagicStoneBlock();
}

void Enemy::Update() {
    switch (species) {
        case kSpeciesButterFly: ButterFly::Update(); break;
        case kSpeciesMiddleButterFly: MiddleButterFly::Update(); break;
        case kSpeciesDayCocoon: DayCocoon::Update(); break;
        case kSpeciesBigButterFly: BigButterFly::Update(); break;
        case kSpeciesScorpion: Scorpion::Update(); break;
        case kSpeciesMoth: Moth::Update(); break;
        case kSpeciesMiddleMoth: MiddleMoth::Update(); break;
        case kSpeciesNightCocoon: NightCocoon::Update(); break;
        case kSpeciesBigMoth: BigMoth::Update(); break;
        case kSpeciesSpider: Spider::Update(); break;
        case kSpeciesDayMushroom: DayMushroom::Update(); break;
        case kSpeciesDayRafflesia: DayRafflesia::Update(); break;
        case kSpeciesEagle: Eagle::Update(); break;
        case kSpeciesBigDayRafflesia: BigDayRafflesia::Update(); break;
        case kSpeciesNightMushroom: NightMushroom::Update(); break;
        case kSpeciesNightRafflesia: NightRafflesia::Update(); break;
        case kSpeciesBat: Bat::Update(); break;
        case kSpeciesBigNightRafflesia: BigNightRafflesia::Update(); break;
        case kSpeciesElement: Element::Update(); break;
        case kSpeciesBigElement: BigElement::Update(); break;
        case kSpeciesMagicStone: MagicStone::Update(); break;
        case kSpeciesFloorCrystal: FloorCrystal::Update(); break;
        case kSpeciesGrandMagicStone: GrandMagicStone::Update(); break;
        default: break;
    }
}

void Enemy::Draw() {
    switch (species) {
        case kSpeciesButterFly:
        case kSpeciesMoth: DrawButterFlyMoth(); break;
        case kSpeciesMiddleButterFly:
        case kSpeciesMiddleMoth: DrawMiddleButterFlyMoth(); break;
        case kSpeciesDayCocoon:
        case kSpeciesNightCocoon: DrawDayNightCocoon(); break;
        case kSpeciesBigButterFly:
        case kSpeciesBigMoth: DrawBigButterFlyMoth(); break;
        case kSpeciesScorpion:
        case kSpeciesSpider: DrawScorpionSpider(); break;
        case kSpeciesDayMushroom:
        case kSpeciesNightMushroom: DrawDayNightMushroom(); break;
        case kSpeciesDayRafflesia:
        case kSpeciesNightRafflesia: DrawDayNightRafflesia(); break;
        case kSpeciesEagle:
        case kSpeciesBat: DrawEagleBat(); break;
        case kSpeciesBigDayRafflesia:
        case kSpeciesBigNightRafflesia: DrawBigDayNightRafflesia(); break;
        case kSpeciesElement: Element::Draw(); break;
        case kSpeciesBigElement: BigElement::Draw(); break;
        case kSpeciesMagicStone: MagicStone::Draw(); break;
        case kSpeciesFloorCrystal: FloorCrystal::Draw(); break;
        case kSpeciesGrandMagicStone: GrandMagicStone::Draw(); break;
        default: break;
    }
}
