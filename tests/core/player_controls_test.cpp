#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "app/sound.h"
#include "core/bullet.h"
#include "core/effects.h"
#include "core/machinery_probe.h"
#include "core/player.h"
#include "core/player_input_support.h"
#include "platform/input.h"

namespace {

using namespace player_test;

class PlayerControls : public ::testing::Test {
protected:
    void SetUp() override {
        ReleaseAllInput();
        ClearShots();
        EffectPool = EffectPoolArrays{};
        std::srand(11);
    }
    void TearDown() override {
        ReleaseAllInput();
        ClearShots();
        EffectPool = EffectPoolArrays{};
        SetPadVibration(0, 0);
    }
};

struct Lance {
    float x, y, angle, speed;
};

std::vector<Lance> ActiveLances() {
    std::vector<Lance> lances;
    for (const Bullet& b : PlayerShotPool) {
        if (b.active == 0) continue;
        EXPECT_EQ(b.side, 1);
        EXPECT_EQ(b.spriteType, 0);
        EXPECT_EQ(b.power, 0);
        lances.push_back({b.x, b.y, b.angle, b.speed});
    }
    return lances;
}

TEST_F(PlayerControls, MovementIsHeldInsideThePlayfieldAndHalvedWhenSlow) {
    const float speeds[] = {4.0f, 5.2f, 4.6f};
    for (int32_t type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        auto p = FieldPlayer(type);
        const float s = speeds[type];
        ASSERT_EQ(p->status.speed, s);
        Hold(KEY_D);
        Step(*p);
        EXPECT_EQ(p->x, 640.0f + s);
        Hold(KEY_LSHIFT);
        Hold(KEY_W);
        Step(*p);
        EXPECT_EQ(p->x, 640.0f + s + s / 2.0f);
        EXPECT_EQ(p->y, 500.0f - s / 2.0f);
        EXPECT_EQ(p->z, 0.0f);
        ReleaseAllInput();

        Hold(KEY_A);
        Hold(KEY_W);
        Step(*p, 200);
        EXPECT_EQ(p->x, 320.0f);
        EXPECT_EQ(p->y, 48.0f);
        ReleaseAllInput();
        Hold(KEY_D);
        Hold(KEY_S);
        Step(*p, 300);
        EXPECT_EQ(p->x, 960.0f);
        EXPECT_EQ(p->y, 688.0f);
        ReleaseAllInput();
    }
}

TEST_F(PlayerControls, PadStickShutsOutTheKeysSidewaysButAddsToThemVertically) {
    auto p = FieldPlayer(0);
    PadConnected = 1;
    PadState.gamepad.thumbLX = 15001;
    Hold(KEY_D);
    Step(*p);
    EXPECT_EQ(p->x, 644.0f);  // s, not 2s

    PadState.gamepad.thumbLX = 15000;  // not beyond the threshold: the keys count
    Step(*p);
    EXPECT_EQ(p->x, 648.0f);
    ReleaseAllInput();

    PadConnected = 1;
    PadState.gamepad.thumbLY = 20000;  // up the screen
    Hold(KEY_S);
    Step(*p);
    EXPECT_EQ(p->y, 500.0f);  // they cancel
    Release(KEY_S);
    PadState.gamepad.buttons = PAD_A;  // slow
    Step(*p);
    EXPECT_EQ(p->y, 498.0f);

    // A disconnected pad's stick is not read.
    PadConnected = 0;
    PadState.gamepad.buttons = 0;
    PadState.gamepad.thumbLX = -30000;
    Step(*p);
    EXPECT_EQ(p->x, 648.0f);
}

TEST_F(PlayerControls, AVolleyNeedsSixFreeShotSlots) {
    auto p = FieldPlayer(0);
    for (int i = 0; i < 25; ++i) PlayerShotPool[i].active = 1;
    Hold(KEY_SPACE);
    Step(*p);
    EXPECT_EQ(ActiveShots(), 25);
    EXPECT_EQ(p->shotDelay, 0);

    PlayerShotPool[3].active = 0;  // 24 active: six slots free
    Step(*p);
    EXPECT_EQ(ActiveShots(), 30);
    EXPECT_EQ(p->shotDelay, 3);
    EXPECT_EQ(p->ringAngle, 3.0f);
    // The ring: the first lance at a(0) = -90 degrees, straight above at y - 90.
    const Bullet& first = PlayerShotPool[3];
    EXPECT_NEAR(first.x, 640.0f, 1e-3f);
    EXPECT_NEAR(first.y, 500.0f - 90.0f, 1e-3f);
    EXPECT_EQ(first.angle, -90.0f);
    EXPECT_EQ(first.speed, 22.0f);
    EXPECT_EQ(first.texture, PlayerShotTexture);

    // Held fire gives a volley every fourth frame.
    ClearShots();
    std::vector<int> volleyFrames;
    for (int frame = 1; frame <= 12; ++frame) {
        const int before = ActiveShots();
        Step(*p);
        if (ActiveShots() > before) volleyFrames.push_back(frame);
        ClearShots();
    }
    EXPECT_EQ(volleyFrames, (std::vector<int>{4, 8, 12}));
}

TEST_F(PlayerControls, VolleyRowsByShotStyle) {
    struct Case {
        int32_t type;
        bool slow;
        float twinOffset, twinSpeed, optionSpeed;
        float headings[5];
        int count;
    };
    const Case cases[] = {
        {0, true, 30.0f, 21.0f, 20.0f, {-80.0f, -77.0f, -100.0f, -103.0f}, 6},
        {1, true, 20.0f, 24.0f, 23.0f, {-88.0f, -88.0f, -92.0f, -92.0f}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        auto p = FieldPlayer(c.type);
        ClearShots();
        Hold(KEY_SPACE);
        Hold(KEY_LSHIFT);
        Step(*p);
        const std::vector<Lance> lances = ActiveLances();
        ASSERT_EQ(static_cast<int>(lances.size()), c.count);
        EXPECT_EQ(lances[0].x, 640.0f - c.twinOffset);
        EXPECT_EQ(lances[1].x, 640.0f + c.twinOffset);
        EXPECT_EQ(lances[0].y, 440.0f);
        EXPECT_EQ(lances[0].speed, c.twinSpeed);
        EXPECT_EQ(lances[0].angle, -90.0f);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(lances[2 + i].x, p->optionPositions[i].x);
            EXPECT_EQ(lances[2 + i].y, p->optionPositions[i].y);
            EXPECT_EQ(lances[2 + i].angle, c.headings[i]);
            EXPECT_EQ(lances[2 + i].speed, c.optionSpeed);
        }
        EXPECT_EQ(p->ringAngle, 0.0f);  // the slow volley leaves the ring alone
        ReleaseAllInput();
    }

    // Option type 1's ring is narrower and faster.
    auto p1 = FieldPlayer(1);
    ClearShots();
    p1->ringAngle = 90.0f;  // a(0) = 0: the first lance right of the knight
    Hold(KEY_SPACE);
    Step(*p1);
    std::vector<Lance> ring = ActiveLances();
    ASSERT_EQ(ring.size(), 6u);
    EXPECT_NEAR(ring[0].x, 670.0f, 1e-3f);
    EXPECT_NEAR(ring[0].y, 420.0f, 1e-3f);
    EXPECT_EQ(ring[0].speed, 25.0f);

    // Option type 2: one lance above the knight and one per option, slow or not.
    auto p2 = FieldPlayer(2);
    ClearShots();
    Hold(KEY_LSHIFT);
    Step(*p2);
    ring = ActiveLances();
    ASSERT_EQ(ring.size(), 6u);
    EXPECT_EQ(ring[0].x, 640.0f);
    EXPECT_EQ(ring[0].y, 420.0f);
    for (const Lance& l : ring) {
        EXPECT_EQ(l.speed, 23.0f);
        EXPECT_EQ(l.angle, -90.0f);
    }
    EXPECT_EQ(p2->ringAngle, 3.0f);
}

TEST_F(PlayerControls, RingAngleTurnsByThreeAndFoldsBackPast360) {
    auto p = FieldPlayer(0);
    Hold(KEY_SPACE);
    p->ringAngle = 359.0f;
    Step(*p);
    EXPECT_EQ(p->ringAngle, 362.0f);
    ClearShots();
    p->shotDelay = 0;
    Step(*p);
    EXPECT_EQ(p->ringAngle, 1.0f);  // 360 - 362 + 3
}

TEST_F(PlayerControls, SwordSwingHoldsTheVolleysAndRunsOneHundredEightyFrames) {
    machinery_test::SoundProbe sounds;
    auto p = FieldPlayer(0);
    Hold(KEY_E);
    Hold(KEY_SPACE);
    Step(*p);
    EXPECT_EQ(p->swordTimer, 179);
    EXPECT_EQ(p->shotDelay, 30);
    EXPECT_TRUE(machinery_test::SoundProbe::Playing(SwordSound));
    ClearShots();  // the volley of the pressing frame came before the press
    sounds.StopAll();

    int firstVolley = 0;
    for (int frame = 1; frame <= 179; ++frame) {
        Step(*p);
        if (firstVolley == 0 && ActiveShots() > 0) firstVolley = frame;
    }
    EXPECT_EQ(firstVolley, 31);
    EXPECT_EQ(p->swordTimer, 0);
    EXPECT_FALSE(machinery_test::SoundProbe::Playing(SwordSound));
    Step(*p);  // still held: the next swing
    EXPECT_EQ(p->swordTimer, 179);

    // Through skill 3 the sword only runs down.
    auto q = FieldPlayer(0);
    q->state = 5;
    q->swordTimer = 2;
    Hold(KEY_E);
    Step(*q, 3);
    EXPECT_EQ(q->swordTimer, 0);
}

TEST_F(PlayerControls, SkillSelectionStepsOncePerPressAndDoesNotWrap) {
    auto p = FieldPlayer(0);
    Hold(KEY_LEFT);
    Step(*p);
    EXPECT_EQ(p->selectedSkill, 1);
    EXPECT_EQ(p->skillSelectLatch, 0);
    ReleaseAllInput();

    Hold(KEY_RIGHT);
    Step(*p, 2);  // held: one step only
    EXPECT_EQ(p->selectedSkill, 2);
    EXPECT_EQ(p->skillSelectLatch, 1);
    Release(KEY_RIGHT);
    PadState.gamepad.leftTrigger = 199;  // below the threshold: released
    Step(*p);
    EXPECT_EQ(p->skillSelectLatch, 0);
    EXPECT_EQ(p->selectedSkill, 2);

    PadState.gamepad.rightTrigger = 200;
    Step(*p);
    EXPECT_EQ(p->selectedSkill, 3);
    PadState.gamepad.rightTrigger = 0;
    Step(*p);
    PadState.gamepad.rightTrigger = 255;
    Step(*p);
    EXPECT_EQ(p->selectedSkill, 3);  // no wrap to 1
    EXPECT_EQ(p->skillSelectLatch, 0);

    // Left and right together: left wins.
    PadState.gamepad.leftTrigger = 255;
    Step(*p);
    EXPECT_EQ(p->selectedSkill, 2);
    // The latch's release frame does nothing else.
    ReleaseAllInput();
    Step(*p);
    Hold(KEY_LEFT);
    Step(*p);
    EXPECT_EQ(p->selectedSkill, 1);
}

TEST_F(PlayerControls, SkillOneCostsTwentySpAndGivesNinetyFramesOfInvincibility) {
    auto p = FieldPlayer(0);
    p->status.sp = 19;
    Hold(KEY_Q);
    Step(*p);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->status.sp, 19);
    EXPECT_EQ(p->skill1Cooldown, 0);

