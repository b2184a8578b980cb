#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <vector>

#include "core/common_textures.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/score.h"
#include "core/user_interface.h"
#include "platform/graphics.h"

namespace {

Texture* MakeSheet(int w, int h, const char* name) {
    return CreateTextureFromPixels(Direct3DDevice, w, h, std::vector<uint32_t>(w * h, 0xFFFFFFFFu), name);
}

struct SheetSlot {
    Texture** slot;
    int w, h;
};

class HudTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (Direct3DDevice == nullptr) Direct3DDevice = GraphicsDevice::CreateHeadless();
        if (SpriteBatch == nullptr) SpriteBatch = CreateSpriteBatch(Direct3DDevice);
        for (size_t i = 0; i < std::size(slots_); ++i) {
            saved_[i] = *slots_[i].slot;
            *slots_[i].slot = MakeSheet(slots_[i].w, slots_[i].h, "hud test sheet");
        }
        for (float& g : EmotionGauges) g = 500.0f;
        CurrentField = 1;
        BaseScore = 0;
        for (int32_t& s : HighScoreTable) s = 0;
        CoinCount = BigCoinCount = ExpItemCount = BigExpItemCount = 0;
        ui.status = HudStatus{1, 100, 100, 50, 50, 10, 10, 10, 10};
        ui.swordTimerMax = 180;
        ui.skillCooldownMax[0] = 600;
        ui.skillCooldownMax[1] = 1200;
        ui.skillCooldownMax[2] = 1800;
        ui.exp = 1500;
        ui.nextLevelExp = 3000;
        ui.slideCounter = 60;  // settled unless a test replays the slide-in
        ui.slideAlpha = 255;
        SpriteBatch->StartRecording();
    }
    void TearDown() override {
        SpriteBatch->StopRecording();
        SpriteBatch->ClearRecords();
        SpriteBatch->SetTransform(MatrixIdentity());
        for (size_t i = 0; i < std::size(slots_); ++i) {
            ReleaseTexture(*slots_[i].slot);
            *slots_[i].slot = saved_[i];
        }
    }

    // Records of one element drawn alone.
    std::vector<DrawRecord> Element(int32_t id, float x, float y) {
        SpriteBatch->ClearRecords();
        ui.DrawElement(id, x, y, 0.0f);
        return SpriteBatch->Records();
    }
    // The digit cells of a row of glyphs, ones first.
    static std::vector<int32_t> Cells(const std::vector<DrawRecord>& r, size_t first, size_t count) {
        std::vector<int32_t> cells;
        for (size_t i = first; i < first + count; ++i) cells.push_back(r[i].source.left / 32);
        return cells;
    }

    UserInterface ui;
    SheetSlot slots_[13] = {
        {&ui.uiTexture, 1280, 720},       {&ui.statusBarTexture, 416, 720},
        {&ui.skillIconTexture, 50, 150},  {&ui.selectFrameTexture, 50, 50},
        {&ui.scoreTextTexture, 704, 32},  {&ui.emotionSetTexture, 576, 96},
        {&ui.emotionDescriptionTexture, 128, 192}, {&ui.ringTexture, 64, 16},
        {&NumberTexture, 384, 32},        {&MoneyTexture, 384, 32},
        {&EmotionNumberTexture, 384, 192}, {&StatusIconTexture, 512, 64},
        {&ItemChipTexture, 1024, 512},
    };
    Texture* saved_[13] = {};
};

