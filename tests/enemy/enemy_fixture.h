#pragma once
// Shared set-up for the enemy and satellite tests: a headless device and
// sprite batch, sheets made from plain pixels, and every pool the enemies
// touch put back to its empty state before each test.
#include <gtest/gtest.h>

#include <vector>

#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/effects.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/popups.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_textures.h"
#include "platform/graphics.h"
#include "species/cave/enemy_child.h"
#include "support/busy_field.h"

class EnemyFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (Direct3DDevice == nullptr) Direct3DDevice = GraphicsDevice::CreateHeadless();
        if (SpriteBatch == nullptr) SpriteBatch = CreateSpriteBatch(Direct3DDevice);
        static const int kSizes[kEnemySheetCount][2] = {{640, 128}, {2560, 512}, {640, 128}, {2560, 512},
                                                        {128, 192}, {2560, 384}, {128, 192}, {2560, 384},
                                                        {128, 320}, {128, 256}};
        for (int i = 0; i < kEnemySheetCount; ++i)
            if (EnemySheetTextures[i] == nullptr) EnemySheetTextures[i] = MakeTexture(kSizes[i][0], kSizes[i][1]);
        if (StatusGaugeTexture == nullptr) StatusGaugeTexture = MakeTexture(512, 160);
        if (ElementChildTexture == nullptr) ElementChildTexture = MakeTexture(64, 128);
        if (BarrierTexture == nullptr) BarrierTexture = MakeTexture(64, 64);
    }

    void SetUp() override {
        testsupport::ResetPlayState();
        EnemyTargetPos = Vec3{};
        ChildTargetPos = Vec3{};
        SpriteBatch->SetTransform(MatrixIdentity());
        SpriteBatch->StartRecording();
        SpriteBatch->ClearRecords();
    }

    // Nothing a test fired or spawned stays for the next one.
    void TearDown() override {
        SpriteBatch->StopRecording();
        testsupport::ResetPlayState();
    }

    static void ResetScorePopups() {
        for (ScorePopup& p : ScorePopupPool) {
            p.active = 0;
            p.kind = -1;
            p.value = 0;
        }
    }

    // The first live score popup, or null.
    static const ScorePopup* FirstScorePopup() {
        for (const ScorePopup& p : ScorePopupPool)
            if (p.active != 0) return &p;
        return nullptr;
    }

    // Score popups are made by another part of the game; until it spawns
    // them the popup checks have nothing to look at.
    static bool ScorePopupsSpawn() {
        SpawnScorePopup(2, 1, 0.0f, 0.0f, 0.0f);
        const bool spawned = FirstScorePopup() != nullptr;
        ResetScorePopups();
        return spawned;
    }

    static int ActiveEnemyCount() {
        int n = 0;
        for (const Enemy& e : EnemyPool) n += e.active != 0 ? 1 : 0;
        return n;
    }
    static int ActiveBullets() {
        int n = 0;
        for (const Bullet& b : EnemyBulletPool) n += b.active != 0 ? 1 : 0;
        return n;
    }
    static std::vector<const Item*> ActiveItems(int32_t kind) {
        std::vector<const Item*> items;
        for (const Item& it : ItemPool)
            if (it.active != 0 && it.kind == kind) items.push_back(&it);
        return items;
    }
    static int ItemCount(int32_t kind) { return static_cast<int>(ActiveItems(kind).size()); }
    static int ActiveEffects(int32_t type) {
        int n = 0;
        for (int i = 0; i < kEffectCount; ++i) n += EffectPool.active[i] != 0 && EffectPool.type[i] == type ? 1 : 0;
        return n;
    }

    static const std::vector<DrawRecord>& Draws() { return SpriteBatch->Records(); }

private:
    static Texture* MakeTexture(int w, int h) {
        return CreateTextureFromPixels(Direct3DDevice, w, h, std::vector<uint32_t>(static_cast<size_t>(w) * h, 0xFFFFFFFFu),
                                       "test sheet");
    }
};

inline bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
