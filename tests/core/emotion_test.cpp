#include "core/emotion.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/field_globals.h"

namespace {

float Gauge(int c) { return EmotionGauges[c - 1]; }

struct EventFactors {
    int event;
    int categoryA;
    int categoryB;
    float byDifficulty[3][3];  // [area - 1][Difficulty - 1]; one row unless the event depends on the area
    bool byArea;
};

const EventFactors kEventTable[] = {
    {1, 1, 6, {{1.5f, 1.25f, 1.0f}}, false},
    {3, 1, 6, {{1.5f, 1.0f, 0.5f}}, false},
    {4, 2, 5, {{2.25f, 1.875f, 1.5f}}, false},
    {5, 2, 5, {{6.0f, 6.0f, 6.0f}}, false},
    {6, 2, 5, {{400.0f, 350.0f, 300.0f}}, false},
    {7, 3, 5, {{3.0f, 2.25f, 1.5f}, {1.5f, 1.2f, 0.9f}, {0.8f, 0.6f, 0.4f}}, true},
    {8, 3, 5, {{7.5f, 6.0f, 4.5f}}, false},
    {9, 3, 5, {{0.3f, 0.3f, 0.3f}}, false},
    {10, 4, 6, {{1.0f, 0.75f, 0.5f}, {0.5f, 0.4f, 0.3f}, {0.2f, 0.15f, 0.1f}}, true},
    {12, 4, 6, {{2.0f, 2.0f, 2.0f}}, false},
    {13, 4, 6, {{5.0f, 5.0f, 5.0f}}, false},
};

int Partner(int c) { return c % 2 == 1 ? c + 1 : c - 1; }

TEST(EmotionGauges, EveryEventMovesItsGaugesByItsFactor) {
    for (const EventFactors& e : kEventTable) {
        for (int area = 1; area <= (e.byArea ? 3 : 1); ++area) {
            for (int d = 1; d <= 3; ++d) {
                for (int c : {e.categoryA, e.categoryB}) {
                    ResetEmotionGauges();
                    Difficulty = d;
                    EmotionArea = area;
                    ChangeEmotion(c, e.event, 1.0f);
                    const float f = e.byDifficulty[area - 1][d - 1];
                    EXPECT_FLOAT_EQ(Gauge(c), 500.0f + f) << "event " << e.event << " area " << area << " d " << d;
                    EXPECT_FLOAT_EQ(Gauge(Partner(c)), 500.0f - f) << "event " << e.event;
                }
            }
        }
    }
    // The amount scales the factor: a hit of amount 3 at Difficulty 3.
    ResetEmotionGauges();
    Difficulty = 3;
    ChangeEmotion(2, 6, 3.0f);
    EXPECT_FLOAT_EQ(Gauge(2), 1000.0f);
    EXPECT_FLOAT_EQ(Gauge(1), 0.0f);
}

TEST(EmotionGauges, UndefinedEventsAndCategoriesChangeNothing) {
    auto unchanged = [] {
        for (int c = 1; c <= 6; ++c)
            if (Gauge(c) != 500.0f) return false;
        return true;
    };
    EmotionArea = 1;
    for (int d : {0, 4}) {
        Difficulty = d;
        ResetEmotionGauges();
        for (int ev : {1, 3, 4, 5, 6, 8}) ChangeEmotion(ev <= 3 ? 1 : (ev == 8 ? 3 : 2), ev, 1.0f);
        ChangeEmotion(3, 7, 1.0f);
        ChangeEmotion(4, 10, 1.0f);
        EXPECT_TRUE(unchanged()) << "Difficulty " << d;
        // Events 9, 12 and 13 have one factor whatever the Difficulty.
        ChangeEmotion(3, 9, 1.0f);
        ChangeEmotion(6, 12, 1.0f);
        ChangeEmotion(4, 13, 1.0f);
        EXPECT_FLOAT_EQ(Gauge(3), 495.3f);
        EXPECT_FLOAT_EQ(Gauge(4), 504.7f);
        EXPECT_FLOAT_EQ(Gauge(5), 498.0f);
        EXPECT_FLOAT_EQ(Gauge(6), 502.0f);
    }
    Difficulty = 1;
    EmotionArea = 0;
    ResetEmotionGauges();
    ChangeEmotion(3, 7, 1.0f);
    ChangeEmotion(6, 10, 1.0f);
    ChangeEmotion(0, 1, 1.0f);
    ChangeEmotion(7, 1, 1.0f);
    ChangeEmotion(2, 1, 1.0f);   // event 1 never raises attack
    ChangeEmotion(1, 2, 1.0f);   // no event 2
    EXPECT_TRUE(unchanged());
}

TEST(EmotionGauges, FullGaugeStopsItsOwnEventsButNotThePartnerPair) {
    ResetEmotionGauges();
    Difficulty = 1;
    EmotionGauges[0] = 0.0f;
    EmotionGauges[1] = 1000.0f;
    for (int ev : {4, 5, 6}) ChangeEmotion(2, ev, 1.0f);
    EXPECT_EQ(Gauge(2), 1000.0f);
    EXPECT_EQ(Gauge(1), 0.0f);
    ChangeEmotion(5, 4, 1.0f);
    EXPECT_FLOAT_EQ(Gauge(5), 502.25f);
    EXPECT_FLOAT_EQ(Gauge(6), 497.75f);

    // Clamped at the top: the partner ends at exactly 0.
    EmotionGauges[2] = 999.9f;
    EmotionGauges[3] = 1000.0f - 999.9f;
    ChangeEmotion(3, 8, 1.0f);
    EXPECT_EQ(Gauge(3), 1000.0f);
    EXPECT_EQ(Gauge(4), 0.0f);

    // A coin lost in the cave at Difficulty 3.
    ResetEmotionGauges();
    Difficulty = 3;
    EmotionArea = 3;
    ChangeEmotion(3, 7, 1.0f);
    ChangeEmotion(5, 7, 1.0f);
    EXPECT_FLOAT_EQ(Gauge(3), 500.4f);
    EXPECT_FLOAT_EQ(Gauge(4), 499.6f);
    EXPECT_FLOAT_EQ(Gauge(5), 500.4f);
    EXPECT_FLOAT_EQ(Gauge(6), 499.6f);
}

TEST(EmotionGauges, PairsStayExactComplementsThroughLongPlay) {
    std::srand(11);
    ResetEmotionGauges();
    for (int step = 0; step < 20000; ++step) {
        const EventFactors& e = kEventTable[std::rand() % 11];
        Difficulty = 1 + std::rand() % 3;
        EmotionArea = 1 + std::rand() % 3;
        const int c = std::rand() % 2 == 0 ? e.categoryA : e.categoryB;
        ChangeEmotion(c, e.event, static_cast<float>(1 + std::rand() % 3));
        for (int a = 1; a <= 5; a += 2) {
            const float g = Gauge(a), p = Gauge(a + 1);
            ASSERT_TRUE(g == 1000.0f - p || p == 1000.0f - g) << g << " + " << p;
            ASSERT_GE(g, 0.0f);
            ASSERT_LE(g, 1000.0f);
        }
        // Exactly one of the route's two first tests holds, so the choice never falls through.
        ASSERT_NE(Gauge(2) > 500.0f, Gauge(1) >= 500.0f);
    }
}

TEST(EmotionGauges, RouteFollowsTheLeaningPairs) {
    struct Case {
        float money, attack, defense, experience;
        int route;
    };
    const Case cases[] = {
        {500, 500, 500, 500, 2},  {600, 400, 500, 500, 2}, {400, 600, 600, 400, 3},
        {400, 600, 400, 600, 1},  {600, 400, 600, 400, 1}, {400, 600, 500, 500, 1},
        {1000, 0, 0, 1000, 2},    {0, 1000, 1000, 0, 3},   {500.5f, 499.5f, 499.5f, 500.5f, 2},
    };
    for (const Case& c : cases) {
        EmotionGauges[0] = c.money;
        EmotionGauges[1] = c.attack;
        EmotionGauges[2] = c.defense;
        EmotionGauges[3] = c.experience;
        EXPECT_EQ(ChooseRoute(), c.route) << c.money << " " << c.attack << " " << c.defense << " " << c.experience;
    }
    ResetEmotionGauges();
}

TEST(EmotionGauges, HitAmountStepsAtATenthAndThreeTenthsOfMaxHp) {
    EXPECT_EQ(HitEmotionAmount(9, 100), 1.0f);
    EXPECT_EQ(HitEmotionAmount(10, 100), 2.0f);
    EXPECT_EQ(HitEmotionAmount(29, 100), 2.0f);
    EXPECT_EQ(HitEmotionAmount(30, 100), 3.0f);
    EXPECT_EQ(HitEmotionAmount(3, 10), 3.0f);
    EXPECT_EQ(HitEmotionAmount(1, 1000), 1.0f);
}

}  // namespace
