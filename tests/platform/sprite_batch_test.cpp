#include <gtest/gtest.h>

#include <numbers>

#include "platform/platform.h"
#include "support/screenshot.h"
#include "support/test_png.h"

namespace {

constexpr float kQuarterTurn = static_cast<float>(std::numbers::pi / 2.0);

Texture* SolidTexture(int w, int h, uint32_t argb) {
    return CreateTextureFromPixels(nullptr, w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, argb), "solid");
}

// Where corner `corner` (relative to the rectangle's top left) of a recorded draw lands.
Vec3 Corner(const DrawRecord& r, float cx, float cy) {
    return TransformPoint(Vec3{cx - r.centre.x + r.position.x, cy - r.centre.y + r.position.y,
                               r.position.z - r.centre.z},
                          r.transform);
}

class HeadlessBatch : public ::testing::Test {
protected:
    void SetUp() override {
        device = GraphicsDevice::CreateHeadless();
        batch = CreateSpriteBatch(device);
        texture = SolidTexture(64, 32, 0xFFFFFFFF);
        batch->StartRecording(16);
    }
    void TearDown() override {
        texture->Release();
        batch->Release();
        device->Release();
    }
    GraphicsDevice* device = nullptr;
    SpriteBatchApi* batch = nullptr;
    Texture* texture = nullptr;
};

TEST_F(HeadlessBatch, RecordsCentrePositionAndTransform) {
    const Rect source{16, 0, 48, 32};
    const Vec3 centre{16.0f, 16.0f, 0.0f};
    const Vec3 position{100.0f, 50.0f, 0.0f};
    const Matrix m = MatrixMultiply(MatrixRotationZ(kQuarterTurn), MatrixTranslation(10.0f, 20.0f, 0.0f));
    batch->SetTransform(m);
    batch->Begin(SpriteBatchApi::kAlphaBlend);
    batch->Draw(texture, &source, &centre, &position, 0x80FF0000);
    batch->End();

    ASSERT_EQ(batch->Records().size(), 1u);
    const DrawRecord& r = batch->Records()[0];
    EXPECT_EQ(r.texture, texture);
    EXPECT_EQ(r.source.left, 16);
    EXPECT_EQ(r.source.right, 48);
    EXPECT_EQ(r.color, 0x80FF0000u);
    // Top-left corner: (0 - 16 + 100, 0 - 16 + 50) = (84, 34), turned 90 degrees -> (-34, 84), moved -> (-24, 104).
    const Vec3 topLeft = Corner(r, 0.0f, 0.0f);
    EXPECT_NEAR(topLeft.x, -24.0f, 1e-3f);
    EXPECT_NEAR(topLeft.y, 104.0f, 1e-3f);
    // Bottom-right corner (32, 32): (116, 66) -> (-66, 116) -> (-56, 136).
    const Vec3 bottomRight = Corner(r, 32.0f, 32.0f);
    EXPECT_NEAR(bottomRight.x, -56.0f, 1e-3f);
    EXPECT_NEAR(bottomRight.y, 136.0f, 1e-3f);
}

