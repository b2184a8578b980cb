// The whole game as a player meets it, at Difficulty 1, 2 and 3: the real
// Game driven frame by frame with the keyboard alone, from the title through
// the world map into each field in the order they unlock, to the ending and
// back to the title. The knight is kept standing (his HP topped up between
// frames) and a boss that has fought for a while has its HP lowered, but
// every field ends through its own timeline and result. The high-score file
// is a temporary one.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/game.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/player.h"
#include "core/random.h"
#include "core/result.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "fieldmap/field_map_scene.h"
#include "support/allocation_counter.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/high_score_file.h"
#include "support/pool_census.h"
#include "support/resource_dir.h"

namespace {

constexpr int kSettleLimit = 400;        // frames a menu may take to settle
constexpr int kFieldFrameLimit = 20000;  // a field with its bosses cut short ends well before this
constexpr int kEndingFrameLimit = 2200;  // the ending fades out at its frame 1960
constexpr int kBossFightFrames = 300;    // frames a boss fights before its HP is lowered
constexpr int kMapCloudFrames = 180;

// The grass plain, the canyon and the cave on the map.
enum Location { kGrass = 0, kCanyon = 1, kCave = 2 };

struct FieldVisit {
    int32_t field;
    Location location;
    int32_t timeOfDay;  // 1 day, 2 night (the cave has no time ring)
};
// The fields in the order they unlock.
constexpr FieldVisit kVisits[5] = {
    {1, kGrass, 1}, {2, kGrass, 2}, {3, kCanyon, 1}, {4, kCanyon, 2}, {5, kCave, 1},
};

// The level from which a field gives no more experience.
int32_t ExperienceCap(int32_t field) { return field <= 2 ? 10 : field <= 4 ? 20 : 30; }

// What one field showed the test.
struct FieldRun {
    int32_t resultTotal = -1;  // the result panel's total in its last frame
    bool grandMagicStoneForm[2] = {false, false};
    long allocations = 0;
};

class Playthrough : public ::testing::TestWithParam<int32_t> {
protected:
    void SetUp() override {
        ResetToNewProgram();
        testsupport::CreateHeadlessGraphics();
        resources.Enter();
        ASSERT_TRUE(game->CreateAssets());
        SeedGameRandom(1);
        scenes.push_back(game->scene);
    }
    void TearDown() override {
        std::memset(KeyboardState, 0, sizeof(KeyboardState));
        game->ReleaseAssets();
        testsupport::ReleaseHeadlessGraphics();
        ResetToNewProgram();
    }

    // A program freshly started: a level-1 knight with no money, nothing
    // bought, no field cleared and no best score.
    static void ResetToNewProgram() {
        testsupport::ResetPlayState();
        testsupport::DisownEquipment();
    }

    // One frame of the main loop with `keys` held (0: none): update, then
    // the scene drawn to the headless device.
    bool Frame(std::initializer_list<uint8_t> keys = {}) {
        std::memset(KeyboardState, 0, sizeof(KeyboardState));
        for (uint8_t k : keys)
            if (k != 0) KeyboardState[k] = 0x80;
        if (!game->Update()) return false;
        game->DrawFrame();
        Direct3DDevice->Present();
        if (game->scene != scenes.back()) scenes.push_back(game->scene);
        return true;
    }
    // A key down for one frame, then let go.
    void Tap(uint8_t key) { ASSERT_TRUE(Frame({key})); }
    void SettleTitle() {
        for (int i = 0; i < kSettleLimit && (TransitionFadeActive != 0 || game->titleMenu.cooldown != 0); ++i)
            ASSERT_TRUE(Frame());
        ASSERT_EQ(TransitionFadeActive, 0);
    }
    // The map ready for input: no fade, no animation, the latch free.
    void SettleMap() {
        const FieldMapScene& map = game->fieldMap;
        for (int i = 0; i < kSettleLimit && (TransitionFadeActive != 0 || map.cooldown != 0 || map.inputLatch != 0);
             ++i)
            ASSERT_TRUE(Frame());
        ASSERT_EQ(map.cooldown, 0);
        ASSERT_EQ(map.inputLatch, 0);
    }
    void MapPress(uint8_t key) {
        ASSERT_NO_FATAL_FAILURE(Tap(key));
        ASSERT_NO_FATAL_FAILURE(SettleMap());
    }

