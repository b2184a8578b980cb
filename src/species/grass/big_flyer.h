#pragma once
// What the two big flyers, BigButterFly (species 4) and BigMoth (species 9),
// share: the frame of their phase machine with its bob, the mid-boss's order
// of phases, the descent into view and the climb away, the long death with
// its item shower, and their draw.
#include <cstdint>

#include "enemy/species_kit.h"

// The boss phases of a big flyer: 0 entering, 1 to 3 attacking, 4 leaving,
// 5 dying.
constexpr int32_t kBigFlyerEntering = 0;
constexpr int32_t kBigFlyerLeaving = 4;
constexpr int32_t kBigFlyerDying = 5;
// A leaving flyer's phase never ends; it is removed once out of sight.
constexpr int32_t kBigFlyerLeavingLength = 999;

class BigFlyer : public virtual SpeciesKit {
public:
    // The big-flyer draw: a 256 x 256 cell of the sheet's first row at column
    // animation frame / 4, scaled 2 across and 1.5 down, hit-tinted.
    void DrawBigButterFlyMoth();

protected:
    // One frame: bob counter, move() and then the bob; while HP is below 1
    // the death chain and nothing else; otherwise, while the phase timer is
    // at most the duration, fireGrade1() at grade 1 or fireGrade2() at grades
    // 2 and 3; the animation, the phase clock with changePhase() on the frame
    // of the change, and the removal 400 pixels outside the playfield
    // (silent, no reward).
    template <class Move, class FireGrade1, class FireGrade2, class ChangePhase>
    void RunBigFlyerFrame(Move&& move, FireGrade1&& fireGrade1, FireGrade2&& fireGrade2, ChangePhase&& changePhase) {
        AdvanceBobCounter();
        move();
        ApplyBob();
        if (status.hp < 1) {
            Die();
            return;
        }
        if (PhaseAttacking(AttackWindow::kThroughDuration)) {
            if (grade == 1) fireGrade1();
            if (SmallerForm()) fireGrade2();
        }
        AdvanceAnimation();
        if (PhaseClockExpired()) changePhase();
        RemoveWhenOutside(kMargin);
    }

    // The canyon's and the cave's form (grades 2 and 3).
    bool SmallerForm() const { return grade == 2 || grade == 3; }
    // The mid-boss's order at grade 1: 0, 1 (240), 2 (360), 3 (360), then a
    // second round 1, 2, 3 of 360 each (the cycle counter counts the rounds),
    // then 4, leaving.
    void EnterNextMidBossPhase();
    // For the first 90 frames of the phase y grows by 10 - 0.111 t: about 455
    // pixels down, slowing to a stop.
    void DescendIntoView();
    // y shrinks by 0.111 t: the flyer climbs away, faster each frame.
    void ClimbAway();
    // The shot counter of a cycling pattern: back to 0 once it has reached
    // `restartAt`, so the cycle lasts restartAt + 1 frames. True on a restart.
    bool AdvanceCycle(int32_t restartAt);

private:
    static constexpr float kMargin = 400.0f;
    // Explosions for 90 frames, quiet until 120 (grade 1); 60 and 90 for the
    // smaller forms of the canyon and the cave.
    void Die();
};
