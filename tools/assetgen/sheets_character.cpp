// The player's sheets, the satellites, the shots and the enemy HP gauge strips
// (all green key: nothing here is drawn in green). Sprites the game rotates by
// their heading point up in the sheet.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

constexpr Argb kSteel = Rgb(200, 210, 228);
constexpr Argb kSteelDark = Rgb(104, 116, 150);
constexpr Argb kCape = Rgb(206, 40, 64);
constexpr Argb kCapeDark = Rgb(130, 20, 50);

// ------------------------------------------------------------ player

// The knight seen from above, flying up the screen: a red cape streaming
// behind, steel shoulders and helmet with a plume, a shield on the left arm
// and a lance held upright. Frame f of 10 sets the cape's wave and the plume.
void DrawKnight(Canvas& c, float ox, int f) {
    float ph = 2 * kPi * f / 10.0f;
    float cx = ox + 32, cy = 30;
    // Cape: from the shoulders down to a waving hem.
    std::vector<Vec2> cape;
    cape.push_back({cx - 11, cy + 2});
    for (int i = 0; i <= 12; ++i) {
        float u = float(i) / 12;
        float x = cx - 19 + 38 * u;
        float hem = cy + 27 + 4.0f * std::sin(ph + u * 5.0f) + 2.0f * std::sin(2 * ph + u * 9.0f);
        cape.push_back({x + 1.5f * std::sin(ph + u * 3), hem});
    }
    cape.push_back({cx + 11, cy + 2});
    GradientPolygon(c, cape, kCape, kCapeDark, pal::Ink, 2);
    // Folds of the cape.
    for (int k = -1; k <= 1; ++k) {
        float sway = 2.0f * std::sin(ph + k);
        c.Line(cx + 7.0f * k, cy + 8, cx + 8.0f * k + sway, cy + 24, 1.5f, Rgb(110, 14, 40));
    }
    // Lance held upright in the right hand.
    c.Line(cx + 15, cy + 10, cx + 15, cy - 27, 4.5f, pal::Ink);
    c.Line(cx + 15, cy + 10, cx + 15, cy - 24, 2.5f, Rgb(180, 130, 70));
    OutlinedPolygon(c, {{cx + 15, cy - 30}, {cx + 18.5f, cy - 20}, {cx + 11.5f, cy - 20}}, kSteel, pal::Ink, 1.5f);
    // Shoulders and body.
    OutlinedEllipse(c, cx, cy + 2, 13, 9, kSteelDark, pal::Ink, 2);
    Orb(c, cx - 12, cy + 1, 6.5f, kSteel, pal::Ink, 1.8f);
    Orb(c, cx + 12, cy + 1, 6.5f, kSteel, pal::Ink, 1.8f);
    // Shield on the left arm.
    std::vector<Vec2> shield = {{cx - 24, cy - 6}, {cx - 13, cy - 6}, {cx - 13, cy + 4}, {cx - 18.5f, cy + 11},
                                {cx - 24, cy + 4}};
    GradientPolygon(c, shield, Rgb(90, 140, 240), Rgb(40, 60, 170), pal::Ink, 1.8f);
    c.FillPolygon(StarPoints(cx - 18.5f, cy + 0.5f, 3.6f, 1.5f, 4, 0), pal::Gold);
    // Helmet with its plume swaying from side to side.
    Orb(c, cx, cy - 4, 8.5f, kSteel, pal::Ink, 2);
    float sway = 1.8f * std::sin(ph);
    c.TaperedLine(cx, cy - 11, cx + sway, cy + 10, 6.5f, 3.5f, pal::Ink);
    c.TaperedLine(cx, cy - 10, cx + sway, cy + 9, 4.5f, 2.0f, Rgb(230, 50, 70));
    c.TaperedLine(cx, cy - 9, cx + sway * 0.8f, cy + 4, 1.6f, 0.8f, Rgb(255, 190, 190));
}

void PaintPlayer(Canvas& c, const TextureSpec&) {
    for (int f = 0; f < 10; ++f) {
        c.SetClip({64 * f, 0, 64 * f + 64, 64});
        DrawKnight(c, 64.0f * f, f);
    }
}