TEST_F(HudTest, SettledPassDrawsEveryElementInOrderAtItsPlace) {
    ui.selectedSkill = 2;
    ui.Draw();
    const auto& r = SpriteBatch->Records();
    struct Expect {
        const Texture* tex;
        size_t count;
        float x, y;  // position of the element's first draw
    };
    const Expect order[] = {
        {ui.ringTexture, 720, 0.0f, -100.0f},     {ui.uiTexture, 1, 0.0f, 0.0f},
        {ui.statusBarTexture, 2, 16.0f, 256.0f},  {ui.statusBarTexture, 2, 160.0f, 32.0f},
        {ui.statusBarTexture, 2, 160.0f, 80.0f},  {ui.statusBarTexture, 2, 160.0f, 128.0f},
        {ui.statusBarTexture, 1, 0.0f, 0.0f},     {ui.skillIconTexture, 3, 60.0f, 545.0f},
        {ui.skillIconTexture, 3, 60.0f, 605.0f},  {ui.skillIconTexture, 3, 60.0f, 665.0f},
        {ui.selectFrameTexture, 1, 60.0f, 605.0f}, {MoneyTexture, 6, 220.0f, 208.0f},
        {ui.scoreTextTexture, 15, 288.0f, 0.0f},  {NumberTexture, 2, 24.0f, 80.0f},
        {ItemChipTexture, 12, 0.0f, 0.0f},        {EmotionNumberTexture, 24, 1248.0f, 80.0f},
        {ui.emotionSetTexture, 3, 0.0f, 0.0f},    {ui.emotionDescriptionTexture, 3, 1056.0f, 448.0f},
    };
    size_t at = 0;
    for (const Expect& e : order) {
        ASSERT_LT(at, r.size());
        EXPECT_EQ(r[at].texture, e.tex) << "draw " << at;
        if (e.tex != ItemChipTexture && e.tex != ui.emotionSetTexture && e.tex != ui.ringTexture) {
            EXPECT_FLOAT_EQ(r[at].position.x, e.x) << "draw " << at;
            EXPECT_FLOAT_EQ(r[at].position.y, e.y) << "draw " << at;
        }
        at += e.count;
    }
    EXPECT_EQ(at, r.size());
    EXPECT_EQ(r[720].color, 0xFFFFFFFFu);  // the frame is always opaque
    EXPECT_EQ(r[721].color, 0xFFFFFFFFu);  // slid-in elements at alpha 255
    EXPECT_EQ(r[739].color, 0xC7FFFFFFu);  // the selection frame at 199
    EXPECT_EQ(Element(13, 0, 0).size(), 0u);
    EXPECT_EQ(Element(99, 0, 0).size(), 0u);
}

TEST_F(HudTest, SlideInRaisesAlphaAndMovesElementsOverSixtyFrames) {
    ui.slideCounter = 0;
    ui.slideAlpha = 0;
    for (int t = 0; t < 61; ++t) {
        SpriteBatch->ClearRecords();
        ui.Draw();
        const auto& r = SpriteBatch->Records();
        const DrawRecord& exp = r[721];    // experience gauge frame
        const DrawRecord& hp = r[723];     // HP gauge frame
        const DrawRecord& score = r[746];  // score caption
        if (t == 0 || t == 30 || t == 59) {
            EXPECT_EQ(exp.color >> 24, 4u * (t + 1));
            EXPECT_FLOAT_EQ(exp.position.x, 2.0f * t - 104.0f);
            EXPECT_FLOAT_EQ(hp.position.x, 5.0f * t - 140.0f);
            EXPECT_FLOAT_EQ(score.position.y, 1.5f * t - 58.0f - 32.0f);
        }
        if (t == 60) {
            EXPECT_EQ(exp.color >> 24, 255u);
            EXPECT_FLOAT_EQ(exp.position.x, 16.0f);
            EXPECT_FLOAT_EQ(score.position.y, 0.0f);
        }
    }
    EXPECT_EQ(ui.slideCounter, 60);
    ui.Reset();
    EXPECT_EQ(ui.slideCounter, 0);
    EXPECT_EQ(ui.levelUpTimer, -1);
    EXPECT_EQ(ui.selectedSkill, 1);
}

