// The five field backgrounds: 1280 x 720 seen from above, vertically seamless
// (they scroll down and repeat every 720 pixels). Noise repeats with the sheet
// height and every scattered detail is drawn wrapped, so row 719 meets row 0.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

constexpr int W = 1280, H = 720;

// Tileable fractal noise: repeats every 720 pixels vertically.
float Tile(float x, float y, float cell, int oct, uint32_t seed) {
    return Fbm(x, y, cell, oct, seed, 0, int(H / cell));
}

float PathX(float y, float phase) {
    float t = 2 * kPi * y / H;
    return 640 + 120 * std::sin(t + phase) + 45 * std::sin(2 * t + 1.3f + phase);
}

// Night grading: darker, bluer, a little desaturated.
Argb Night(Argb c) {
    float l = (R(c) * 0.3f + G(c) * 0.59f + B(c) * 0.11f);
    float r = (R(c) * 0.45f + l * 0.55f) * 0.42f;
    float g = (G(c) * 0.45f + l * 0.55f) * 0.5f;
    float b = (B(c) * 0.45f + l * 0.55f) * 0.62f + 26;
    return Rgb(int(r), int(g), int(b), A(c));
}

// Height field with top-left lighting, used by the canyon and the cave.
struct Terrain {
    std::vector<float> h;
    float At(int x, int y) const {
        x = std::clamp(x, 0, W - 1);
        y = ((y % H) + H) % H;
        return h[size_t(y) * W + x];
    }
    // Lambert light from the top left on the slopes of the field.
    float Light(int x, int y, float strength) const {
        float dx = At(x + 1, y) - At(x - 1, y), dy = At(x, y + 1) - At(x, y - 1);
        float nx = -dx * strength, ny = -dy * strength, nz = 1;
        float len = std::sqrt(nx * nx + ny * ny + nz * nz);
        float l = (nx * -0.5f + ny * -0.6f + nz * 0.62f) / len;
        return std::clamp(l, 0.0f, 1.2f);
    }
};

// ------------------------------------------------------------ grass plain

void PaintGrass(Canvas& c, bool night) {
    const uint32_t seed = 101;
    // Ground: meadow greens with patches, and the winding dirt path.
    c.Map(0, 0, W, H, [&](int x, int y, Argb) {
        float n = Tile(float(x), float(y), 120, 5, seed);
        float m = Tile(float(x), float(y), 30, 2, seed + 7);
        Argb g = Mix(Rgb(74, 150, 58), Rgb(132, 190, 76), std::clamp(n * 1.6f - 0.3f, 0.0f, 1.0f));
        g = Mix(g, Rgb(58, 126, 50), std::clamp((m - 0.55f) * 3, 0.0f, 1.0f) * 0.6f);
        float px = PathX(float(y), 0);
        float edge = std::fabs(x - px) - 34 - 10 * (Tile(float(x), float(y), 40, 2, seed + 3) - 0.5f);
        if (edge < 0) {
            Argb dirt = Mix(Rgb(196, 160, 104), Rgb(166, 126, 80), Tile(float(x), float(y), 24, 3, seed + 5));
            g = edge > -5 ? Mix(dirt, Rgb(120, 110, 60), (edge + 5) / 5) : dirt;
        }
        return night ? Night(g) : g;
    });
    Rng rng(seed);
    // Grass tufts.
    for (int i = 0; i < 2600; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        if (std::fabs(x - PathX(y, 0)) < 44) continue;
        Argb col = Mix(Rgb(40, 104, 40), Rgb(150, 206, 90), rng.Uniform(0, 1));
        if (night) col = Night(col);
        Wrapped(y, 8, H, [&](float dy) {
            c.Line(x, y + dy, x - 3, y + dy - 7, 1.6f, col);
            c.Line(x, y + dy, x + 1, y + dy - 8, 1.6f, col);
            c.Line(x, y + dy, x + 4, y + dy - 6, 1.6f, col);
        });
    }
    // Flowers: warm colours by day; closed and pale by night.
    const Argb petals[] = {Rgb(255, 90, 80), Rgb(255, 220, 60), Rgb(255, 255, 255), Rgb(255, 140, 200),
                           Rgb(255, 160, 60)};
    for (int i = 0; i < 420; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        Argb p = petals[rng.Int(0, 4)];
        if (std::fabs(x - PathX(y, 0)) < 46) continue;
        Wrapped(y, 6, H, [&](float dy) {
            if (night) {
                c.FillCircle(x, y + dy, 2.2f, Night(p));
                return;
            }
            for (int k = 0; k < 5; ++k) {
                float a = Rad(72.0f * k);
                c.FillCircle(x + 3 * std::cos(a), y + dy + 3 * std::sin(a), 2.2f, p);
            }
            c.FillCircle(x, y + dy, 1.6f, Rgb(255, 230, 120));
        });
    }
    // Rocks and trees with shadows towards the bottom right (all shadows
    // first, so no shadow falls across a tree top).
    struct Prop {
        float x, y, r;
        bool tree;
        uint32_t seed;
    };
    std::vector<Prop> props;
    for (int i = 0; i < 34; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        if (std::fabs(x - PathX(y, 0)) < 110) continue;
        bool tree = rng.Uniform(0, 1) < 0.6f;
        float r = tree ? rng.Uniform(30, 52) : rng.Uniform(10, 18);
        props.push_back({x, y, r, tree, rng.Next()});
    }
    for (const Prop& p : props)
        Wrapped(p.y, p.r + 20, H, [&](float dy) {
            Argb shadow = night ? Rgb(10, 16, 30, 120) : Rgb(20, 50, 20, 90);
            c.FillEllipse(p.x + p.r * 0.35f, p.y + dy + p.r * 0.4f, p.r * 1.05f, p.r * 0.95f, shadow);
        });
    for (const Prop& p : props) {
        float x = p.x, y = p.y, r = p.r;
        bool tree = p.tree;
        uint32_t s = p.seed;
        Wrapped(y, r + 20, H, [&](float dy) {
            float cy = y + dy;
            if (tree) {
                Rng lr(s);
                for (int k = 0; k < 7; ++k) {
                    float a = lr.Uniform(0, 2 * kPi), d = lr.Uniform(0, r * 0.45f);
                    Argb leaf = Mix(Rgb(36, 100, 40), Rgb(70, 140, 56), float(k) / 7);
                    c.FillCircle(x + d * std::cos(a), cy + d * std::sin(a), r * 0.62f, night ? Night(leaf) : leaf);
                }
                for (int k = 0; k < 5; ++k) {
                    float a = lr.Uniform(0, 2 * kPi), d = lr.Uniform(0, r * 0.4f);
                    Argb hi = Rgb(120, 186, 84);
                    c.FillCircle(x - r * 0.2f + d * std::cos(a), cy - r * 0.25f + d * std::sin(a), r * 0.22f,
                                 night ? Night(hi) : hi);
                }
            } else {
                Argb rock = night ? Night(Rgb(150, 146, 140)) : Rgb(150, 146, 140);
                c.FillEllipse(x, cy, r, r * 0.8f, Shade(rock, 0.7f));
                c.FillEllipse(x - r * 0.15f, cy - r * 0.15f, r * 0.8f, r * 0.6f, rock);
            }
        });
    }
    if (night) {
        // Fireflies.
        for (int i = 0; i < 60; ++i) {
            float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
            Wrapped(y, 12, H, [&](float dy) {
                c.Glow(x, y + dy, 12, Rgb(230, 255, 120, 150));
                c.FillCircle(x, y + dy, 1.8f, Rgb(250, 255, 200));
            });
        }
    }
}