    p->status.sp = 20;
    p->x = 700.0f;
    Step(*p);
    EXPECT_EQ(p->status.sp, 0);
    EXPECT_EQ(p->state, 3);
    EXPECT_EQ(p->skill1Cooldown, 599);  // 600 set, counted down at the frame's end
    EXPECT_EQ(p->skillLockout, 179);
    EXPECT_EQ(p->invincible, 1);
    EXPECT_EQ(p->invincibleKind, 2);
    EXPECT_EQ(p->invincibleTimer, 89);
    EXPECT_EQ(EffectPool.type[0], 11);
    EXPECT_EQ(EffectPool.x[0], 700.0f);
    EXPECT_EQ(EffectPool.y[0], 500.0f);

    Step(*p, 89);
    EXPECT_EQ(p->invincibleTimer, 0);
    EXPECT_EQ(p->state, 3);
    Step(*p);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->invincible, 0);
    EXPECT_EQ(p->invincibleKind, 0);

    // The lock-out holds every skill for 180 frames; the cooldown this skill for 600.
    p->status.sp = 60;
    p->selectedSkill = 2;
    Step(*p, 89);  // update 179 after the start
    EXPECT_EQ(p->state, 0);
    Step(*p);  // update 180: the lock-out is over
    EXPECT_EQ(p->state, 4);
    EXPECT_EQ(p->status.sp, 20);
    EXPECT_EQ(p->skill1Cooldown, 599 - 180);
}