// The fill is the gauge's second draw; an empty fill draws nothing.
TEST_F(HudTest, GaugeFillsFollowTheirValuesAndStayInTheirStrips) {
    auto fillWidth = [&](int32_t id, int32_t fillTop) {
        const auto r = Element(id, 160, 32);
        if (r.size() < 2) return 0;
        EXPECT_EQ(r[1].source.left, 288);
        EXPECT_EQ(r[1].source.top, fillTop);
        return r[1].source.right - 288;
    };
    auto hp = [&](int32_t value, int32_t max) {
        ui.status.hp = value;
        ui.status.maxHp = max;
        return fillWidth(kHudHpGauge, 32);
    };
    EXPECT_EQ(hp(0, 100), 0);
    EXPECT_EQ(hp(50, 100), 64);
    EXPECT_EQ(hp(100, 100), 128);
    EXPECT_EQ(hp(1, 3), 42);      // trunc(128 / 3)
    EXPECT_EQ(hp(100, 0), 0);     // no maximum: empty
    EXPECT_EQ(hp(-7, 100), 0);    // below 1 the gauge reads 0
    EXPECT_EQ(hp(250, 100), 128); // above its maximum: full, never wider
    ui.status.sp = 25;
    ui.status.maxSp = 50;
    EXPECT_EQ(fillWidth(kHudSpGauge, 64), 64);

    auto sword = [&](int32_t timer, int32_t max) {
        ui.swordTimer = timer;
        ui.swordTimerMax = max;
        return fillWidth(kHudSwordGauge, 96);
    };
    EXPECT_EQ(sword(0, 180), 128);   // ready
    EXPECT_EQ(sword(180, 180), 0);   // first frame of a swing
    EXPECT_EQ(sword(90, 180), 64);
    EXPECT_EQ(sword(1, 180), 127);   // trunc(416 - 0.71)
    EXPECT_EQ(sword(40, 0), 128);
    EXPECT_EQ(sword(400, 180), 0);

    // The experience bar stands on y and fills upwards.
    auto expFill = [&](int32_t e, int32_t next) {
        ui.exp = e;
        ui.nextLevelExp = next;
        const auto r = Element(kHudExpGauge, 16, 720);
        EXPECT_FLOAT_EQ(r[0].position.y, 256.0f);
        if (r.size() < 2) return 0;
        EXPECT_FLOAT_EQ(r[1].position.y + static_cast<float>(r[1].source.bottom - r[1].source.top), 720.0f);
        return r[1].source.bottom - r[1].source.top;
    };
    EXPECT_EQ(expFill(0, 3000), 0);
    EXPECT_EQ(expFill(1500, 3000), 232);
    EXPECT_EQ(expFill(3000, 3000), 464);
    EXPECT_EQ(expFill(9000, 3000), 464);
    EXPECT_EQ(expFill(10, 0), 0);
}

TEST_F(HudTest, SkillIconsShowCooldownSecondsAndLightUpFromTheBottom) {
    auto skill1 = [&](int32_t c) {
        ui.skillCooldown[0] = c;
        return Element(kHudSkill1, 60, 545);
    };
    auto r = skill1(0);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].color, 0xFFFFFFFFu);
    EXPECT_EQ(Cells(r, 1, 2), (std::vector<int32_t>{0, 0}));
    EXPECT_FLOAT_EQ(r[1].position.x, 140.0f);
    EXPECT_FLOAT_EQ(r[1].position.y, 554.0f);

    r = skill1(600);
    ASSERT_EQ(r.size(), 3u);  // grey icon, nothing lit yet, digits
    EXPECT_EQ(r[0].color, 0xFF646464u);
    EXPECT_EQ(Cells(r, 1, 2), (std::vector<int32_t>{1, 1}));
    EXPECT_EQ(Cells(skill1(60), 2, 2), (std::vector<int32_t>{2, 0}));
    EXPECT_EQ(Cells(skill1(59), 2, 2), (std::vector<int32_t>{1, 0}));
    r = skill1(300);
    EXPECT_EQ(r[1].source.top, 25);
    EXPECT_FLOAT_EQ(r[1].position.y, 570.0f);

    ui.skillCooldown[2] = 900;  // skill 3: rows 100..150, 36 frames per row
    r = Element(kHudSkill3, 60, 665);
    EXPECT_EQ(r[1].source.top, 125);
    EXPECT_EQ(r[1].source.bottom, 150);
    ui.skillCooldownMax[2] = 30;  // too short for a step: stays grey, no fault
    EXPECT_EQ(Element(kHudSkill3, 60, 665).size(), 3u);
}

