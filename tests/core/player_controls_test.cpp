#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/machinery_probe.h"
#include "core/player.h"
#include "core/player_input_support.h"
#include "core/sound.h"
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

TEST_F(PlayerControls, MovementIsHeldInsideThePlayfieldAndHalvedWhenSlow) {
    const float speeds[] = {4.0f, 5.2f, 4.6f};
    for (int32_t type = 0; type < 3; ++type) {
        SCOPED_TRACE(type);
        auto p = FieldPlayer(type);
        const float s = speeds[type];
        Hold(KEY_D);
        Step(*p);
        EXPECT_EQ(p->x, 640.0f + s);
        Hold(KEY_LSHIFT);
        Hold(KEY_W);
        Step(*p);
        EXPECT_EQ(p->x, 640.0f + s + s / 2.0f);
        EXPECT_EQ(p->y, 500.0f - s / 2.0f);
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
    // The stick pushed right with D held moves at s; the stick up with S held cancels.
    auto p = FieldPlayer(0);
    PadConnected = 1;
    PadState.gamepad.thumbLX = 15001;
    Hold(KEY_D);
    Step(*p);
    EXPECT_EQ(p->x, 644.0f);
    PadState.gamepad.thumbLX = 0;
    PadState.gamepad.thumbLY = 15001;
    Release(KEY_D);
    Hold(KEY_S);
    Step(*p);
    EXPECT_EQ(p->y, 500.0f);
}

TEST_F(PlayerControls, AVolleyNeedsSixFreeShotSlots) {
    auto p = FieldPlayer(0);
    for (int i = 0; i < 25; ++i) PlayerShotPool[i].active = 1;
    Hold(KEY_SPACE);
    Step(*p);
    EXPECT_EQ(ActiveShots(), 25);
    EXPECT_EQ(p->shotDelay, 0);

    PlayerShotPool[3].active = 0;  // six slots free
    Step(*p);
    EXPECT_EQ(ActiveShots(), 30);
    EXPECT_EQ(p->shotDelay, 3);
    EXPECT_EQ(p->ringAngle, 3.0f);
    // The ring's first lance at a(0) = -90 degrees: straight above at y - 90.
    const Bullet& first = PlayerShotPool[3];
    EXPECT_NEAR(first.x, 640.0f, 1e-3f);
    EXPECT_NEAR(first.y, 410.0f, 1e-3f);
    EXPECT_EQ(first.angle, -90.0f);
    EXPECT_EQ(first.speed, 22.0f);
    EXPECT_EQ(first.side, 1);

    // Held fire gives a volley every fourth frame.
    std::vector<int> volleyFrames;
    for (int frame = 1; frame <= 12; ++frame) {
        ClearShots();
        Step(*p);
        if (ActiveShots() > 0) volleyFrames.push_back(frame);
    }
    EXPECT_EQ(volleyFrames, (std::vector<int>{4, 8, 12}));
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
    ClearShots();  // the pressing frame's volley came before the press

    int firstVolley = 0;
    for (int frame = 1; frame <= 179; ++frame) {
        Step(*p);
        if (firstVolley == 0 && ActiveShots() > 0) firstVolley = frame;
    }
    EXPECT_EQ(firstVolley, 31);
    EXPECT_EQ(p->swordTimer, 0);
    Step(*p);  // still held: the next swing
    EXPECT_EQ(p->swordTimer, 179);
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
    PadState.gamepad.leftTrigger = 199;  // below the threshold
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
}

TEST_F(PlayerControls, SkillOneCostLockOutCooldownAndInvincibility) {
    auto p = FieldPlayer(0);
    p->status.sp = 19;
    Hold(KEY_Q);
    Step(*p);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->status.sp, 19);

    p->status.sp = 60;
    p->x = 700.0f;
    Step(*p);
    EXPECT_EQ(p->status.sp, 40);
    EXPECT_EQ(p->state, 3);
    EXPECT_EQ(p->skill1Cooldown, 599);  // 600, counted down at the frame's end
    EXPECT_EQ(p->skillLockout, 179);
    EXPECT_EQ(p->invincibleKind, 2);
    EXPECT_EQ(p->invincibleTimer, 89);
    EXPECT_EQ(EffectPool.type[0], 11);
    EXPECT_EQ(EffectPool.x[0], 700.0f);

    Step(*p, 89);
    EXPECT_EQ(p->invincibleTimer, 0);
    EXPECT_EQ(p->state, 3);
    Step(*p);  // update 90: the invincibility is over
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->invincible, 0);

    // The lock-out holds every skill until update 180, the cooldown skill 1 until 600.
    p->selectedSkill = 2;
    p->status.sp = 40;
    Step(*p, 89);
    EXPECT_EQ(p->state, 0);
    Step(*p);
    EXPECT_EQ(p->state, 4);
    p->state = 0;
    p->skill2Time = 0;
    p->skillLockout = 0;
    p->selectedSkill = 1;
    p->status.sp = 60;
    Step(*p, 419);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->skill1Cooldown, 0);
    Step(*p);
    EXPECT_EQ(p->state, 3);
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

    Step(*p, 1799);
    EXPECT_EQ(p->state, 4);
    Step(*p);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->status.hp, 71);
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

    Hold(KEY_SPACE);
    Hold(KEY_E);
    Step(*p, 240);
    EXPECT_EQ(ActiveShots(), 0);
    EXPECT_EQ(p->swordTimer, 0);
    EXPECT_EQ(p->state, 0);
    Step(*p);
    EXPECT_GT(ActiveShots(), 0);
    EXPECT_EQ(p->swordTimer, 179);
}

