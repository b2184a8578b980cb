#include "species/grass/small_flyer.h"

#include <cmath>

namespace {

constexpr float kGate = 200.0f;       // gated volleys fire from more than this far above the player
constexpr float kFirstSpeed = 6.0f;   // a speed column leaves at 6, 6.5, 7, ...
constexpr float kSpeedStep = 0.5f;
constexpr float kLoopSpeed = 13.3f;   // paths 9..12
constexpr float kLoopTurn = 6.0f;     // degrees per frame during the loop
constexpr int32_t kLoopStart = 30;    // the loop's frames, 30..89
constexpr int32_t kLoopEnd = 90;
constexpr float kPi = 3.14159265358979f;

double Radians(float degrees) { return static_cast<double>(degrees * kDegToRad); }

bool Looping(int32_t t) { return t >= kLoopStart && t < kLoopEnd; }

// Block of a grade-1 table for a path: 0; 1..3; 4, 5; 6, 7; -1 for the rest.
int32_t FlyerBlockIndex(int32_t variant) {
    if (variant == 0) return 0;
    if (variant >= 1 && variant <= 3) return 1;
    if (variant == 4 || variant == 5) return 2;
    if (variant == 6 || variant == 7) return 3;
    return -1;
}

// Where one leg of a volley leaves from, and the angle its fan is centred on.
struct FlyerLeg {
    float dx, dy, centre;
};

}   // namespace

void SmallFlyer::StepAlong(float speed, double radians) {
    x += static_cast<float>(speed * std::cos(radians));
    y += static_cast<float>(speed * std::sin(radians));
}

void SmallFlyer::FlySmallFlyerPath() {
    const int32_t t = phaseTimer;
    const float ft = static_cast<float>(t);
    switch (variant) {
        case 0:   // dives in braking, stands, climbs away faster and faster
            if (t < 60) {
                y += 10.0f - 0.166f * ft;
            } else if (t > 120) {
                y -= (ft - 120.0f) * 0.0833f;
            }
            break;
        case 1:   // homes on the player for 20 frames, then flies straight on
            if (t < 20) headingAngle = AimAngle(x, y);
            StepAlong(8.0f, static_cast<double>(headingAngle));
            break;
        case 2:   // slides right braking, stands, sinks a little, climbs away
        case 3:   // the same to the left
            if (t < 90) {
                x += variant == 2 ? 9.0f - 0.1f * ft : 0.1f * ft - 9.0f;
            } else if (t > 120) {
                y -= (ft - 150.0f) * 0.0833f;
            }
            break;
        case 4:   // clockwise loops while sinking
        case 5:   // the mirror image
            StepAlong(2.0f, Radians(variant == 4 ? ft : 180.0f - ft));
            y += 3.0f;
            break;
        case 6:   // drops in, leaves upwards turning left, then straight left
        case 7:   // the same turning right
            if (t < 60) {
                y += 18.0f - 0.3f * ft;
            } else if (t < 150) {
                StepAlong(5.0f, Radians(variant == 6 ? -30.0f - ft : ft - 150.0f));
            } else {
                StepAlong(5.0f, variant == 6 ? static_cast<double>(-kPi) : 0.0);
            }
            break;
        case 8:   // straight down
            y += 8.0f;
            break;
        case 9:      // flies right with a clockwise loop
        case 10:     // flies right, the loop the other way
        case 11:     // flies left, the loop anticlockwise
        case 12: {   // flies left, the loop clockwise
            const float turn = variant == 9 || variant == 12 ? kLoopTurn : -kLoopTurn;
            headingAngle = Looping(t) ? headingAngle + turn : (variant <= 10 ? 0.0f : 180.0f);
            StepAlong(kLoopSpeed, Radians(headingAngle));
            break;
        }
        default: break;
    }
}

