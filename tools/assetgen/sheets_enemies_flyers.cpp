// The flying enemies seen from above, heads down the screen: the small
// butterfly and moth, the swallowtail and atlas moth of the middle and big
// flyers, the eagle and the bat. Wings flap over the ten frames of a strip.
#include <cmath>

#include "assetgen/sheets_enemies_art.h"

namespace assetgen::creature {

namespace {

// Distance from the wing root, 0 at the root and 1 at `reach`.
float Reach(float x, float y, float reach) { return std::clamp(std::hypot(x, y) / reach, 0.0f, 1.0f); }

// A ring eye-spot: colours from the centre out, radii increasing; 0 outside.
Argb EyeSpot(float x, float y, Vec2 at, const std::vector<std::pair<float, Argb>>& rings) {
    float d = std::hypot(x - at.x, y - at.y);
    for (const auto& r : rings)
        if (d < r.first) return r.second;
    return 0;
}

// Antenna ending in a club (butterflies) or a feathery comb (moths).
void Antenna(Canvas& c, Vec2 a, Vec2 b, float width, Argb ink, Argb tip, bool comb, float combLen) {
    c.Line(a.x, a.y, b.x, b.y, width, ink);
    if (!comb) {
        c.FillCircle(b.x, b.y, width * 1.3f, ink);
        c.FillCircle(b.x, b.y, width * 0.8f, tip);
        return;
    }
    float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    float nx = -dy / len, ny = dx / len;
    int n = std::max(3, int(len / (width * 2.2f)));
    for (int i = 1; i < n; ++i) {
        float t = float(i) / n;
        float px = a.x + dx * t, py = a.y + dy * t;
        float l = combLen * std::sin(kPi * std::min(1.0f, t * 1.1f));
        for (int s = -1; s <= 1; s += 2)
            c.Line(px, py, px + (nx * s + dx / len * 0.6f) * l, py + (ny * s + dy / len * 0.6f) * l, width * 0.7f, tip);
    }
}

}  // namespace

// ------------------------------------------------------------ small flyers

void SmallButterfly(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(34, 20, 18);
    static const std::vector<Vec2> fore =
        Smooth({{1, 3}, {6, 9}, {14, 14}, {22, 16}, {27, 13}, {28, 7}, {25, 1}, {17, -2}, {8, -2}, {2, -1}}, 4);
    static const std::vector<Vec2> hind =
        Smooth({{1, -1}, {7, -2}, {16, -4}, {22, -9}, {21, -16}, {15, -21}, {8, -20}, {3, -14}, {1, -6}}, 4);
    Wing w{.root = {1, 0},
           .inset = 0.8f,
           .insetPull = 0.2f,
           .margin = ink,
           .vein = Rgb(60, 30, 20),
           .veinWidth = 1.5f,
           .veinEvery = 7,
           .marginSpot = Rgb(255, 244, 226),
           .marginSpotR = 1.0f,
           .marginSpotEvery = 4};
    float sf = Flap(f, 0.3f), sh = Flap(f, 0.3f, 0.6f);
    for (int side = -1; side <= 1; side += 2) {
        w.outline = hind;
        w.field = [](float x, float y) { return Mix(Rgb(255, 186, 70), Rgb(226, 104, 20), Reach(x, y, 20)); };
        DrawWing(c, w, {cx + side * 1.5f, cy, side * sh, 1}, 0.72f + 0.28f * sh);
    }
    for (int side = -1; side <= 1; side += 2) {
        w.outline = fore;
        w.field = [](float x, float y) {
            // Pale spots near the tip of the forewing.
            if (std::hypot(x - 21, y - 10) < 1.6f || std::hypot(x - 24, y - 6) < 1.4f) return Rgb(255, 236, 190);
            return Mix(Rgb(255, 204, 90), Rgb(240, 120, 24), Reach(x, y, 24));
        };
        DrawWing(c, w, {cx + side * 1.5f, cy + 1, side * sf, 1}, 0.72f + 0.28f * sf);
    }
    // Body: abdomen towards the tail (up), thorax, head towards the bottom.
    c.FillEllipse(cx, cy - 7, 2.5f, 9, ink);
    for (int i = 0; i < 3; ++i) c.FillCircle(cx, cy - 12 + 4.0f * i, 1.0f, Rgb(250, 240, 220));
    LitEllipse(c, cx, cy + 3, 3.2f, 5, 0, Rgb(110, 70, 50), ink, ink, 1);
    c.FillCircle(cx, cy + 9, 3.2f, ink);
    c.FillCircle(cx - 1.6f, cy + 10.5f, 1.0f, Rgb(255, 220, 120));
    c.FillCircle(cx + 1.6f, cy + 10.5f, 1.0f, Rgb(255, 220, 120));
    float sway = std::sin(2 * kPi * f / 10) * 1.2f;
    Antenna(c, {cx - 1, cy + 11}, {cx - 7 + sway, cy + 23}, 1.3f, ink, Rgb(255, 170, 60), false, 0);
    Antenna(c, {cx + 1, cy + 11}, {cx + 7 + sway, cy + 23}, 1.3f, ink, Rgb(255, 170, 60), false, 0);
}

void SmallMoth(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(26, 24, 58);
    static const std::vector<Vec2> fore =
        Smooth({{1, 4}, {8, 10}, {18, 13}, {28, 13}, {30, 8}, {25, 2}, {15, -3}, {6, -3}, {2, -1}}, 4);
    static const std::vector<Vec2> hind =
        Smooth({{1, -1}, {8, -3}, {17, -6}, {22, -12}, {18, -18}, {10, -19}, {4, -13}, {1, -6}}, 4);
    Wing w{.root = {1, 0},
           .inset = 0.84f,
           .margin = Rgb(70, 66, 130),
           .marginSpot = Rgb(200, 210, 255),
           .marginSpotR = 0.9f,
           .marginSpotEvery = 5,
           .ink = ink,
           .inkWidth = 1.5f};
    float sf = Flap(f, 0.3f), sh = Flap(f, 0.3f, 0.5f);
    for (int side = -1; side <= 1; side += 2) {
        w.outline = hind;
        w.field = [](float x, float y) {
            Argb spot = EyeSpot(x, y, {11, -11},
                                {{1.6f, Rgb(20, 20, 50)}, {3.4f, Rgb(90, 226, 250)}, {4.6f, Rgb(30, 30, 80)}});
            if (spot) return spot;
            return Mix(Rgb(184, 170, 236), Rgb(112, 100, 190), Reach(x, y, 20));
        };
        DrawWing(c, w, {cx + side * 2, cy - 1, side * sh, 1}, 0.7f + 0.3f * sh);
    }
    for (int side = -1; side <= 1; side += 2) {
        w.outline = fore;
        w.field = [](float x, float y) {
            Argb base = Mix(Rgb(200, 206, 246), Rgb(120, 128, 200), Reach(x, y, 28));
            // Two zig-zag bands across the wing.
            float z = y - 0.25f * x + 1.3f * std::sin(x * 1.1f);
            if (std::fabs(z - 4) < 1.1f || std::fabs(z + 2) < 1.0f) return Rgb(58, 56, 120);
            if (std::hypot(x - 17, y - 6) < 1.8f) return Rgb(240, 244, 255);
            return base;
        };
        DrawWing(c, w, {cx + side * 2, cy + 1, side * sf, 1}, 0.7f + 0.3f * sf);
    }
    // A plump furry body with rings.
    for (int i = 0; i < 5; ++i) {
        Argb col = (i % 2) ? Rgb(150, 146, 200) : Rgb(214, 210, 240);
        c.FillEllipse(cx, cy - 15 + 4 * i, 4.6f - 0.3f * std::abs(i - 2), 3, ink);
        c.FillEllipse(cx, cy - 15 + 4 * i, 3.6f - 0.3f * std::abs(i - 2), 2.2f, col);
    }
    LitEllipse(c, cx, cy + 4, 5, 5, 0, Rgb(236, 234, 255), Rgb(150, 146, 206), ink, 1.2f);
    c.FillCircle(cx, cy + 10, 3.6f, ink);
    c.FillCircle(cx - 1.7f, cy + 11, 1.1f, Rgb(120, 240, 255));
    c.FillCircle(cx + 1.7f, cy + 11, 1.1f, Rgb(120, 240, 255));
    Antenna(c, {cx - 1.5f, cy + 12}, {cx - 10, cy + 22}, 1.3f, ink, Rgb(190, 190, 236), true, 2.5f);
    Antenna(c, {cx + 1.5f, cy + 12}, {cx + 10, cy + 22}, 1.3f, ink, Rgb(190, 190, 236), true, 2.5f);
}

// ------------------------------------------------------------ big flyers

void BigButterfly(Canvas& c, float cx, float cy, int f) {
    cy += 16;  // the tails reach further back than the head forward
    const Argb ink = Rgb(30, 18, 14);
    const Argb black = Rgb(36, 22, 18);
    static const std::vector<Vec2> fore = Smooth({{4, 14}, {20, 34}, {50, 52}, {86, 62}, {112, 60}, {121, 48},
                                                  {113, 28}, {90, 12}, {60, 2}, {30, -2}, {10, 0}},
                                                 6);
    static const std::vector<Vec2> hind =
        Smooth({{4, -4}, {26, -6}, {56, -14}, {76, -30}, {80, -50}, {74, -64}, {66, -72}, {68, -96}, {61, -104},
                {55, -96}, {54, -78}, {40, -74}, {24, -62}, {10, -40}, {4, -20}},
               6);
    float sf = Flap(f, 0.36f), sh = Flap(f, 0.36f, 0.55f);
    Wing w{.root = {4, 0},
           .inset = 0.84f,
           .insetPull = 0.25f,
           .margin = black,
           .vein = Rgb(70, 44, 24),
           .veinWidth = 2.0f,
           .veinEvery = 10,
           .marginSpot = Rgb(255, 226, 110),
           .marginSpotR = 3.2f,
           .marginSpotEvery = 6,
           .ink = ink,
           .inkWidth = 2.5f};
    for (int side = -1; side <= 1; side += 2) {
        Xf xf{cx + side * 6, cy - 2, side * sh, 1};
        w.outline = hind;
        w.field = [](float x, float y) {
            if (x < 12) return Rgb(40, 26, 20);
            if (std::fabs(x - 22 - (y + 10) * -0.15f) < 5) return Rgb(40, 26, 20);  // bar continuing the forewing's
            Argb eye = EyeSpot(x, y, {22, -58}, {{5, Rgb(40, 20, 30)}, {9, Rgb(255, 120, 40)}, {11, Rgb(60, 24, 20)}});
            if (eye) return eye;
            return Mix(Rgb(255, 232, 130), Rgb(250, 184, 50), Reach(x, y, 80));
        };
        DrawWing(c, w, xf, 0.68f + 0.32f * sh);
        // Blue crescents inside the hind margin.
        std::vector<Vec2> band = xf(Inset(hind, Centroid(hind), 0.72f));
        for (size_t i = 8; i < band.size() * 3 / 5; i += 9)
            c.FillEllipse(band[i].x, band[i].y, 3.5f * sh + 1.5f, 3.5f, Shade(Rgb(90, 150, 255), 0.68f + 0.32f * sh));
    }
    for (int side = -1; side <= 1; side += 2) {
        Xf xf{cx + side * 6, cy + 4, side * sf, 1};
        w.outline = fore;
        w.field = [](float x, float y) {
            if (x < 10) return Rgb(40, 26, 20);
            // Tiger bars from the leading edge towards the trailing edge.
            static const float bx[4] = {22, 44, 66, 88}, len[4] = {64, 44, 30, 22}, hw[4] = {5.5f, 5, 4.5f, 4};
            for (int i = 0; i < 4; ++i)
                if (std::fabs(x - bx[i] - (y - 40) * 0.3f) < hw[i] && y > 58 - len[i]) return Rgb(40, 26, 20);
            return Mix(Rgb(255, 236, 140), Rgb(252, 196, 56), Reach(x, y, 110));
        };
        DrawWing(c, w, xf, 0.68f + 0.32f * sf);
    }
    // Body: long abdomen with yellow side stripes, thorax, head and eyes.
    LitEllipse(c, cx, cy - 34, 9, 36, 0, Rgb(90, 70, 50), black, ink, 2);
    for (int i = 0; i < 6; ++i) {
        float y = cy - 60 + 9 * i;
        c.Line(cx - 6, y, cx - 3, y + 4, 2, Rgb(255, 220, 100));
        c.Line(cx + 6, y, cx + 3, y + 4, 2, Rgb(255, 220, 100));
    }
    LitEllipse(c, cx, cy + 8, 12, 19, 0, Rgb(110, 86, 64), black, ink, 2);
    c.Line(cx - 6, cy - 2, cx - 4, cy + 18, 2.5f, Rgb(255, 220, 100));
    c.Line(cx + 6, cy - 2, cx + 4, cy + 18, 2.5f, Rgb(255, 220, 100));
    LitEllipse(c, cx, cy + 32, 10, 9, 0, Rgb(100, 76, 60), black, ink, 2);
    for (int s = -1; s <= 1; s += 2) {
        c.FillCircle(cx + s * 6.5f, cy + 35, 4.2f, Rgb(20, 14, 12));
        c.FillCircle(cx + s * 6.5f - 1, cy + 33.5f, 1.6f, Rgb(255, 236, 190));
    }
    float sway = 3 * std::sin(2 * kPi * f / 10);
    Antenna(c, {cx - 4, cy + 38}, {cx - 30 + sway, cy + 86}, 2.6f, ink, Rgb(255, 150, 50), false, 0);
    Antenna(c, {cx + 4, cy + 38}, {cx + 30 + sway, cy + 86}, 2.6f, ink, Rgb(255, 150, 50), false, 0);
}

void BigMoth(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(20, 16, 46);
    static const std::vector<Vec2> fore =
        Smooth({{4, 10}, {22, 38}, {52, 58}, {86, 70}, {114, 78}, {126, 68}, {119, 52}, {105, 46}, {98, 24},
                {82, 4}, {56, -6}, {28, -8}, {8, -4}},
               6);
    static const std::vector<Vec2> hind = Smooth({{4, -6}, {28, -10}, {58, -18}, {84, -30}, {96, -50}, {88, -72},
                                                  {66, -86}, {40, -84}, {20, -68}, {8, -42}, {2, -20}},
                                                 6);
    float sf = Flap(f, 0.36f), sh = Flap(f, 0.36f, 0.5f);
    cy += 4;
    Wing w{.root = {4, 0},
           .inset = 0.86f,
           .margin = Rgb(44, 34, 96),
           .vein = Rgb(62, 50, 128),
           .veinWidth = 1.6f,
           .veinEvery = 9,
           .marginSpot = Rgb(190, 200, 255),
           .marginSpotR = 2.4f,
           .marginSpotEvery = 5,
           .ink = ink,
           .inkWidth = 2.5f};
    for (int side = -1; side <= 1; side += 2) {
        w.outline = hind;
        w.field = [](float x, float y) {
            Argb eye = EyeSpot(x, y, {48, -46},
                               {{6, Rgb(220, 246, 255)}, {9, Rgb(24, 16, 50)}, {13, Rgb(236, 96, 210)},
                                {15.5f, Rgb(36, 24, 70)}});
            if (eye) return eye;
            // A pale wavy line parallel to the margin.
            float r = std::hypot(x - 8, y + 20);
            if (std::fabs(r - 72 - 3 * std::sin(std::atan2(y + 20, x - 8) * 9)) < 2.2f) return Rgb(210, 214, 255);
            return Mix(Rgb(116, 96, 210), Rgb(56, 42, 128), Reach(x - 4, y + 10, 96));
        };
        DrawWing(c, w, {cx + side * 8, cy - 4, side * sh, 1}, 0.68f + 0.32f * sh);
    }
    for (int side = -1; side <= 1; side += 2) {
        w.outline = fore;
        w.field = [](float x, float y) {
            Argb eye = EyeSpot(x, y, {60, 30}, {{6, Rgb(220, 246, 255)}, {9, Rgb(24, 16, 50)}, {12, Rgb(120, 220, 255)}});
            if (eye) return eye;
            float band = y - 0.35f * x - 14 + 3 * std::sin(x * 0.22f);
            if (std::fabs(band) < 2.2f) return Rgb(214, 216, 255);
            if (std::fabs(band + 18) < 1.6f) return Rgb(150, 140, 230);
            if (x > 100 && y > 50) return Rgb(170, 150, 240);  // the pale hooked tip
            return Mix(Rgb(130, 110, 226), Rgb(62, 46, 140), Reach(x, y - 10, 116));
        };
        DrawWing(c, w, {cx + side * 8, cy + 4, side * sf, 1}, 0.68f + 0.32f * sf);
    }
    // A thick furry body of pale rings.
    for (int i = 0; i < 7; ++i) {
        float y = cy - 66 + 10 * i;
        float r = 14 - std::abs(i - 4) * 1.5f;
        c.FillEllipse(cx, y, r + 2, 7, ink);
        c.FillEllipse(cx, y, r, 5.5f, (i % 2) ? Rgb(170, 160, 226) : Rgb(232, 228, 255));
    }
    LitEllipse(c, cx, cy + 10, 17, 18, 0, Rgb(246, 244, 255), Rgb(150, 140, 210), ink, 2);
    for (int i = 0; i < 8; ++i) {
        float a = Rad(200 + 20 * i);
        c.Line(cx + 12 * std::cos(a), cy + 10 + 12 * std::sin(a), cx + 17 * std::cos(a), cy + 10 + 17 * std::sin(a),
               2, Rgb(255, 255, 255));
    }
    LitEllipse(c, cx, cy + 32, 10, 8, 0, Rgb(200, 196, 240), Rgb(110, 100, 170), ink, 2);
    for (int s = -1; s <= 1; s += 2) {
        c.FillCircle(cx + s * 6, cy + 35, 4, Rgb(20, 20, 50));
        c.FillCircle(cx + s * 6, cy + 35, 2.4f, Rgb(110, 240, 255));
    }
    float sway = 2.5f * std::sin(2 * kPi * f / 10);
    Antenna(c, {cx - 4, cy + 38}, {cx - 36 + sway, cy + 84}, 2.4f, ink, Rgb(200, 196, 250), true, 9);
    Antenna(c, {cx + 4, cy + 38}, {cx + 36 + sway, cy + 84}, 2.4f, ink, Rgb(200, 196, 250), true, 9);
}

// ------------------------------------------------------------ eagle and bat

// A feather: a pointed tapered blade from a to b.
static void Feather(Canvas& c, Vec2 a, Vec2 b, float width, Argb fill, Argb ink) {
    float dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
    float nx = -dy / len * width / 2, ny = dx / len * width / 2;
    std::vector<Vec2> p = {{a.x + nx, a.y + ny},
                           {a.x + dx * 0.7f + nx, a.y + dy * 0.7f + ny},
                           {b.x, b.y},
                           {a.x + dx * 0.7f - nx, a.y + dy * 0.7f - ny},
                           {a.x - nx, a.y - ny}};
    Fill(c, p, fill);
    Stroke(c, p, 1.5f, ink);
    c.Line(a.x, a.y, a.x + dx * 0.8f, a.y + dy * 0.8f, 1.2f, Shade(fill, 0.7f));
}

void Eagle(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(44, 26, 14);
    const Argb brown = Rgb(160, 96, 40), light = Rgb(232, 176, 96), dark = Rgb(98, 56, 24);
    float s = 0.84f * Flap(f, 0.5f);
    float bend = 10 * std::sin(2 * kPi * f / 10);  // tips swing forward on the downstroke
    // Tail fan at the top, white-tipped.
    for (int k = -3; k <= 3; ++k) {
        float a = -90 + 13.0f * k;
        Vec2 a0{cx + 2.0f * k, cy - 14};
        Vec2 b = {a0.x + 46 * std::cos(Rad(a)), a0.y + 46 * std::sin(Rad(a))};
        Feather(c, a0, b, 16, k % 2 ? Rgb(120, 70, 30) : Rgb(144, 86, 36), ink);
        Vec2 t = {a0.x + 40 * std::cos(Rad(a)), a0.y + 40 * std::sin(Rad(a))};
        c.FillCircle(t.x, t.y, 3.5f, Rgb(250, 242, 224));
    }
    for (int side = -1; side <= 1; side += 2) {
        auto P = [&](float x, float y) {
            return Vec2{cx + side * (14 + x * s), cy + 2 + y + bend * (x / 110) * (x / 110)};
        };
        auto Dir = [&](float x, float y, float deg, float len) {
            Vec2 a = P(x, y);
            Vec2 b = P(x + len * std::cos(Rad(deg)), y + len * std::sin(Rad(deg)));
            return std::pair<Vec2, Vec2>{a, b};
        };
        // Secondaries along the trailing edge, pointing back.
        for (int i = 7; i >= 0; --i) {
            auto [a, b] = Dir(6 + 9.0f * i, -12, -96 + 2.0f * i, 22 + i * 0.6f);
            Feather(c, a, b, 14, i % 2 ? Rgb(110, 62, 28) : Rgb(124, 72, 32), ink);
        }
        // Primaries: long dark fingers fanning from the hand.
        for (int i = 5; i >= 0; --i) {
            auto [a, b] = Dir(66 + 4.0f * i, -4 + 2.0f * i, -40 + 11.0f * i, 40 + 2.0f * i - (i == 5 ? 6 : 0));
            Feather(c, a, b, 12, i % 2 ? Rgb(70, 40, 18) : Rgb(86, 50, 22), ink);
        }
        // The arm and its coverts.
        static const std::vector<Vec2> shape = Smooth(
            {{0, 10}, {30, 18}, {58, 22}, {80, 16}, {94, 6}, {90, -8}, {70, -16}, {40, -20}, {14, -18}, {0, -8}}, 5);
        std::vector<Vec2> wing;
        for (const Vec2& p : shape) wing.push_back(P(p.x, p.y));
        Vec2 shoulder = P(0, 4);
        Fill(c, wing, [&](float, float y) {
            float t = std::clamp((shoulder.y + 18 - y) / 36, 0.0f, 1.0f);
            return Mix(light, brown, t);
        });
        for (int row = 0; row < 3; ++row)
            for (int i = 0; i < 7 - row; ++i) {
                Vec2 p = P(8 + 11.0f * i + row * 5, 6 - 8.0f * row);
                c.Arc(p.x, p.y, 5, 20, 160, 1.6f, Shade(brown, 0.8f));
            }
        Stroke(c, wing, 2, ink);
    }
    // Body, head and hooked beak.
    LitEllipse(c, cx, cy - 2, 20, 32, 0, light, brown, ink, 2);
    for (int i = 0; i < 5; ++i) c.Arc(cx, cy - 20 + 8 * i, 10, 20, 160, 1.6f, dark);
    LitEllipse(c, cx, cy + 36, 15, 15, 0, Rgb(255, 252, 240), Rgb(210, 196, 170), ink, 2);
    std::vector<Vec2> beak = {{cx - 6, cy + 46}, {cx + 6, cy + 46}, {cx + 4, cy + 56}, {cx, cy + 62}, {cx - 4, cy + 56}};
    Fill(c, beak, [&](float, float y) { return Mix(Rgb(255, 210, 80), Rgb(236, 140, 30), (y - cy - 46) / 16); });
    Stroke(c, beak, 1.6f, ink);
    for (int side = -1; side <= 1; side += 2) {
        c.FillCircle(cx + side * 7, cy + 40, 3.2f, ink);
        c.FillCircle(cx + side * 7, cy + 40, 1.8f, Rgb(255, 190, 40));
        c.Line(cx + side * 3, cy + 36, cx + side * 11, cy + 37, 1.6f, ink);  // stern brow
    }
}

void Bat(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(20, 12, 36);
    const Argb bone = Rgb(150, 126, 206);
    float s = Flap(f, 0.42f);
    float bend = 12 * std::sin(2 * kPi * f / 10);
    for (int side = -1; side <= 1; side += 2) {
        auto P = [&](float x, float y) {
            return Vec2{cx + side * (14 + x * s), cy + y + bend * (x / 110) * (x / 110)};
        };
        Vec2 shoulder = P(0, 4), wrist = P(44, 14);
        const Vec2 tips[4] = {{110, 2}, {96, -30}, {72, -46}, {42, -44}};
        // Membrane: leading edge to the first finger tip, then scallops
        // between the tips, back to the hip.
        std::vector<Vec2> m = {P(0, 8), P(24, 18), P(44, 20), P(78, 10), P(tips[0].x, tips[0].y)};
        Vec2 prev = tips[0];
        for (int k = 1; k < 4; ++k) {
            Vec2 t = tips[k];
            Vec2 mid{(prev.x + t.x) / 2, (prev.y + t.y) / 2};
            Vec2 sag{mid.x + (44 - mid.x) * 0.22f, mid.y + (14 - mid.y) * 0.22f};
            m.push_back(P(sag.x, sag.y));
            m.push_back(P(t.x, t.y));
            prev = t;
        }
        m.push_back(P(26, -30));
        m.push_back(P(6, -28));
        m.push_back(P(0, -14));
        Vec2 wr = wrist;
        Fill(c, m, [&](float x, float y) {
            float d = std::hypot(x - wr.x, y - wr.y) / 80;
            return Shade(Mix(Rgb(120, 86, 186), Rgb(56, 36, 104), std::clamp(d, 0.0f, 1.0f)), 0.75f + 0.25f * s);
        });
        Stroke(c, m, 2, ink);
        // Arm and finger bones.
        Limb(c, {shoulder, wrist}, 6, 4, bone, bone, ink, 1.2f);
        for (const Vec2& t : tips) Limb(c, {wrist, P(t.x, t.y)}, 3.2f, 1.6f, bone, bone, ink, 1);
        // Thumb claw at the wrist.
        Vec2 claw = P(50, 24);
        c.Line(wrist.x, wrist.y, claw.x, claw.y, 3, ink);
        c.FillCircle(wrist.x, wrist.y, 3.5f, Rgb(190, 176, 236));
    }
    // Furry body with a lighter chest, ears pointing forward, glowing eyes.
    LitEllipse(c, cx, cy - 4, 22, 30, 0, Rgb(110, 88, 160), Rgb(52, 38, 88), ink, 2);
    for (int i = 0; i < 14; ++i) {
        float a = Rad(110 + 160.0f * i / 13) + kPi;
        float r = 22;
        c.Line(cx + r * std::cos(a) * 0.9f, cy - 4 + 30 * std::sin(a) * 0.9f, cx + (r + 4) * std::cos(a),
               cy - 4 + 34 * std::sin(a), 2, Rgb(70, 54, 112));
    }
    for (int side = -1; side <= 1; side += 2) {
        std::vector<Vec2> ear = {{cx + side * 5, cy + 30}, {cx + side * 16, cy + 60}, {cx + side * 18, cy + 32}};
        Fill(c, ear, Rgb(96, 72, 150));
        Fill(c, Inset(ear, Centroid(ear), 0.55f), Rgb(220, 120, 180));
        Stroke(c, ear, 2, ink);
    }
    LitEllipse(c, cx, cy + 32, 15, 13, 0, Rgb(126, 102, 176), Rgb(60, 44, 100), ink, 2);
    for (int side = -1; side <= 1; side += 2) {
        c.FillCircle(cx + side * 6, cy + 35, 3.8f, Rgb(10, 8, 24));
        c.FillCircle(cx + side * 6, cy + 35, 2.4f, Rgb(120, 250, 255));
        std::vector<Vec2> fang = {{cx + side * 2, cy + 42}, {cx + side * 5.5f, cy + 42}, {cx + side * 3.5f, cy + 49}};
        Fill(c, fang, Rgb(250, 250, 255));
    }
}

}  // namespace assetgen::creature
