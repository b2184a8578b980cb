// What each behaviour id does to an enemy bullet after its move. Ordinary
// bullets follow the handler of the field's route, pattern bullets their own.
#include <cmath>
#include <cstdlib>
#include <initializer_list>

#include "core/bullet.h"
#include "core/field_globals.h"
#include "core/random.h"

namespace {

constexpr bool kOrdinary = false;
constexpr bool kPattern = true;

// A child at (x, y) with the parent's powers.
void SpawnChildAt(const Bullet& parent, bool pattern, float x, float y, int32_t size, bool aimed, float angle,
                  float speed, int32_t behaviourId, BulletColour colour) {
    PlaceEnemyBullet(pattern, BulletShot{.x = x,
                                         .y = y,
                                         .angle = angle,
                                         .speed = speed,
                                         .size = size,
                                         .colour = colour,
                                         .aimed = aimed,
                                         .behaviour = behaviourId,
                                         .power = parent.power,
                                         .power2 = parent.power2});
}

BulletColour ColourOf(const Bullet& b) { return static_cast<BulletColour>(b.colour); }

// A child at the parent's position with the parent's colour and powers.
void SpawnChild(const Bullet& parent, bool pattern, int32_t size, bool aimed, float angle, float speed,
                int32_t behaviourId) {
    SpawnChildAt(parent, pattern, parent.x, parent.y, size, aimed, angle, speed, behaviourId, ColourOf(parent));
}

// A value by Difficulty 1..3; 0 for any other Difficulty.
int32_t ByDifficulty(int32_t d1, int32_t d2, int32_t d3) {
    switch (Difficulty) {
        case 1: return d1;
        case 2: return d2;
        case 3: return d3;
        default: return 0;
    }
}

bool EveryNth(int32_t age, int32_t n) { return n > 0 && age % n == 0; }

// The shared brake of the splitting bullets: slows by `step` while its speed
// is above 0; true on the first step that starts at 0 or less (time to split).
bool BrakeUntilStopped(Bullet& b, float step) {
    if (b.speed > 0.0f) {
        b.speed -= step;
        return false;
    }
    return true;
}

// ---- route 1 ---------------------------------------------------------------

void Route1Split(Bullet& b, BulletColour colour, const float* headings, int32_t count) {
    for (int32_t k = 0; k < count; ++k)
        SpawnChildAt(b, kOrdinary, b.x, b.y, 3, true, headings[k], 9.0f, 0, colour);
    b.Deactivate();
}

// ---- route 2 ---------------------------------------------------------------

// Route 2 ids 12 and 31: brake, coast, then turn into an aimed small bullet
// that accelerates towards the player.
void Route2Homing(Bullet& b) {
    if (b.age < 30) {
        b.speed -= 0.4f;
    } else if (b.age >= 45) {
        SpawnChild(b, kOrdinary, 1, true, 0.0f, 0.0f, 13);
        b.Deactivate();
    }
}

// ---- pattern bullets -------------------------------------------------------

// Ids 3 and 4: at age 10, a fan of sideways children, one more per Difficulty.
void PatternSideFan(Bullet& b, float heading) {
    if (b.age != 10) return;
    static constexpr float kSpeeds[5] = {7.0f, 6.5f, 6.0f, 5.5f, 5.0f};
    const int32_t count = ByDifficulty(3, 4, 5);
    for (int32_t k = 0; k < count; ++k) SpawnChild(b, kPattern, 3, false, heading, kSpeeds[k], 0);
}

// Id 5: at the side edges of the playfield it bursts into drifting small bullets.
void PatternEdgeBurst(Bullet& b) {
    const bool left = b.x <= 288.0f;
    if (!left && b.x < 992.0f) return;
    const int32_t count = ByDifficulty(5, 7, 10);
    for (int32_t k = 0; k < count; ++k) {
        const int32_t speed = GameRandom() % 4 + 2;
        const int32_t spread = GameRandom() % 150;
        const float heading = left ? static_cast<float>(spread - 90) : static_cast<float>(-90 - spread);
        SpawnChild(b, kPattern, 1, false, heading, static_cast<float>(speed), left ? 6 : 7);
    }
    b.Deactivate();
}

// Ids 11 and 12: a sideways child every 20, 15 or 12 frames.
void PatternSideDropper(Bullet& b, float heading) {
    if (EveryNth(b.age, ByDifficulty(20, 15, 12))) SpawnChild(b, kPattern, 3, false, heading, 5.0f, 0);
}

// Ids 13 and 14: early in life, a ring of still children laid on a 20-pixel
// circle around the bullet, which later accelerate (id 15).
void PatternSpiral(Bullet& b, bool mirrored) {
    if (b.age >= 37 || !EveryNth(b.age, ByDifficulty(4, 3, 2))) return;
    const float degrees = mirrored ? 180.0f - 5.0f * static_cast<float>(b.age) : 5.0f * static_cast<float>(b.age);
    const float p = degrees * kDegToRad;
    const float cx = b.x + 20.0f * std::cos(p);
    const float cy = b.y + 20.0f * std::sin(p);
    const int32_t count = ByDifficulty(2, 3, 4);
    for (int32_t k = 0; k < count; ++k)
        SpawnChildAt(b, kPattern, cx, cy, 3, false, degrees, 0.25f * static_cast<float>(k), 15, ColourOf(b));
}

// Id 21: the bomb that bursts into ten aimed rings of two colours.
void PatternBombBurst(Bullet& b) {
    const int32_t d = Difficulty;
    for (int32_t k = 0; k < 10; ++k) {
        const float base = static_cast<float>(36 * k);
        if (d == 1 || d == 2) {
            const int32_t count = d == 1 ? 5 : 7;
            const float inner = d == 1 ? 2.0f : 4.0f;
            for (int32_t j = 0; j < count; ++j) {
                const float step = 2.0f * static_cast<float>(j);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, base - inner + step, 4.0f, 0, BulletColour::kFirst);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, base - 18.0f - inner + step, 5.0f, 0,
                             BulletColour::kSecond);
            }
        } else if (d == 3) {
            for (int32_t j = 0; j < 7; ++j) {
                const float step = 2.0f * static_cast<float>(j);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, base - 24.0f + step, 5.0f, 0, BulletColour::kSecond);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, base - 24.0f + step, 6.0f, 0, BulletColour::kSecond);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, base - 6.0f + step, 4.0f, 0, BulletColour::kFirst);
            }
        }
    }
    b.Deactivate();
}

