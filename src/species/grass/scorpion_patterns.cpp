// The scorpion's volleys. Every bullet is a pattern bullet of the first colour
// carrying the scorpion's powers.
#include <cmath>

#include "core/random.h"
#include "species/grass/scorpion.h"

namespace {

constexpr float kPi = 3.1415927f;

// Phase 1: a volley every 10 / 8 / 4 calls; the speed step starts again every
// 60 / 40 / 20 calls.
constexpr int32_t kRingPeriods[3] = {10, 8, 4};
constexpr int32_t kRingSpeedCycle[3] = {60, 40, 20};
constexpr int32_t kRingBullets = 10;
constexpr float kRingStep = 36.0f;
constexpr float kRingRim = 50.0f;   // each bullet starts this far behind the ring's centre along its way

// Phase 2: a fan every 5 calls up to the 30th / 40th / 60th.
constexpr int32_t kFanPeriods[3] = {5, 5, 5};
constexpr int32_t kFanLastCall[3] = {30, 40, 60};
constexpr int32_t kFanSpokes = 11;

// Phase 3: a spiral on even calls up to the 10th / 20th / 30th of each
// 61-call cycle, turning 2.4 / 1.8 / 1.2 degrees a volley.
constexpr int32_t kSpiralLastCall[3] = {10, 20, 30};
constexpr float kSpiralTurn[3] = {2.4f, 1.8f, 1.2f};
constexpr int32_t kSpiralCycle = 60;

// Phase 4: 3 / 4 / 5 bullets a stream, the slow last one at 7 / 6.5 / 6,
// turning 36 / 24 / 12 degrees a volley; the left stream from call 60.
constexpr int32_t kStreamBullets[3] = {3, 4, 5};
constexpr float kStreamLastSpeed[3] = {7.0f, 6.5f, 6.0f};
constexpr float kStreamTurn[3] = {36.0f, 24.0f, 12.0f};
constexpr int32_t kStreamSwitch = 60;

// Phase 6: three sprays every 20 calls.
constexpr int32_t kSprayPeriod = 20;
constexpr int32_t kSprayBullets = 3;

float Cos(float degrees) { return static_cast<float>(std::cos(static_cast<double>(degrees * kDegToRad))); }
float Sin(float degrees) { return static_cast<float>(std::sin(static_cast<double>(degrees * kDegToRad))); }

// 0 -> 1, 1 -> 0; any other value stays.
int32_t FlipSide(int32_t side) { return side == 0 ? 1 : side == 1 ? 0 : side; }

}   // namespace

void Scorpion::Fire() {
    switch (bossPhase) {
        case 1: FireTwinRings(); break;         // two rings turning apart
        case 2: FireAimedFans(); break;         // aimed triple spokes
        case 3: FireMirroredSpirals(); break;   // spirals turning one way, then the other
        case 4: FireTwinStreams(); break;       // a stream from each flank in turn
        case 6: FireRageSprays(); break;        // random sprays to the right and left
        default: break;                         // entry, rage warning and escape hold their fire
    }
}

void Scorpion::FireTwinRings() {
    RunVolley(0, kRingPeriods, [this](int32_t column) {
        Shot shot{
            .from = Muzzle{}, .speed = 5.0f + 0.5f * static_cast<float>(toggle), .look = kLookS1, .pattern = true};
        const Muzzle centre = Offset(0.0f, 75.0f);
        // Ring A turns with the spin angle, ring B against it.
        for (int32_t ring = 0; ring < 2; ++ring) {
            for (int32_t k = 0; k < kRingBullets; ++k) {
                const float turn = kRingStep * static_cast<float>(k);
                shot.angle = ring == 0 ? turn + spinAngle : -spinAngle - turn;
                shot.from = Muzzle{centre.x - kRingRim * Cos(shot.angle), centre.y - kRingRim * Sin(shot.angle)};
                if (!FireShot(shot)) break;
            }
        }
        spinAngle += 1.0f;
        const bool restart = shotCounter != 0 && shotCounter % kRingSpeedCycle[column] == 0;
        toggle = restart ? 0 : toggle + 1;
    });
}

