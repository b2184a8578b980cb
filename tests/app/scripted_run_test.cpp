// The real program under the dummy drivers, frame by frame: Game::Init with the
// window, devices and every asset of the resource folder, key presses as real
// SDL events through the event pump and the keyboard device, the whole frame
// (update, clear, draw, present) and Game::Shutdown. Only the clock is left out.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "fieldmap/field_map_scene.h"
#include "platform/platform.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"

namespace {

constexpr int kFrameLimit = 400;  // no wait in these runs comes near it

class ScriptedRun : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToProgramStart();
        texturesAtStart = Texture::LiveCount();
        errorsAtStart = ErrorMessageCount();
        resources.Enter();  // as the entry function makes the folder current
        SpriteBatch = nullptr;
        ASSERT_TRUE(game->Init(WindowMode::Windowed));
        initialised = true;
        ASSERT_EQ(ErrorMessageCount(), errorsAtStart) << LastErrorMessage();
        ASSERT_TRUE(Direct3DDevice->HasRenderer());
        ASSERT_GT(Texture::LiveCount(), texturesAtStart);
    }
    void TearDown() override {
        if (initialised) game->Shutdown();
        ResetToProgramStart();
    }

    // What a freshly started program holds in the records these runs change:
    // the shared reset (a level-1 knight with the first records equipped),
    // then no difficulty or field chosen yet and nothing of the shop owned.
    static void ResetToProgramStart() {
        testsupport::ResetPlayState();
        Difficulty = 0;
        CurrentField = 0;
        testsupport::DisownEquipment();
    }

    // The main loop's pass without the clock: the event pump, then the frame.
    bool Frame() {
        EXPECT_TRUE(PlatformPumpEvents()) << "the program was asked to quit";
        ++frames;
        return game->RunFrame();
    }
    void Frames(int count) {
        for (int i = 0; i < count; ++i) ASSERT_TRUE(Frame());
    }
    // Frames until `done` holds; fails when it never does.
    void RunUntil(const std::function<bool()>& done, const char* what) {
        for (int i = 0; i < kFrameLimit && !done(); ++i) ASSERT_TRUE(Frame()) << what;
        ASSERT_TRUE(done()) << what;
    }
    // One frame with the key down, released before the next.
    void Tap(uint8_t key) {
        ASSERT_TRUE(PlatformInjectKey(key, true));
        ASSERT_TRUE(Frame());
        ASSERT_TRUE(PlatformInjectKey(key, false));
    }
    // The title or credits ready for input: no fade, no cursor cooldown.
    void SettleTitle() {
        RunUntil([&] { return TransitionFadeActive == 0 && game->titleMenu.cooldown == 0; }, "title settles");
    }
    // The map ready for input: no fade, the animation over, the latch free.
    void SettleMap() {
        const FieldMapScene& map = game->fieldMap;
        RunUntil([&] { return TransitionFadeActive == 0 && map.cooldown == 0 && map.inputLatch == 0; },
                 "map settles");
    }
    void MapPress(uint8_t key) {
        Tap(key);
        SettleMap();
    }
    // The draws of one whole frame.
    std::vector<DrawRecord> RecordedFrame() {
        SpriteBatch->ClearRecords();
        SpriteBatch->StartRecording();
        const bool running = Frame();
        SpriteBatch->StopRecording();
        EXPECT_TRUE(running);
        return SpriteBatch->Records();
    }
    static bool Draws(const std::vector<DrawRecord>& records, const Texture* texture) {
        for (const DrawRecord& r : records) {
            if (r.texture == texture) return true;
        }
        return false;
    }
    // Draws the current frame again and keeps it as build/screenshots/<name>.png.
    void SaveScreenshot(const char* name) {
        const std::filesystem::path folder = std::filesystem::path(MIRELUNE_BUILD_DIR) / "screenshots";
        std::filesystem::create_directories(folder);
        const std::string path = (folder / (std::string(name) + ".png")).string();
        game->DrawFrame();
        std::vector<uint32_t> pixels;
        int w = 0;
        int h = 0;
        ASSERT_TRUE(Direct3DDevice->ReadPixels(&pixels, &w, &h));
        ASSERT_EQ(w, 1280);
        ASSERT_EQ(h, 720);
        size_t differing = 0;
        for (uint32_t p : pixels) differing += p != pixels[0] ? 1 : 0;
        EXPECT_GT(differing, pixels.size() / 4) << "the frame is nearly one colour";
        ASSERT_TRUE(Direct3DDevice->SaveScreenshot(path.c_str()));
    }
    void ShutdownAndCheckTextures() {
        game->Shutdown();
        initialised = false;
        EXPECT_EQ(Texture::LiveCount(), texturesAtStart);
        EXPECT_EQ(Direct3DDevice, nullptr);
        EXPECT_EQ(SpriteBatch, nullptr);
        EXPECT_EQ(ErrorMessageCount(), errorsAtStart);
    }

    testsupport::ResourceMirror resources;
    testsupport::GameHolder game;
    bool initialised = false;
    int texturesAtStart = 0;
    int errorsAtStart = 0;
    int frames = 0;
};

