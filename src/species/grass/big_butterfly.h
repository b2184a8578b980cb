#pragma once
// Species 4: the mid-boss of the grass plain by day. At grade 1 it plays
// three attack phases twice and flies away; in the canyon and the cave
// (grades 2 and 3) it is a strong middle enemy with one attack phase.
#include <cstdint>

#include "species/grass/big_flyer.h"

class BigButterFly : public virtual BigFlyer {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of the big-flyer phase machine.
    void Update();
    // The motion of the phase (the frame adds the bob).
    void Move();
    // The volleys of grade 1, phases 1 to 3.
    void FireGrade1();
    // The volleys of grades 2 and 3, phases 0 and 1.
    void FireGrade2();

private:
    void ChangePhase();
    // Grade 3, variant 1, phase 1: left and up, then back to the right.
    void DriftAcross();
    // Grade 1: phase 1 the turning rings, phase 2 the aimed fans, phase 3
    // the twin spinners.
    void FireTurningRings(int32_t column);
    void FireAimedFans(int32_t column);
    void FireTwinSpinners(int32_t column);
    // Grades 2 and 3: the growing fans and the twin streams of phase 0, the
    // bursts and sweeps and the crossfire of phase 1.
    void FireGrowingFans(int32_t column);
    void FireTwinStreams();
    void FireBurstsAndSweeps();
    void FireCrossfire(int32_t column);
    // On counts that are multiples of 4: five pairs from (x + 30, y) and
    // (x - 30, y) by turns, 3 n degrees either side of the kept aim.
    void FireOpeningPairs(int32_t n);
};
