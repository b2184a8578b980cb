#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "core/common_textures.h"
#include "core/machinery_probe.h"
#include "core/player.h"
#include "core/player_input_support.h"

namespace {

using machinery_test::DrawRecording;
using namespace player_test;

Texture* Sheet(const char* name) {
    return CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu), name);
}

class PlayerDraw : public ::testing::Test {
protected:
    void SetUp() override {
        body = Sheet("player");
        sword = Sheet("sword");
        option = Sheet("option");
        ReleaseAllInput();
    }
    void TearDown() override {
        for (Texture* t : {body, sword, option}) t->Release();
        ReleaseAllInput();
    }
    std::unique_ptr<Player> MakePlayer(int32_t optionType) {
        auto p = FieldPlayer(optionType);
        p->playerTexture = body;
        p->swordTexture = sword;
        p->optionTexture = option;
        return p;
    }
    // The draws of one layer.
    std::vector<DrawRecord> Layer(Player& p, int32_t layer) {
        DrawRecording rec;
        p.DrawLayer(layer);
        return rec.Records();
    }
    static uint32_t Alpha(const DrawRecord& r) { return r.color >> 24; }

    machinery_test::HeadlessGraphics graphics;
    machinery_test::StandInSheet barrierSheet{BarrierTexture};
    Texture* barrier = BarrierTexture;
    Texture* body = nullptr;
    Texture* sword = nullptr;
    Texture* option = nullptr;
};

TEST_F(PlayerDraw, ParticlesOptionsBodyShieldAndSwordInThatOrder) {
    auto p = MakePlayer(0);
    Step(*p);  // options placed, four particles shed
    p->invincible = 1;
    p->invincibleKind = 2;
    p->invincibleTimer = 89;
    p->swordTimer = 179;
    DrawRecording rec;
    p->Draw();
    const std::vector<DrawRecord>& r = rec.Records();
    ASSERT_EQ(r.size(), 4u + 4u + 1u + 1u + 5u);
    const Texture* expected[] = {option, option, option, option, option, option, option, option,
                                 body,   barrier, sword, sword, sword, sword, sword};
    for (size_t i = 0; i < r.size(); ++i) EXPECT_EQ(r[i].texture, expected[i]) << "draw " << i;
    // A particle of age 0: scale 0.3, alpha 150.
    EXPECT_FLOAT_EQ(r[0].transform.m[0][0], 0.3f);
    EXPECT_EQ(Alpha(r[0]), 150u);
    // Options: the top cell at 0.8, alpha 200, at the option's position.
    for (int i = 0; i < 4; ++i) {
        const DrawRecord& o = r[4 + i];
        EXPECT_EQ(o.color, 0xC8FFFFFFu);
        EXPECT_EQ(o.source.right, 64);
        EXPECT_EQ(o.source.bottom, 64);
        EXPECT_FLOAT_EQ(o.transform.m[0][0], 0.8f);
        EXPECT_EQ(o.transform.m[3][0], p->optionPositions[i].x);
        EXPECT_EQ(o.transform.m[3][1], p->optionPositions[i].y);
    }
    // Body at 1.5 on the player; the shield takes the body's placement.
    EXPECT_EQ(r[8].color, 0xFFFFFFFFu);
    EXPECT_FLOAT_EQ(r[8].transform.m[0][0], 1.5f);
    EXPECT_EQ(r[8].transform.m[3][0], p->x);
    EXPECT_EQ(r[8].transform.m[3][1], p->y);
    EXPECT_EQ(std::memcmp(&r[9].transform, &r[8].transform, sizeof(Matrix)), 0);
    EXPECT_EQ(Alpha(r[9]), 92u);
    EXPECT_EQ(r[9].centre.x, 32.0f);

    // A particle of age 59 is drawn at scale 0.005 with alpha 2.
    for (int i = 0; i < Player::kParticleCount; ++i) p->particleActive[i] = i == 0 ? 1 : 0;
    p->particleAge[0] = 59;
    SpriteBatch->ClearRecords();
    p->DrawParticles();
    ASSERT_EQ(rec.Records().size(), 1u);
    EXPECT_NEAR(rec.Records()[0].transform.m[1][1], 0.005f, 1e-6f);
    EXPECT_EQ(Alpha(rec.Records()[0]), 2u);
}

TEST_F(PlayerDraw, OptionCountByShotStyle) {
    const int32_t counts[] = {4, 4, 5};
    for (int32_t type = 0; type < 3; ++type) {
        auto p = MakePlayer(type);
        EXPECT_EQ(Layer(*p, 4).size(), static_cast<size_t>(counts[type])) << "type " << type;
    }
}

TEST_F(PlayerDraw, BodyCellFollowsTheAnimationCounter) {
    auto p = MakePlayer(0);
    const std::pair<int32_t, int32_t> cells[] = {{0, 0}, {5, 0}, {6, 1}, {59, 9}};
    for (const auto& [counter, cell] : cells) {
        p->animCounter = counter;
        const std::vector<DrawRecord> r = Layer(*p, 1);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].source.left, 64 * cell) << "counter " << counter;
        EXPECT_EQ(r[0].source.right, 64 * cell + 64);
        EXPECT_EQ(r[0].source.bottom, 64);
    }
}

