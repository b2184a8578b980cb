// The knight's frame: option particles, regeneration, movement, the option
// shooters, lance volleys, the sword, the three skills, invincibility with the
// pad's vibration after a hit, and the skill timers.
#include <cmath>
#include <cstdlib>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/player.h"
#include "core/random.h"
#include "core/saturate.h"
#include "core/sound.h"
#include "platform/input.h"

namespace {

constexpr float kLeftBound = 320.0f;
constexpr float kRightBound = 960.0f;
constexpr float kTopBound = 48.0f;
constexpr float kBottomBound = 688.0f;
constexpr int32_t kStickThreshold = 15000;
constexpr int32_t kTriggerThreshold = 200;
constexpr int32_t kRegenPeriod = 1200;
constexpr int32_t kVolleyFreeSlots = 6;
constexpr int32_t kVolleyDelay = 3;  // a volley every 4th frame while fire is held
constexpr int32_t kSwordFrames = 180;
constexpr int32_t kSwordShotDelay = 30;
constexpr int32_t kSkillLockout = 180;
constexpr int32_t kSkill2Frames = 1800;
constexpr int32_t kSkill2HealPeriod = 90;
constexpr float kSkill2Heal = 0.01f;
constexpr int32_t kSkill3State = 5;
constexpr uint16_t kHitRumble = 0xFF37;
constexpr int32_t kParticleLife = 60;
constexpr float kLanceHeading = -90.0f;  // straight up

struct SkillRow {
    int32_t spCost;
    int32_t cooldown;
    int32_t state;
    int32_t invincibleKind;   // 0: the skill gives no invincibility
    int32_t invincibleTimer;
    int32_t effectType;
};
constexpr SkillRow kSkills[3] = {
    {20, 600, 3, 2, 89, 11},
    {40, 1200, 4, 0, 0, 0},
    {60, 1800, 5, 3, 239, 12},
};

// Option types 0 and 1: their slow volley, ring volley and option formations.
struct OptionSpot {
    float degrees;
    float radius;
};
struct ShotStyle {
    float twinOffset;  // the two lances beside the knight in the slow volley
    float twinSpeed;
    float optionHeadings[4];
    float optionSpeed;
    float ringRadius;
    float ringSpeed;
    OptionSpot pairs[4];  // the normal formation
};
constexpr ShotStyle kShotStyles[2] = {
    {30.0f, 21.0f, {-80.0f, -77.0f, -100.0f, -103.0f}, 20.0f, 50.0f, 22.0f,
     {{30.0f, 50.0f}, {30.0f, 125.0f}, {150.0f, 50.0f}, {150.0f, 125.0f}}},
    {20.0f, 24.0f, {-88.0f, -88.0f, -92.0f, -92.0f}, 23.0f, 30.0f, 25.0f,
     {{30.0f, 50.0f}, {30.0f, 100.0f}, {150.0f, 50.0f}, {150.0f, 100.0f}}},
};
// The slow formation of option types 0 and 1: a fan above the knight.
constexpr OptionSpot kFan[4] = {{-60.0f, 50.0f}, {-80.0f, 50.0f}, {-100.0f, 50.0f}, {-120.0f, 50.0f}};
// Option type 2: the options sit on these entries of the position history.
constexpr int kTrailEntries[Player::kMaxOptions] = {19, 39, 59, 79, 99};
constexpr float kTrailLanceSpeed = 23.0f;

bool KeyDown(uint8_t key) { return (KeyboardState[key] & 0x80) != 0; }
bool PadHeld(const PadStateRecord& pad, uint16_t button) { return (pad.gamepad.buttons & button) != 0; }
bool FireHeld(const Player& p) { return PadHeld(p.padCopy, PAD_X) || KeyDown(KEY_SPACE); }
bool SlowHeld(const Player& p) { return PadHeld(p.padCopy, PAD_A) || KeyDown(KEY_LSHIFT); }

float Cos(float degrees) { return std::cos(degrees * kDegToRad); }
float Sin(float degrees) { return std::sin(degrees * kDegToRad); }

void FireLance(float x, float y, float heading, float speed) {
    SpawnBullet(kSidePlayer, BulletShot{.x = x, .y = y, .angle = heading, .speed = speed, .size = 0});
}

// rand() % range in tenths: 0 to (range - 1) / 10.
float RandomTenths(int range) { return static_cast<float>(GameRandom() % range) / 10.0f; }

// min(max, trunc(fraction x max + value)) in single precision.
int32_t Restore(int32_t value, int32_t max, float fraction) {
    const int32_t v = TruncToInt32(fraction * static_cast<float>(max) + static_cast<float>(value));
    return v < max ? v : max;
}

void TurnRing(Player& p) {
    if (p.ringAngle < 360.0f) p.ringAngle += 3.0f;
    else p.ringAngle = 360.0f - p.ringAngle + 3.0f;
}

// Option types 0 and 1: the slow volley (two lances beside the knight and one
// from each of the four options) or the turning ring of six.
void FireStyle(Player& p, const ShotStyle& style) {
    if (!FireHeld(p)) return;
    if (SlowHeld(p)) {
        FireLance(p.x - style.twinOffset, p.y - 60.0f, kLanceHeading, style.twinSpeed);
        FireLance(p.x + style.twinOffset, p.y - 60.0f, kLanceHeading, style.twinSpeed);
        for (int i = 0; i < 4; ++i) {
            FireLance(p.optionPositions[i].x, p.optionPositions[i].y, style.optionHeadings[i], style.optionSpeed);
        }
        p.shotDelay = kVolleyDelay;
        return;
    }
    for (int i = 0; i < 6; ++i) {
        const float a = 60.0f * static_cast<float>(i) + p.ringAngle - 90.0f;
        FireLance(p.x + style.ringRadius * Cos(a), p.y - 80.0f + 10.0f * Sin(a), kLanceHeading, style.ringSpeed);
    }
    p.shotDelay = kVolleyDelay;
    TurnRing(p);
}

int32_t* SkillCooldown(Player& p, int32_t skill) {
    switch (skill) {
        case 1: return &p.skill1Cooldown;
        case 2: return &p.skill2Cooldown;
        case 3: return &p.skill3Cooldown;
        default: return nullptr;
    }
}

// Holds a coordinate inside [low, high]; a move that hits a bound is cancelled.
void HoldInside(float& v, float& move, float low, float high) {
    if (v < low) {
        v = low;
        move = 0.0f;
    }
    if (v > high) {
        v = high;
        move = 0.0f;
    }
}

void CountDown(int32_t& timer) {
    if (timer > 0) --timer;
}

}  // namespace

