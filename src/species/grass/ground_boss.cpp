#include "species/grass/ground_boss.h"

#include <cmath>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/game_codes.h"
#include "core/random.h"

namespace {

constexpr int32_t kRageHp = 10000;   // at or below this the boss rages
constexpr int32_t kLastCycle = 2;    // the third attack cycle is the last
constexpr int32_t kEscapeDuration = 999;
constexpr int32_t kEntryFrames = 90;
constexpr int32_t kLegFrames = 60;         // the zig-zag changes leg every 60 frames
constexpr int32_t kWanderLegFrames = 30;   // the leashed wander every 30
constexpr float kBoxHalf = 10.0f;          // the leash's inner box reaches 10 pixels either side of home
constexpr float kLeashLeft = 540.0f;
constexpr float kLeashRight = 740.0f;
constexpr float kLeashTop = 100.0f;
constexpr float kClimb = 2.0f;   // the zig-zag's climb and drop, pixels per frame
constexpr float kEscapeSpeed = 3.0f;

constexpr BossDeath kGroundBossDeath{.dyingPhase = 8,
                                     .cancel = CancelTiming::kFirstFrame,
                                     .explosionFrames = 150,
                                     .explosionPeriod = 3,
                                     .itemWithExplosion = true,
                                     .finalFrame = 180,
                                     .destructionEffect = kEffectMidBossDeath,
                                     .scatter = ItemScatter::kBigItemCircle};

bool Inside(float v, float low, float high) { return v >= low && v <= high; }

}   // namespace

void GroundBoss::DrawScorpionSpider() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 256, left + 256, 512}, 128.0f, 128.0f, 1.5f, 1.5f);
}

void GroundBoss::DieAsGroundBoss() { RunBossDeath(kGroundBossDeath); }

void GroundBoss::RageWhenWounded() {
    if (bossPhase >= 5 || status.hp > kRageHp) return;
    EnterPhase(5, 60);
    CancelEnemyBullets(1);
}

void GroundBoss::ChangeGroundBossPhase(const GroundBossRules& rules) {
    switch (bossPhase) {
        case 0: EnterPhase(1, 360); break;   // down from the entry into the zig-zag
        case 1: EnterPhase(2, 60); break;    // home for the aimed volleys
        case 2: EnterPhase(3, 360); break;   // the leashed wander
        case 3: EnterPhase(4, 120); break;   // home again
        case 4:                              // the next cycle, or away after the third
            if (cycleCounter == kLastCycle) {
                EnterPhase(7, kEscapeDuration);
            } else {
                ++cycleCounter;
                EnterPhase(1, 360);
            }
            break;
        case 5: EnterPhase(6, rules.rageDuration); break;   // the warning gives way to the rage
        case 6:                                             // another rage pass, or away
            if (cycleCounter == rules.lastRageCycle) {
                EnterPhase(7, kEscapeDuration);
            } else {
                ++cycleCounter;
                EnterPhase(6, rules.rageDuration);
            }
            break;
        default: break;   // escaping and dying have no next phase; the timer stands
    }
}

void GroundBoss::WalkGroundBoss(const GroundBossRules& rules) {
    const int32_t t = phaseTimer;
    switch (bossPhase) {
        case 0:   // the entry: down, slowing to a stop after 90 frames
            if (t < kEntryFrames) y += 6.0f - 0.0666f * static_cast<float>(t);
            break;
        case 1: WalkZigZag(rules); break;   // legs of 60 frames
        case 2:
        case 4: ApproachPoint(kHomeX, kHomeY, 1.5f); break;   // back to the home point
        case 3: WanderOnLeash(); break;                       // legs of 30 frames near home
        case 5:                                               // to the rage point, explosions all round
            ApproachPoint(kHomeX, kRageY, 1.0f);
            {
                const Muzzle p = RandomPointNear();
                SpawnEffect(kEffectRisingExplosion, p.x, p.y, 0.0f);
            }
            break;
        case 6: ApproachPoint(kHomeX, kRageY, 1.0f); break;   // holds the rage point
        case 7: y -= kEscapeSpeed; break;                     // away through the top
        case 8: y += scrollSpeed / 3.0f; break;               // sinks with the ground while dying
        default: break;
    }
}

void GroundBoss::WalkZigZag(const GroundBossRules& rules) {
    if (phaseTimer % kLegFrames == 0 && subMode >= 0 && subMode < 6) {
        const ZigZagLeg& leg = rules.legs[subMode];
        headingAngle = leg.heading;
        subMode = leg.next;
    }
    const double h = static_cast<double>(headingAngle * kDegToRad);
    switch (subMode) {
        case 1:   // the slow drift of the first leg
            x += rules.driftX * static_cast<float>(std::cos(h));
            y += rules.driftY * static_cast<float>(std::sin(h));
            break;
        case 2:
        case 4:   // climbing, swinging sideways
            x += rules.swingX * static_cast<float>(std::cos(h));
            y -= kClimb;
            break;
        case 3:
        case 5: y += kClimb; break;   // dropping straight down
        default: break;
    }
}

void GroundBoss::WanderOnLeash() {
    LeashTo(200.0f, 140.0f, 190.0f);
    if (moveFlag == 1) {
        HeadFor(kHomeX, kHomeY, 1.0f);
        return;
    }
    if (phaseTimer % kWanderLegFrames == 0) {
        switch (subMode) {
            case 0:
            case 2:   // a leg to the right, within 30 degrees of level
                headingAngle = static_cast<float>(GameRandom() % 60 - 30);
                subMode = subMode + 1;
                break;
            case 1:
            case 3:   // a leg to the left
                headingAngle = static_cast<float>(-150 - GameRandom() % 60);
                subMode = 2;
                break;
            default: break;
        }
    }
    // No leg chosen yet in this phase (sub-mode 0): it stands.
    if (subMode == 1) StepAlongDegrees(1.0f);
    if (subMode == 2 || subMode == 3) StepAlongDegrees(2.0f);
}

void GroundBoss::LeashTo(float outerBottom, float innerTop, float innerBottom) {
    if (!Inside(x, kLeashLeft, kLeashRight) || !Inside(y, kLeashTop, outerBottom)) {
        moveFlag = 1;
    } else if (Inside(x, kHomeX - kBoxHalf, kHomeX + kBoxHalf) && Inside(y, innerTop, innerBottom)) {
        moveFlag = 0;
    }
}

void GroundBoss::StepAlongDegrees(float speed) {
    const double h = static_cast<double>(headingAngle * kDegToRad);
    x += speed * static_cast<float>(std::cos(h));
    y += speed * static_cast<float>(std::sin(h));
}
