#pragma once
// Species 9: the mid-boss of the grass plain by night. At grade 1 it plays
// three attack phases twice and flies away; in the canyon and the cave
// (grades 2 and 3) it crosses the screen once with one attack.
#include <cstdint>

#include "species/grass/big_flyer.h"

class BigMoth : public virtual BigFlyer {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of the big-flyer phase machine.
    void Update();
    // The motion of the phase (the frame adds the bob).
    void Move();
    // The volleys of grade 1, by boss phase and Difficulty.
    void FireGrade1();
    // The volleys of grades 2 and 3, by variant and Difficulty.
    void FireGrade2();

private:
    void ChangePhase();
    // Phase 1: the turning cross from the twin muzzles and the aimed fan.
    void FireCrossAndFan(int32_t column);
    // Phase 2: fans round an aim kept for the cycle, then aimed fans that
    // speed up.
    void FireKeptAimFans(int32_t column);
    // Phase 3: the spinning ring, then the mirrored streaks.
    void FireRingThenStreaks(int32_t column);
    // Grades 2 and 3: the wall and the turning arms.
    void FireWallAndArms(int32_t column);
};