TEST_F(HudTest, MultiplierReadoutsSpellTheGaugeBands) {
    auto readout = [&](float moneyGauge, float expGauge) {
        EmotionGauges[0] = moneyGauge;
        EmotionGauges[3] = expGauge;
        return Element(kHudMultipliers, 1104, 80);
    };
    // Left to right: glyph 5 down to glyph 0.
    auto leftToRight = [](const std::vector<DrawRecord>& r, size_t row) {
        std::vector<int32_t> cells;
        for (int i = 5; i >= 0; --i) cells.push_back(r[6 * row + i].source.left / 32);
        return cells;
    };
    auto r = readout(450, 600);
    ASSERT_EQ(r.size(), 24u);
    EXPECT_EQ(leftToRight(r, 0), (std::vector<int32_t>{10, 1, 11, 2, 5, 0}));
    EXPECT_EQ(r[0].source.top, 96);  // experience rows
    EXPECT_FLOAT_EQ(r[0].position.x, 1248.0f);
    EXPECT_FLOAT_EQ(r[5].position.x, 1128.0f);
    EXPECT_FLOAT_EQ(r[6].position.y, 144.0f);
    EXPECT_EQ(leftToRight(r, 2), (std::vector<int32_t>{10, 1, 11, 0, 0, 0}));
    EXPECT_EQ(r[12].source.top, 0);  // money rows
    EXPECT_EQ(leftToRight(readout(500, 700), 2), (std::vector<int32_t>{10, 1, 11, 1, 0, 0}));
    EXPECT_EQ(leftToRight(readout(500, 700), 0), (std::vector<int32_t>{10, 1, 11, 4, 5, 0}));
    EXPECT_EQ(leftToRight(readout(899, 800), 0), (std::vector<int32_t>{10, 1, 11, 7, 0, 0}));
    EXPECT_EQ(leftToRight(readout(900, 1000), 2), (std::vector<int32_t>{10, 2, 11, 0, 0, 0}));
    EXPECT_EQ(leftToRight(readout(1300, 0), 2), (std::vector<int32_t>{10, 2, 11, 0, 0, 0}));
}

TEST_F(HudTest, EmotionFacesShowTheLeadingCategoryScaledByItsGauge) {
    auto faces = [&](float g1, float g4, float g6) {
        EmotionGauges[0] = g1, EmotionGauges[1] = 1000 - g1;
        EmotionGauges[3] = g4, EmotionGauges[2] = 1000 - g4;
        EmotionGauges[5] = g6, EmotionGauges[4] = 1000 - g6;
        return Element(kHudEmotionFaces, 1056, 512);
    };
    auto r = faces(500, 500, 500);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].source.left, 0);    // category 1
    EXPECT_EQ(r[1].source.left, 288);  // category 4
    EXPECT_EQ(r[2].source.left, 480);  // category 6
    for (const DrawRecord& d : r) EXPECT_FLOAT_EQ(d.transform.m[0][0], 0.5f);
    EXPECT_FLOAT_EQ(r[1].transform.m[3][0], 1216.0f);
    EXPECT_FLOAT_EQ(r[2].transform.m[3][1], 656.0f);
    EXPECT_FLOAT_EQ(r[0].centre.x, 48.0f);

    r = faces(400, 600, 600.5f);
    EXPECT_EQ(r[0].source.left, 96);  // category 2 leads at 600
    EXPECT_FLOAT_EQ(r[0].transform.m[0][0], 0.5f);
    EXPECT_FLOAT_EQ(r[1].transform.m[0][0], 0.5f);
    EXPECT_FLOAT_EQ(r[2].transform.m[1][1], 0.625f);
    r = faces(1000, 0, 850);
    EXPECT_FLOAT_EQ(r[0].transform.m[0][0], 1.0f);
    EXPECT_EQ(r[1].source.left, 192);  // category 3 at 1000
    EXPECT_FLOAT_EQ(r[1].transform.m[0][0], 1.0f);
    EXPECT_FLOAT_EQ(r[2].transform.m[0][0], 0.875f);
    EXPECT_EQ(SpriteBatch->GetTransform().m[0][0], 1.0f);  // identity again afterwards

    const auto captions = Element(kHudEmotionCaptions, 1056, 448);
    EXPECT_EQ(captions[0].source.top, 0);
    EXPECT_EQ(captions[1].source.top, 64);
    EXPECT_FLOAT_EQ(captions[2].position.x, 1136.0f);
    EXPECT_FLOAT_EQ(captions[2].position.y, 592.0f);
}