TEST_F(PlayerDraw, ShieldAlphaByInvincibilityKind) {
    auto p = MakePlayer(0);
    struct Case {
        int32_t kind, timer;
        uint32_t alpha;
    };
    const Case cases[] = {
        {1, 150, 180}, {1, 121, 238}, {1, 120, 240}, {1, 1, 2},   {1, 0, 0},
        {2, 89, 92},   {2, 46, 178},  {2, 45, 180},  {2, 1, 4},
        {3, 239, 62},  {3, 181, 178}, {3, 180, 180}, {3, 1, 1},
    };
    p->invincible = 1;
    for (const Case& c : cases) {
        p->invincibleKind = c.kind;
        p->invincibleTimer = c.timer;
        const std::vector<DrawRecord> r = Layer(*p, 2);
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].texture, barrier);
        EXPECT_EQ(Alpha(r[0]), c.alpha) << "kind " << c.kind << " timer " << c.timer;
        EXPECT_EQ(r[0].color & 0xFFFFFFu, 0xFFFFFFu);
    }
    // Skill 2 shows a faint shield; nothing otherwise.
    p->invincible = 0;
    p->state = 4;
    std::vector<DrawRecord> r = Layer(*p, 2);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].color, 0x64FFFFFFu);
    p->state = 0;
    EXPECT_TRUE(Layer(*p, 2).empty());
}

TEST_F(PlayerDraw, AfterAHitTheShieldPulsesWhileTheBodyStaysOpaque) {
    auto p = MakePlayer(0);
    TakeHit(*p);
    std::vector<uint32_t> shield;
    int bodyFrames = 0;
    int frames = 0;
    while (p->invincible == 1) {
        Step(*p);
        ++frames;
        DrawRecording rec;
        p->Draw();
        for (const DrawRecord& d : rec.Records()) {
            if (d.texture == body && d.color == 0xFFFFFFFFu) ++bodyFrames;
            if (d.texture == barrier) shield.push_back(Alpha(d));
        }
    }
    EXPECT_EQ(frames, 151);
    EXPECT_EQ(bodyFrames, 151);
    ASSERT_EQ(shield.size(), 150u);  // timers 149 down to 0; the last frame has none
    EXPECT_EQ(shield.front(), 182u);
    EXPECT_EQ(shield[28], 238u);  // timer 121
    EXPECT_EQ(shield[29], 240u);  // timer 120: the fade-out starts
    EXPECT_EQ(shield.back(), 0u);
    for (size_t i = 30; i < shield.size(); ++i) EXPECT_EQ(shield[i - 1] - shield[i], 2u);
}

TEST_F(PlayerDraw, SwordSweepsForTenFramesAndHitsForNine) {
    auto p = MakePlayer(0);
    Hold(KEY_E);
    Step(*p);
    Release(KEY_E);
    const float x = p->x;
    const float y = p->y;
    {
        const std::vector<DrawRecord> r = Layer(*p, 3);
        ASSERT_EQ(r.size(), 5u);
        // The leading image at -162 degrees, 100 px out, pointing outward.
        const float lead = -162.0f * kDegToRad;
        EXPECT_NEAR(r[0].transform.m[3][0], x + 100.0f * std::cos(lead), 1e-3f);
        EXPECT_NEAR(r[0].transform.m[3][1], y + 100.0f * std::sin(lead), 1e-3f);
        EXPECT_NEAR(r[0].transform.m[0][0], std::cos(-72.0f * kDegToRad), 1e-5f);
        EXPECT_NEAR(r[0].transform.m[0][1], std::sin(-72.0f * kDegToRad), 1e-5f);
        EXPECT_EQ(r[0].source.bottom, 128);
        EXPECT_EQ(r[0].centre.y, 64.0f);
        for (int i = 0; i < 5; ++i) EXPECT_EQ(Alpha(r[i]), static_cast<uint32_t>(255 - 20 * i));
        // Each trailing image 10 degrees behind.
        const float trail = (-162.0f - 40.0f) * kDegToRad;
        EXPECT_NEAR(r[4].transform.m[3][0], x + 100.0f * std::cos(trail), 1e-3f);
    }
    int drawn = 1;
    int hitting = 1;
    for (int frame = 0; frame < 30; ++frame) {
        Step(*p);
        if (!Layer(*p, 3).empty()) ++drawn;
        if (p->swordTimer > 170) ++hitting;
    }
    EXPECT_EQ(drawn, 10);
    EXPECT_EQ(hitting, 9);
    p->swordTimer = 170;  // the last drawn frame: the sweep ends right of the knight
    const std::vector<DrawRecord> r = Layer(*p, 3);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_NEAR(r[0].transform.m[3][0], x + 100.0f, 1e-3f);
    EXPECT_NEAR(r[0].transform.m[3][1], y, 1e-3f);
}

}  // namespace