    // From the location select into the field of `visit` at `difficulty`.
    void EnterField(const FieldVisit& visit, int32_t difficulty) {
        FieldMapScene& map = game->fieldMap;
        ASSERT_EQ(map.mode, kMapLocationSelect);
        while (map.locationCursor < visit.location) {
            const int32_t before = map.locationCursor;
            ASSERT_NO_FATAL_FAILURE(MapPress(KEY_D));
            ASSERT_EQ(map.locationCursor, before + 1) << "location " << before + 1 << " is still locked";
        }
        // Before the first grass clear the canyon is locked, before the first
        // canyon clear the cave: right stays where it is.
        if (visit.field == 1 || visit.field == 3) {
            ASSERT_NO_FATAL_FAILURE(MapPress(KEY_D));
            EXPECT_EQ(map.locationCursor, visit.location) << "field " << visit.field;
        }
        ASSERT_NO_FATAL_FAILURE(MapPress(KEY_SPACE));
        if (visit.location != kCave) {
            ASSERT_EQ(map.mode, kMapTimeRing);
            if (map.timeOfDay != visit.timeOfDay) {
                ASSERT_NO_FATAL_FAILURE(MapPress(KEY_D));
            }
            ASSERT_EQ(map.timeOfDay, visit.timeOfDay);
            ASSERT_NO_FATAL_FAILURE(MapPress(KEY_SPACE));
        }
        ASSERT_EQ(map.mode, kMapDifficultyRing);
        // Left turns the ring 1 -> 2 -> 3 -> 1.
        for (int i = 0; i < 3 && map.difficultyChoice != difficulty; ++i) ASSERT_NO_FATAL_FAILURE(MapPress(KEY_A));
        ASSERT_EQ(map.difficultyChoice, difficulty);
        ASSERT_NO_FATAL_FAILURE(Tap(KEY_SPACE));
        ASSERT_EQ(map.mode, kMapEntering);
        for (int i = 0; i < kSettleLimit && game->scene == kSceneFieldMap; ++i) ASSERT_TRUE(Frame());
        ASSERT_EQ(game->scene, kScenePlay);
        ASSERT_EQ(CurrentField, visit.field);
        ASSERT_EQ(Difficulty, difficulty);
    }

    // The boss or mid-boss the knight goes for: the live one with the most HP.
    static int LiveBoss() {
        int boss = -1;
        for (int i = 0; i < kEnemyCount; ++i) {
            const Enemy& e = EnemyPool[i];
            if (e.active == 0 || !IsBossSpecies(e.species)) continue;
            if (boss < 0 || e.status.maxHp > EnemyPool[boss].status.maxHp) boss = i;
        }
        return boss;
    }
    // Where the knight heads: under the boss, else under the lowest enemy
    // above him, else to the nearest item, else the middle.
    static float TargetX() {
        const int boss = LiveBoss();
        if (boss >= 0) return EnemyPool[boss].x;
        const Enemy* lowest = nullptr;
        for (const Enemy& e : EnemyPool)
            if (e.active != 0 && e.y > 0.0f && e.y < ThePlayer.y && (lowest == nullptr || e.y > lowest->y)) lowest = &e;
        if (lowest != nullptr) return lowest->x;
        float best = 640.0f;
        float bestDistance = 1e9f;
        for (const Item& it : ItemPool) {
            if (it.active == 0) continue;
            const float d = (it.x - ThePlayer.x) * (it.x - ThePlayer.x) + (it.y - ThePlayer.y) * (it.y - ThePlayer.y);
            if (d < bestDistance) {
                bestDistance = d;
                best = it.x;
            }
        }
        return best;
    }
    // A boss that has fought long enough has its fight cut short.
    void ShortenBossFights() {
        for (int i = 0; i < kEnemyCount; ++i) {
            Enemy& e = EnemyPool[i];
            const bool boss = e.active != 0 && IsBossSpecies(e.species);
            bossAge[i] = boss && bossSpecies[i] == e.species ? bossAge[i] + 1 : 0;
            bossSpecies[i] = boss ? e.species : 0;
            if (bossAge[i] > kBossFightFrames && e.status.hp > 1) e.status.hp = 1;
        }
    }