TEST_F(HudTest, ScoreLineShowsTheBestOfTheFieldBeingPlayed) {
    const int32_t best[kFieldCount] = {111, 222, 333, 444, 555};
    for (int i = 0; i < kFieldCount; ++i) HighScoreTable[i] = best[i];
    BaseScore = 123456789;  // more than seven digits: the lowest seven show
    for (int32_t field = 0; field <= 6; ++field) {
        CurrentField = field;
        const auto r = Element(kHudScoreLine, 470, 32);
        ASSERT_EQ(r.size(), 15u);
        EXPECT_EQ(Cells(r, 1, 7), (std::vector<int32_t>{9, 8, 7, 6, 5, 4, 3}));
        const int32_t shown = field >= 1 && field <= 5 ? best[field - 1] : 0;
        const std::vector<int32_t> cells = {shown % 10, shown / 10 % 10, shown / 100 % 10, 0, 0, 0, 0};
        EXPECT_EQ(Cells(r, 8, 7), cells) << "field " << field;
        EXPECT_FLOAT_EQ(r[8].position.x, 918.0f);
    }
}

TEST_F(HudTest, PickupTallyCountsGrowToTheRight) {
    BigExpItemCount = 5;
    ExpItemCount = 123;
    CoinCount = 12345;
    const auto r = Element(kHudPickupTally, 1040, 48);
    // Rows: icon + 2, icon + 3, icon + 2, icon + 5 glyphs.
    ASSERT_EQ(r.size(), 16u);
    EXPECT_FLOAT_EQ(r[0].transform.m[0][0], 1.25f);
    EXPECT_FLOAT_EQ(r[3].transform.m[0][0], 0.75f);
    EXPECT_EQ(Cells(r, 1, 2), (std::vector<int32_t>{5, 0}));
    EXPECT_FLOAT_EQ(r[2].position.x, 1088.0f);  // first glyph at x + 48
    EXPECT_EQ(Cells(r, 4, 3), (std::vector<int32_t>{3, 2, 1}));
    EXPECT_FLOAT_EQ(r[6].position.x, 1088.0f);
    EXPECT_FLOAT_EQ(r[4].position.x, 1136.0f);
    EXPECT_FLOAT_EQ(r[4].position.y, 112.0f);
    EXPECT_EQ(r[10].source.top, 64);  // the coin icon
    EXPECT_EQ(Cells(r, 11, 5), (std::vector<int32_t>{5, 4, 3, 2, 1}));
    EXPECT_FLOAT_EQ(r[15].position.x, 1088.0f);
}