// ------------------------------------------------------------ canyon

Terrain CanyonTerrain(uint32_t seed) {
    Terrain t;
    t.h.resize(size_t(W) * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float n = Tile(float(x), float(y), 180, 5, seed);
            // The river gorge runs down the middle of the field.
            float gx = PathX(float(y), 2.0f);
            float gorge = std::clamp(std::fabs(x - gx) / 150.0f, 0.0f, 1.0f);
            float v = n * 0.8f + 0.45f * gorge * gorge;
            // Terraces: quantize with a soft step so cliffs form.
            float levels = 5;
            float q = v * levels, fl = std::floor(q), fr = q - fl;
            float step = std::clamp((fr - 0.82f) / 0.18f, 0.0f, 1.0f);
            t.h[size_t(y) * W + x] = (fl + step) / levels * 60.0f;
        }
    return t;
}

void PaintCanyon(Canvas& c, bool night) {
    const uint32_t seed = 303;
    Terrain t = CanyonTerrain(seed);
    c.Map(0, 0, W, H, [&](int x, int y, Argb) {
        float h = t.At(x, y) / 60.0f;
        float light = t.Light(x, y, 1.3f);
        float grain = Tile(float(x), float(y), 12, 2, seed + 9);
        // Rock strata by height: deep red at the bottom, sand on the tops.
        Argb low = Rgb(150, 70, 40), mid = Rgb(206, 112, 60), top = Rgb(234, 178, 110);
        Argb rock = h < 0.5f ? Mix(low, mid, h * 2) : Mix(mid, top, (h - 0.5f) * 2);
        rock = Shade(rock, 0.55f + 0.55f * light + (grain - 0.5f) * 0.12f);
        float gx = PathX(float(y), 2.0f);
        if (std::fabs(x - gx) < 26 + 6 * Tile(float(x), float(y), 30, 2, seed + 4)) {
            // A thin river at the bottom of the gorge.
            float w = Tile(float(x) * 0.5f, float(y), 36, 2, seed + 12);
            rock = Mix(Rgb(60, 140, 170), Rgb(150, 220, 230), std::clamp((w - 0.5f) * 3, 0.0f, 1.0f) * 0.6f);
        }
        return night ? Night(rock) : rock;
    });
    Rng rng(seed);
    // Boulders and dry shrubs.
    for (int i = 0; i < 140; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        if (std::fabs(x - PathX(y, 2.0f)) < 40) continue;
        float r = rng.Uniform(4, 11);
        bool shrub = rng.Uniform(0, 1) < 0.4f;
        Wrapped(y, r + 6, H, [&](float dy) {
            float cy = y + dy;
            c.FillEllipse(x + r * 0.4f, cy + r * 0.4f, r, r * 0.8f, Rgb(60, 20, 10, 90));
            Argb col = shrub ? Rgb(120, 130, 60) : Rgb(180, 120, 80);
            if (night) col = Night(col);
            if (shrub) {
                for (int k = 0; k < 6; ++k) {
                    float a = Rad(60.0f * k + 10);
                    c.Line(x, cy, x + r * std::cos(a), cy + r * std::sin(a), 1.5f, col);
                }
            } else {
                c.FillEllipse(x, cy, r, r * 0.8f, Shade(col, 0.75f));
                c.FillEllipse(x - r * 0.2f, cy - r * 0.2f, r * 0.7f, r * 0.55f, col);
            }
        });
    }
    if (night) {
        // Glowing embers of camp fires and a cool moonlit shimmer on the river.
        for (int i = 0; i < 5; ++i) {
            float x = rng.Uniform(60, W - 60), y = rng.Uniform(0, H);
            if (std::fabs(x - PathX(y, 2.0f)) < 80) continue;
            Wrapped(y, 40, H, [&](float dy) {
                c.Glow(x, y + dy, 40, Rgb(255, 160, 60, 140));
                c.FillCircle(x, y + dy, 4, Rgb(255, 220, 120));
            });
        }
    }
}

