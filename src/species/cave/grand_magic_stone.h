#pragma once
// Species 99: the final boss, met at Difficulty 3 after the MagicStone, in two
// forms. Form 0 (variant 0) cycles through four formations of satellites,
// breaks below 20001 HP, closes rings of satellites round itself and ends in
// radial bursts and drifting ellipses; form 1 (any other variant) settles in
// the upper middle and fires a turning cross that thickens as its HP falls.
// Both start behind a guard (every hit does 1) drawn as a fading barrier.
#include <cstdint>

#include "enemy/species_kit.h"

class GrandMagicStone : public virtual SpeciesKit {
public:
    GrandMagicStone();
    // The final boss's stats by form (variant 0 or not) and its spawn guard
    // (240 frames for form 0, 120 otherwise) in the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot);
    // One frame: bob counter and UpdateSatellites; then the death chain of
    // the form, or Fire, the guard's count-down (the restore values go back
    // into defense and defense2 when it runs out), the break (form 0), the
    // phase clock (a change removes every satellite) and the silent removal
    // 400 pixels outside the playfield.
    void Update();
    // The boss's movement and its formation of the phase, then the bob.
    void UpdateSatellites();
    // The boss's own bullets: form 1's cross, form 0's bursts in phases 6 and 7.
    void Fire();
    // The body from its sheet, then the fading barrier while the guard holds.
    void Draw();
    // Raises the guard to `frames` unless it already holds at least that:
    // defense and defense2 become 999 until it runs out.
    void RaiseGuard(int32_t frames);
    // Puts the block back to its constructed state (indices -1, vectors,
    // angles, timers and guard 0, restore values 150).
    void ResetGrandMagicStoneBlock();

    static constexpr int kSatelliteCount = 40;
    int32_t satellites[kSatelliteCount];   // EnemyChildPool indices, -1 none
    Vec3 vectors[4];                       // formation anchors and ring centres
    float satelliteAngles[kSatelliteCount];
    int32_t satelliteTimers[kSatelliteCount];
    int32_t guardTimer;    // while above 0, defense and defense2 are 999
    int32_t guardLength;   // the value the guard was last raised to
    int32_t restoreDefense;
    int32_t restoreDefense2;

private:
    // The phase after the current one, entered when its clock runs out.
    void EnterNextPhase();
    // Form 0 below the HP threshold: phase 5, the satellites killed with
    // their drops and rewards, every enemy bullet cancelled, the guard raised.
    void Break();
    // Every satellite let go (RemoveEnemyChild in `mode`), the list -1, the
    // angles and timers 0.
    void ReleaseFormation(int32_t mode);

    // The formations, at phase time t (grand_magic_stone_formations.cpp).
    void FormBentArms(int32_t t);
    void FormFans(int32_t t);
    void FormSwarm(int32_t t);
    void ReaimSwarm();
    void FormSentinels(int32_t t);
    void DriftInBreak(int32_t t);
    void FormClosingRings(int32_t t);
    void FormEllipses(int32_t t);
    // A satellite at the boss into list position `place`.
    void LaunchSatellite(int32_t place, int32_t species, int32_t pattern);

    // The own fire (grand_magic_stone_fire.cpp).
    void FireCross();
    void TurnCross();
    void FireBurst();
    void FireDoubleRing();
};