TEST_F(ScriptedRun, TitleCursorCreditsAndBackThenQuitAtTheFadesMidpoint) {
    ASSERT_EQ(game->scene, kSceneTitle);
    SettleTitle();  // the opening fade-in
    EXPECT_EQ(game->scene, kSceneTitle);
    EXPECT_EQ(game->titleMenu.selection, 1);

    // S moves the cursor to the credits; the strip follows it.
    Tap(KEY_S);
    EXPECT_EQ(game->titleMenu.selection, 2);
    SettleTitle();
    const std::vector<DrawRecord> title = RecordedFrame();
    ASSERT_GE(title.size(), 2u);
    EXPECT_EQ(title[1].texture, game->titleMenu.texture);
    EXPECT_FLOAT_EQ(title[1].transform.m[0][0], 0.75f);
    EXPECT_FLOAT_EQ(title[1].transform.m[3][1], 544.0f);

    // Return decides; the credits come up at the fade's black midpoint.
    Tap(KEY_RETURN);
    EXPECT_EQ(TransitionFadeActive, 1);
    Frames(59);
    EXPECT_EQ(game->scene, kSceneTitle);
    ASSERT_TRUE(Frame());
    EXPECT_EQ(game->scene, kSceneCredits);
    SettleTitle();
    const std::vector<DrawRecord> credits = RecordedFrame();
    EXPECT_TRUE(Draws(credits, game->creditsTexture));
    EXPECT_FALSE(Draws(credits, game->titleMenu.texture));

    // Space leaves the credits for the title, cursor where it was.
    Tap(KEY_SPACE);
    RunUntil([&] { return game->scene == kSceneTitle; }, "back to the title");
    EXPECT_EQ(TransitionFadeCounter, 61);  // that frame's draw moved the fade on
    EXPECT_EQ(game->titleMenu.selection, 2);
    SettleTitle();

    // Quit: the frame at the fade's midpoint ends the program.
    Tap(KEY_S);
    EXPECT_EQ(game->titleMenu.selection, 3);
    SettleTitle();
    Tap(KEY_SPACE);
    ASSERT_EQ(TransitionFadeCode, 1);
    for (int i = 1; i < 60; ++i) ASSERT_TRUE(Frame()) << "frame " << i << " after the decision";
    EXPECT_FALSE(Frame());
    EXPECT_EQ(game->scene, kSceneQuit);
    EXPECT_EQ(TransitionFadeCounter, 60);
    EXPECT_LT(frames, 400);  // the whole run stays short

    ShutdownAndCheckTextures();
}

