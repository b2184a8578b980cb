#pragma once
// What the canyon's two mid-bosses, Eagle (species 14) and Bat (species 19),
// share: one frame with its phase machine, the glide, climb and bob, the
// death chain, the entry spray and the draw (in canyon_draws.cpp).
#include <cstdint>

#include "enemy/species_kit.h"

// The two phase durations in which the mid-bosses differ.
struct MidBossDurations {
    int32_t phase3;         // the first and second phase 3
    int32_t secondPhase1;   // phase 1 of the second round
};

class CanyonMidBoss : public virtual SpeciesKit {
public:
    // Entry glide, climb away or sinking by the boss phase, then the bob.
    void MoveEagleBat();
    // The mid-boss draw: a 256 x 128 cell of the sheet's row 256..384 at
    // column animation frame / 4, scale 2.
    void DrawEagleBat();

protected:
    // One frame: bob counter, movement; the death chain while HP is below 1;
    // else fire() while the phase attacks, the animation, the phase clock
    // with its change, and the removal 400 pixels outside the playfield.
    template <class Fire>
    void RunMidBossFrame(const MidBossDurations& durations, Fire&& fire) {
        AdvanceBobCounter();
        MoveEagleBat();
        if (status.hp < 1) {
            DieMidBoss();
            return;
        }
        if (InCanyon() && PhaseAttacking(AttackWindow::kThroughDuration)) fire();
        AdvanceAnimation();
        if (PhaseClockExpired() && InCanyon()) NextMidBossPhase(durations);
        RemoveWhenOutside(kMidBossMargin);
    }
    // Phase 0 of both: on counts that are multiples of 8 / 6 / 4, four aimed
    // large bullets at random angles within 45 degrees of the aim and random
    // speeds 3.0..8.9, colour 1 and 2 by turns. Does not count.
    void FireEntrySpray(int32_t column, Muzzle from);
    // The period of the random sprays by Difficulty.
    static constexpr int32_t kSprayPeriods[3] = {8, 6, 4};

private:
    static constexpr float kMidBossMargin = 400.0f;
    // The mid-bosses act, change phase and finish dying only in the canyon.
    bool InCanyon() const;
    // 0 -> 1 -> 2 -> 3 -> 1 -> 2 -> 3 -> 4 (leaving); the cycle counter marks
    // the second round.
    void NextMidBossPhase(const MidBossDurations& durations);
    // The cancel on the first frame, 45 explosions in 90 frames, 30 quiet
    // frames, then the burst, the shower of orbs and the reward.
    void DieMidBoss();
};