// ------------------------------------------------------------ cave

void PaintCave(Canvas& c) {
    const uint32_t seed = 505;
    Terrain t;
    t.h.resize(size_t(W) * H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            float n = Tile(float(x), float(y), 90, 5, seed);
            float ridge = 1 - std::fabs(Tile(float(x), float(y), 240, 3, seed + 1) * 2 - 1);
            t.h[size_t(y) * W + x] = (n * 0.7f + ridge * 0.5f) * 50.0f;
        }
    c.Map(0, 0, W, H, [&](int x, int y, Argb) {
        float h = t.At(x, y) / 50.0f;
        float light = t.Light(x, y, 1.6f);
        Argb rock = Mix(Rgb(36, 30, 56), Rgb(96, 84, 120), std::clamp(h * 1.1f - 0.1f, 0.0f, 1.0f));
        rock = Shade(rock, 0.5f + 0.6f * light);
        // Pools of dark water in the hollows.
        if (h < 0.34f) rock = Mix(Rgb(20, 40, 70), Rgb(40, 80, 120), Tile(float(x), float(y), 20, 2, seed + 3) * 0.6f);
        return rock;
    });
    Rng rng(seed);
    // Crystal clusters that glow violet and cyan.
    for (int i = 0; i < 44; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        if (t.At(int(x), int(y)) / 50.0f < 0.4f) continue;
        Argb col = rng.Uniform(0, 1) < 0.5f ? Rgb(170, 120, 255) : Rgb(90, 220, 255);
        float s = rng.Uniform(12, 30);
        uint32_t cs = rng.Next();
        Wrapped(y, s * 3, H, [&](float dy) {
            float cy = y + dy;
            c.Glow(x, cy, s * 3, WithAlpha(col, 120));
            Rng cr(cs);
            for (int k = 0; k < 5; ++k) {
                float a = cr.Uniform(-150, -30), len = s * cr.Uniform(0.8f, 1.8f);
                float ax = x + cr.Uniform(-s * 0.4f, s * 0.4f);
                float tx = ax + len * std::cos(Rad(a)), ty = cy + len * std::sin(Rad(a));
                float nx = -std::sin(Rad(a)) * s * 0.28f, ny = std::cos(Rad(a)) * s * 0.28f;
                std::vector<Vec2> shard = {{ax + nx, cy + ny}, {tx, ty}, {ax - nx, cy - ny}};
                GradientPolygon(c, shard, Mix(col, Rgb(255, 255, 255), 0.6f), Shade(col, 0.7f), Rgb(30, 20, 50), 1.5f);
            }
        });
    }
    // Small glowing mushrooms and sparkles of ore.
    for (int i = 0; i < 160; ++i) {
        float x = rng.Uniform(0, W), y = rng.Uniform(0, H);
        Wrapped(y, 6, H, [&](float dy) {
            c.FillCircle(x, y + dy, 1.3f, Rgb(180, 240, 255, 200));
        });
    }
}

}  // namespace

void RegisterFieldSheets(std::vector<TextureSpec>& out) {
    out.push_back(MakeSheet("Texture/Field/grass_field_day.png", W, H, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { PaintGrass(c, false); }));
    out.push_back(MakeSheet("Texture/Field/grass_field_night.png", W, H, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { PaintGrass(c, true); }));
    out.push_back(MakeSheet("Texture/Field/canyon_day.png", W, H, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { PaintCanyon(c, false); }));
    out.push_back(MakeSheet("Texture/Field/canyon_night.png", W, H, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { PaintCanyon(c, true); }));
    out.push_back(MakeSheet("Texture/Field/cave.png", W, H, kKeyNone, [](Canvas& c, const TextureSpec&) { PaintCave(c); }));
}

}  // namespace assetgen