TEST_F(PlayerControls, SkillOneCannotStartTwiceWithinItsCooldown) {
    auto p = FieldPlayer(0);
    p->status.sp = 60;
    p->status.spRegen = 0;
    Hold(KEY_Q);
    Step(*p);
    ASSERT_EQ(p->state, 3);
    Step(*p, 598);
    EXPECT_EQ(p->skill1Cooldown, 1);
    EXPECT_EQ(p->status.sp, 40);
    Step(*p);
    EXPECT_EQ(p->skill1Cooldown, 0);
    EXPECT_EQ(p->state, 0);
    Step(*p);
    EXPECT_EQ(p->state, 3);
    EXPECT_EQ(p->status.sp, 20);
}

TEST_F(PlayerControls, SkillTwoHealsTwentyOneTimesOverEighteenHundredFrames) {
    auto p = FieldPlayer(0);
    p->status.hpRegen = 0;
    p->status.hp = 50;
    p->status.sp = 40;
    p->selectedSkill = 2;
    Hold(KEY_Q);
    Step(*p);
    Release(KEY_Q);
    EXPECT_EQ(p->state, 4);
    EXPECT_EQ(p->status.sp, 0);
    EXPECT_EQ(p->skill2Cooldown, 1199);
    EXPECT_EQ(p->skill2Time, 1799);
    EXPECT_EQ(p->status.hp, 51);  // the first heal at 1800
    EXPECT_EQ(p->invincible, 0);
    EXPECT_EQ(EffectPool.active[0], 0);

    Step(*p, 1799);
    EXPECT_EQ(p->skill2Time, 0);
    EXPECT_EQ(p->state, 4);
    Step(*p);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->status.hp, 71);

    // Healing stops at max HP.
    auto q = FieldPlayer(0);
    q->status.hp = 100;
    q->status.sp = 40;
    q->selectedSkill = 2;
    Hold(KEY_Q);
    Step(*q);
    EXPECT_EQ(q->status.hp, 100);
}