void RaiseSpeedBelow(Bullet& b, float step, float limit) {
    if (b.speed < limit) b.speed += step;
}

}  // namespace

void RunBulletBehaviourRoute1(int32_t slot) {
    Bullet& b = EnemyBulletPool[slot];
    switch (b.behaviourId) {
        case 1:
            if (BrakeUntilStopped(b, 0.1f)) {
                static constexpr float kHeadings[2] = {20.0f, -20.0f};
                static constexpr float kSpeeds[3] = {7.0f, 7.5f, 8.0f};
                for (float h : kHeadings)
                    for (float v : kSpeeds) SpawnChild(b, kOrdinary, 3, true, h, v, 0);
                b.Deactivate();
            }
            break;
        case 11:
            if (b.age <= 29) b.speed -= 0.1f;
            else if (b.age >= 50) b.speed += 0.2f;
            break;
        case 21:
            if (BrakeUntilStopped(b, 0.3f)) {
                static constexpr float kHeadings[3] = {-30.0f, 0.0f, 30.0f};
                Route1Split(b, BulletColour::kFirst, kHeadings, 3);
            }
            break;
        case 22:
            if (BrakeUntilStopped(b, 0.3f)) {
                static constexpr float kHeadings[4] = {-45.0f, -15.0f, 15.0f, 45.0f};
                Route1Split(b, BulletColour::kSecond, kHeadings, 4);
            }
            break;
        case 31:
            if (b.speed > 3.0f) b.speed -= 0.05f;
            break;
        default: break;
    }
}

void RunBulletBehaviourRoute2(int32_t slot) {
    Bullet& b = EnemyBulletPool[slot];
    switch (b.behaviourId) {
        case 1:
            // A dropper: it flies on and lets bullets fall straight down.
            if (Difficulty == 3) {
                if (EveryNth(b.age, 10))
                    for (float h : {85.0f, 90.0f, 95.0f}) SpawnChild(b, kOrdinary, 3, false, h, 8.0f, 0);
            } else if (EveryNth(b.age, ByDifficulty(15, 10, 0))) {
                SpawnChild(b, kOrdinary, 3, false, 90.0f, 8.0f, 0);
            }
            break;
        case 11:
            if (b.age < 20) b.speed -= 0.3f;
            else if (b.age >= 30) b.speed += 0.2f;
            break;
        case 12:
        case 31: Route2Homing(b); break;
        case 13: b.speed += 0.3f; break;
        default: break;
    }
}

