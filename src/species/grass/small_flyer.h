#pragma once
// What the two small flyers, ButterFly (species 1) and Moth (species 6),
// share: their thirteen flight paths, the volley shapes of their fire
// routines and their draw.
#include <cstdint>

#include "enemy/species_kit.h"

// How a volley of a small flyer's table leaves; every bullet has speed 6 +
// 0.5 k for the k-th of its speed column.
enum class FlyerShape : int32_t {
    kDown,           // a fan about 90 degrees from (x - 2, y + drop)
    kAimed,          // a fan about the aim (offset 0) from (x - 2, y + drop)
    kSidePair,       // 0 degrees from (x + 3, y), then 180 from (x - 7, y)
    kSidePairLeft,   // 0 and 180 degrees, both from (x - 7, y)
    kTwinDown,       // a fan about 90 from (x + 48, y), then from (x - 52, y)
};

// One Difficulty's volley of a block.
struct FlyerVolley {
    FlyerShape shape = FlyerShape::kDown;
    int32_t fan = 1;        // angles of the fan
    float fanStep = 0.0f;   // degrees between them
    int32_t column = 1;     // speeds per angle: 6, 6.5, 7, ...
};

// A block of a small flyer's grade-1 routine: gate, timing, look, muzzle
// drop and the volley by Difficulty.
struct FlyerBlock {
    bool gated = false;   // fires (and counts) only while more than 200 px above the player
    int32_t start = 0;
    int32_t periods[3] = {};
    BulletLook look;
    float drop = 0.0f;   // the muzzle's distance below (x - 2, y)
    FlyerVolley volley[3];
};

// The four blocks of a grade-1 routine: path 0, paths 1..3, paths 4 and 5,
// paths 6 and 7 (the other paths have none).
using FlyerTable = FlyerBlock[4];

class SmallFlyer : public virtual SpeciesKit {
public:
    // One frame along the path of the variant (0..12; any other stands).
    void FlySmallFlyerPath();
    // The small-flyer draw: a 64 x 64 cell of the sheet's first row at
    // column animation frame / 4, scale 2, turned by the facing (paths 1..3)
    // or the heading (paths 9..12), hit-tinted.
    void DrawButterFlyMoth();

protected:
    // One call of a grade-1 routine from its table.
    void FireFlyerTable(const FlyerTable& table);
    // Paths 0..3 of the grade-2 routines: while more than 200 px above the
    // player, an aimed three-way fan from (x - 2, y) at -30, 0, +30 (flank,
    // centre, flank) on shot counts from 30 that are multiples of the period
    // by Difficulty; otherwise the call does not count.
    void FireFlyerFan(const int32_t (&periods)[3], BulletLook flank, float flankSpeed, BulletLook centre,
                      float centreSpeed);
    // Path 8 of the grade-2 route-2 routine: while the shot counter is below
    // 60 and a multiple of 3, a pair from (x - 2, y) at 90 - r and 90 + r (r
    // the rotating angle), speed 6, then r + 9; counts every call.
    void FireOpeningPair(BulletLook look);
    // Paths 9..12 of the grade-2 route-2 routine: only during the loop (phase
    // timer 30..89), on even shot counts one bullet from (x - 2, y) along the
    // heading, speed 5; counts only during the loop.
    void FireLoopShots(BulletLook look);
    // The muzzle most volleys leave from: (x - 2, y).
    Muzzle FlyerMuzzle() const { return Offset(-2.0f, 0.0f); }

private:
    void FireFlyerVolley(const FlyerBlock& block, const FlyerVolley& volley) const;
    // Moves `speed` pixels along the direction `radians`.
    void StepAlong(float speed, double radians);
};