TEST_F(PlayerControls, SkillThreeStopsVolleysAndSwingsForTwoHundredFortyFrames) {
    auto p = FieldPlayer(0);
    p->status.sp = 60;
    p->selectedSkill = 3;
    Hold(KEY_Q);
    Step(*p);
    ReleaseAllInput();
    EXPECT_EQ(p->state, 5);
    EXPECT_EQ(p->status.sp, 0);
    EXPECT_EQ(p->skill3Cooldown, 1799);
    EXPECT_EQ(p->invincibleKind, 3);
    EXPECT_EQ(p->invincibleTimer, 239);
    EXPECT_EQ(EffectPool.type[0], 12);

    ClearShots();
    Hold(KEY_SPACE);
    Hold(KEY_E);
    Step(*p, 239);
    EXPECT_EQ(ActiveShots(), 0);
    EXPECT_EQ(p->swordTimer, 0);
    EXPECT_EQ(p->state, 5);
    Step(*p);  // the invincibility runs out
    EXPECT_EQ(p->state, 0);
    Step(*p);
    EXPECT_GT(ActiveShots(), 0);
    EXPECT_EQ(p->swordTimer, 179);
}

TEST_F(PlayerControls, NoSkillStartsWhileHitInvincible) {
    auto p = FieldPlayer(0);
    TakeHit(*p);
    Hold(KEY_Q);
    Step(*p);
    EXPECT_EQ(p->state, 1);
    EXPECT_EQ(p->status.sp, 60);
    EXPECT_EQ(p->skill1Cooldown, 0);
}