void RunBulletBehaviourRoute3(int32_t slot) {
    Bullet& b = EnemyBulletPool[slot];
    switch (b.behaviourId) {
        case 1:
            if (BrakeUntilStopped(b, 0.1f)) {
                if (Difficulty == 1) {
                    SpawnChild(b, kOrdinary, 3, true, 0.0f, 7.0f, 0);
                } else if (Difficulty == 2) {
                    SpawnChild(b, kOrdinary, 3, true, 0.0f, 7.0f, 0);
                    SpawnChild(b, kOrdinary, 3, true, 0.0f, 8.0f, 0);
                } else if (Difficulty == 3) {
                    for (float h : {-20.0f, 0.0f, 20.0f}) SpawnChild(b, kOrdinary, 3, true, h, 7.0f, 0);
                }
                b.Deactivate();
            }
            break;
        case 11:
            if (b.speed > 6.0f) b.speed -= 0.2f;
            break;
        default: break;
    }
}

void RunPatternBulletBehaviour(int32_t slot) {
    Bullet& b = EnemyBulletPool[slot];
    switch (b.behaviourId) {
        case 2:
            if (b.age < 60) b.speed -= 0.15f;
            else if (b.age >= 76) RaiseSpeedBelow(b, 0.3f, 6.0f);
            break;
        case 3: PatternSideFan(b, b.angle + 90.0f); break;
        case 4: PatternSideFan(b, b.angle - 90.0f); break;
        case 5: PatternEdgeBurst(b); break;
        case 6:
            // Curls from the left edge round to straight down.
            if (b.angle < 90.0f) {
                if (b.angle >= 0.0f) {
                    b.angle += 0.2f;
                    b.speed += 0.02f;
                } else {
                    b.angle += 0.5f;
                    b.speed -= 0.0025f;
                }
            }
            break;
        case 7:
            // The mirror of 6 from the right edge.
            if (b.angle > -270.0f) {
                if (b.angle <= -180.0f) {
                    b.angle -= 0.2f;
                    b.speed += 0.02f;
                } else {
                    b.angle -= 0.5f;
                    b.speed -= 0.0025f;
                }
            }
            break;
        case 11: PatternSideDropper(b, b.angle + 90.0f); break;
        case 12: PatternSideDropper(b, b.angle - 90.0f); break;
        case 13: PatternSpiral(b, false); break;
        case 14: PatternSpiral(b, true); break;
        case 15:
            if (b.age >= 30) RaiseSpeedBelow(b, 0.1f, 6.0f);
            break;
        case 16:
            if (b.age >= 10 && EveryNth(b.age, ByDifficulty(10, 8, 5)))
                for (int32_t k = 0; k < 6; ++k)
                    SpawnChild(b, kPattern, 3, true, b.angle + 60.0f * static_cast<float>(k), 0.0f, 17);
            b.speed += 0.2f;
            break;
        case 17:
            if (b.age >= 10) RaiseSpeedBelow(b, 0.1f, 6.0f);
            break;
        case 21:
            if (BrakeUntilStopped(b, 0.2f)) PatternBombBurst(b);
            break;
        case 22:
            if (EveryNth(b.age, 5)) {
                SpawnChildAt(b, kPattern, b.x, b.y, 3, false, b.angle - 15.0f, 1.0f, 23, BulletColour::kSecond);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, false, b.angle + 15.0f, 1.0f, 23, BulletColour::kFirst);
            }
            break;
        case 23:
            if (b.age >= 30) RaiseSpeedBelow(b, 0.1f, 9.0f);
            break;
        case 31:
            if (b.age == 60) SpawnChildAt(b, kPattern, b.x, b.y, 3, false, b.angle, 4.0f, 0, BulletColour::kSecond);
            if (b.speed > -6.0f) b.speed -= 0.1f;
            break;
        case 32:
            if (b.age >= 30 && b.speed > 3.0f) b.speed -= 0.1f;
            break;
        case 33:
            if (BrakeUntilStopped(b, 0.3f)) {
                SpawnChildAt(b, kPattern, b.x, b.y, 3, false, b.angle, 0.0f, 34, BulletColour::kSecond);
                b.Deactivate();
            }
            break;
        case 34: RaiseSpeedBelow(b, 0.3f, 9.0f); break;
        case 35:
            if (BrakeUntilStopped(b, 0.2f)) {
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, -20.0f, 0.0f, 36, BulletColour::kFirst);
                SpawnChildAt(b, kPattern, b.x, b.y, 3, true, 20.0f, 0.0f, 36, BulletColour::kFirst);
                b.Deactivate();
            }
            break;
        case 36: RaiseSpeedBelow(b, 0.4f, 12.0f); break;
        default: break;
    }
}
