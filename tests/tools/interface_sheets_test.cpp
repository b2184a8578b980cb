// The HUD's frame art lines up with what the HUD draws over it.
#include <gtest/gtest.h>

#include <algorithm>

#include "assetgen/manifest.h"

using namespace assetgen;

namespace {

// Face centres of the three emotion pairs; each caption is centred 64 pixels
// above its face. The emotion board spans x 1004-1272.
const Vec2 kFaces[3] = {{1056, 512}, {1216, 512}, {1136, 656}};

int Luma(Argb p) { return (R(p) * 3 + G(p) * 6 + B(p)) / 10; }

}  // namespace

TEST(InterfaceSheets, EmotionSeatsAreCentredOnTheFaces) {
    const Canvas ui = PaintTexture(*FindTexture("Texture/UserInterface/ui.png"));
    const int dirs[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (Vec2 f : kFaces)
        for (const auto& d : dirs) {
            // A gold rim 48 pixels out (room for a full-size face), dark seat inside it.
            const Argb rim = ui.Get(int(f.x) + 48 * d[0], int(f.y) + 48 * d[1]);
            const Argb seat = ui.Get(int(f.x) + 44 * d[0], int(f.y) + 44 * d[1]);
            EXPECT_GT(R(rim), B(rim) + 30) << f.x << "," << f.y << " dir " << d[0] << "," << d[1];
            EXPECT_GT(Luma(rim), Luma(seat) + 40) << f.x << "," << f.y << " dir " << d[0] << "," << d[1];
            EXPECT_LT(Luma(seat), 40) << f.x << "," << f.y;
        }
}

TEST(InterfaceSheets, CaptionPlatesStayOnTheEmotionBoard) {
    const TextureSpec& spec = *FindTexture("Texture/UserInterface/emotion_description.png");
    const Canvas cap = PaintTexture(spec);
    int first = spec.width, last = -1;
    for (int y = 0; y < cap.Height(); ++y)
        for (int x = 0; x < cap.Width(); ++x)
            if (A(cap.Get(x, y)) > 0) first = std::min(first, x), last = std::max(last, x);
    ASSERT_GE(last, first);
    for (Vec2 f : kFaces) {
        EXPECT_GE(f.x - 64 + float(first), 1004.0f) << f.x;
        EXPECT_LE(f.x - 64 + float(last + 1), 1272.0f) << f.x;
    }
}

// Under MONEY the level-up rows slide through a window in the left panel;
// most of the time nothing shows there, so the frame beneath is the panel's
// stone, not a dark hole. The selection frame is drawn over a 50 x 50 icon
// and keeps a clear pixel all round, so nothing of it is cut at its edge.
TEST(InterfaceSheets, LevelUpWellAndSelectionFrameFitTheirPlaces) {
    const Canvas ui = PaintTexture(*FindTexture("Texture/UserInterface/ui.png"));
    const Canvas bar = PaintTexture(*FindTexture("Texture/UserInterface/status_bar.png"));
    auto meanLuma = [](const Canvas& c, Rect r) {
        long sum = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) sum += Luma(c.Get(x, y));
        return sum / (long(r.right - r.left) * (r.bottom - r.top));
    };
    const Rect window = {60, 250, 256, 540};  // below the money plate
    for (int y = window.top; y < window.bottom; y += 7)
        for (int x = window.left; x < window.right; x += 7) ASSERT_EQ(A(bar.Get(x, y)), 0) << x << "," << y;
    EXPECT_GE(2 * meanLuma(ui, window), meanLuma(bar, {264, 250, 280, 540}));  // the stone right of the window

    const Canvas frame = PaintTexture(*FindTexture("Texture/UserInterface/selectframe.png"));
    int edge = 0;
    for (int k = 0; k < 50; ++k)
        edge = std::max({edge, A(frame.Get(k, 0)), A(frame.Get(k, 49)), A(frame.Get(0, k)), A(frame.Get(49, k))});
    EXPECT_EQ(edge, 0);
}
