#pragma once
// What the two cocoons, DayCocoon (species 3) and NightCocoon (species 8),
// share: riding down with the field, firing only in the upper half, the
// one-frame death that cancels every enemy bullet, their muzzles, the
// alternating cross fans of their canyon form and their draw.
#include <cstdint>

#include "enemy/species_kit.h"

// Cancel, middle burst with its sound, one big orb and a ring of 5 / 6 / 8
// (grade 1) or 6 / 7 / 9 (grade 2) orbs by Difficulty; no animation.
constexpr OrdinaryRules kCocoonRules{
    .death = {.burst = DeathBurst::kMiddle,
              .cancel = DeathCancel::kBeforeBurst,
              .bigItem = true,
              .ring = {{{5, 6, 8}, {6, 7, 9}, {0, 0, 0}}}},
    .margin = 200.0f,
    .animated = false,
};

// An aimed fan from the centre muzzle: five directions 36 degrees apart
// (-72 to 72 about `turn`) or four (-54 to 54); each direction a spread of
// bullets, each bullet a column of speeds.
struct CrossFan {
    int32_t directions = 5;
    BulletLook look;
    int32_t spread = 1;
    float spreadStep = 0.0f;
    int32_t speeds = 1;
    float speed = 0.0f;
    float speedStep = 0.0f;
    float turn = 0.0f;
};

class Cocoon : public virtual SpeciesKit {
public:
    // The cocoon draw: the fixed 64 x 64 cell at (0, 64) of the sheet, scale
    // 2, hit-tinted.
    void DrawDayNightCocoon();

protected:
    // Variants 0 to 2 ride down with the scroll; any other stands. Then the
    // fire routine while the cocoon is at or above y = 360: 0..2 grade 1
    // routes 1..3, 3..5 grade 2 routes 1..3; -1 for none (and at grade 3).
    int32_t SinkAndPickRoutine();
    // The centre muzzle (x - 2, y), and points on a circle about it.
    Muzzle CocoonMuzzle() const { return Offset(-2.0f, 0.0f); }
    Muzzle AroundMuzzle(float degrees, float radius) const;
    // The side muzzles, 50 pixels right and left of the centre one.
    Muzzle RightMuzzle() const { return AroundMuzzle(0.0f, kSideRadius); }
    Muzzle LeftMuzzle() const { return AroundMuzzle(180.0f, kSideRadius); }
    // A column of n bullets from the right muzzle at `angle` and its mirror
    // from the left at 180 - angle, speeds shot.speed + k x speedStep.
    void FireSideStreams(Shot shot, float angle, int32_t n, float speedStep) const;
    void FireCrossFan(const CrossFan& fan) const;
    // The canyon form's first routine (variant 0 only): every 30 / 20 / 15
    // counts an aimed fan from the centre muzzle, five directions 36 degrees
    // apart about `turn` of look `five` on counts that are multiples of twice
    // the period, else four of look `four`; each direction three bullets 3
    // degrees apart, each a column of speeds from 7 down.
    void FireAlternatingCrossFans(BulletLook five, BulletLook four, float turn);

private:
    static constexpr float kSideRadius = 50.0f;
};