TEST_F(HeadlessBatch, NullArgumentsMeanWholeTextureAtOriginAndTransformOutlivesEnd) {
    batch->SetTransform(MatrixScaling(2.0f, 3.0f, 0.0f));
    batch->Begin(SpriteBatchApi::kAlphaBlend);
    batch->End();
    batch->Begin(SpriteBatchApi::kAlphaBlend);
    batch->Draw(texture, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    batch->End();
    ASSERT_EQ(batch->Records().size(), 1u);
    const DrawRecord& r = batch->Records()[0];
    EXPECT_EQ(r.source.right, 64);
    EXPECT_EQ(r.source.bottom, 32);
    const Vec3 far = Corner(r, 64.0f, 32.0f);
    EXPECT_FLOAT_EQ(far.x, 128.0f);  // the z scale of 0 leaves the picture as it is
    EXPECT_FLOAT_EQ(far.y, 96.0f);
}

TEST_F(HeadlessBatch, EmptyRectangleOrNullTextureDrawsNothing) {
    const Rect zeroWidth{10, 0, 10, 32};
    const Rect zeroHeight{0, 5, 64, 5};
    batch->Begin(SpriteBatchApi::kAlphaBlend);
    batch->Draw(texture, &zeroWidth, nullptr, nullptr, 0xFFFFFFFF);
    batch->Draw(texture, &zeroHeight, nullptr, nullptr, 0xFFFFFFFF);
    batch->Draw(nullptr, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    batch->End();
    EXPECT_TRUE(batch->Records().empty());
    EXPECT_EQ(batch->LastSubmittedBatches(), 0);
}

class RenderedBatch : public ::testing::Test {
protected:
    ScreenshotRig rig;
};

TEST_F(RenderedBatch, ConsecutiveDrawsOfOneTextureShareOneCall) {
    ASSERT_TRUE(rig.Ready());
    Texture* a = SolidTexture(8, 8, 0xFFFF0000);
    Texture* b = SolidTexture(8, 8, 0xFF0000FF);
    SpriteBatchApi* batch = rig.Batch();
    batch->SetTransform(MatrixIdentity());
    rig.BeginFrame(0xFFFFFFFF);
    for (int i = 0; i < 3; ++i) {
        const Vec3 at{10.0f * i, 0.0f, 0.0f};
        batch->Draw(a, nullptr, nullptr, &at, 0xFFFFFFFF);
    }
    ASSERT_TRUE(rig.EndFrame("batch_one_texture"));
    EXPECT_EQ(batch->LastSubmittedBatches(), 1);

    // Alternating textures keep the call order: a, b, a is three calls.
    rig.BeginFrame(0xFFFFFFFF);
    batch->Draw(a, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    batch->Draw(b, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    batch->Draw(a, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    ASSERT_TRUE(rig.EndFrame("batch_alternating"));
    EXPECT_EQ(batch->LastSubmittedBatches(), 3);
    EXPECT_EQ(rig.Pixel(4, 4), 0xFFFF0000u);  // the last draw is on top
    a->Release();
    b->Release();
}

TEST_F(RenderedBatch, ARunOfOneTextureLongerThanTheBatchsFirstRoomDrawsEveryQuad) {
    ASSERT_TRUE(rig.Ready());
    // 5000 single-texel quads, past the 4096 the batch has room for at first.
    Texture* dot = SolidTexture(1, 1, 0xFFFFFFFF);
    SpriteBatchApi* batch = rig.Batch();
    batch->SetTransform(MatrixIdentity());
    constexpr int kDots = 5000;
    auto at = [](int i) {
        return Vec3{static_cast<float>(10 + i % 100 * 12), static_cast<float>(10 + i / 100 * 12), 0.0f};
    };
    rig.BeginFrame(0xFF000000);
    for (int i = 0; i < kDots; ++i) {
        const Vec3 p = at(i);
        batch->Draw(dot, nullptr, nullptr, &p, 0xFFFFFFFF);
    }
    ASSERT_TRUE(rig.EndFrame(nullptr));
    EXPECT_EQ(batch->LastSubmittedBatches(), 1);
    for (int i = 0; i < kDots; ++i) {
        const Vec3 p = at(i);
        ASSERT_EQ(rig.Pixel(static_cast<int>(p.x), static_cast<int>(p.y)), 0xFFFFFFFFu) << "quad " << i;
    }
    dot->Release();
}

TEST_F(RenderedBatch, KeyedPixelsShowTheClearColourAndRotationLandsRight) {
    ASSERT_TRUE(rig.Ready());
    // 4 x 2 sprite file: red, with the green key at (0, 0).
    TempFolder folder;
    std::vector<uint32_t> pixels(8, 0xFFFF0000);
    pixels[0] = 0xFF00FF00;
    WriteRgbPng(folder.File("keyed.png"), 4, 2, pixels, true);
    Texture* sprite = CreateTextureFromFile(rig.Device(), folder.File("keyed.png").c_str(), 4, 2, 0xFF00FF00);
    ASSERT_NE(sprite, nullptr);
    SpriteBatchApi* batch = rig.Batch();

    rig.BeginFrame(0xFF202020);
    // Unrotated, scaled by 10 at (100, 100): texel (0,0) covers 100..109, 100..109.
    batch->SetTransform(MatrixMultiply(MatrixScaling(10.0f, 10.0f, 1.0f), MatrixTranslation(100.0f, 100.0f, 0.0f)));
    batch->Draw(sprite, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    // Turned 90 degrees about its own top left, at (400, 100): the 40-wide sprite
    // now runs down from y 100 to 140 and left from x 400 to 380.
    batch->SetTransform(MatrixMultiply(MatrixMultiply(MatrixScaling(10.0f, 10.0f, 1.0f), MatrixRotationZ(kQuarterTurn)),
                                       MatrixTranslation(400.0f, 100.0f, 0.0f)));
    batch->Draw(sprite, nullptr, nullptr, nullptr, 0xFFFFFFFF);
    // Half-transparent blue tint on a white sprite at (600, 100).
    Texture* white = SolidTexture(10, 10, 0xFFFFFFFF);
    batch->SetTransform(MatrixIdentity());
    const Vec3 at{600.0f, 100.0f, 0.0f};
    batch->Draw(white, nullptr, nullptr, &at, 0x800000FF);
    ASSERT_TRUE(rig.EndFrame("keyed_and_rotated"));

    EXPECT_EQ(rig.Pixel(105, 105), 0xFF202020u);  // keyed texel: the clear colour
    EXPECT_EQ(rig.Pixel(115, 105), 0xFFFF0000u);
    EXPECT_EQ(rig.Pixel(135, 115), 0xFFFF0000u);
    EXPECT_EQ(rig.Pixel(395, 105), 0xFF202020u);  // the keyed texel after the turn
    EXPECT_EQ(rig.Pixel(395, 135), 0xFFFF0000u);
    EXPECT_EQ(rig.Pixel(385, 115), 0xFFFF0000u);
    EXPECT_EQ(rig.Pixel(405, 115), 0xFF202020u);  // nothing right of the turned sprite
    const uint32_t tinted = rig.Pixel(605, 105);
    EXPECT_NEAR(static_cast<int>((tinted >> 16) & 0xFF), 0x20 / 2, 2);
    EXPECT_NEAR(static_cast<int>(tinted & 0xFF), (0x20 + 0xFF) / 2, 2);
    sprite->Release();
    white->Release();
}

// A sheet file made on a device with a renderer goes up whole at once and keeps
// no copy of its pixels; cut into tiles under a lower limit later, it is read
// again from its file. Made on a headless device, it keeps its pixels.
TEST_F(RenderedBatch, SheetsLargerThanTheTextureLimitDrawAcrossTiles) {
    ASSERT_TRUE(rig.Ready());
    // 40 x 40 checker of 8-pixel squares, so tiles (16) and squares do not line up.
    std::vector<uint32_t> pixels(1600);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) pixels[static_cast<size_t>(y * 40 + x)] = ((x / 8 + y / 8) % 2) ? 0xFF0000FF : 0xFFFFFF00;
    }
    TempFolder folder;
    const std::string path = folder.File("sheet.png");
    WriteRgbPng(path, 40, 40, pixels, true);
    GraphicsDevice* headless = GraphicsDevice::CreateHeadless();
    Texture* kept = CreateTextureFromFile(headless, path.c_str(), 40, 40, 0);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->Pixels(), pixels);
    kept->Release();
    headless->Release();
    Texture* sheet = CreateTextureFromFile(rig.Device(), path.c_str(), 40, 40, 0);
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->Pixels().empty());
    rig.Device()->LimitTextureSize(16);
    SpriteBatchApi* batch = rig.Batch();
    rig.BeginFrame(0xFF000000);
    batch->SetTransform(MatrixMultiply(MatrixScaling(2.0f, 2.0f, 1.0f), MatrixTranslation(50.0f, 50.0f, 0.0f)));
    const Rect part{4, 4, 36, 36};  // crosses tile edges at 16 and 32 both ways
    batch->Draw(sheet, &part, nullptr, nullptr, 0xFFFFFFFF);
    ASSERT_TRUE(rig.EndFrame("tiled_sheet"));
    EXPECT_EQ(batch->LastSubmittedBatches(), 9);
    for (int v = 4; v < 36; ++v) {
        for (int u = 4; u < 36; ++u) {
            const int sx = 50 + (u - 4) * 2 + 1;
            const int sy = 50 + (v - 4) * 2 + 1;
            ASSERT_EQ(rig.Pixel(sx, sy), pixels[static_cast<size_t>(v * 40 + u)]) << "texel " << u << ", " << v;
        }
    }
    EXPECT_EQ(rig.Pixel(50 + 64, 60), 0xFF000000u);  // right of the drawn part
    sheet->Release();
}

}  // namespace

namespace {

TEST(RenderedTextures, OutliveTheDeviceThatDrewThem) {
    Texture* t = CreateTextureFromPixels(nullptr, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFF), "kept");
    {
        ScreenshotRig rig;
        ASSERT_TRUE(rig.Ready());
        rig.BeginFrame(0xFF000000);
        rig.Batch()->SetTransform(MatrixIdentity());
        rig.Batch()->Draw(t, nullptr, nullptr, nullptr, 0xFFFFFFFF);
        ASSERT_TRUE(rig.EndFrame("outlived_device"));
        EXPECT_EQ(rig.Pixel(1, 1), 0xFFFFFFFFu);
    }
    // Its tiles went with the renderer; releasing it now is safe.
    const int live = Texture::LiveCount();
    t->Release();
    EXPECT_EQ(Texture::LiveCount(), live - 1);
}

}  // namespace
