// The contact sheet: one overview picture in which every sheet stays legible,
// long strips folded between their cells.
#include <gtest/gtest.h>

#include <algorithm>

#include "assetgen/writer.h"

using namespace assetgen;

namespace {

std::vector<const TextureSpec*> AllSheets() {
    std::vector<const TextureSpec*> specs;
    for (const TextureSpec& t : TextureManifest()) specs.push_back(&t);
    return specs;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A strip of `count` square cells of `side` pixels, cell k painted colour k.
TextureSpec Strip(bool wide, int count, int side) {
    TextureSpec spec;
    spec.path = wide ? "Test/wide.png" : "Test/tall.png";
    spec.width = wide ? side * count : side;
    spec.height = wide ? side : side * count;
    for (int k = 0; k < count; ++k) {
        const int at = side * k;
        const std::string name = std::string("c").append(std::to_string(k));
        spec.cells.push_back(wide ? Cell{name, at, 0, at + side, side} : Cell{name, 0, at, side, at + side});
    }
    return spec;
}

Argb StripColour(int k) { return Rgb(20 * k, 255 - 20 * k, 90); }

}  // namespace

TEST(ContactSheet, EverySheetIsShownLegiblyWithoutOverlaps) {
    const auto specs = AllSheets();
    const ContactLayout layout = LayoutContactSheet(specs);
    ASSERT_EQ(layout.tiles.size(), specs.size());
    std::vector<Rect> taken;  // picture and its two label lines
    for (size_t i = 0; i < specs.size(); ++i) {
        const ContactTile& tile = layout.tiles[i];
        const Rect& r = tile.picture;
        const std::string& path = specs[i]->path;
        EXPECT_GE(tile.scale, kContactMinScale) << path;
        EXPECT_GE(std::min(r.Width(), r.Height()), kContactMinShortSide) << path;
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= layout.width && r.bottom + 36 <= layout.height) << path;
        const Rect slot = {r.left, r.top, r.right, r.bottom + 36};
        for (const Rect& other : taken) EXPECT_FALSE(Overlap(slot, other)) << path;
        taken.push_back(slot);
    }
}

TEST(ContactSheet, LongStripsFoldBetweenTheirCellsIntoNearSquarePictures) {
    const auto specs = AllSheets();
    const ContactLayout layout = LayoutContactSheet(specs);
    for (size_t i = 0; i < specs.size(); ++i) {
        const TextureSpec& spec = *specs[i];
        const ContactTile& tile = layout.tiles[i];
        const int length = std::max(spec.width, spec.height), breadth = std::min(spec.width, spec.height);
        ASSERT_GE(tile.Bands(), 1) << spec.path;
        EXPECT_EQ(tile.edges.front(), 0) << spec.path;
        EXPECT_EQ(tile.edges.back(), length) << spec.path;
        EXPECT_TRUE(std::is_sorted(tile.edges.begin(), tile.edges.end())) << spec.path;
        // No cut runs through a frame the game cuts from the sheet.
        for (int b = 1; b < tile.Bands(); ++b)
            for (const Cell& c : spec.cells) {
                const int lo = tile.wide ? c.left : c.top, hi = tile.wide ? c.right : c.bottom;
                EXPECT_FALSE(lo < tile.edges[b] && tile.edges[b] < hi) << spec.path << " " << c.name;
            }
        // Strips of many frames (the canyon bosses, the effect columns, the
        // equipment texts) come out no more than twice as long as broad.
        const bool manyFrames = spec.cells.size() >= 8 && length >= 5 * breadth;
        if (manyFrames) {
            const Rect& r = tile.picture;
            EXPECT_GE(tile.Bands(), 2) << spec.path;
            EXPECT_LE(std::max(r.Width(), r.Height()), 2 * std::min(r.Width(), r.Height())) << spec.path;
        }
    }
    // The 2560 x 384 canyon boss sheets, one flower over ten eagles.
    for (const char* path : {"Texture/Character/enemy_boss_canyon_day.png", "Texture/Character/enemy_boss_canyon_night.png"}) {
        const auto at = std::find_if(specs.begin(), specs.end(), [&](const TextureSpec* t) { return t->path == path; });
        ASSERT_NE(at, specs.end()) << path;
        const ContactTile& tile = layout.tiles[size_t(at - specs.begin())];
        EXPECT_TRUE(tile.wide);
        EXPECT_GE(tile.Bands(), 2) << path;
        EXPECT_GE(tile.picture.Height(), 384 / 2 * tile.Bands()) << path;
    }
    // A strip whose one frame spans its whole length is not cut.
    const auto text = std::find_if(specs.begin(), specs.end(),
                                   [](const TextureSpec* t) { return t->path == "Texture/Effects/levelup_text.png"; });
    ASSERT_NE(text, specs.end());
    EXPECT_EQ(layout.tiles[size_t(text - specs.begin())].Bands(), 1);
}

TEST(ContactSheet, FoldedBandsShowTheFramesInOrder) {
    for (bool wide : {true, false}) {
        const TextureSpec spec = Strip(wide, 12, 100);
        Canvas sheet(spec.width, spec.height, 0);
        for (int k = 0; k < 12; ++k) {
            const Cell& c = spec.cells[size_t(k)];
            sheet.FillRect(float(c.left), float(c.top), float(c.right), float(c.bottom), StripColour(k));
        }
        const std::vector<const TextureSpec*> specs = {&spec};
        const ContactLayout layout = LayoutContactSheet(specs);
        const Canvas out = BuildContactSheet(specs, {sheet});
        ASSERT_EQ(out.Width(), layout.width);
        ASSERT_EQ(out.Height(), layout.height);
        const ContactTile& tile = layout.tiles[0];
        ASSERT_GE(tile.Bands(), 3) << wide;
        // Cell k's middle, found through the band that holds it.
        for (int k = 0; k < 12; ++k) {
            const int along = 100 * k + 50;
            int b = 0;
            while (tile.edges[size_t(b) + 1] <= along) ++b;
            const float u = float(along - tile.edges[size_t(b)]);
            const float v = float(b * (100 + kContactFoldGap) + 50);
            const int x = tile.picture.left + int((wide ? u : v) * tile.scale);
            const int y = tile.picture.top + int((wide ? v : u) * tile.scale);
            EXPECT_EQ(out.Get(x, y), StripColour(k)) << (wide ? "wide " : "tall ") << k;
        }
    }
}
