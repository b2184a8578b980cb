// The drawing kit of the enemy sheets and the catalogue and lettering of the
// world map's sheets.
#include <gtest/gtest.h>

#include <cmath>

#include "assetgen/sheets_enemies_art.h"
#include "assetgen/sheets_fieldmap_art.h"

using namespace assetgen;

namespace {

TEST(CreatureKit, FramesMapBackAndForth) {
    // Turned, mirrored and scaled: Local undoes the mapping.
    const creature::Xf frames[] = {{100, 50, 2, 1.5f, 0}, {10, 20, -1, 1, 0}, {64, 64, 0.5f, 3, 30}};
    for (const creature::Xf& xf : frames)
        for (Vec2 p : {Vec2{0, 0}, Vec2{12, -7}, Vec2{-30, 44}}) {
            Vec2 s = xf(p);
            Vec2 back = xf.Local(s.x, s.y);
            EXPECT_NEAR(back.x, p.x, 1e-3f);
            EXPECT_NEAR(back.y, p.y, 1e-3f);
        }
    creature::Xf mirror{10, 20, -1, 1, 0};
    EXPECT_FLOAT_EQ(mirror(5, 3).x, 5);
    EXPECT_FLOAT_EQ(mirror(5, 3).y, 23);
}

TEST(CreatureKit, SmoothOutlinesPassThroughTheirPoints) {
    std::vector<Vec2> ctrl = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    std::vector<Vec2> closed = creature::Smooth(ctrl, 4);
    ASSERT_EQ(closed.size(), 16u);
    for (size_t i = 0; i < ctrl.size(); ++i) {
        EXPECT_FLOAT_EQ(closed[4 * i].x, ctrl[i].x);
        EXPECT_FLOAT_EQ(closed[4 * i].y, ctrl[i].y);
    }
    std::vector<Vec2> open = creature::SmoothOpen({{0, 0}, {5, 5}, {10, 0}}, 3);
    ASSERT_EQ(open.size(), 7u);
    EXPECT_FLOAT_EQ(open.back().x, 10);
    EXPECT_FLOAT_EQ(open[3].x, 5);
    EXPECT_FLOAT_EQ(open[3].y, 5);
}

// Fills are hard-edged: a pixel is painted fully when its centre is inside,
// else left alone, so a keyed sheet never gets a half-covered edge.
TEST(CreatureKit, FillsCoverPixelCentresOnly) {
    Canvas c(16, 16, 0);
    creature::Fill(c, {{2.4f, 2}, {6.4f, 2}, {6.4f, 6}, {2.4f, 6}}, Rgb(200, 40, 40));
    int painted = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            Argb p = c.Get(x, y);
            EXPECT_TRUE(A(p) == 0 || A(p) == 255) << x << "," << y;
            painted += A(p) == 255;
        }
    EXPECT_EQ(painted, 16);  // columns 2..5 (centres 2.5 to 5.5), rows 2..5
    EXPECT_EQ(A(c.Get(6, 3)), 0);
    // The colour is asked for at each pixel's centre.
    Canvas g(8, 1, 0);
    creature::Fill(g, {{0, 0}, {8, 0}, {8, 1}, {0, 1}}, [](float x, float) { return Rgb(int(x * 10), 0, 0); });
    EXPECT_EQ(R(g.Get(0, 0)), 5);
    EXPECT_EQ(R(g.Get(7, 0)), 75);
}

TEST(CreatureKit, WingsSpreadFullyOnTheFirstFrameAndLeastHalfWay) {
    EXPECT_FLOAT_EQ(creature::Flap(0, 0.3f), 1.0f);
    EXPECT_NEAR(creature::Flap(5, 0.3f), 0.3f, 1e-5f);
    EXPECT_NEAR(creature::Flap(10, 0.3f), 1.0f, 1e-5f);
    for (int f = 0; f < 10; ++f) {
        EXPECT_GE(creature::Flap(f, 0.4f, 0.6f), 0.4f - 1e-5f);
        EXPECT_LE(creature::Flap(f, 0.4f, 0.6f), 1.0f + 1e-5f);
    }
}

// The sheets name and describe the catalogue's records with its own stats.
TEST(EquipmentTexts, StatChangesComeFromTheCatalogue) {
    using namespace fieldmap;
    EXPECT_EQ(Lances().size(), 7u);
    EXPECT_EQ(Swords().size(), 7u);
    EXPECT_EQ(Armour().size(), 7u);
    EXPECT_EQ(Accessories().size(), 6u);
    EXPECT_EQ(ShotStyles().size(), 3u);
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(StatTokens(Lances()[1]), (Tokens{"ATK +2"}));
    EXPECT_EQ(StatTokens(Lances()[4]), (Tokens{"HP +30", "ATK +1", "DEF +5", "M.DEF +5"}));
    EXPECT_EQ(StatTokens(Lances()[6]), (Tokens{"M.ATK +20", "M.DEF -15"}));
    EXPECT_EQ(StatTokens(Swords()[6]), (Tokens{"ATK +12", "DEF -15"}));
    EXPECT_EQ(StatTokens(Armour()[4]), (Tokens{"ATK +5", "M.ATK +5", "DEF +1", "M.DEF +1"}));
    EXPECT_EQ(StatTokens(Accessories()[3]), (Tokens{"HP -50", "SP +20", "ATK +5", "M.ATK +5", "DEF -5", "M.DEF -5"}));
    EXPECT_EQ(StatTokens(ShotStyles()[2]), (Tokens{"ATK +5", "M.ATK +5"}));
    EXPECT_EQ(Lances()[1].price, 11000);
    EXPECT_EQ(Swords()[2].price, 23000);
    EXPECT_EQ(Armour()[5].price, 150000);
    EXPECT_EQ(Accessories()[0].price, 20000);
    // Every record has a name of its own.
    std::vector<std::string> names;
    for (const auto* t : {&Lances(), &Swords(), &Armour(), &Accessories(), &ShotStyles()})
        for (const Item& it : *t) {
            for (const std::string& n : names) EXPECT_NE(n, it.name);
            names.push_back(it.name);
        }
}

TEST(EquipmentTexts, WrappedLinesFitTheirWidthAndKeepEveryWord) {
    TextStyle st = fieldmap::Label(22);
    const std::string text = "Forged under the full moon: light as a feather, sharp as frost.";
    for (float width : {160.0f, 240.0f, 440.0f}) {
        std::vector<std::string> lines = fieldmap::Wrap(text, width, st);
        std::string joined;
        for (const std::string& l : lines) {
            EXPECT_LE(TextWidth(l, st), width) << l;
            joined += (joined.empty() ? "" : " ") + l;
        }
        EXPECT_EQ(joined, text);
    }
    // A word longer than the width stands alone rather than being lost.
    EXPECT_EQ(fieldmap::Wrap("Unbreakable", 10, st), (std::vector<std::string>{"Unbreakable"}));
}

}  // namespace
