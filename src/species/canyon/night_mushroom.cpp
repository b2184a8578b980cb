#include "species/canyon/night_mushroom.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// The day's colours swapped: large colour-2 centre bullets, large colour-1
// sides, at 30, 45 and 45 degrees.
constexpr MushroomLooks kNightLooks{kLookL2, kLookL1, {30.0f, 45.0f, 45.0f}};

}   // namespace

void NightMushroom::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightMushroom, level); }

void NightMushroom::Update() {
    RunMushroomFrame([this] { MoveAndFire(); });
}

void NightMushroom::MoveAndFire() {
    static constexpr TurretRoutines<NightMushroom> kRoutines = {
        &NightMushroom::FireGrade2Route1, &NightMushroom::FireGrade2Route2, &NightMushroom::FireGrade2Route3};
    RideAndFire(*this, kRoutines);
}

void NightMushroom::FireGrade2Route1() { FireMushroomVolley(kNightLooks, 0); }

void NightMushroom::FireGrade2Route2() { FireMushroomRoute2(kNightLooks); }

void NightMushroom::FireGrade2Route3() { FireMushroomVolley(kNightLooks, 2); }