// The sword: blade up, hilt down; drawn swept round the knight pointing outward.
void PaintSword(Canvas& c, const TextureSpec&) {
    float cx = 32;
    // A pale blue glow band around the blade.
    OutlinedPolygon(c, {{cx, 1}, {cx + 11, 18}, {cx + 11, 92}, {cx - 11, 92}, {cx - 11, 18}}, Rgb(170, 230, 255),
                    Rgb(170, 230, 255), 0);
    std::vector<Vec2> blade = {{cx, 5}, {cx + 7, 18}, {cx + 7, 92}, {cx - 7, 92}, {cx - 7, 18}};
    GradientPolygon(c, blade, Rgb(250, 252, 255), Rgb(150, 164, 196), pal::Ink, 2);
    c.Line(cx, 12, cx, 88, 2, Rgb(120, 134, 170));  // fuller
    c.Line(cx - 4, 20, cx - 4, 86, 1.2f, Rgb(255, 255, 255));
    // Crossguard, grip and pommel.
    OutlinedPolygon(c, {{cx - 22, 92}, {cx + 22, 92}, {cx + 18, 100}, {cx - 18, 100}}, pal::Gold, pal::Ink, 2);
    Orb(c, cx, 96, 4, pal::Red, pal::Ink, 1.5f);
    c.FillRect(cx - 4, 100, cx + 4, 118, pal::Ink);
    c.FillRect(cx - 2.5f, 100, cx + 2.5f, 118, Rgb(120, 70, 40));
    for (float y = 103; y < 118; y += 4) c.Line(cx - 3, y, cx + 3, y + 2, 1, Rgb(80, 40, 24));
    Orb(c, cx, 122, 5, pal::Gold, pal::Ink, 1.5f);
}

// The lance shot: a steel head with a trail of light, pointing up.
void PaintLance(Canvas& c, const TextureSpec&) {
    float cx = 32;
    c.TaperedLine(cx, 30, cx, 124, 10, 2, Rgb(150, 230, 255));
    c.TaperedLine(cx, 30, cx, 118, 5, 1, Rgb(240, 252, 255));
    c.Line(cx, 28, cx, 96, 3, Rgb(255, 220, 130));
    std::vector<Vec2> head = {{cx, 2}, {cx + 7, 22}, {cx + 4, 32}, {cx - 4, 32}, {cx - 7, 22}};
    GradientPolygon(c, head, Rgb(255, 255, 255), Rgb(150, 170, 210), pal::Ink, 1.8f);
    c.Line(cx, 6, cx, 28, 1.2f, Rgb(255, 255, 255));
    OutlinedPolygon(c, {{cx - 8, 32}, {cx + 8, 32}, {cx + 5, 36}, {cx - 5, 36}}, pal::Gold, pal::Ink, 1.5f);
}

// ------------------------------------------------------------ bullets

// Round bullet (spins): an orb with a four-armed pattern so the spin shows.
void RoundBullet(Canvas& c, float cx, float cy, Argb rim, Argb core) {
    c.FillCircle(cx, cy, 14.5f, Shade(rim, 0.55f));
    c.FillCircle(cx, cy, 12.5f, rim);
    for (int k = 0; k < 4; ++k) {
        float a = Rad(90.0f * k + 20);
        c.FillEllipse(cx + 7 * std::cos(a), cy + 7 * std::sin(a), 5.5f, 3, Mix(rim, core, 0.6f), 90.0f * k + 20 + 60);
    }
    c.FillCircle(cx, cy, 6.5f, core);
    c.FillCircle(cx - 2, cy - 2, 2.5f, Rgb(255, 255, 255));
}

// Large bullet (drawn turned to its heading): a flame-shaped shot pointing up.
void LargeBullet(Canvas& c, float cx, Argb rim, Argb core) {
    std::vector<Vec2> outer = {{cx, 1},      {cx + 8, 12},  {cx + 11, 21}, {cx + 6, 29},
                               {cx, 31},     {cx - 6, 29},  {cx - 11, 21}, {cx - 8, 12}};
    OutlinedPolygon(c, outer, rim, Shade(rim, 0.5f), 2);
    std::vector<Vec2> inner = {{cx, 8}, {cx + 5, 16}, {cx + 6, 22}, {cx, 27}, {cx - 6, 22}, {cx - 5, 16}};
    c.FillPolygon(inner, core);
    c.FillEllipse(cx - 1.5f, 19, 2, 4, Rgb(255, 255, 255));
}

// Colour 1 shots are fiery red-orange, colour 2 shots violet.
constexpr Argb kShot1 = Rgb(255, 90, 50), kShot1Core = Rgb(255, 236, 160);
constexpr Argb kShot2 = Rgb(176, 90, 255), kShot2Core = Rgb(250, 220, 255);

void PaintBullets(Canvas& c, const TextureSpec&) {
    RoundBullet(c, 16, 16, kShot1, kShot1Core);
    RoundBullet(c, 48, 16, kShot2, kShot2Core);
    LargeBullet(c, 80, kShot1, kShot1Core);
    LargeBullet(c, 112, kShot2, kShot2Core);
}

// ------------------------------------------------------------ satellites

