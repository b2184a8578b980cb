// The scrolling background: drawn twice, 720 pixels apart, under the white
// flash.
#include <gtest/gtest.h>

#include <vector>

#include "core/common_textures.h"
#include "core/fade.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "platform/platform.h"

namespace {

class FieldDraw : public ::testing::Test {
protected:
    void SetUp() override {
        if (Direct3DDevice == nullptr) Direct3DDevice = GraphicsDevice::CreateHeadless();
        if (SpriteBatch == nullptr) SpriteBatch = CreateSpriteBatch(Direct3DDevice);
        ASSERT_NE(SpriteBatch, nullptr);
        for (int i = 0; i < kFieldBackgroundCount; ++i) {
            saved_[i] = FieldBackgroundTextures[i];
            textures_[i] = CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFF203040u),
                                                   "background");
            FieldBackgroundTextures[i] = textures_[i];
        }
        savedWhite_ = WhiteoutTexture;
        WhiteoutTexture = CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu),
                                                  "whiteout");
        WhiteoutActive = 0;
        WhiteoutCounter = 0;
        SpriteBatch->SetTransform(MatrixTranslation(5.0f, 5.0f, 0.0f));
        SpriteBatch->StartRecording();
    }
    void TearDown() override {
        SpriteBatch->StopRecording();
        SpriteBatch->ClearRecords();
        SpriteBatch->SetTransform(MatrixIdentity());
        for (int i = 0; i < kFieldBackgroundCount; ++i) {
            FieldBackgroundTextures[i] = saved_[i];
            ReleaseTexture(textures_[i]);
        }
        ReleaseTexture(WhiteoutTexture);
        WhiteoutTexture = savedWhite_;
        WhiteoutActive = 0;
        WhiteoutCounter = 0;
        FieldCanyonNightState.scroll = Vec3{};
    }
    Texture* textures_[kFieldBackgroundCount] = {};
    Texture* saved_[kFieldBackgroundCount] = {};
    Texture* savedWhite_ = nullptr;
};

bool IsIdentity(const Matrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m.m[r][c] != (r == c ? 1.0f : 0.0f)) return false;
    return true;
}

TEST_F(FieldDraw, BackgroundAtScrollAndOneScreenAbove) {
    FieldCanyonNightState.scroll = Vec3{0.0f, 100.0f, 0.0f};
    FieldCanyonNight::Draw();
    const std::vector<DrawRecord>& r = SpriteBatch->Records();
    ASSERT_EQ(r.size(), 2u);
    for (const DrawRecord& d : r) {
        EXPECT_EQ(d.texture, textures_[3]);
        EXPECT_EQ(d.color, 0xFFFFFFFFu);
        EXPECT_TRUE(IsIdentity(d.transform));
    }
    EXPECT_EQ(r[0].position.y, 100.0f);
    EXPECT_EQ(r[1].position.y, -620.0f);
    EXPECT_EQ(r[0].position.x, 0.0f);
}

TEST_F(FieldDraw, WhiteFlashIsDrawnOverTheBackgroundAndAdvances) {
    WhiteoutActive = 1;
    WhiteoutCounter = 60;
    FieldCave::Draw();
    const std::vector<DrawRecord>& r = SpriteBatch->Records();
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].texture, textures_[4]);
    EXPECT_EQ(r[2].texture, WhiteoutTexture);
    EXPECT_EQ(r[2].color, 0x7FFFFFFFu);  // trunc(60 x 2.125) = 127
    EXPECT_EQ(WhiteoutCounter, 61);
    // At 240 the flash ends without a draw and the counter restarts from 0.
    WhiteoutCounter = 240;
    SpriteBatch->ClearRecords();
    FieldCave::Draw();
    EXPECT_EQ(SpriteBatch->Records().size(), 2u);
    EXPECT_EQ(WhiteoutActive, 0);
    EXPECT_EQ(WhiteoutCounter, 0);
}

}  // namespace
