#include "species/canyon/night_rafflesia.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void NightRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesNightRafflesia, level); }

void NightRafflesia::Update() {
    RunRafflesiaFrame([this] { MoveAndFire(); });
}

void NightRafflesia::MoveAndFire() {
    static constexpr TurretRoutines<NightRafflesia> kRoutines = {
        &NightRafflesia::FireGrade2Route1, &NightRafflesia::FireGrade2Route2, &NightRafflesia::FireGrade2Route3};
    RideAndFire(*this, kRoutines);
}