    // Plays the field entered last until the game leaves it: the knight fires
    // and swings his sword all the time and steers with A and D, near the
    // bottom of the field. (A knight who lets the enemies crowd the pool in
    // the cave's last waves never meets its bosses: a spawn into a full pool
    // is lost.)
    void PlayField(FieldRun& run) {
        for (int i = 0; i < kEnemyCount; ++i) bossAge[i] = bossSpecies[i] = 0;
        bool first = true;
        for (int frame = 0; frame < kFieldFrameLimit && game->scene == kScenePlay; ++frame) {
            const float dx = TargetX() - ThePlayer.x;
            const uint8_t steer = dx < -8.0f ? KEY_A : dx > 8.0f ? KEY_D : 0;
            const uint8_t height = ThePlayer.y < 560.0f ? KEY_S : ThePlayer.y > 600.0f ? KEY_W : 0;
            // The first frame of a field lets the sprite batch size its buffers.
            if (!first) testsupport::StartCountingAllocations();
            const bool running = Frame({KEY_SPACE, KEY_E, steer, height});
            if (!first) run.allocations += testsupport::StopCountingAllocations();
            first = false;
            ASSERT_TRUE(running);
            if (game->scene != kScenePlay) break;
            ASSERT_GT(ThePlayer.status.hp, 0) << "the knight fell at field frame " << FieldStateFor(CurrentField)->frame;
            ThePlayer.status.hp = ThePlayer.status.maxHp;
            ShortenBossFights();
            if (ResultPending == 1) run.resultTotal = ResultState.total;
            for (const Enemy& e : EnemyPool)
                if (e.active != 0 && e.species == kSpeciesGrandMagicStone && (e.variant == 0 || e.variant == 1))
                    run.grandMagicStoneForm[e.variant] = true;
        }
        ASSERT_NE(game->scene, kScenePlay) << "field " << CurrentField << " never ended (counter at "
                                           << FieldStateFor(CurrentField)->frame << ")";
    }

    // After a field: the clear flag, the money and experience, the empty
    // pools and the best score on file.
    void CheckFieldEnd(const FieldVisit& visit, const FieldRun& run, int32_t moneyBefore, int32_t levelBefore,
                       int32_t expBefore) {
        const int32_t field = visit.field;
        EXPECT_EQ(FieldClearFlags[field - 1], 1) << "field " << field;
        EXPECT_GT(ThePlayer.Money, moneyBefore) << "field " << field;
        if (levelBefore < ExperienceCap(field)) {
            EXPECT_TRUE(ThePlayer.status.level > levelBefore || ThePlayer.exp > expBefore) << "field " << field;
        }
        const testsupport::PoolCensus census = testsupport::TakePoolCensus();
        for (int pool = 0; pool < testsupport::kPoolCount; ++pool)
            EXPECT_EQ(census.live[pool], 0) << testsupport::PoolName(pool) << " after field " << field;
        EXPECT_EQ(run.allocations, 0) << "frames of field " << field << " took memory from the heap";
        ASSERT_GT(run.resultTotal, 0) << "field " << field << " showed no result";
        int32_t onFile[kFieldCount] = {};
        std::string fault;
        ASSERT_EQ(testsupport::ReadHighScoreFile(kHighScorePath, onFile, &fault), testsupport::HighScoreFileState::kRead)
            << fault;
        EXPECT_EQ(onFile[field - 1], run.resultTotal) << "field " << field;
        for (int i = 0; i < kFieldCount; ++i) EXPECT_EQ(onFile[i], HighScoreTable[i]) << "line " << i + 1;
    }