void SmallFlyer::FireFlyerVolley(const FlyerBlock& block, const FlyerVolley& volley) const {
    FlyerLeg legs[2] = {{-2.0f, block.drop, 90.0f}, {}};
    int32_t legCount = 1;
    switch (volley.shape) {
        case FlyerShape::kDown: break;
        case FlyerShape::kAimed: legs[0].centre = 0.0f; break;
        case FlyerShape::kSidePair:
            legs[0] = {3.0f, 0.0f, 0.0f};
            legs[1] = {-7.0f, 0.0f, 180.0f};
            legCount = 2;
            break;
        case FlyerShape::kSidePairLeft:
            legs[0] = {-7.0f, 0.0f, 0.0f};
            legs[1] = {-7.0f, 0.0f, 180.0f};
            legCount = 2;
            break;
        case FlyerShape::kTwinDown:
            legs[0] = {48.0f, 0.0f, 90.0f};
            legs[1] = {-52.0f, 0.0f, 90.0f};
            legCount = 2;
            break;
    }
    Shot shot;
    shot.look = block.look;
    shot.aimed = volley.shape == FlyerShape::kAimed;
    for (int32_t leg = 0; leg < legCount; ++leg) {
        shot.from = Offset(legs[leg].dx, legs[leg].dy);
        for (int32_t k = 0; k < volley.column; ++k) {
            shot.speed = kFirstSpeed + kSpeedStep * static_cast<float>(k);
            if (!FireFan(shot, volley.fan, legs[leg].centre, volley.fanStep)) return;
        }
    }
}

void SmallFlyer::FireFlyerTable(const FlyerTable& table) {
    const int32_t index = FlyerBlockIndex(variant);
    if (index < 0) return;
    const FlyerBlock& block = table[index];
    if (block.gated && !HighAbove(kGate)) return;
    RunVolley(block.start, block.periods, [&](int32_t column) { FireFlyerVolley(block, block.volley[column]); });
}

void SmallFlyer::FireFlyerFan(const int32_t (&periods)[3], BulletLook flank, float flankSpeed, BulletLook centre,
                              float centreSpeed) {
    if (!HighAbove(kGate)) return;
    RunVolley(30, periods, [&](int32_t) {
        Shot shot{.from = FlyerMuzzle(), .angle = -30.0f, .speed = flankSpeed, .look = flank, .aimed = true};
        if (!FireShot(shot)) return;
        shot.angle = 0.0f;
        shot.speed = centreSpeed;
        shot.look = centre;
        if (!FireShot(shot)) return;
        shot.angle = 30.0f;
        shot.speed = flankSpeed;
        shot.look = flank;
        FireShot(shot);
    });
}

void SmallFlyer::FireOpeningPair(BulletLook look) {
    RunVolleyEvery(0, 3, [&] {
        if (shotCounter >= 60) return;
        Shot shot{.from = FlyerMuzzle(), .angle = 90.0f - spinAngle, .speed = 6.0f, .look = look};
        if (FireShot(shot)) {
            shot.angle = 90.0f + spinAngle;
            FireShot(shot);
        }
        spinAngle += 9.0f;
    });
}

void SmallFlyer::FireLoopShots(BulletLook look) {
    if (!Looping(phaseTimer)) return;
    RunVolleyEvery(0, 2,
                   [&] { FireShot(Shot{.from = FlyerMuzzle(), .angle = headingAngle, .speed = 5.0f, .look = look}); });
}

void SmallFlyer::DrawButterFlyMoth() {
    // Flyers on the aimed paths turn towards their facing, the looping paths
    // along their heading; every other path is drawn upright.
    float angle = 0.0f;
    if (variant >= 1 && variant <= 3) {
        angle = facingAngle * kRadToDeg - 90.0f;
    } else if (variant >= 9 && variant <= 12) {
        angle = headingAngle - 90.0f;
    }
    const int32_t left = 64 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 64, 64}, 32.0f, 32.0f, 2.0f, 2.0f, angle);
}
