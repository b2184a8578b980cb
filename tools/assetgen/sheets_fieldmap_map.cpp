// The world map seen from above, by day and by night: the grass plain with
// its meadow at (213, 360), the canyon and its gorge at (640, 360), the cave
// in the mountains at (1067, 360), joined by a road. Also the map's small
// pieces: the arrow, the time and difficulty icons, the place balloons and
// the cloud that covers places still locked.
#include <algorithm>
#include <cmath>

#include "assetgen/sheets_enemies_art.h"
#include "assetgen/sheets_fieldmap_art.h"

namespace assetgen::fieldmap {

using namespace art;

namespace {

constexpr int W = 1280, H = 720;

float Smoothstep(float a, float b, float x) {
    float t = std::clamp((x - a) / (b - a), 0.0f, 1.0f);
    return t * t * (3 - 2 * t);
}

float RiverX(float y) { return 640 + 34 * std::sin(y / 95) + 16 * std::sin(y / 41 + 1); }

// Weights of the lands at a point: canyon and mountains; grass is the rest.
struct Lands {
    float canyon, mountain;
};
Lands LandsAt(float x, float y) {
    float d = std::hypot((x - 640) / 240, (y - 330) / 300) + (Fbm(x, y, 90, 3, 611) - 0.5f) * 0.35f;
    float canyon = Smoothstep(1.0f, 0.86f, d);
    float mountain = Smoothstep(0, 1, (x - 890 + (Fbm(x, y, 70, 3, 612) - 0.5f) * 160) / 70);
    return {canyon * (1 - mountain), mountain};
}

const std::vector<Vec2>& Road() {
    static const std::vector<Vec2> road = creature::SmoothOpen(
        {{-10, 440}, {90, 404}, {213, 376}, {330, 404}, {450, 394}, {560, 372}, {640, 366}, {730, 376},
         {830, 404}, {940, 394}, {1067, 372}},
        8);
    return road;
}

float DistToRoad(float x, float y) {
    float d = 1e9f;
    const auto& r = Road();
    for (size_t i = 0; i + 1 < r.size(); ++i) d = std::min(d, SdSegment(x, y, r[i].x, r[i].y, r[i + 1].x, r[i + 1].y));
    return d;
}

// Height and colour of the ground, before light and details.
void Ground(std::vector<float>& height, std::vector<Argb>& colour) {
    height.assign(size_t(W) * H, 0);
    colour.assign(size_t(W) * H, 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float fx = float(x), fy = float(y);
            Lands l = LandsAt(fx, fy);
            float n = Fbm(fx, fy, 140, 4, 601);
            float fine = Fbm(fx, fy, 26, 2, 602);
            // Grass: rolling meadow.
            float hg = 0.18f * n;
            Argb grass = Mix(Rgb(92, 156, 62), Rgb(150, 198, 88), std::clamp(n * 1.5f - 0.25f, 0.0f, 1.0f));
            grass = Mix(grass, Rgb(70, 130, 52), std::clamp((fine - 0.55f) * 3, 0.0f, 1.0f) * 0.5f);
            // Canyon: a plateau of layered red rock cut by the river's gorge.
            float hc = 0;
            Argb rock = 0;
            if (l.canyon > 0) {
                float gorge = Smoothstep(18, 64, std::fabs(fx - RiverX(fy)) + (fine - 0.5f) * 16);
                float mesa = Fbm(fx, fy, 48, 3, 604);
                hc = 0.08f + 0.34f * gorge + 0.06f * n + 0.1f * Smoothstep(0.55f, 0.62f, mesa) * gorge;
                float strata = std::fmod(hc * 16 + mesa * 2.2f, 1.0f);
                rock = Mix(Rgb(200, 106, 60), Rgb(242, 178, 114), strata);
                rock = Mix(rock, Rgb(170, 90, 56), std::clamp((fine - 0.5f) * 2.5f, 0.0f, 1.0f) * 0.5f);
                if (std::fabs(Fbm(fx, fy, 60, 2, 605) - 0.5f) < 0.012f) rock = Shade(rock, 0.7f);  // cracks
                rock = Mix(Rgb(150, 84, 52), rock, gorge);
            }
            // Mountains: ridged peaks, snow along the highest ridges.
            float hm = 0;
            Argb stone = 0;
            if (l.mountain > 0) {
                float ridge = 1 - std::fabs(Fbm(fx, fy, 110, 4, 603) * 2 - 1);
                hm = 0.3f + 0.42f * ridge * ridge;
                stone = Mix(Rgb(86, 80, 94), Rgb(168, 158, 150), ridge * 0.7f + fine * 0.3f);
                stone = Mix(stone, Rgb(236, 240, 248), Smoothstep(0.9f, 0.97f, ridge) * 0.85f);
            }
            float h = hg * (1 - l.canyon - l.mountain) + hc * l.canyon + hm * l.mountain;
            Argb col = Mix(Mix(grass, rock, l.canyon / std::max(1e-3f, 1 - l.mountain)), stone, l.mountain);
            height[size_t(y) * W + x] = h;
            colour[size_t(y) * W + x] = col;
        }
}

// A round tree with its shadow.
void Tree(Canvas& c, float x, float y, float r, Argb leaf) {
    c.FillEllipse(x + r * 0.5f, y + r * 0.6f, r * 1.05f, r * 0.7f, Rgb(20, 40, 20, 90));
    Orb(c, x, y, r, leaf, Shade(leaf, 0.45f), 1.5f);
    c.FillCircle(x - r * 0.35f, y - r * 0.35f, r * 0.3f, Mix(leaf, Rgb(255, 255, 210), 0.3f));
}

void Pine(Canvas& c, float x, float y, float s) {
    c.FillEllipse(x + 3 * s, y + 8 * s, 7 * s, 3 * s, Rgb(20, 30, 30, 90));
    OutlinedPolygon(c, {{x, y - 14 * s}, {x + 8 * s, y + 6 * s}, {x - 8 * s, y + 6 * s}}, Rgb(44, 96, 62),
                    Rgb(20, 50, 34), 1.2f);
    c.FillPolygon({{x, y - 14 * s}, {x - 8 * s, y + 6 * s}, {x - 1 * s, y + 6 * s}}, Rgb(64, 126, 78));
}

// The grass plain: a flower meadow, an old tree and a cottage.
void Meadow(Canvas& c) {
    c.Shape(100, 290, 330, 440, [](float x, float y) { return SdEllipse(x, y, 213, 362, 112, 68); },
            [](float x, float y) { return Mix(Rgb(150, 206, 96), Rgb(120, 186, 80), Fbm(x, y, 30, 2, 640)); });
    Rng rng(641);
    const Argb petals[4] = {Rgb(255, 90, 110), Rgb(255, 236, 90), Rgb(255, 255, 255), Rgb(200, 120, 255)};
    for (int i = 0; i < 260; ++i) {
        float a = rng.Uniform(0, 2 * kPi), r = std::sqrt(rng.Uniform(0, 1));
        float x = 213 + 106 * r * std::cos(a), y = 362 + 62 * r * std::sin(a);
        c.FillCircle(x, y, rng.Uniform(1.2f, 2.2f), petals[rng.Int(0, 3)]);
    }
    // The old tree at the left, the cottage at the right.
    Tree(c, 126, 300, 30, Rgb(70, 150, 60));
    Tree(c, 150, 282, 18, Rgb(96, 170, 70));
    float hx = 300, hy = 300;
    c.FillEllipse(hx + 8, hy + 22, 34, 10, Rgb(20, 40, 20, 90));
    OutlinedPolygon(c, {{hx - 26, hy - 2}, {hx + 26, hy - 2}, {hx + 26, hy + 24}, {hx - 26, hy + 24}},
                    Rgb(236, 220, 190), pal::Ink, 2);
    GradientPolygon(c, {{hx - 32, hy}, {hx, hy - 26}, {hx + 32, hy}}, Rgb(226, 90, 60), Rgb(160, 50, 40), pal::Ink, 2);
    c.FillRect(hx - 5, hy + 10, hx + 5, hy + 24, Rgb(110, 70, 40));
    c.FillRect(hx + 12, hy + 6, hx + 20, hy + 14, Rgb(120, 190, 240));
    c.FillRect(hx - 20, hy + 6, hx - 12, hy + 14, Rgb(120, 190, 240));
}

// The rope bridge over the gorge where the road crosses it.
void Bridge(Canvas& c) {
    float rx = RiverX(366);
    float x0 = rx - 60, x1 = rx + 60;
    for (float x = x0; x < x1; x += 8) c.FillRect(x, 356, x + 6, 376, Rgb(150, 100, 56));
    c.Line(x0, 355, x1, 355, 2.5f, Rgb(90, 60, 30));
    c.Line(x0, 377, x1, 377, 2.5f, Rgb(90, 60, 30));
    for (float x : {x0, x1})
        for (float y : {353.0f, 379.0f}) c.FillCircle(x, y, 4, Rgb(100, 66, 36));
}

// The cave: a dark mouth in the mountain with crystals glowing at its lip.
void CaveMouth(Canvas& c, bool night) {
    float x = 1067, y = 318;
    const Argb gems[2] = {Rgb(120, 230, 255), Rgb(200, 130, 255)};
    auto crystals = [&] {
        for (int k = 0; k < 6; ++k) {
            float gx = x - 44 + 17.6f * k, gy = y + 28 - 6 * std::sin(kPi * k / 5);
            if (night) c.Glow(gx, gy - 6, 22, WithAlpha(gems[k % 2], 150));
            OutlinedPolygon(c, {{gx, gy - 16}, {gx + 5, gy}, {gx - 5, gy}}, gems[k % 2], pal::Ink, 1.5f);
        }
    };
    if (night) {  // over the graded map: only the light of the crystals
        crystals();
        return;
    }
    c.FillEllipse(x, y + 6, 70, 48, Rgb(86, 78, 86));
    c.FillEllipse(x, y, 62, 42, Rgb(120, 110, 118));
    std::vector<Vec2> mouth;
    for (int i = 0; i <= 20; ++i) {
        float a = kPi + kPi * i / 20;
        mouth.push_back({x + 40 * std::cos(a), y + 16 + 40 * std::sin(a)});
    }
    mouth.push_back({x + 40, y + 30});
    mouth.push_back({x - 40, y + 30});
    OutlinedPolygon(c, mouth, Rgb(24, 18, 34), Rgb(60, 52, 60), 3);
    c.Shape(x - 36, y - 22, x + 36, y + 28, [&](float px, float py) { return SdEllipse(px, py, x, y + 14, 30, 22); },
            [&](float, float py) { return Mix(Rgb(40, 30, 70), Rgb(10, 6, 20), (py - y + 8) / 40); });
    crystals();
}

void Compass(Canvas& c, float x, float y) {
    c.FillCircle(x, y, 44, Rgb(250, 236, 200, 170));
    c.StrokeCircle(x, y, 44, 3, pal::GoldDark);
    c.StrokeCircle(x, y, 36, 1.5f, pal::GoldDark);
    OutlinedPolygon(c, StarPoints(x, y, 40, 9, 4, -90), Rgb(240, 220, 170), pal::Ink, 1.5f);
    OutlinedPolygon(c, {{x, y - 40}, {x + 9, y - 9}, {x, y}, {x - 9, y - 9}}, pal::Red, pal::Ink, 1.5f);
    c.Text("N", x, y - 54, Label(16, HAlign::Center));
}

// The day map, shared by both paintings (the night one grades a copy).
const Canvas& DayMap() {
    static const Canvas map = [] {
        Canvas c(W, H, 0);
        std::vector<float> h;
        std::vector<Argb> col;
        Ground(h, col);
        auto at = [&](int x, int y) {
            return h[size_t(std::clamp(y, 0, H - 1)) * W + size_t(std::clamp(x, 0, W - 1))];
        };
        c.Map(0, 0, W, H, [&](int x, int y, Argb) {
            float dx = at(x + 1, y) - at(x - 1, y), dy = at(x, y + 1) - at(x, y - 1);
            float nx = -dx * 40, ny = -dy * 40;
            float len = std::sqrt(nx * nx + ny * ny + 1);
            float light = std::clamp((nx * -0.5f + ny * -0.6f + 0.62f) / len, 0.0f, 1.2f);
            Argb p = Shade(col[size_t(y) * W + x], 0.5f + 0.62f * light);
            // The river: deep blue with a paler middle.
            float d = std::fabs(x + 0.5f - RiverX(y + 0.5f));
            float width = 12 + 3 * std::sin(y / 30.0f);
            if (d < width + 3) p = Mix(p, Rgb(200, 180, 130), 0.7f);
            if (d < width) p = Mix(Rgb(50, 120, 196), Rgb(110, 180, 236), std::clamp(1 - d / width, 0.0f, 1.0f) * 0.7f);
            return p | 0xFF000000u;
        });
        // The road.
        const auto& road = Road();
        creature::Stroke(c, road, 15, Rgb(130, 96, 56), false);
        creature::Stroke(c, road, 10, Rgb(222, 196, 140), false);
        for (size_t i = 0; i < road.size(); i += 3) c.FillCircle(road[i].x, road[i].y, 1.5f, Rgb(190, 160, 110));
        // Trees on the grass, pines in the mountains, away from the road and places.
        Rng rng(620);
        for (int i = 0; i < 900; ++i) {
            float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
            float r = rng.Uniform(7, 14);
            Lands l = LandsAt(x, y);
            if (DistToRoad(x, y) < 18 + r) continue;
            if (std::hypot((x - 213) / 130, (y - 350) / 90) < 1) continue;
            if (std::hypot((x - 1067) / 110, (y - 330) / 90) < 1) continue;
            if (std::fabs(x - RiverX(y)) < 24 + r) continue;
            float crowd = Fbm(x, y, 120, 3, 630);
            if (l.canyon < 0.1f && l.mountain < 0.1f) {
                if (crowd > 0.5f || (x < 60 && y < 150)) Tree(c, x, y, r, Mix(Rgb(50, 120, 50), Rgb(100, 170, 70), rng.Uniform(0, 1)));
            } else if (l.mountain > 0.9f && crowd > 0.45f) {
                Pine(c, x, y, r / 10);
            } else if (l.canyon > 0.9f && rng.Uniform(0, 1) < 0.08f) {
                c.FillCircle(x, y, 3, Rgb(120, 140, 70));  // scrub
            }
        }
        Meadow(c);
        Bridge(c);
        CaveMouth(c, false);
        Compass(c, 86, 96);
        // A frame round the map.
        c.StrokeRect(3, 3, W - 3, H - 3, 6, Rgb(60, 40, 24));
        c.StrokeRect(8, 8, W - 8, H - 8, 2, pal::GoldDark);
        return c;
    }();
    return map;
}

Argb NightGrade(Argb c) {
    float l = R(c) * 0.3f + G(c) * 0.59f + B(c) * 0.11f;
    float r = (R(c) * 0.4f + l * 0.6f) * 0.38f, g = (G(c) * 0.4f + l * 0.6f) * 0.46f;
    float b = (B(c) * 0.4f + l * 0.6f) * 0.62f + 30;
    return Rgb(int(r), int(g), int(b), A(c));
}

}  // namespace

void PaintWorldMap(Canvas& c, bool night) {
    c.Blit(DayMap(), {0, 0, W, H}, 0, 0);
    if (!night) return;
    c.Map(0, 0, W, H, [](int, int, Argb p) { return NightGrade(p); });
    // Moonlight on the river, lit windows, fireflies and the cave's glow.
    for (int y = 0; y < H; y += 9) {
        float x = RiverX(float(y)) + 4 * std::sin(y * 0.7f);
        c.Line(x - 4, float(y), x + 4, float(y), 1.5f, Rgb(200, 220, 255, 150));
    }
    for (float wx : {284.0f, 316.0f}) {
        c.Glow(wx, 310, 18, Rgb(255, 200, 90, 200));
        c.FillRect(wx - 4, 306, wx + 4, 314, Rgb(255, 220, 120));
    }
    Rng rng(650);
    for (int i = 0; i < 70; ++i) {
        float a = rng.Uniform(0, 2 * kPi), r = std::sqrt(rng.Uniform(0, 1));
        float x = 213 + 180 * r * std::cos(a), y = 380 + 120 * r * std::sin(a);
        c.Glow(x, y, 6, Rgb(220, 255, 140, 200));
        c.FillCircle(x, y, 1.2f, Rgb(250, 255, 200));
    }
    CaveMouth(c, true);
}

// ------------------------------------------------------------ small pieces

void PaintArrow(Canvas& c) {
    // Pointing down, its tip at the bottom middle (the scene's centre point).
    std::vector<Vec2> arrow = {{20, 6}, {44, 6}, {44, 70}, {58, 70}, {32, 124}, {6, 70}, {20, 70}};
    GradientPolygon(c, arrow, Rgb(255, 236, 150), Rgb(236, 120, 40), pal::Ink, 4);
    c.Line(27, 12, 27, 72, 3, Rgb(255, 250, 220));
    c.Line(14, 78, 30, 108, 2.5f, Rgb(255, 240, 190));
}

// The ring badges (time and difficulty icons) keep to rows 16-92 of their
// 128 x 128 cells. The chosen badge stands 60 px below its place, where the
// place's name plate ends 6 px below the place (row 10) and the left/right
// hint begins 100 px below it (row 104); the others stand 60 px above and
// beside the place, and end clear of the plate's top, 24 px above it (row 100).
constexpr float kBadgeBottom = 92;

// A ribbon with a name across the foot of a badge.
void BadgeRibbon(Canvas& c, float cx, float y0, float halfWidth, Argb colour, const char* name) {
    c.FillRoundRect(cx - halfWidth - 2, y0 - 2, cx + halfWidth + 2, kBadgeBottom, 8, pal::Ink);
    c.FillRoundRect(cx - halfWidth, y0, cx + halfWidth, kBadgeBottom - 2, 7, colour);
    c.TextFit(name, cx - halfWidth + 4, y0, cx + halfWidth - 4, kBadgeBottom - 2, Label(18, HAlign::Center));
}

void PaintTimeIcons(Canvas& c) {
    // Day: the sun on a sky disc.
    float x = 64, y = 52, r = 33;
    c.FillCircle(x, y, r + 3, pal::Ink);
    c.RadialGradient(x, y, r, Rgb(130, 200, 255), Rgb(60, 130, 230));
    for (int k = 0; k < 12; ++k) {
        float a = Rad(30.0f * k);
        c.Line(x + 17 * std::cos(a), y + 17 * std::sin(a), x + 27 * std::cos(a), y + 27 * std::sin(a), 4,
               Rgb(255, 220, 80));
    }
    Orb(c, x, y, 14, Rgb(255, 200, 60), pal::Ink, 2);
    // Night: the moon among stars.
    x = 192;
    c.FillCircle(x, y, r + 3, pal::Ink);
    c.RadialGradient(x, y, r, Rgb(70, 70, 150), Rgb(24, 22, 70));
    for (Vec2 s : {Vec2{x - 20, y - 18}, Vec2{x + 19, y - 20}, Vec2{x + 22, y + 6}, Vec2{x - 23, y + 6}})
        c.FillPolygon(StarPoints(s.x, s.y, 5, 1.8f, 4, 0), Rgb(255, 250, 220));
    Orb(c, x, y - 2, 16, Rgb(250, 240, 200), pal::Ink, 2);
    c.FillCircle(x + 8, y - 8, 14, Rgb(44, 42, 110));
    BadgeRibbon(c, 64, 74, 36, Rgb(240, 150, 50), "DAY");
    BadgeRibbon(c, 192, 74, 36, Rgb(90, 80, 190), "NIGHT");
}

void PaintDifficultyIcons(Canvas& c) {
    const Argb colours[3] = {Rgb(90, 190, 110), Rgb(240, 180, 60), Rgb(230, 70, 60)};
    const char* names[3] = {"EASY", "NORMAL", "HARD"};
    for (int k = 0; k < 3; ++k) {
        float x = 64 + 128.0f * k, y = 46;
        std::vector<Vec2> shield = {{x - 32, y - 30}, {x + 32, y - 30}, {x + 32, y + 6}, {x, y + 36}, {x - 32, y + 6}};
        GradientPolygon(c, shield, Mix(colours[k], Rgb(255, 255, 255), 0.3f), Shade(colours[k], 0.6f), pal::Ink, 3);
        c.StrokePolygon(shield, 1.5f, Rgb(255, 250, 220, 180));
        c.Text(std::to_string(k + 1), x, y - 8, Lettering(36));
        for (int s = 0; s <= k; ++s) {
            float sx = x + (s - k / 2.0f) * 14;
            OutlinedPolygon(c, StarPoints(sx, y + 16, 6, 2.6f, 5), pal::Gold, pal::Ink, 1.2f);
        }
        BadgeRibbon(c, x, 76, 44, Shade(colours[k], 0.8f), names[k]);
    }
}

void PaintBalloons(Canvas& c) {
    // The name plate keeps to rows 8-38 of its cell, which is centred on the
    // place: from 24 px above the place to 6 px below it, between the
    // arrow's tip above and the ring badges below.
    const char* names[3] = {"GRASS PLAIN", "CANYON", "CAVE"};
    const Argb tints[3] = {Rgb(90, 170, 80), Rgb(220, 120, 60), Rgb(120, 100, 200)};
    for (int k = 0; k < 3; ++k) {
        float y = 64.0f * k;
        Panel(c, 14, y + 8, 242, y + 38, 14, Rgb(46, 48, 84, 240), Rgb(24, 22, 46, 244));
        c.FillCircle(34, y + 23, 9, pal::Ink);
        c.FillCircle(34, y + 23, 7, tints[k]);
        c.TextFit(names[k], 50, y + 10, 230, y + 36, Lettering(21));
    }
}

void PaintCloud(Canvas& c) {
    // A bank of cloud, drawn in a 64 px grid of these cells. Its body is
    // solid 58 px to each side of the centre and 38 px up and down, so
    // neighbouring cells, and the two covers whose columns stand 107 px apart
    // where they meet, close without a gap; puffs round off its top and
    // bottom, where a lifting cover shows its edge, and light the tops of
    // its lobes. Its slate blue sits quietly on the day map and the night map.
    const float puffs[6][3] = {{40, 26, 18}, {86, 24, 20}, {64, 18, 12}, {38, 102, 18}, {88, 104, 20}, {64, 112, 12}};
    const float lobes[6][3] = {{64, 64, 40}, {40, 56, 26}, {88, 58, 28}, {60, 40, 26}, {72, 86, 26}, {46, 82, 22}};
    const Argb shadow = Rgb(108, 116, 150), light = Rgb(176, 184, 210);
    c.Map(0, 0, 128, 128, [&](int x, int y, Argb) {
        float px = x + 0.5f, py = y + 0.5f;
        float a = std::clamp(-SdBox(px, py, 0, 20, 128, 108, 16) / 6, 0.0f, 1.0f);
        for (const auto& p : puffs)
            a = std::max(a, std::clamp((p[2] - std::hypot(px - p[0], py - p[1])) / 6, 0.0f, 1.0f));
        a *= std::clamp(std::min({px, 128 - px, py, 128 - py}) / 4, 0.0f, 1.0f);
        float lit = 0;
        for (const auto& l : lobes) {
            float v = std::clamp(1.25f - std::hypot(px - l[0], py - l[1]) / (l[2] + 22) * 1.25f, 0.0f, 1.0f);
            lit = std::max(lit, v * std::clamp(1.2f - (py - l[1] + l[2] * 0.4f) / (l[2] * 2.2f), 0.0f, 1.0f));
        }
        return WithAlpha(Mix(shadow, light, std::clamp(lit, 0.0f, 1.0f)), int(255 * a + 0.5f));
    });
}

}  // namespace assetgen::fieldmap
