// Start-up against the generated resource folder.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cctype>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "assetgen/manifest.h"
#include "assetgen/writer.h"
#include "core/common_textures.h"
#include "core/fade.h"
#include "core/player.h"
#include "core/sound.h"
#include "platform/graphics.h"
#include "platform/system.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"
#include "support/test_png.h"

namespace {

using testsupport::GameHolder;
using testsupport::ResourceMirror;

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        // The knight as the program starts: his stats become the level-1 block.
        testsupport::ResetPlayState();
        testsupport::CreateHeadlessGraphics();
        // Sheets other tests left in the game's texture globals would be
        // released by these start-ups too: let them go first.
        game->ReleaseAssets();
        ClearTextureCreationLog();
        baseTextures = Texture::LiveCount();
    }
    void TearDown() override { testsupport::ReleaseHeadlessGraphics(); }

    // Runs asset creation in a mirror without `missing`; returns its result.
    bool CreateWithout(const std::string& missing) {
        ResourceMirror mirror({missing});
        mirror.Enter();
        const int errorsBefore = ErrorMessageCount();
        const bool ok = game->CreateAssets();
        errors = ErrorMessageCount() - errorsBefore;
        message = errors > 0 ? LastErrorMessage() : "";
        created = TextureCreationLog();
        game->ReleaseAssets();
        return ok;
    }

    GameHolder game;
    int baseTextures = 0;
    int errors = 0;
    std::string message;
    std::vector<TextureCreation> created;
};

TEST_F(StartUp, CreatesEveryTextureAtItsManifestSizeAndKey) {
    ResourceMirror mirror;
    mirror.Enter();
    ASSERT_TRUE(game->CreateAssets());
    const auto& log = TextureCreationLog();
    // 77 sheets; the satellite sheet is created twice (satellites and the knight's options).
    EXPECT_EQ(log.size(), 78u);
    std::set<std::string> files;
    for (const TextureCreation& t : log) files.insert(t.path);
    EXPECT_EQ(files.size(), 77u);
    for (const TextureCreation& t : log) {
        const assetgen::TextureSpec* spec = assetgen::FindTexture(t.path);
        ASSERT_NE(spec, nullptr) << t.path << " is not in the manifest";
        EXPECT_EQ(t.width, spec->width) << t.path;
        EXPECT_EQ(t.height, spec->height) << t.path;
        EXPECT_EQ(t.colorKey, spec->colorKey) << t.path;
    }
    EXPECT_EQ(Texture::LiveCount(), baseTextures + 78);
    for (const Sound& s : SoundTable) EXPECT_NE(s.buffer, nullptr);

    // The starting stats become the level-1 contribution block.
    const StatusBlock& base = ThePlayer.statusParts[0];
    EXPECT_EQ(base.maxHp, 100);
    EXPECT_EQ(base.maxSp, 60);
    EXPECT_EQ(base.attack, 9);
    EXPECT_EQ(base.attack2, 7);
    EXPECT_EQ(base.defense, 11);
    EXPECT_EQ(base.defense2, 5);
    EXPECT_EQ(base.speed, 4.0f);

    game->ReleaseAssets();
    EXPECT_EQ(Texture::LiveCount(), baseTextures);
    for (const Sound& s : SoundTable) EXPECT_EQ(s.buffer, nullptr);
    // The ending's background is borrowed from the common textures.
    EXPECT_EQ(FieldBackgroundTextures[0], nullptr);
}

TEST_F(StartUp, MissingWhiteoutFailsTheFadeStepAfterTheBlackout) {
    EXPECT_FALSE(CreateWithout("Texture/Fade/whiteout.png"));
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(message, "暗転用テクスチャの作成に失敗");
    bool sawBlackout = false;
    for (const TextureCreation& t : created) sawBlackout = sawBlackout || t.path == "Texture/Fade/blackout.png";
    EXPECT_TRUE(sawBlackout);
    EXPECT_EQ(Texture::LiveCount(), baseTextures) << "everything created is released exactly once";
}

TEST_F(StartUp, MissingSoundFailsTheLastStepAfterEveryTexture) {
    EXPECT_FALSE(CreateWithout("Sound/SoundEffect/boss_destroy.wav"));
    EXPECT_EQ(message, "サウンドの作成に失敗");
    EXPECT_EQ(created.size(), 78u);
    EXPECT_EQ(Texture::LiveCount(), baseTextures);
    for (const Sound& s : SoundTable) EXPECT_EQ(s.buffer, nullptr);
}

struct MissingFile {
    const char* file;
    const char* message;
};

class StartUpStep : public StartUp, public ::testing::WithParamInterface<MissingFile> {};