TEST_F(ScriptedRun, TitleToMapBoardsPurchaseEquipAndIntoTheFirstField) {
    SettleTitle();
    Tap(KEY_SPACE);  // start
    RunUntil([&] { return game->scene == kSceneFieldMap; }, "onto the map");
    EXPECT_EQ(EquipmentCatalogue.weaponA[0].owned, 1);  // the new game's first records
    EXPECT_EQ(EquipmentCatalogue.weaponA[1].owned, 0);
    FieldMapScene& map = game->fieldMap;
    SettleMap();
    ASSERT_EQ(map.mode, kMapLocationSelect);
    const int32_t attackBefore = ThePlayer.status.attack;

    // The status board, from the menu's first row.
    MapPress(KEY_RETURN);
    EXPECT_EQ(map.mode, kMapMainMenu);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapStatusBoard);
    EXPECT_EQ(map.playerStatus.attack, attackBefore);
    MapPress(KEY_S);
    EXPECT_EQ(map.statusRow, 2);
    MapPress(KEY_LSHIFT);
    EXPECT_EQ(map.mode, kMapLocationSelect);

    // The shop, with the money for the second weapon A granted.
    const int32_t price = EquipmentCatalogue.weaponA[1].status.price;
    ASSERT_GT(price, 0);
    ThePlayer.Money = price;
    MapPress(KEY_RETURN);
    MapPress(KEY_S);
    MapPress(KEY_S);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapShop);
    EXPECT_EQ(map.boardRow, 1);
    MapPress(KEY_RIGHT);  // the tabs turn
    EXPECT_EQ(map.boardRow, 2);
    MapPress(KEY_LEFT);
    EXPECT_EQ(map.boardRow, 1);
    MapPress(KEY_S);
    EXPECT_EQ(map.shopRow, 1);
    EXPECT_EQ(map.playerMoney, price);
    SaveScreenshot("scripted_map_shop_board");
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapBuyConfirm);
    EXPECT_EQ(map.buyChoice, 1);
    MapPress(KEY_SPACE);  // yes
    EXPECT_EQ(map.mode, kMapShop);
    EXPECT_EQ(EquipmentCatalogue.weaponA[1].owned, 1);
    EXPECT_EQ(ThePlayer.Money, 0);
    EXPECT_EQ(map.playerMoney, 0);
    MapPress(KEY_LSHIFT);
    EXPECT_EQ(map.mode, kMapLocationSelect);

    // The equip board: the bought weapon is offered first and equipped.
    MapPress(KEY_RETURN);
    MapPress(KEY_S);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapEquipBoard);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapEquipChoice);
    EXPECT_EQ(map.choiceIndex, 1);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapEquipBoard);
    EXPECT_EQ(EquippedSlots.weaponA, 1);
    const int32_t attackGain =
        EquipmentCatalogue.weaponA[1].status.attack - EquipmentCatalogue.weaponA[0].status.attack;
    ASSERT_NE(attackGain, 0);
    EXPECT_EQ(map.playerStatus.attack, attackBefore + attackGain);
    MapPress(KEY_LSHIFT);
    EXPECT_EQ(map.mode, kMapLocationSelect);

    // Grass plain by day at difficulty 2.
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapTimeRing);
    MapPress(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapDifficultyRing);
    MapPress(KEY_A);
    EXPECT_EQ(map.difficultyChoice, 2);
    Tap(KEY_SPACE);
    EXPECT_EQ(map.mode, kMapEntering);
    for (int i = 1; i < 60; ++i) {
        ASSERT_TRUE(Frame());
        ASSERT_EQ(game->scene, kSceneFieldMap) << "frame " << i << " after the confirm";
        ASSERT_EQ(Difficulty, 0);
    }
    ASSERT_TRUE(Frame());
    EXPECT_EQ(game->scene, kScenePlay);
    EXPECT_EQ(CurrentField, 1);
    EXPECT_EQ(Difficulty, 2);
    EXPECT_EQ(ThePlayer.status.attack, attackBefore + attackGain);

    // The field runs its real frames.
    Frames(30);
    EXPECT_EQ(game->scene, kScenePlay);
    EXPECT_LT(frames, 1500);

    ShutdownAndCheckTextures();
}

}  // namespace