TEST_F(PlayerControls, PadRumblesAfterAHitFromFrame149To146AndStopsFrom119To116) {
    auto p = FieldPlayer(0);
    TakeHit(*p);
    std::vector<int32_t> rumbleOn;
    std::vector<int32_t> rumbleOff;
    for (int frame = 0; frame < 160 && p->state == 1; ++frame) {
        SetPadVibration(1, 2);  // a marker: any call replaces it
        Step(*p);
        uint16_t left = 0;
        uint16_t right = 0;
        GetPadVibration(&left, &right);
        if (left == 0xFF37 && right == 0xFF37) rumbleOn.push_back(p->invincibleTimer);
        else if (left == 0 && right == 0) rumbleOff.push_back(p->invincibleTimer);
        else EXPECT_TRUE(left == 1 && right == 2) << "timer " << p->invincibleTimer;
    }
    EXPECT_EQ(rumbleOn, (std::vector<int32_t>{149, 148, 147, 146}));
    EXPECT_EQ(rumbleOff, (std::vector<int32_t>{119, 118, 117, 116}));
    EXPECT_EQ(p->state, 0);

    // A skill's invincibility never rumbles; changing the shot style stops the motors.
    auto q = FieldPlayer(0);
    q->state = 3;
    q->invincible = 1;
    q->invincibleKind = 2;
    q->invincibleTimer = 150;
    SetPadVibration(1, 2);
    Step(*q, 40);
    uint16_t left = 0;
    GetPadVibration(&left, nullptr);
    EXPECT_EQ(left, 1);
    SetPadVibration(0xFF37, 0xFF37);
    q->SetOptionType(1);
    GetPadVibration(&left, nullptr);
    EXPECT_EQ(left, 0);
}

TEST_F(PlayerControls, RegenerationEveryTwelveHundredAndFirstFrame) {
    auto p = FieldPlayer(0);
    p->status.hp = 50;
    p->status.sp = 10;
    Step(*p, 1200);
    EXPECT_EQ(p->regenCounter, 1200);
    EXPECT_EQ(p->status.hp, 50);
    Step(*p);
    EXPECT_EQ(p->regenCounter, 0);
    EXPECT_EQ(p->status.hp, 60);  // 10 % of 100
    EXPECT_EQ(p->status.sp, 22);  // 20 % of 60
    p->status.hp = 95;
    p->status.sp = 59;
    p->regenCounter = 1200;
    Step(*p);
    EXPECT_EQ(p->status.hp, 100);
    EXPECT_EQ(p->status.sp, 60);
}