    testsupport::ResourceMirror resources;
    testsupport::GameHolder game;
    std::vector<int32_t> scenes;
    int32_t bossAge[kEnemyCount] = {};
    int32_t bossSpecies[kEnemyCount] = {};
};

TEST_P(Playthrough, TitleToEveryFieldToTheEndingAndBack) {
    const int32_t difficulty = GetParam();
    ASSERT_NO_FATAL_FAILURE(SettleTitle());
    Tap(KEY_SPACE);  // start
    for (int i = 0; i < kSettleLimit && game->scene == kSceneTitle; ++i) ASSERT_TRUE(Frame());
    ASSERT_EQ(game->scene, kSceneFieldMap);
    ASSERT_NO_FATAL_FAILURE(SettleMap());
    FieldMapScene& map = game->fieldMap;
    EXPECT_EQ(map.canyonCloudTimer, kMapCloudFrames);
    EXPECT_EQ(map.caveCloudTimer, kMapCloudFrames);

    for (const FieldVisit& visit : kVisits) {
        SCOPED_TRACE("field " + std::to_string(visit.field));
        // Back on the map after a grass clear the canyon's clouds have lifted,
        // after a canyon clear the cave's; no clear lifts the next ones.
        EXPECT_EQ(map.canyonCloudTimer, visit.field >= 2 ? 0 : kMapCloudFrames);
        EXPECT_EQ(map.caveCloudTimer, visit.field >= 4 ? 0 : kMapCloudFrames);
        const int32_t money = ThePlayer.Money;
        const int32_t level = ThePlayer.status.level;
        const int32_t exp = ThePlayer.exp;
        ASSERT_NO_FATAL_FAILURE(EnterField(visit, difficulty));
        FieldRun run;
        ASSERT_NO_FATAL_FAILURE(PlayField(run));
        const bool last = visit.field == 5;
        ASSERT_EQ(game->scene, last ? kSceneEnding : kSceneFieldMap);
        ASSERT_NO_FATAL_FAILURE(CheckFieldEnd(visit, run, money, level, exp));
        if (last) {
            // The final boss comes, in both its forms, only at Difficulty 3.
            EXPECT_EQ(run.grandMagicStoneForm[0], difficulty == 3) << "first form";
            EXPECT_EQ(run.grandMagicStoneForm[1], difficulty == 3) << "second form";
        } else {
            ASSERT_NO_FATAL_FAILURE(SettleMap());
        }
    }

    // The ending runs to its fade and gives way to the title.
    int32_t lastEndingFrame = 0;
    for (int i = 0; i < kEndingFrameLimit && game->scene == kSceneEnding; ++i) {
        lastEndingFrame = game->ending.frame;
        ASSERT_TRUE(Frame());
    }
    ASSERT_EQ(game->scene, kSceneTitle);
    EXPECT_GE(lastEndingFrame, 1960);
    EXPECT_EQ(game->ending.frame, 0);  // reset for the next time
    ASSERT_NO_FATAL_FAILURE(SettleTitle());

    const std::vector<int32_t> expected = {kSceneTitle, kSceneFieldMap, kScenePlay,    kSceneFieldMap, kScenePlay,
                                           kSceneFieldMap, kScenePlay,  kSceneFieldMap, kScenePlay,    kSceneFieldMap,
                                           kScenePlay,  kSceneEnding,  kSceneTitle};
    EXPECT_EQ(scenes, expected);
}

INSTANTIATE_TEST_SUITE_P(Difficulty, Playthrough, ::testing::Values(1, 2, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Difficulty" + std::to_string(info.param);
                         });

}  // namespace