TEST_F(PlayerControls, PadRumblesAfterAHitFromFrame149To146AndStopsFrom119To116) {
    auto p = FieldPlayer(0);
    TakeHit(*p);
    std::vector<int32_t> rumbleOn;
    std::vector<int32_t> rumbleOff;
    while (p->state == 1) {
        SetPadVibration(1, 2);  // a marker: any call replaces it
        Step(*p);
        uint16_t left = 0;
        uint16_t right = 0;
        GetPadVibration(&left, &right);
        if (left == 0xFF37 && right == 0xFF37) rumbleOn.push_back(p->invincibleTimer);
        else if (left == 0 && right == 0) rumbleOff.push_back(p->invincibleTimer);
    }
    EXPECT_EQ(rumbleOn, (std::vector<int32_t>{149, 148, 147, 146}));
    EXPECT_EQ(rumbleOff, (std::vector<int32_t>{119, 118, 117, 116}));

    // Changing the shot style stops the motors.
    SetPadVibration(0xFF37, 0xFF37);
    p->SetOptionType(1);
    uint16_t left = 1;
    GetPadVibration(&left, nullptr);
    EXPECT_EQ(left, 0);
}

TEST_F(PlayerControls, RegenerationEveryTwelveHundredAndFirstFrame) {
    auto p = FieldPlayer(0);
    p->status.hp = 50;
    p->status.sp = 50;
    Step(*p, 1200);
    EXPECT_EQ(p->status.hp, 50);
    Step(*p);
    EXPECT_EQ(p->status.hp, 60);  // 10 % of 100
    EXPECT_EQ(p->status.sp, 60);  // 20 % of 60, held at max SP
}

TEST_F(PlayerControls, OptionTypeTwoTrailsAlongThePositionHistory) {
    auto p = FieldPlayer(2);
    Step(*p, 5);  // no movement: nothing moves
    for (const Vec3& o : p->optionPositions) EXPECT_EQ(o.x, 640.0f);
    Hold(KEY_D);
    Step(*p, 20);
    EXPECT_FLOAT_EQ(p->optionPositions[0].x, 644.6f);  // entry 19: the first move
    EXPECT_EQ(p->optionPositions[1].x, 640.0f);
    ReleaseAllInput();

    // Slow against the left edge: the clamp stops the sideways move, so the
    // whole trail only moves up.
    p->x = 320.0f;
    Hold(KEY_LSHIFT);
    Hold(KEY_A);
    Hold(KEY_W);
    const Vec3 last = p->positionHistory[99];
    Step(*p);
    EXPECT_EQ(p->positionHistory[99].x, last.x);
    EXPECT_EQ(p->positionHistory[99].y, last.y - 2.3f);
}

}  // namespace
