#include "species/canyon/day_mushroom.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// Large colour-1 centre bullets, large colour-2 sides at 30, 30 and 45 degrees.
constexpr MushroomLooks kDayLooks{kLookL1, kLookL2, {30.0f, 30.0f, 45.0f}};

}   // namespace

void DayMushroom::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayMushroom, level); }

void DayMushroom::Update() {
    RunMushroomFrame([this] { MoveAndFire(); });
}

void DayMushroom::MoveAndFire() {
    static constexpr TurretRoutines<DayMushroom> kRoutines = {
        &DayMushroom::FireGrade2Route1, &DayMushroom::FireGrade2Route2, &DayMushroom::FireGrade2Route3};
    RideAndFire(*this, kRoutines);
}

void DayMushroom::FireGrade2Route1() { FireMushroomVolley(kDayLooks, 0); }

void DayMushroom::FireGrade2Route2() { FireMushroomRoute2(kDayLooks); }

void DayMushroom::FireGrade2Route3() { FireMushroomVolley(kDayLooks, 2); }
