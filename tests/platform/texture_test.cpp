#include <gtest/gtest.h>

#include <fstream>

#include "platform/platform.h"
#include "support/test_png.h"

namespace {

constexpr uint32_t kGreenKey = 0xFF00FF00;

class TextureLoading : public ::testing::Test {
protected:
    void SetUp() override { ClearTextureCreationLog(); }
    void TearDown() override {
        for (Texture* t : made) t->Release();
    }
    Texture* Load(const std::string& path, int w, int h, uint32_t key) {
        Texture* t = CreateTextureFromFile(nullptr, path.c_str(), w, h, key);
        if (t != nullptr) made.push_back(t);
        return t;
    }
    TempFolder folder;
    std::vector<Texture*> made;
};

TEST_F(TextureLoading, ColourKeyMatchesExactlyAndAlphaIsKept) {
    const std::string path = folder.File("keyed.png");
    WriteRgbPng(path, 2, 2, {kGreenKey, 0xFF00FE00, 0x8000FF00, 0x40123456}, true);
    const Texture* t = Load(path, 2, 2, kGreenKey);
    ASSERT_NE(t, nullptr);
    const std::vector<uint32_t> expected{0x00000000, 0xFF00FE00, 0x8000FF00, 0x40123456};
    EXPECT_EQ(t->Pixels(), expected);
    EXPECT_EQ(t->ColorKey(), kGreenKey);

    // Key 0 keys nothing, not even transparent black.
    const std::string black = folder.File("black.png");
    WriteRgbPng(black, 2, 1, {0xFF000000, 0x00000000}, true);
    const Texture* unkeyed = Load(black, 2, 1, 0);
    ASSERT_NE(unkeyed, nullptr);
    EXPECT_EQ(unkeyed->Pixels(), (std::vector<uint32_t>{0xFF000000, 0x00000000}));
}

TEST_F(TextureLoading, EveryColourTypeBecomesEightBitArgb) {
    const std::string rgb = folder.File("rgb.png");
    WriteRgbPng(rgb, 2, 1, {0xFF0000FF, 0xFF123456}, false);
    const Texture* opaque = Load(rgb, 2, 1, 0xFF0000FF);  // the barrier's blue key on a file without alpha
    ASSERT_NE(opaque, nullptr);
    EXPECT_EQ(opaque->Pixels(), (std::vector<uint32_t>{0x00000000, 0xFF123456}));

    const std::string palette = folder.File("palette.png");
    WritePalettePng(palette, 3, 1, {0xFF000000, 0x80FF8000, kGreenKey}, {1, 2, 0});
    const Texture* indexed = Load(palette, 3, 1, 0xFF000000);
    ASSERT_NE(indexed, nullptr);
    EXPECT_EQ(indexed->Pixels(), (std::vector<uint32_t>{0x80FF8000, kGreenKey, 0x00000000}));

    const std::string grey = folder.File("grey.png");
    WriteGreyPng(grey, 2, 1, {0x00, 0x7F});
    const Texture* greyTexture = Load(grey, 2, 1, 0);
    ASSERT_NE(greyTexture, nullptr);
    EXPECT_EQ(greyTexture->Pixels(), (std::vector<uint32_t>{0xFF000000, 0xFF7F7F7F}));

    const std::string deep = folder.File("deep.png");
    WriteRgba16Png(deep, 1, 1, {0xFFFF, 0x8080, 0x0000, 0xFFFF});
    const Texture* deepTexture = Load(deep, 1, 1, 0);
    ASSERT_NE(deepTexture, nullptr);
    EXPECT_EQ(deepTexture->Pixels(), (std::vector<uint32_t>{0xFFFF8000}));
}

TEST_F(TextureLoading, ResamplesToTheAskedSizeAfterKeying) {
    const std::string path = folder.File("small.png");
    // Top left keyed, the rest opaque red.
    WriteRgbPng(path, 2, 2, {kGreenKey, 0xFFFF0000, 0xFFFF0000, 0xFFFF0000}, true);
    const Texture* t = Load(path, 4, 4, kGreenKey);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Width(), 4);
    EXPECT_EQ(t->Height(), 4);
    ASSERT_EQ(t->Pixels().size(), 16u);
    EXPECT_EQ(t->Pixels()[0], 0x00000000u);   // still the keyed corner
    EXPECT_EQ(t->Pixels()[15], 0xFFFF0000u);  // the far corner untouched
    // Between the keyed texel and red: partly transparent, but pure red (no dark fringe).
    const uint32_t edge = t->Pixels()[1];
    EXPECT_EQ(edge & 0x00FFFFFF, 0x00FF0000u);
    EXPECT_GT(edge >> 24, 0u);
    EXPECT_LT(edge >> 24, 0xFFu);

    // A size of 0 takes the file's own.
    const Texture* own = Load(path, 0, 0, 0);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->Width(), 2);
    EXPECT_EQ(own->Height(), 2);
}

TEST(ResamplePixels, ShrinkingAveragesEachBox) {
    const std::vector<uint32_t> src{0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF,
                                    0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF};
    const std::vector<uint32_t> out = ResamplePixels(src, 4, 2, 2, 1);
    EXPECT_EQ(out, (std::vector<uint32_t>{0xFF808080, 0xFF808080}));
}

TEST_F(TextureLoading, MissingOrBrokenFilesGiveNullAndAreNotLogged) {
    EXPECT_EQ(Load(folder.File("absent.png"), 16, 16, 0), nullptr);
    const std::string broken = folder.File("broken.png");
    std::ofstream(broken) << "\x89PNG\r\n\x1a\n not really";
    EXPECT_EQ(Load(broken, 16, 16, 0), nullptr);
    EXPECT_TRUE(TextureCreationLog().empty());
}

TEST_F(TextureLoading, LiveCountAndCreationLogFollowCreateAndRelease) {
    const std::string path = folder.File("sheet.png");
    WriteRgbPng(path, 1, 1, {0xFFFFFFFF}, true);
    const int before = Texture::LiveCount();
    Texture* a = CreateTextureFromFile(nullptr, path.c_str(), 64, 128, kGreenKey);
    Texture* b = CreateTextureFromPixels(nullptr, 1, 1, {0xFFFFFFFF}, "generated");
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(Texture::LiveCount(), before + 2);
    a->Release();
    EXPECT_EQ(Texture::LiveCount(), before + 1);
    b->Release();
    EXPECT_EQ(Texture::LiveCount(), before);

    ASSERT_EQ(TextureCreationLog().size(), 1u);  // only files are logged
    const TextureCreation& entry = TextureCreationLog()[0];
    EXPECT_EQ(entry.path, path);
    EXPECT_EQ(entry.width, 64);
    EXPECT_EQ(entry.height, 128);
    EXPECT_EQ(entry.colorKey, kGreenKey);
    ClearTextureCreationLog();
    EXPECT_TRUE(TextureCreationLog().empty());
}

}  // namespace