TEST_F(HudTest, LevelUpPanelSlidesRowsInAndOutOverItsTimer) {
    ui.status = HudStatus{4, 100, 100, 50, 50, 10, 11, 12, 13};
    ui.SetLevelUpRecord(100, 50, 10, 11, 12, 13);
    EXPECT_EQ(ui.levelUpBase.level, 5);
    ui.status = HudStatus{5, 120, 120, 55, 55, 13, 12, 14, 13};  // after the level-up
    ui.slideCounter = 0;  // a level-up in the first frame of a field
    ui.slideAlpha = 0;

    std::vector<std::vector<DrawRecord>> frames;
    for (int t = 0; t < 301; ++t) {
        SpriteBatch->ClearRecords();
        ui.DrawLevelUp();
        frames.push_back(SpriteBatch->Records());
        if (t < 60) ui.slideAlpha += 4;  // as the pass would raise it
    }
    EXPECT_EQ(ui.levelUpTimer, -1);
    // Frame 0: row 0 only, label at -112, "+20" with its value at 0.
    ASSERT_EQ(frames[0].size(), 4u);
    EXPECT_FLOAT_EQ(frames[0][0].position.x, -112.0f);
    EXPECT_FLOAT_EQ(frames[0][0].position.y, 228.0f);
    EXPECT_EQ(frames[0][0].source.left, 64);  // status icon cell 1
    EXPECT_FLOAT_EQ(frames[0][1].position.x, 0.0f);
    EXPECT_FLOAT_EQ(frames[0][1].position.y, 244.0f);
    EXPECT_EQ(Cells(frames[0], 1, 3), (std::vector<int32_t>{0, 2, 11}));
    EXPECT_FLOAT_EQ(frames[0][3].position.x, -48.0f);
    EXPECT_EQ(frames[0][0].color >> 24, 0u);
    EXPECT_EQ(frames[10][0].color >> 24, 40u);
    // Frame 15: row 1 starts ("+3" attack) while row 0 is halfway in.
    ASSERT_EQ(frames[15].size(), 7u);
    EXPECT_FLOAT_EQ(frames[15][0].position.x, -29.5f);
    EXPECT_FLOAT_EQ(frames[15][4].position.x, -112.0f);
    EXPECT_FLOAT_EQ(frames[15][5].position.x, -24.0f);
    EXPECT_EQ(Cells(frames[15], 5, 2), (std::vector<int32_t>{3, 11}));
    // Frame 100: every row stands; gains 20, 3, 1, 2, 0.
    ASSERT_EQ(frames[100].size(), 4u + 4 * 3);
    EXPECT_FLOAT_EQ(frames[100][0].position.x, 53.0f);
    EXPECT_FLOAT_EQ(frames[100][1].position.x, 165.0f);
    EXPECT_FLOAT_EQ(frames[100][5].position.x, 141.0f);
    EXPECT_EQ(frames[100][0].color, 0xF0FFFFFFu);
    EXPECT_EQ(frames[100][13].source.left, 6 * 64);  // row 4's label
    EXPECT_EQ(Cells(frames[100], 14, 1), (std::vector<int32_t>{0}));
    // Row 0 slides out from frame 210 and is gone at 240; row 4 lasts to 299.
    EXPECT_FLOAT_EQ(frames[225][0].position.x, -29.5f);
    EXPECT_EQ(frames[240][0].source.left, 3 * 64);
    ASSERT_EQ(frames[299].size(), 3u);
    EXPECT_FLOAT_EQ(frames[299][0].position.x, 53.0f - 5.5f * 29.0f);
    EXPECT_TRUE(frames[300].empty());

    // A second level-up restarts the panel at frame 0.
    ui.levelUpTimer = 120;
    ui.SetLevelUpRecord(120, 55, 13, 12, 14, 13);
    SpriteBatch->ClearRecords();
    ui.DrawLevelUp();
    EXPECT_FLOAT_EQ(SpriteBatch->Records()[0].position.x, -112.0f);
    EXPECT_EQ(ui.levelUpTimer, 1);
}

TEST_F(HudTest, SkillRingCirclesThePlayerAndTheArcShowsTheCooldown) {
    ui.position = Vec3{640.0f, 400.0f, 0.0f};
    ui.selectedSkill = 2;
    ui.skillCooldown[1] = 600;  // half of 1200
    ui.DrawSkillRing();
    const auto& r = SpriteBatch->Records();
    ASSERT_EQ(r.size(), 360u + 180u);
    EXPECT_EQ(r[0].source.left, 48);  // plain ring
    EXPECT_EQ(r[0].color, 0x1EFFFFFFu);
    EXPECT_NEAR(r[0].position.x, 640.0f, 1e-3f);
    EXPECT_NEAR(r[0].position.y, 300.0f, 1e-3f);
    EXPECT_NEAR(r[90].position.x, 540.0f, 1e-3f);  // counter-clockwise: left after a quarter
    EXPECT_EQ(r[360].source.left, 16);             // skill 2's dot
    EXPECT_NEAR(r[539].position.y, 500.0f, 0.1f);  // the arc ends near the bottom

    SpriteBatch->ClearRecords();
    ui.skillCooldown[1] = 1200;
    ui.DrawSkillRing();
    EXPECT_EQ(SpriteBatch->Records().size(), 360u);  // nothing of the arc yet
    SpriteBatch->ClearRecords();
    ui.skillCooldownMax[1] = 0;
    ui.DrawSkillRing();
    EXPECT_EQ(SpriteBatch->Records().size(), 720u);
}

}  // namespace
