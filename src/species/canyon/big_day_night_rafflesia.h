#pragma once
// What the two canyon bosses, BigDayRafflesia (species 15) and
// BigNightRafflesia (species 20), share: the frame of their phase cycle with
// the rage below a third of their HP and the withdrawal after two cycles, the
// ride down the ground scroll, the death chain, the rage spiral (the night's
// is the day's mirrored) and their draw.
#include <cstdint>

#include "core/game_codes.h"
#include "enemy/species_kit.h"

// The boss phases of a big rafflesia: 0 entry, 1..4 the attack cycle, then these.
constexpr int32_t kBigRafflesiaRageStart = 5;   // the bullet cancel and 121 frames of explosions
constexpr int32_t kBigRafflesiaRage = 6;
constexpr int32_t kBigRafflesiaDying = 8;

class BigDayNightRafflesia : public virtual SpeciesKit {
public:
    // One frame of either boss: bob counter, the ride down the scroll, the
    // death chain (HP below 1) or the attack fire() while the phase's window
    // is open, the rage threshold, the phase clock (`thirdPhase` is the
    // duration of phase 3), the removal far outside and the withdrawal.
    template <class Fire>
    void RunBigRafflesiaFrame(int32_t thirdPhase, Fire&& fire) {
        AdvanceBobCounter();
        MoveBigDayNightRafflesia();
        if (status.hp < 1) {
            RunBossDeath(kBigRafflesiaDeath);
            return;
        }
        if (grade == kBigRafflesiaGrade && PhaseAttacking(AttackWindow::kThroughDuration)) fire();
        EndBigRafflesiaFrame(thirdPhase);
    }
    // y rides the ground scroll; x and z stay. During the rage transition one
    // explosion a frame within 150 pixels of the centre.
    void MoveBigDayNightRafflesia();
    // One 256 x 256 cell at scale 1.5 with the hit tint.
    void DrawBigDayNightRafflesia();

protected:
    // Every attack leaves from here, 30 pixels above the centre.
    Muzzle BigRafflesiaMuzzle() const { return Offset(0.0f, -30.0f); }
    // The point `radius` pixels from the muzzle at `degrees`.
    Muzzle BigRafflesiaRingPoint(float radius, float degrees) const;
    // The rage spiral, on every shot counter that is a multiple of 8 / 6 / 4
    // by Difficulty column: from ten points 100 pixels out at a = 36 k + turn x r
    // a large colour-2 and then a large colour-1 bullet at speed 5, one flying
    // straight out along a and the other at 36 k + 2 x turn x r (colour 2 is
    // the outward one when `colour2Outward`); then r + 4.
    void FireBigRafflesiaRage(int32_t column, float turn, bool colour2Outward);

private:
    static constexpr int32_t kBigRafflesiaGrade = 2;   // the canyon; only there does the boss attack and turn phase
    static constexpr BossDeath kBigRafflesiaDeath{
        .dyingPhase = kBigRafflesiaDying,
        .cancel = CancelTiming::kEveryFrame,
        .destructionEffect = kEffectBossDeath,
        .scatter = ItemScatter::kGroupShower,
    };

    // The rage threshold, the phase clock, the removal and the withdrawal.
    void EndBigRafflesiaFrame(int32_t thirdPhase);
    // The next phase of the cycle, or of the rage, once the clock has run out.
    void NextBigRafflesiaPhase(int32_t thirdPhase);
};