// A floating crystal spirit: a faceted gem inside a ring of light.
void Spirit(Canvas& c, float cx, float cy, Argb glow, Argb gem) {
    c.StrokeCircle(cx, cy, 26, 3, glow);
    for (int k = 0; k < 4; ++k) {
        float a = Rad(90.0f * k + 45);
        c.FillPolygon(StarPoints(cx + 26 * std::cos(a), cy + 26 * std::sin(a), 5, 1.5f, 4, 0), Rgb(255, 255, 255));
    }
    Orb(c, cx, cy, 17, Mix(glow, Rgb(255, 255, 255), 0.2f), pal::Ink, 0);
    std::vector<Vec2> g = {{cx, cy - 16}, {cx + 10, cy}, {cx, cy + 16}, {cx - 10, cy}};
    GradientPolygon(c, g, Mix(gem, Rgb(255, 255, 255), 0.55f), Shade(gem, 0.7f), pal::Ink, 2);
    c.Line(cx, cy - 14, cx, cy + 14, 1.2f, Rgb(255, 255, 255, 200));
    c.Line(cx - 8, cy, cx + 8, cy, 1.2f, Rgb(255, 255, 255, 200));
}

void PaintElementChild(Canvas& c, const TextureSpec&) {
    Spirit(c, 32, 32, Rgb(130, 220, 255), Rgb(90, 170, 255));   // 101, also the knight's option
    Spirit(c, 32, 96, Rgb(255, 130, 200), Rgb(230, 60, 140));   // 102
}

// ------------------------------------------------------------ enemy HP gauge

void PaintGaugeStrips(Canvas& c, const TextureSpec&) {
    // Fill (rows 0-32), cut from the left to the HP's width.
    c.Shape(0, 7, 512, 25, [](float px, float py) { return SdBox(px, py, 0, 7, 512, 25); },
            [](float px, float py) {
                Argb base = Mix(Rgb(255, 70, 60), Rgb(255, 170, 60), px / 512);
                return Mix(Mix(base, Rgb(255, 255, 255), 0.35f), Shade(base, 0.7f), (py - 7) / 18);
            });
    c.FillRect(0, 9, 512, 12, Rgb(255, 230, 210));
    // Cover (rows 96-128): the bright rim and tick marks over the fill.
    c.StrokeRoundRect(2, 100, 510, 124, 8, 4, Rgb(255, 226, 140));
    for (int k = 1; k < 10; ++k) c.FillRect(4 + 50.4f * k, 104, 6 + 50.4f * k, 120, Rgb(60, 40, 70));
    c.FillRect(12, 103, 500, 105, Rgb(255, 255, 255));
    // Frame (rows 128-160): the dark trough behind the fill.
    c.FillRoundRect(0, 128, 512, 160, 10, pal::Ink);
    c.GradientV(4, 132, 508, 156, Rgb(70, 60, 90), Rgb(40, 34, 60));
}

}  // namespace

void RegisterCharacterSheets(std::vector<TextureSpec>& out) {
    TextureSpec child = MakeSheet("Texture/Character/element_child.png", 64, 128, kKeyGreen, PaintElementChild);
    child.cells = {{"satellite101", 0, 0, 64, 64}, {"satellite102", 0, 64, 64, 128}};  // 101 is also the option
    out.push_back(child);

    TextureSpec gauge = MakeSheet("Texture/Character/StatusSet2.png", 512, 160, kKeyGreen, PaintGaugeStrips);
    gauge.cells = {{"fill", 0, 0, 512, 32}, {"cover", 0, 96, 512, 128}, {"frame", 0, 128, 512, 160}};
    out.push_back(gauge);

    TextureSpec lance = MakeSheet("Texture/Character/lance.png", 64, 128, kKeyGreen, PaintLance);
    lance.cells = {{"lance", 0, 0, 64, 128}};
    out.push_back(lance);

    TextureSpec bullet = MakeSheet("Texture/Character/bullet.png", 128, 32, kKeyGreen, PaintBullets);
    bullet.cells = {{"round_colour1", 0, 0, 32, 32},    // sprite types 4 and 5
                    {"round_colour2", 32, 0, 64, 32},   // types 7 and 8
                    {"large_colour1", 64, 0, 96, 32},   // type 6
                    {"large_colour2", 96, 0, 128, 32}}; // type 9
    out.push_back(bullet);

    TextureSpec player = MakeSheet("Texture/Character/player.png", 640, 64, kKeyGreen, PaintPlayer);
    AddCellRow(player, "frame", 0, 0, 64, 64, 10);
    out.push_back(player);

    TextureSpec sword = MakeSheet("Texture/Character/sword.png", 64, 128, kKeyGreen, PaintSword);
    sword.cells = {{"sword", 0, 0, 64, 128}};
    out.push_back(sword);
}

}  // namespace assetgen