void Player::FireType0() { FireStyle(*this, kShotStyles[0]); }
void Player::FireType1() { FireStyle(*this, kShotStyles[1]); }

void Player::FireType2() {
    if (!FireHeld(*this)) return;
    FireLance(x, y - 80.0f, kLanceHeading, kTrailLanceSpeed);
    for (const Vec3& option : optionPositions) FireLance(option.x, option.y, kLanceHeading, kTrailLanceSpeed);
    shotDelay = kVolleyDelay;
    TurnRing(*this);
}

void Player::UpdateOptions(bool slow, float dx, float dy) {
    if (OptionType == 0 || OptionType == 1) {
        const OptionSpot* spots = slow ? kFan : kShotStyles[OptionType].pairs;
        for (int i = 0; i < 4; ++i) {
            optionPositions[i] = Vec3{x + spots[i].radius * Cos(spots[i].degrees),
                                      y + spots[i].radius * Sin(spots[i].degrees), 0.0f};
        }
        return;
    }
    if (OptionType != 2) return;
    if (dx == 0.0f && dy == 0.0f) return;
    if (slow) {
        // The trail keeps its shape and moves with the knight.
        for (Vec3& entry : positionHistory) {
            entry.x += dx;
            entry.y += dy;
        }
    } else {
        for (int i = kHistoryLength - 1; i > 0; --i) positionHistory[i] = positionHistory[i - 1];
        positionHistory[0] = Vec3{x, y, z};
    }
    for (int i = 0; i < kMaxOptions; ++i) optionPositions[i] = positionHistory[kTrailEntries[i]];
}

void Player::SpawnParticle(const Vec3& position) {
    for (int i = 0; i < kParticleCount; ++i) {
        if (particleActive[i] != 0) continue;
        particleActive[i] = 1;
        particlePosition[i] = position;
        particleAge[i] = 0;
        particleAngle[i] = RandomTenths(1200) + 30.0f;  // 30 to 149.9: downwards
        return;
    }
}

void Player::UpdateParticles() {
    for (int i = 0; i < kParticleCount; ++i) {
        if (particleActive[i] == 0) continue;
        if (particleAge[i] < kParticleLife) {
            const float step = 3.0f - 0.05f * static_cast<float>(particleAge[i]);
            particlePosition[i].x += Cos(particleAngle[i]) * step;
            particlePosition[i].y += Sin(particleAngle[i]) * step;
            particlePosition[i].z = 0.0f;
            particleAge[i] += 1;
        } else {
            particleActive[i] = 0;
        }
    }
}