TEST_F(PlayerControls, OptionFormationsFollowTheShotStyle) {
    auto p = FieldPlayer(0);
    Step(*p);
    const float c30 = std::cos(30.0f * kDegToRad);
    const float s30 = std::sin(30.0f * kDegToRad);
    EXPECT_FLOAT_EQ(p->optionPositions[1].x, 640.0f + 125.0f * c30);
    EXPECT_FLOAT_EQ(p->optionPositions[1].y, 500.0f + 125.0f * s30);
    EXPECT_FLOAT_EQ(p->optionPositions[2].x, 640.0f - 50.0f * c30);
    EXPECT_EQ(p->optionPositions[4].x, 640.0f);  // the fifth option is not moved
    Hold(KEY_LSHIFT);
    Step(*p);
    EXPECT_FLOAT_EQ(p->optionPositions[0].x, 640.0f + 50.0f * std::cos(-60.0f * kDegToRad));
    EXPECT_FLOAT_EQ(p->optionPositions[3].y, 500.0f + 50.0f * std::sin(-120.0f * kDegToRad));
    ReleaseAllInput();

    auto q = FieldPlayer(1);
    Step(*q);
    EXPECT_FLOAT_EQ(q->optionPositions[3].x, 640.0f - 100.0f * c30);
}

TEST_F(PlayerControls, OptionTypeTwoTrailsAlongThePositionHistory) {
    auto p = FieldPlayer(2);
    EXPECT_EQ(p->optionCount, 5);
    Step(*p, 5);  // no movement: nothing moves
    for (const Vec3& o : p->optionPositions) EXPECT_EQ(o.x, 640.0f);

    Hold(KEY_D);
    Step(*p, 20);
    EXPECT_NEAR(p->positionHistory[0].x, 640.0f + 20 * 4.6f, 1e-3f);
    EXPECT_FLOAT_EQ(p->optionPositions[0].x, 640.0f + 4.6f);  // entry 19: the first move
    EXPECT_EQ(p->optionPositions[1].x, 640.0f);
    ReleaseAllInput();

    // Slow: the whole trail moves with the knight and keeps its shape.
    const float before0 = p->optionPositions[0].x;
    const float before4 = p->optionPositions[4].x;
    Hold(KEY_LSHIFT);
    Hold(KEY_A);
    Step(*p);
    EXPECT_FLOAT_EQ(p->optionPositions[0].x, before0 - 2.3f);
    EXPECT_FLOAT_EQ(p->optionPositions[4].x, before4 - 2.3f);

    // Against the left edge the clamp stops the horizontal move, so the trail
    // only moves vertically.
    p->x = 320.0f;
    Hold(KEY_W);
    const Vec3 last = p->positionHistory[99];
    Step(*p);
    EXPECT_EQ(p->positionHistory[99].x, last.x);
    EXPECT_EQ(p->positionHistory[99].y, last.y - 2.3f);
}

TEST_F(PlayerControls, ParticlesFallFromTheOptionsAndLiveSixtyFrames) {
    auto p = FieldPlayer(0);
    Step(*p);
    int live = 0;
    for (int i = 0; i < Player::kParticleCount; ++i) {
        if (p->particleActive[i] == 0) continue;
        ++live;
        EXPECT_GE(p->particleAngle[i], 30.0f);
        EXPECT_LT(p->particleAngle[i], 150.0f);
    }
    EXPECT_EQ(live, 4);  // one per option

    // One particle alone: it slows as it ages and goes after age 60.
    auto q = FieldPlayer(0);
    q->SpawnParticle(Vec3{100.0f, 100.0f, 5.0f});
    q->particleAngle[0] = 90.0f;
    q->UpdateParticles();
    EXPECT_FLOAT_EQ(q->particlePosition[0].y, 103.0f);
    EXPECT_EQ(q->particlePosition[0].z, 0.0f);
    for (int i = 1; i < 60; ++i) q->UpdateParticles();
    EXPECT_EQ(q->particleAge[0], 60);
    EXPECT_NEAR(q->particlePosition[0].y, 100.0f + 60 * 3.0f - 0.05f * (59 * 60 / 2), 1e-3f);
    EXPECT_EQ(q->particleActive[0], 1);
    q->UpdateParticles();
    EXPECT_EQ(q->particleActive[0], 0);

    // A full particle pool takes nothing more.
    for (int i = 0; i < Player::kParticleCount; ++i) q->particleActive[i] = 1;
    q->particleAge[7] = 33;
    q->SpawnParticle(Vec3{1.0f, 1.0f, 0.0f});
    EXPECT_EQ(q->particleAge[7], 33);
}

}  // namespace
