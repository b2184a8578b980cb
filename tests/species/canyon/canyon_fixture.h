#pragma once
// Set-up for the canyon species' tests: the flyers' fixture with the ground
// standing still, a fixed random sequence, and helpers that watch the items,
// effects and rewards.
#include <vector>

#include "core/game_codes.h"
#include "core/random.h"
#include "enemy/enemy_ids.h"
#include "species/flyer_fixture.h"

class CanyonFixture : public FlyerFixture {
protected:
    void SetUp() override {
        FlyerFixture::SetUp();
        MagnetTimer = 0;
        ScrollSpeed = 0.0f;
        std::srand(7);
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        FlyerFixture::TearDown();
    }

    static Enemy& Spawn(int32_t species, int32_t variant, float x, float y, int32_t route, int32_t grade) {
        return SpawnFlyer(species, variant, x, y, route, grade);
    }
    // A ring of `count` experience orbs from angle 0, `step` apart.
    static void ExpectExperienceRing(int count, float step) {
        const std::vector<const Item*> ring = ActiveItems(kItemExperience);
        ASSERT_EQ(static_cast<int>(ring.size()), count);
        for (int k = 0; k < count; ++k) EXPECT_FLOAT_EQ(ring[k]->angle, step * static_cast<float>(k)) << k;
    }
    static std::vector<int> Multiples(int period, int below) {
        std::vector<int> frames;
        for (int f = 0; f < below; f += period) frames.push_back(f);
        return frames;
    }
    static std::vector<int> Steps(int first, int last, int step) {
        std::vector<int> frames;
        for (int f = first; f <= last; f += step) frames.push_back(f);
        return frames;
    }
    static std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    // Kills a fresh grade-2 enemy of the species, standing at (500, 400), on
    // its update after `frames` others; the kind of its score popup (-1 for
    // none).
    static int32_t KillAfter(int32_t species, int frames) {
        Enemy& e = Spawn(species, 0, 500.0f, 400.0f, 1, 2);
        for (int f = 0; f < frames; ++f) UpdateEnemies();
        e.status.hp = 0;
        UpdateEnemies();
        const ScorePopup* popup = FirstScorePopup();
        return popup != nullptr ? popup->kind : -1;
    }
};