void Player::Update() {
    UpdateParticles();

    // Every 1201st frame the regeneration percentages of max HP and max SP come back.
    if (regenCounter >= kRegenPeriod) {
        regenCounter = 0;
        status.hp = Restore(status.hp, status.maxHp, static_cast<float>(status.hpRegen) / 100.0f);
        status.sp = Restore(status.sp, status.maxSp, static_cast<float>(status.spRegen) / 100.0f);
    } else {
        regenCounter += 1;
    }

    padCopy = PadState;
    padConnectedCopy = PadConnected;

    // Movement: a pad's horizontal move shuts the keys out, its vertical move adds to them.
    const float s = status.speed;
    float dx = 0.0f;
    float dy = 0.0f;
    if (padConnectedCopy != 0) {
        if (padCopy.gamepad.thumbLX < -kStickThreshold) dx -= s;
        if (padCopy.gamepad.thumbLX > kStickThreshold) dx += s;
        if (padCopy.gamepad.thumbLY > kStickThreshold) dy -= s;
        if (padCopy.gamepad.thumbLY < -kStickThreshold) dy += s;
    }
    if (padConnectedCopy == 0 || dx == 0.0f) {
        if (KeyDown(KEY_A)) dx -= s;
        if (KeyDown(KEY_D)) dx += s;
        if (KeyDown(KEY_W)) dy -= s;
        if (KeyDown(KEY_S)) dy += s;
    }
    const bool slow = SlowHeld(*this);
    if (slow) {
        if (dx != 0.0f) dx *= 0.5f;
        if (dy != 0.0f) dy *= 0.5f;
    }
    x += dx;
    y += dy;
    z = 0.0f;
    HoldInside(x, dx, kLeftBound, kRightBound);
    HoldInside(y, dy, kTopBound, kBottomBound);
    UpdateOptions(slow, dx, dy);

    // Each option sheds a particle up to 30 px below and beside it.
    for (int i = 0; i < optionCount && i < kMaxOptions; ++i) {
        const float a = RandomTenths(1800);
        const float b = RandomTenths(1800);
        SpawnParticle(Vec3{optionPositions[i].x + 30.0f * Cos(b), optionPositions[i].y + 30.0f * Sin(a), 0.0f});
    }

    // Volleys need six free shot slots; skill 3 stops them.
    if (state != kSkill3State) {
        if (shotDelay > 0) {
            --shotDelay;
        } else if (freeShotSlots >= kVolleyFreeSlots) {
            switch (OptionType) {
                case 0: FireType0(); break;
                case 1: FireType1(); break;
                case 2: FireType2(); break;
                default: break;
            }
        }
    }

    // The sword: a swing lasts 180 frames and holds the volleys for 30; no new
    // swing while skill 3 runs.
    if (swordTimer > 0) {
        --swordTimer;
    } else if (state != kSkill3State && (PadHeld(padCopy, PAD_RB) || KeyDown(KEY_E))) {
        swordTimer = kSwordFrames;
        shotDelay = kSwordShotDelay;
        SwordSound.Play(4, 0);
        --swordTimer;
    }

    // Skill selection: one step per press, no wrap; the latch holds until
    // every selection input is released.
    const bool previous = padCopy.gamepad.leftTrigger >= kTriggerThreshold || KeyDown(KEY_LEFT);
    const bool next = padCopy.gamepad.rightTrigger >= kTriggerThreshold || KeyDown(KEY_RIGHT);
    if (skillSelectLatch == 1) {
        if (!previous && !next) skillSelectLatch = 0;
    } else if (previous) {
        if (selectedSkill == 2 || selectedSkill == 3) {
            --selectedSkill;
            skillSelectLatch = 1;
        }
    } else if (next) {
        if (selectedSkill == 1 || selectedSkill == 2) {
            ++selectedSkill;
            skillSelectLatch = 1;
        }
    }

    // Skill start.
    bool auraStarted = false;
    int32_t* cooldown = SkillCooldown(*this, selectedSkill);
    if (skillLockout == 0 && state == 0 && cooldown != nullptr && (PadHeld(padCopy, PAD_LB) || KeyDown(KEY_Q))) {
        const SkillRow& skill = kSkills[selectedSkill - 1];
        if (*cooldown == 0 && status.sp >= skill.spCost) {
            status.sp -= skill.spCost;
            *cooldown = skill.cooldown;
            state = skill.state;
            skillLockout = kSkillLockout;
            if (skill.invincibleKind != 0) {
                invincible = 1;
                invincibleKind = skill.invincibleKind;
                PlaceEffect(skill.effectType, x, y, z);  // nothing when the effect pool is full
                invincibleTimer = skill.invincibleTimer;
                auraStarted = true;
            } else {
                skill2Time = kSkill2Frames;
            }
        }
    }

    // Invincibility and skill 2's healing; the pad rumbles briefly after a hit.
    bool vibrationTest = true;
    if (!auraStarted) {
        if (invincible == 1) {
            if (invincibleTimer < 1) {
                state = 0;
                invincibleTimer = 0;
                invincibleKind = 0;
                invincible = 0;
                vibrationTest = false;
            } else {
                invincibleTimer -= 1;
            }
        } else if (state == 4) {
            if (skill2Time % kSkill2HealPeriod == 0) status.hp = Restore(status.hp, status.maxHp, kSkill2Heal);
            if (skill2Time < 1) {
                skill2Time = 0;
                state = 0;
            } else {
                skill2Time -= 1;
            }
            vibrationTest = false;
        }
    }
    if (vibrationTest && state == 1) {
        if (invincibleTimer >= 146 && invincibleTimer <= 149) SetPadVibration(kHitRumble, kHitRumble);
        if (invincibleTimer >= 116 && invincibleTimer <= 119) SetPadVibration(0, 0);
    }

    CountDown(skillLockout);
    CountDown(skill1Cooldown);
    CountDown(skill2Cooldown);
    CountDown(skill3Cooldown);
    animCounter = animCounter < 59 ? animCounter + 1 : 0;
}