TEST_P(StartUpStep, ReportsItsOwnMissingFile) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(CreateWithout(GetParam().file));
    const std::string text = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(message, GetParam().message);
    // The box keeps the step's text; stderr also names the file.
    EXPECT_EQ(text, std::string(GetParam().message) + ": " + GetParam().file + "\n");
    EXPECT_EQ(Texture::LiveCount(), baseTextures);
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, StartUpStep,
    ::testing::Values(MissingFile{"Texture/Field/cave.png", "汎用テクスチャの作成に失敗"},
                      MissingFile{"Texture/Title/title.png", "タイトルの作成に失敗"},
                      MissingFile{"Texture/Credits/credits.png", "クレジットの作成に失敗"},
                      MissingFile{"Texture/Ending/Ending_text.png", "エンディングの作成に失敗"},
                      MissingFile{"Texture/UserInterface/ring.png", "ユーザーインターフェースの作成に失敗"},
                      MissingFile{"Texture/Character/enemy_boss_cave.png", "エネミーの作成に失敗"},
                      MissingFile{"Texture/Character/element_child.png", "エネミー(子)の作成に失敗"},
                      MissingFile{"Texture/Character/bullet.png", "弾の作成に失敗"},
                      MissingFile{"Texture/Effects/levelup_text.png", "エフェクトの作成に失敗"},
                      MissingFile{"Texture/FieldMap/cloud.png", "フィールドマップの作成に失敗"},
                      MissingFile{"Texture/Fade/blackout.png", "暗転用テクスチャの作成に失敗"},
                      MissingFile{"Texture/Result/result_number.png", "リザルト画面用テクスチャ作成に失敗"},
                      MissingFile{"Texture/Character/sword.png", "プレイヤーの作成に失敗"},
                      MissingFile{"Texture/Character/StatusSet2.png", "体力表示の作成に失敗"},
                      MissingFile{"Texture/ScoreBonus/bonus_text.png", "スコアの作成に失敗"},
                      MissingFile{"Sound/BGM/FieldMap.wav", "サウンドの作成に失敗"}),
    // Named by the missing file below its top folder: "Texture/Title/title.png"
    // runs as TitleTitlePng.
    [](const ::testing::TestParamInfo<MissingFile>& info) {
        const std::string file = info.param.file;
        std::string name;
        bool wordStart = true;
        for (const unsigned char c : file.substr(file.find('/') + 1)) {
            if (!std::isalnum(c)) {
                wordStart = true;
                continue;
            }
            name += static_cast<char>(wordStart ? std::toupper(c) : c);
            wordStart = false;
        }
        return name;
    });

// Files that would take start-up's memory or time without end fail their step
// like a missing one: a picture far larger than asked for, a sound at a very
// low rate that would be resampled into gigabytes, a named pipe.
TEST_F(StartUp, RefusesFilesItCannotReadInBoundedMemoryAndTime) {
    const std::string barrier = "Texture/Common/barrier.png";  // asked for at 64 x 64
    const std::string itemGet = "Sound/SoundEffect/item_get.wav";
    const std::string title = "Texture/Title/title.png";
    const struct {
        std::string file;
        std::function<void(const std::string&)> write;
        const char* message;
    } cases[] = {
        {barrier, [](const std::string& f) { WriteRgbPng(f, 257, 64, std::vector<uint32_t>(257 * 64), true); },
         "汎用テクスチャの作成に失敗"},
        {itemGet,
         [](const std::string& f) {
             // 1000 samples a second for 3200 seconds: 6.4 MB, over 256 MiB at the device's rate.
             assetgen::Pcm pcm{1000, 1, std::vector<int16_t>(3200000)};
             assetgen::WriteIfChanged(f, assetgen::EncodeWav(pcm));
         },
         "サウンドの作成に失敗"},
        {title, [](const std::string& f) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, "タイトルの作成に失敗"},
    };
    for (const auto& c : cases) {
        ResourceMirror mirror({c.file});
        mirror.Enter();
        c.write(c.file);
        ::testing::internal::CaptureStderr();
        EXPECT_FALSE(game->CreateAssets()) << c.file;
        const std::string text = ::testing::internal::GetCapturedStderr();
        EXPECT_STREQ(LastErrorMessage(), c.message);
        EXPECT_EQ(text, std::string(c.message) + ": " + c.file + "\n");
        game->ReleaseAssets();
    }
    // Four times the asked size is still taken (and resampled).
    ResourceMirror mirror({barrier});
    mirror.Enter();
    WriteRgbPng(barrier, 256, 256, std::vector<uint32_t>(256 * 256), true);
    EXPECT_TRUE(game->CreateAssets());
    game->ReleaseAssets();
    EXPECT_EQ(Texture::LiveCount(), baseTextures);
}

TEST_F(StartUp, AMissingResourceFolderFailsAtTheCommonTextures) {
    ResourceMirror mirror;
    mirror.Enter();
    ASSERT_TRUE(PlatformSetCurrentDirectory("Data"));  // a folder with no textures in it
    EXPECT_FALSE(game->CreateAssets());
    EXPECT_STREQ(LastErrorMessage(), "汎用テクスチャの作成に失敗");
    game->ReleaseAssets();
    EXPECT_EQ(Texture::LiveCount(), baseTextures);
}

}  // namespace
