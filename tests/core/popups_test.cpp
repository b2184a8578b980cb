#include "core/popups.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "core/common_textures.h"
#include "core/high_score.h"
#include "core/player.h"
#include "machinery_probe.h"

namespace {

using machinery_test::DrawRecording;

class Popups : public ::testing::Test {
protected:
    machinery_test::HeadlessGraphics graphics_;
    machinery_test::StandInSheet emotionSheet_{EmotionNumberTexture};
    machinery_test::StandInSheet bonusSheet_{BonusTextTexture};

    void SetUp() override {
        ClearDamagePopups();
        ClearEmotionNumbers();
        ClearScorePopups();
        DamagePopupThrottle = PopupHold{};
        EmotionNumberHold1 = PopupHold{};
        EmotionNumberHold4 = PopupHold{};
    }
};

Rect Cell32(int column, int row) { return Rect{column * 32, row * 32, column * 32 + 32, row * 32 + 32}; }

void ExpectRect(const Rect& r, const Rect& want) {
    EXPECT_EQ(r.left, want.left);
    EXPECT_EQ(r.top, want.top);
    EXPECT_EQ(r.right, want.right);
    EXPECT_EQ(r.bottom, want.bottom);
}

TEST_F(Popups, DamageNumbersLaunchFromTheGeneratorAndFallBack) {
    std::srand(5);
    const int r1 = std::rand(), r2 = std::rand(), r3 = std::rand(), r4 = std::rand();
    std::srand(5);
    SpawnDamagePopup(1, 1, 100.0f, 200.0f, 3.0f, 40);
    SpawnDamagePopup(2, 2, 300.0f, 400.0f, 0.0f, 7);
    const DamagePopup& large = DamageNumberPool[0];
    const DamagePopup& small = DamageNumberPool[1];
    EXPECT_FLOAT_EQ(large.vx, static_cast<float>(r1 % 60 - 30) / 10.0f);
    EXPECT_FLOAT_EQ(large.vy, static_cast<float>(r2 % 30 + 60) / -10.0f);
    EXPECT_FLOAT_EQ(small.vx, static_cast<float>(r3 % 120 - 60) / 10.0f);
    EXPECT_FLOAT_EQ(small.vy, static_cast<float>(r4 % 60) / -10.0f);
    EXPECT_EQ(large.alpha, 240);
    EXPECT_EQ(large.z, 3.0f);
    const float vy0 = large.vy;
    UpdateDamagePopups();
    EXPECT_FLOAT_EQ(large.vy, vy0 + 0.2f);
    EXPECT_FLOAT_EQ(large.x, 100.0f + large.vx);
    EXPECT_FLOAT_EQ(large.y, 200.0f + vy0 + 0.2f);
}

TEST_F(Popups, DamageNumbersLiveNinetyOrThirtyFramesAndFadeToZero) {
    SpawnDamagePopup(1, 1, 0.0f, 0.0f, 0.0f, 5);
    SpawnDamagePopup(2, 1, 0.0f, 0.0f, 0.0f, 5);
    const DamagePopup& large = DamageNumberPool[0];
    const DamagePopup& small = DamageNumberPool[1];
    for (int frame = 1; frame <= 90; ++frame) {
        UpdateDamagePopups();
        if (frame == 20) { EXPECT_EQ(small.alpha, 240); }
        if (frame == 21) { EXPECT_EQ(small.alpha, 216); }
        if (frame == 30) { EXPECT_EQ(small.alpha, 0); }
        if (frame == 31) { EXPECT_EQ(small.active, 0); }
        if (frame == 80) { EXPECT_EQ(large.alpha, 240); }
    }
    EXPECT_EQ(large.active, 1);
    EXPECT_EQ(large.alpha, 0);
    UpdateDamagePopups();
    EXPECT_EQ(large.active, 0);
    EXPECT_EQ(large.alpha, 240);
    EXPECT_EQ(large.value, 0);
}

TEST_F(Popups, ThrottleHoldsForTheSpawnFrameAndTwoMore) {
    SpawnDamagePopup(2, 1, 0.0f, 0.0f, 0.0f, 1);
    EXPECT_EQ(DamagePopupThrottle.set, 1);
    UpdateDamagePopups();
    UpdateDamagePopups();
    EXPECT_EQ(DamagePopupThrottle.set, 1);
    UpdateDamagePopups();
    EXPECT_EQ(DamagePopupThrottle.set, 0);
    EXPECT_EQ(DamagePopupThrottle.counter, 0);
}

TEST_F(Popups, FullPoolsDropTheNumberWithoutSettingAnything) {
    for (int i = 0; i < kDamagePopupCount; ++i) SpawnDamagePopup(2, 1, 0.0f, 0.0f, 0.0f, i);
    DamagePopupThrottle = PopupHold{};
    SpawnDamagePopup(2, 1, 0.0f, 0.0f, 0.0f, 999);
    EXPECT_EQ(DamagePopupThrottle.set, 0);
    for (const DamagePopup& p : DamageNumberPool) EXPECT_NE(p.value, 999);

    for (int i = 0; i < kEmotionNumberCount; ++i) SpawnEmotionNumber(4, 1.0f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(GetEmotionNumberHold4(), 1);
    SpawnEmotionNumber(1, 1.5f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(GetEmotionNumberHold1(), 0);

    for (int i = 0; i < kScorePopupCount; ++i) SpawnScorePopup(1, 10, 0.0f, 0.0f, 0.0f);
    SpawnScorePopup(4, 777, 0.0f, 0.0f, 0.0f);
    for (const ScorePopup& s : ScorePopupPool) EXPECT_EQ(s.value, 10);
}

TEST_F(Popups, DamageDigitsArePlacedRightToLeft) {
    SpawnDamagePopup(2, 2, 100.0f, 50.0f, 0.0f, 12345);
    SpawnDamagePopup(1, 1, 400.0f, 60.0f, 0.0f, 7);
    DamageNumberPool[0].alpha = 120;
    DrawRecording rec;
    DrawDamagePopups();
    ASSERT_EQ(rec.Records().size(), 6u);
    for (int i = 0; i < 5; ++i) {
        const DrawRecord& r = rec.Records()[i];
        ExpectRect(r.source, Cell32(5 - i, 2));   // 12345 from the ones up, colour-2 row
        EXPECT_EQ(r.centre.x, 16.0f);
        EXPECT_EQ(r.color, 0x78FFFFFFu);
        EXPECT_FLOAT_EQ(r.transform.m[3][0], 100.0f + 60.0f - 24.0f * i);
        EXPECT_FLOAT_EQ(r.transform.m[0][0], 1.0f);
    }
    const DrawRecord& seven = rec.Records()[5];
    ExpectRect(seven.source, Cell32(7, 1));
    EXPECT_FLOAT_EQ(seven.transform.m[0][0], 2.0f);
    EXPECT_FLOAT_EQ(seven.transform.m[3][0], 424.0f);
    EXPECT_FLOAT_EQ(seven.transform.m[3][1], 60.0f);
}

TEST_F(Popups, EmotionNumbersCountUpFlyToTheirCornerAndFade) {
    SpawnEmotionNumber(1, 1.5f, 640.0f, 360.0f, 0.0f);
    SpawnEmotionNumber(4, 2.0f, 640.0f, 360.0f, 0.0f);
    const EmotionNumber& money = EmotionNumberPool[0];
    const EmotionNumber& exp = EmotionNumberPool[1];
    UpdateEmotionNumbers();
    EXPECT_FLOAT_EQ(money.shownValue, 0.05f);
    const float speed = 1.0f / 9.0f + 1.0f;
    const float toRight = std::atan2(360.0f, 640.0f);
    EXPECT_FLOAT_EQ(money.x, 640.0f + std::cos(toRight) * speed);
    EXPECT_FLOAT_EQ(money.y, 360.0f + std::sin(toRight) * speed);
    EXPECT_LT(exp.x, 640.0f);
    EXPECT_GT(exp.y, 360.0f);
    for (int frame = 2; frame <= 60; ++frame) {
        UpdateEmotionNumbers();
        if (frame == 30) { EXPECT_EQ(money.shownValue, 1.5f); }
        if (frame == 50) { EXPECT_EQ(money.alpha, 240); }
        if (frame == 51) { EXPECT_EQ(money.alpha, 216); }
    }
    EXPECT_EQ(money.active, 1);
    EXPECT_EQ(money.alpha, 0);
    UpdateEmotionNumbers();
    EXPECT_EQ(money.active, 0);
    EXPECT_EQ(money.kind, -1);
    EXPECT_EQ(exp.active, 0);
}

TEST_F(Popups, EmotionHoldsLastTenFramesAndSurviveTheClear) {
    SpawnEmotionNumber(1, 1.1f, 0.0f, 0.0f, 0.0f);
    EXPECT_EQ(GetEmotionNumberHold1(), 1);
    EXPECT_EQ(GetEmotionNumberHold4(), 0);
    ClearEmotionNumbers();
    EXPECT_EQ(EmotionNumberPool[0].active, 0);
    for (int frame = 1; frame <= 10; ++frame) UpdateEmotionNumbers();
    EXPECT_EQ(GetEmotionNumberHold1(), 1);
    UpdateEmotionNumbers();
    EXPECT_EQ(GetEmotionNumberHold1(), 0);
}

TEST_F(Popups, EmotionNumberReadsSignUnitsPointAndThreeDecimals) {
    SpawnEmotionNumber(4, 1.45f, 200.0f, 100.0f, 0.0f);
    EmotionNumberPool[0].shownValue = 1.45f;
    DrawRecording rec;
    DrawEmotionNumbers();
    ASSERT_EQ(rec.Records().size(), 6u);
    // Drawn from the right: thousandths, hundredths, tenths, point, units, then the sign.
    const int cells[6] = {0, 5, 4, 11, 1, 10};
    const float xs[6] = {260.0f, 236.0f, 212.0f, 188.0f, 164.0f, 140.0f};
    for (int i = 0; i < 6; ++i) {
        const DrawRecord& r = rec.Records()[i];
        ExpectRect(r.source, Cell32(cells[i], 3));
        EXPECT_EQ(r.position.x, xs[i]);
        EXPECT_EQ(r.position.y, 100.0f);
        EXPECT_EQ(r.centre.y, 16.0f);
        EXPECT_TRUE(machinery_test::IsIdentity(r.transform));
    }
}

TEST_F(Popups, ScorePopupsRiseFadeAndCountUpByKind) {
    SpawnScorePopup(1, 10, 0.0f, 100.0f, 0.0f);
    SpawnScorePopup(2, 1500, 0.0f, 100.0f, 0.0f);
    SpawnScorePopup(4, 300, 0.0f, 100.0f, 0.0f);
    const ScorePopup& k1 = ScorePopupPool[0];
    const ScorePopup& k2 = ScorePopupPool[1];
    const ScorePopup& k4 = ScorePopupPool[2];
    UpdateScorePopups();
    EXPECT_EQ(k2.shownValue, 75.0f);
    EXPECT_EQ(k4.shownValue, 10.0f);
    EXPECT_EQ(k1.y, 99.5f);
    for (int frame = 2; frame <= 90; ++frame) {
        UpdateScorePopups();
        if (frame == 19) { EXPECT_EQ(k2.shownValue, 1425.0f); }
        if (frame == 20) { EXPECT_EQ(k2.shownValue, 1500.0f); }
        if (frame == 21) { EXPECT_EQ(k1.alpha, 216); }
        if (frame == 30) { EXPECT_EQ(k1.alpha, 0); }
        if (frame == 31) { EXPECT_EQ(k1.kind, -1); }
        if (frame == 41) { EXPECT_EQ(k2.alpha, 228); }
        if (frame == 60) { EXPECT_EQ(k2.alpha, 0); }
        if (frame == 61) {
            EXPECT_EQ(k2.active, 0);
            EXPECT_EQ(k4.alpha, 232);
        }
    }
    EXPECT_EQ(k4.alpha, 0);
    EXPECT_EQ(k4.active, 1);
    UpdateScorePopups();
    EXPECT_EQ(k4.active, 0);
}

TEST_F(Popups, ScoreDigitsStandCentredWithLeadingZerosWhileCounting) {
    SpawnScorePopup(2, 1500, 500.0f, 300.0f, 0.0f);
    SpawnScorePopup(3, 50, 100.0f, 200.0f, 0.0f);
    SpawnScorePopup(4, 1000000, 0.0f, 0.0f, 0.0f);
    UpdateScorePopups();
    DrawRecording rec;
    DrawScorePopups();
    ASSERT_EQ(rec.Records().size(), 6u);   // 0075, then 02; the millions are invisible
    const int kind2Digits[4] = {5, 7, 0, 0};
    for (int i = 0; i < 4; ++i) {
        const DrawRecord& r = rec.Records()[i];
        EXPECT_EQ(r.source.left, kind2Digits[i] * 64);
        EXPECT_EQ(r.source.bottom, 64);
        EXPECT_FLOAT_EQ(r.transform.m[0][0], 0.37f);
        EXPECT_FLOAT_EQ(r.transform.m[3][0], 500.0f - 12.0f - 24.0f * i + 36.0f);
        EXPECT_FLOAT_EQ(r.transform.m[3][1], 299.5f);
        EXPECT_EQ(r.color, 0xF0FFFFFFu);
    }
    EXPECT_EQ(rec.Records()[4].source.left, 2 * 64);   // 50 counts up by 2.5 a frame
    EXPECT_FLOAT_EQ(rec.Records()[4].transform.m[0][0], 0.5f);
    EXPECT_FLOAT_EQ(rec.Records()[4].transform.m[3][0], 100.0f);
    EXPECT_EQ(rec.Records()[5].source.left, 0);
    EXPECT_FLOAT_EQ(rec.Records()[5].transform.m[3][0], 68.0f);
    EXPECT_EQ(ScorePopupPool[2].active, 1);
}

TEST_F(Popups, ClearsFreeEveryRecord) {
    SpawnScorePopup(3, 50, 1.0f, 2.0f, 3.0f);
    SpawnDamagePopup(1, 1, 1.0f, 2.0f, 3.0f, 9);
    UpdateScorePopups();
    ClearScorePopups();
    ClearDamagePopups();
    const ScorePopup& s = ScorePopupPool[0];
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.kind, -1);
    EXPECT_EQ(s.y, 0.0f);
    EXPECT_EQ(s.age, 0);
    EXPECT_EQ(s.shownValue, 0.0f);
    EXPECT_EQ(DamageNumberPool[0].active, 0);
    EXPECT_EQ(DamageNumberPool[0].x, 0.0f);
    EXPECT_EQ(DamagePopupThrottle.set, 1);
}

}  // namespace
