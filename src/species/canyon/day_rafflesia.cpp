#include "species/canyon/day_rafflesia.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

void DayRafflesia::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesDayRafflesia, level); }

void DayRafflesia::Update() {
    RunRafflesiaFrame([this] { MoveAndFire(); });
}

void DayRafflesia::MoveAndFire() {
    static constexpr TurretRoutines<DayRafflesia> kRoutines = {
        &DayRafflesia::FireGrade2Route1, &DayRafflesia::FireGrade2Route2, &DayRafflesia::FireGrade2Route3};
    RideAndFire(*this, kRoutines);
}