void Scorpion::FireAimedFans() {
    RunVolley(0, kFanPeriods, [this](int32_t column) {
        if (shotCounter > kFanLastCall[column]) return;
        const Shot shot{.from = Offset(-25.0f, -75.0f),
                        .speed = 7.0f + 0.5f * static_cast<float>(toggle),
                        .look = kLookL1,
                        .aimed = true,
                        .pattern = true};
        // Spoke j: three bullets 4 degrees apart about 20 j - 100 from the aim.
        for (int32_t j = 0; j < kFanSpokes; ++j)
            if (!FireFan(shot, 3, 20.0f * static_cast<float>(j) - 100.0f, 4.0f)) break;
        ++toggle;
    });
}

void Scorpion::FireMirroredSpirals() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    const bool due = shotCounter % 2 == 0 && shotCounter <= kSpiralLastCall[column];
    if (due && (toggle == 0 || toggle == 1)) {
        Shot shot{.from = Offset(0.0f, 75.0f), .look = kLookL1, .pattern = true};
        bool room = true;
        for (int32_t j = 0; j < 12 && room; ++j) {
            for (int32_t i = 0; i < 2 && room; ++i) {
                const float spoke = 30.0f * static_cast<float>(j);
                const float lag = 11.25f * static_cast<float>(i);
                shot.angle = toggle == 0 ? spoke + spinAngle - lag : 180.0f - spoke - spinAngle + lag;
                shot.speed = 6.0f + 3.0f * static_cast<float>(i);
                shot.behaviour = 2 * i;
                room = FireShot(shot);
            }
        }
        spinAngle += kSpiralTurn[column];
    }
    if (shotCounter == kSpiralCycle) {
        toggle = FlipSide(toggle);
        shotCounter = 0;
        spinAngle = 0.0f;
    } else {
        ++shotCounter;
    }
}

void Scorpion::FireTwinStreams() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    if (shotCounter == kStreamSwitch) spinAngle = 0.0f;
    if (column == 2 || shotCounter % 2 == 0) {   // every call at Difficulty 3
        const bool right = shotCounter < kStreamSwitch;
        // The flank point: 50 pixels from (x +- 25, y + 100) at 0 or pi radians.
        const float turn = right ? 0.0f : kPi;
        const float side = right ? 25.0f : -25.0f;
        Shot shot{.from = Muzzle{x + side + 50.0f * static_cast<float>(std::cos(static_cast<double>(turn))),
                                 y + 100.0f + 50.0f * static_cast<float>(std::sin(static_cast<double>(turn)))},
                  .angle = right ? spinAngle : 180.0f - spinAngle,
                  .look = kLookL1,
                  .pattern = true};
        const int32_t n = kStreamBullets[column];
        for (int32_t i = 0; i < n; ++i) {
            const bool last = i == n - 1;
            shot.speed = last ? kStreamLastSpeed[column] : 8.0f - 0.5f * static_cast<float>(i);
            shot.behaviour = !last ? 0 : right ? 3 : 4;
            if (!FireShot(shot)) break;
        }
        spinAngle += kStreamTurn[column];
    }
    ++shotCounter;
}

void Scorpion::FireRageSprays() {
    if (DifficultyColumn() < 0) return;
    if (shotCounter % kSprayPeriod == 0) {
        for (int32_t k = 0; k < kSprayBullets; ++k) {
            // Speed drawn first, then the angle; a full pool still draws both.
            const int32_t speedDraw = GameRandom();
            const int32_t angleDraw = GameRandom();
            const float angle =
                toggle == 0 ? static_cast<float>(angleDraw % 90 - 45) : static_cast<float>(-135 - angleDraw % 90);
            FireShot(Shot{.from = Offset(0.0f, 0.0f),
                          .angle = angle,
                          .speed = 5.0f + static_cast<float>(speedDraw % 4),
                          .look = kLookM1,
                          .behaviour = 5,
                          .pattern = true});
        }
        toggle = FlipSide(toggle);
    }
    ++shotCounter;
}
