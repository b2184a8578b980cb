#pragma once
// What the two bosses of the grass plain, Scorpion (species 5, by day) and
// Spider (species 10, by night), share: the frame order, the phase machine
// with its rage and escape, the walks of their phases, the long death and the
// ground-boss draw.
//
// Phases: 0 entry, 1 zig-zag, 2 return home, 3 wander on a leash, 4 return
// home, 5 rage warning, 6 rage, 7 escape, 8 dying. The attack cycle 1..4 runs
// three times, then the boss escapes; at 10000 HP or less it rages once (from
// any phase below 5) and repeats the rage phase by its cycle counter.
#include <cstdint>

#include "enemy/species_kit.h"

// One leg of the zig-zag: the sub-mode it leads to and its heading (degrees).
struct ZigZagLeg {
    int32_t next = 0;
    float heading = 0.0f;
};

// A boss's own numbers.
struct GroundBossRules {
    ZigZagLeg legs[6];     // the leg chosen every 60 frames, by the current sub-mode
    float driftX = 0.0f;   // sub-mode 1: (driftX cos h, driftY sin h)
    float driftY = 0.0f;
    float swingX = 0.0f;         // sub-modes 2 and 4: (swingX cos h, -2)
    int32_t rageDuration = 0;    // the fire frames of one rage pass
    int32_t lastRageCycle = 0;   // a rage pass ending with this cycle count escapes
};

class GroundBoss : public virtual SpeciesKit {
public:
    // The ground-boss draw: a 256 x 256 cell of the sheet's second row at
    // column animation frame / 4, scale 1.5, hit-tinted.
    void DrawScorpionSpider();

protected:
    // One frame of a ground boss: move() (also while dying); HP below 1 runs
    // the death chain and nothing else; fire() while the phase timer is below
    // the duration; animation; the rage check; the phase clock with the
    // phase table; the silent removal 400 pixels outside the playfield.
    template <class Move, class Fire>
    void RunGroundBossFrame(const GroundBossRules& rules, Move&& move, Fire&& fire) {
        move();
        if (status.hp < 1) {
            DieAsGroundBoss();
            return;
        }
        if (PhaseAttacking(AttackWindow::kBeforeDuration)) fire();
        AdvanceAnimation();
        RageWhenWounded();
        if (PhaseClockExpired()) ChangeGroundBossPhase(rules);
        RemoveWhenOutside(kGroundBossMargin);
    }

    // The walk of every phase but the Scorpion's rage (phase 6), which homes
    // on the rage point here.
    void WalkGroundBoss(const GroundBossRules& rules);
    // Moves `speed` along the heading read as degrees.
    void StepAlongDegrees(float speed);
    // Sets the return flag: 1 outside the outer box, 0 inside the inner box,
    // otherwise unchanged.
    void LeashTo(float outerBottom, float innerTop, float innerBottom);

    static constexpr float kGroundBossMargin = 400.0f;
    static constexpr float kHomeX = 640.0f;
    static constexpr float kHomeY = 150.0f;
    static constexpr float kRageY = 200.0f;

private:
    // The death chain: explosions with orbs every third frame for 150 frames,
    // 30 quiet frames, then effect 6, the big orb circle and the reward.
    void DieAsGroundBoss();
    // At 10000 HP or less below phase 5: the rage warning, every enemy
    // bullet cancelled.
    void RageWhenWounded();
    // The phase table at the end of a phase.
    void ChangeGroundBossPhase(const GroundBossRules& rules);
    void WalkZigZag(const GroundBossRules& rules);
    void WanderOnLeash();
};
