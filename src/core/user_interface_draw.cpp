// The HUD pass: every element, the level-up panel and the skill ring.
#include <algorithm>
#include <cmath>

#include "core/common_textures.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/object_base.h"
#include "core/score.h"
#include "core/user_interface.h"
#include "platform/graphics.h"

namespace {

constexpr int32_t kGlyphPitch = 24;  // neighbouring digits overlap by 8 pixels
constexpr int32_t kCell = 32;        // digit sheets: 32 x 32 cells
constexpr int32_t kSignCell10 = 10;
constexpr int32_t kSignCell11 = 11;
constexpr int32_t kSlideFrames = 60;
constexpr uint32_t kRingColor = 0x1EFFFFFFu;
constexpr float kRingRadius = 100.0f;

uint32_t White(int32_t alpha) { return static_cast<uint32_t>(alpha) << 24 | 0xFFFFFFu; }

Rect MakeRect(int32_t left, int32_t top, int32_t right, int32_t bottom) { return Rect{left, top, right, bottom}; }

// A region with its top-left corner at (x, y).
void DrawAt(const Texture* texture, const Rect& region, float x, float y, uint32_t color) {
    const Vec3 pos{x, y, 0.0f};
    SpriteBatch->Draw(texture, &region, nullptr, &pos, color);
}

// A whole sheet with its top-left corner at (x, y).
void DrawWhole(const Texture* texture, float x, float y, uint32_t color) {
    const Vec3 pos{x, y, 0.0f};
    SpriteBatch->Draw(texture, nullptr, nullptr, &pos, color);
}

// A region with its own point (cx, cy) at (x, y).
void DrawCentred(const Texture* texture, const Rect& region, float cx, float cy, float x, float y, uint32_t color) {
    const Vec3 centre{cx, cy, 0.0f};
    const Vec3 pos{x, y, 0.0f};
    SpriteBatch->Draw(texture, &region, &centre, &pos, color);
}

// As DrawCentred, scaled by s about its centre point.
void DrawScaledCentred(const Texture* texture, const Rect& region, float cx, float cy, float x, float y, float s,
                       uint32_t color) {
    SpriteBatch->SetTransform(MatrixMultiply(MatrixScaling(s, s, 1.0f), MatrixTranslation(x, y, 0.0f)));
    const Vec3 centre{cx, cy, 0.0f};
    SpriteBatch->Draw(texture, &region, &centre, nullptr, color);
    SpriteBatch->SetTransform(MatrixIdentity());
}

// Cell `cell` of a digit sheet row starting at sheet row `top`.
Rect CellRect(int32_t cell, int32_t top) { return MakeRect(kCell * cell, top, kCell * cell + kCell, top + kCell); }

// `glyphs` digits of `value`, ones at x, each further digit 24 pixels to the
// left, zero-padded; only the lowest digits show. Negative numbers read 0.
void DrawDigitRow(const Texture* sheet, int32_t top, int32_t value, int32_t glyphs, float x, float y,
                  uint32_t color) {
    int32_t v = std::max(value, 0);
    for (int32_t i = 0; i < glyphs; ++i) {
        DrawAt(sheet, CellRect(v % 10, top), x - static_cast<float>(kGlyphPitch * i), y, color);
        v /= 10;
    }
}

// trunc(base + span * value / maximum) with the value held to 0..maximum, so
// the edge never leaves its strip; `base` when there is no maximum.
int32_t StripEdge(float base, float span, int32_t value, int32_t maximum) {
    if (maximum <= 0) return static_cast<int32_t>(base);
    const int32_t v = std::clamp(value, 0, maximum);
    return static_cast<int32_t>(base + span * static_cast<float>(v) / static_cast<float>(maximum));
}

// The money and experience multiplier of a gauge: 1.0 below 500, then one
// band per 100 points; 1000 (and anything above) keeps the top band.
float GaugeMultiplier(float gauge) {
    static constexpr float kBands[5] = {1.1f, 1.25f, 1.45f, 1.7f, 2.0f};
    if (!(gauge >= 500.0f)) return 1.0f;
    const int32_t band = std::min(static_cast<int32_t>((gauge - 500.0f) / 100.0f), 4);
    return kBands[band];
}

// The size of a face by its gauge; each band includes its upper bound.
float FaceScale(float gauge) {
    if (gauge <= 600.0f) return 0.5f;
    if (gauge <= 700.0f) return 0.625f;
    if (gauge <= 800.0f) return 0.75f;
    if (gauge <= 900.0f) return 0.875f;
    return 1.0f;
}

float Gauge(int32_t category) { return EmotionGauges[category - 1]; }

// The category an opposed pair shows: `lead` once its gauge is 500 or more,
// else `other` when its gauge is above 500; 0 when neither holds.
int32_t ShownCategory(int32_t lead, int32_t other) {
    if (Gauge(lead) >= 500.0f) return lead;
    if (Gauge(other) > 500.0f) return other;
    return 0;
}

struct EmotionPair {
    int32_t lead;
    int32_t other;
    float dx;
    float dy;
};
constexpr EmotionPair kEmotionPairs[3] = {{1, 2, 0.0f, 0.0f}, {4, 3, 160.0f, 0.0f}, {6, 5, 80.0f, 144.0f}};

// The best score of the field being played; 0 outside the five fields.
int32_t CurrentFieldBest() {
    if (CurrentField < 1 || CurrentField > kFieldCount) return 0;
    return HighScoreTable[CurrentField - 1];
}

// The elements that slide in at the start of a field, in draw order. During
// slide-in frame t an element stands at (ax t + bx, ay t + by).
struct SlideElement {
    int32_t id;
    float settledX, settledY;
    float ax, bx, ay, by;
};
constexpr SlideElement kSlideElements[] = {
    {kHudExpGauge, 16.0f, 720.0f, 2.0f, -104.0f, 0.0f, 720.0f},
    {kHudHpGauge, 160.0f, 32.0f, 5.0f, -140.0f, 0.0f, 32.0f},
    {kHudSpGauge, 160.0f, 80.0f, 5.0f, -140.0f, 0.0f, 80.0f},
    {kHudSwordGauge, 160.0f, 128.0f, 5.0f, -140.0f, 0.0f, 128.0f},
    {kHudLeftPanel, 0.0f, 0.0f, 5.0f, -300.0f, 0.0f, 0.0f},
    {kHudSkill1, 60.0f, 545.0f, 2.0f, -60.0f, 0.0f, 545.0f},
    {kHudSkill2, 60.0f, 605.0f, 2.0f, -60.0f, 0.0f, 605.0f},
    {kHudSkill3, 60.0f, 665.0f, 2.0f, -60.0f, 0.0f, 665.0f},
    {kHudSelectFrame, 60.0f, 545.0f, 2.0f, -60.0f, 0.0f, 545.0f},  // y follows the selected skill
    {kHudFieldMoney, 220.0f, 208.0f, 5.0f, -80.0f, 0.0f, 208.0f},
    {kHudScoreLine, 470.0f, 32.0f, 0.0f, 470.0f, 1.5f, -58.0f},
    {kHudLevel, 24.0f, 80.0f, 1.0f, -36.0f, 0.0f, 80.0f},
    {kHudPickupTally, 1040.0f, 48.0f, 0.0f, 1040.0f, 5.0666f, -256.0f},
    {kHudMultipliers, 1104.0f, 80.0f, -4.0f, 1344.0f, 0.0f, 80.0f},
    {kHudEmotionFaces, 1056.0f, 512.0f, 0.0f, 1056.0f, 0.0f, 512.0f},
    {kHudEmotionCaptions, 1056.0f, 448.0f, 0.0f, 1056.0f, 0.0f, 448.0f},
};

// Level-up panel: the label's StatusIconTexture cell per row.
constexpr int32_t kLevelUpLabelCells[5] = {1, 3, 4, 5, 6};
constexpr int32_t kLevelUpFrames = 300;
constexpr int32_t kLevelUpRowFrames = 240;
constexpr int32_t kLevelUpRowDelay = 15;
constexpr int32_t kLevelUpSlideFrames = 30;
constexpr float kLevelUpSlideStep = 5.5f;

}  // namespace

void UserInterface::Draw() {
    DrawSkillRing();
    DrawElement(kHudFrame, 0.0f, 0.0f, 0.0f);
    DrawLevelUp();

    const int32_t t = slideCounter;
    const bool sliding = t < kSlideFrames;
    if (sliding) {
        slideAlpha += 4;
    } else {
        slideAlpha = 255;
    }
    const float ft = static_cast<float>(t);
    for (const SlideElement& e : kSlideElements) {
        float x = sliding ? e.ax * ft + e.bx : e.settledX;
        float y = sliding ? e.ay * ft + e.by : e.settledY;
        if (e.id == kHudSelectFrame) y += 60.0f * static_cast<float>(selectedSkill - 1);
        DrawElement(e.id, x, y, 0.0f);
    }
    if (sliding) ++slideCounter;
}

void UserInterface::DrawElement(int32_t id, float x, float y, float z) {
    (void)z;  // the HUD lies flat on the screen
    const uint32_t color = White(slideAlpha);
    const Texture* bar = statusBarTexture;
    if (id >= kHudLevelUpMaxHp && id <= kHudLevelUpDefense2) {
        DrawLevelUpValue(id, x, y, color);
        return;
    }
    if (id >= kHudLevelUpLabel0 && id <= kHudLevelUpLabel4) {
        const int32_t cell = kLevelUpLabelCells[id - kHudLevelUpLabel0];
        DrawAt(StatusIconTexture, MakeRect(64 * cell, 0, 64 * cell + 64, 64), x, y, color);
        return;
    }
    switch (id) {
    case kHudFrame:
        DrawWhole(uiTexture, x, y, 0xFFFFFFFFu);
        break;
    case kHudHpGauge:
        DrawGauge(32, StripEdge(288.0f, 128.0f, status.hp, status.maxHp), x, y, color);
        break;
    case kHudSpGauge:
        DrawGauge(64, StripEdge(288.0f, 128.0f, status.sp, status.maxSp), x, y, color);
        break;
    case kHudSwordGauge:
        // Full while the sword is ready, refilling as a swing runs out.
        DrawGauge(96, swordTimer == 0 ? 416 : StripEdge(416.0f, -128.0f, swordTimer, swordTimerMax), x, y, color);
        break;
    case kHudLeftPanel:
        DrawAt(bar, MakeRect(0, 0, 288, 720), x, y, color);
        break;
    case kHudExpGauge: {
        // A vertical bar standing on y and filling upwards.
        DrawAt(bar, MakeRect(288, 128, 320, 592), x, y - 464.0f, color);
        const int32_t top = StripEdge(592.0f, -464.0f, exp, nextLevelExp);
        DrawAt(bar, MakeRect(320, top, 352, 592), x, y - static_cast<float>(592 - top), color);
        break;
    }
    case kHudSkill1:
    case kHudSkill2:
    case kHudSkill3:
        DrawSkill(id - kHudSkill1 + 1, x, y, color);
        break;
    case kHudSelectFrame: {
        const int32_t alpha = static_cast<int32_t>(static_cast<float>(slideAlpha) * 0.784f);
        DrawWhole(selectFrameTexture, x, y, White(alpha));
        break;
    }
    case kHudFieldMoney:
        DrawDigitRow(MoneyTexture, 0, fieldMoney, 6, x, y, color);
        break;
    case kHudLevel:
        DrawDigitRow(NumberTexture, 0, status.level, 2, x, y, color);
        break;
    case kHudScoreLine:
        DrawWhole(scoreTextTexture, 288.0f, y - 32.0f, color);  // the caption keeps its x
        DrawDigitRow(NumberTexture, 0, BaseScore, 7, x, y, color);
        DrawDigitRow(NumberTexture, 0, CurrentFieldBest(), 7, x + 448.0f, y, color);
        break;
    case kHudPickupTally:
        DrawPickupTally(x, y, color);
        break;
    case kHudEmotionFaces:
        DrawEmotionFaces(x, y, color);
        break;
    case kHudEmotionCaptions:
        DrawEmotionCaptions(x, y, color);
        break;
    case kHudMultipliers:
        DrawMultipliers(x, y, color);
        break;
    default:
        break;
    }
}

// The gauge frame, then its fill up to `fillRight` from sheet rows fillTop..fillTop+32.
void UserInterface::DrawGauge(int32_t fillTop, int32_t fillRight, float x, float y, uint32_t color) {
    DrawAt(statusBarTexture, MakeRect(288, 0, 416, 32), x, y, color);
    DrawAt(statusBarTexture, MakeRect(288, fillTop, fillRight, fillTop + 32), x, y, color);
}

// Skill icon with its cooldown: grey while it runs, lighting up from the
// bottom as it runs out, and the whole seconds left counted up.
void UserInterface::DrawSkill(int32_t skill, float x, float y, uint32_t color) {
    const int32_t c = skillCooldown[skill - 1];
    const int32_t m = skillCooldownMax[skill - 1];
    const int32_t iconTop = 50 * (skill - 1);
    const int32_t iconBottom = 50 * skill;
    if (c <= 0) {
        DrawAt(skillIconTexture, MakeRect(0, iconTop, 50, iconBottom), x, y, color);
        DrawDigitRow(NumberTexture, 0, 0, 2, x + 80.0f, y + 9.0f, color);
        return;
    }
    const uint32_t grey = static_cast<uint32_t>(slideAlpha) << 24 | 0x646464u;
    DrawAt(skillIconTexture, MakeRect(0, iconTop, 50, iconBottom), x, y, grey);
    // One lit row per 1/50 of the cooldown; with no usable length nothing lights.
    const int32_t step = m / 50;
    const int32_t k = step > 0 ? std::min(c / step, 50) : 50;
    DrawAt(skillIconTexture, MakeRect(0, iconTop + k, 50, iconBottom), x, y + static_cast<float>(k), color);
    DrawDigitRow(NumberTexture, 0, (c + 60) / 60, 2, x + 80.0f, y + 9.0f, color);
}

// Four rows of picked-up items: big orbs, orbs, big coins, coins. The count's
// first glyph stands at x + 48 and the number grows to the right.
void UserInterface::DrawPickupTally(float x, float y, uint32_t color) {
    struct TallyRow {
        Rect icon;
        float scale;
        const int32_t* count;
    };
    const TallyRow rows[4] = {
        {MakeRect(192, 128, 256, 192), 1.25f, &BigExpItemCount},
        {MakeRect(192, 128, 256, 192), 0.75f, &ExpItemCount},
        {MakeRect(0, 0, 64, 64), 0.75f, &BigCoinCount},
        {MakeRect(0, 64, 64, 128), 0.75f, &CoinCount},
    };
    for (int32_t r = 0; r < 4; ++r) {
        const float ry = y + 64.0f * static_cast<float>(r);
        DrawScaledCentred(ItemChipTexture, rows[r].icon, 32.0f, 32.0f, x, ry, rows[r].scale, color);
        int32_t v = std::max(*rows[r].count, 0);
        int32_t n = 2;  // two glyphs below 100, then one more per digit
        for (int64_t limit = 100; v >= limit; limit *= 10) ++n;
        for (int32_t i = 0; i < n; ++i) {
            const float gx = x + 72.0f + static_cast<float>(kGlyphPitch * (n - 2 - i));
            DrawCentred(NumberTexture, CellRect(v % 10, 0), 16.0f, 16.0f, gx, ry, color);
            v /= 10;
        }
    }
}

// One face per opposed pair, the leading category's, sized by its gauge.
void UserInterface::DrawEmotionFaces(float x, float y, uint32_t color) {
    for (const EmotionPair& pair : kEmotionPairs) {
        const int32_t c = ShownCategory(pair.lead, pair.other);
        if (c == 0) continue;
        DrawScaledCentred(emotionSetTexture, MakeRect(96 * (c - 1), 0, 96 * c, 96), 48.0f, 48.0f, x + pair.dx,
                          y + pair.dy, FaceScale(Gauge(c)), color);
    }
}

void UserInterface::DrawEmotionCaptions(float x, float y, uint32_t color) {
    for (const EmotionPair& pair : kEmotionPairs) {
        const int32_t c = ShownCategory(pair.lead, pair.other);
        if (c == 0) continue;
        DrawCentred(emotionDescriptionTexture, MakeRect(0, 32 * (c - 1), 128, 32 * c), 64.0f, 16.0f, x + pair.dx,
                    y + pair.dy, color);
    }
}

// Beside the tally: the experience multiplier twice, then the money
// multiplier twice, each as "x1.250" (cell 10, digit, cell 11, three digits).
void UserInterface::DrawMultipliers(float x, float y, uint32_t color) {
    for (int32_t r = 0; r < 4; ++r) {
        const bool experience = r < 2;
        const int32_t top = experience ? 96 : 0;
        const float multiplier = GaugeMultiplier(experience ? Gauge(4) : Gauge(1));
        const int32_t w = static_cast<int32_t>(multiplier * 1000.0f);
        const int32_t cells[6] = {w % 10, w / 10 % 10, w / 100 % 10, kSignCell11, w / 1000 % 10, kSignCell10};
        const float ry = y + 64.0f * static_cast<float>(r);
        for (int32_t i = 0; i < 6; ++i) {
            DrawCentred(EmotionNumberTexture, CellRect(cells[i], top), 16.0f, 16.0f,
                        x + 144.0f - static_cast<float>(kGlyphPitch * i), ry, color);
        }
    }
}

// A gain of the level-up panel: "+" and the number (two digits for max HP).
void UserInterface::DrawLevelUpValue(int32_t id, float x, float y, uint32_t color) {
    int32_t gain = 0;
    switch (id) {
    case kHudLevelUpMaxHp: gain = status.maxHp - levelUpBase.maxHp; break;
    case kHudLevelUpMaxHp + 1: gain = status.attack - levelUpBase.attack; break;
    case kHudLevelUpMaxHp + 2: gain = status.defense - levelUpBase.defense; break;
    case kHudLevelUpMaxHp + 3: gain = status.attack2 - levelUpBase.attack2; break;
    default: gain = status.defense2 - levelUpBase.defense2; break;
    }
    const int32_t glyphs = id == kHudLevelUpMaxHp ? 2 : 1;
    DrawDigitRow(NumberTexture, 0, gain, glyphs, x, y, color);
    DrawAt(NumberTexture, CellRect(kSignCell11, 0), x - static_cast<float>(kGlyphPitch * glyphs), y, color);
}

void UserInterface::DrawLevelUp() {
    const int32_t t = levelUpTimer;
    if (t < 0 || t >= kLevelUpFrames) {
        levelUpTimer = -1;
        return;
    }
    // Rows slide in from the left 15 frames apart, stand, and slide back out.
    for (int32_t r = 0; r < 5; ++r) {
        const int32_t start = kLevelUpRowDelay * r;
        if (t < start || t >= start + kLevelUpRowFrames) continue;
        const int32_t u = t - start;
        const float valueSettled = r == 0 ? 165.0f : 141.0f;
        float offset = 0.0f;  // how far the row stands left of its settled place
        if (u < kLevelUpSlideFrames) {
            offset = 165.0f - kLevelUpSlideStep * static_cast<float>(u);
        } else if (u >= kLevelUpRowFrames - kLevelUpSlideFrames) {
            offset = kLevelUpSlideStep * static_cast<float>(u - (kLevelUpRowFrames - kLevelUpSlideFrames));
        }
        const float rowY = 64.0f * static_cast<float>(r);
        DrawElement(kHudLevelUpLabel0 + r, 53.0f - offset, 228.0f + rowY, 0.0f);
        DrawElement(kHudLevelUpMaxHp + r, valueSettled - offset, 244.0f + rowY, 0.0f);
    }
    ++levelUpTimer;
}

void UserInterface::DrawSkillRing() {
    const auto dot = [this](int32_t cell, int32_t count) {
        const Rect region = MakeRect(16 * cell, 0, 16 * cell + 16, 16);
        for (int32_t j = 0; j > -count; --j) {
            const float a = static_cast<float>(j - 90) * kDegToRad;
            DrawCentred(ringTexture, region, 8.0f, 8.0f, position.x + kRingRadius * std::cos(a),
                        position.y + kRingRadius * std::sin(a), kRingColor);
        }
    };
    dot(3, 360);
    // The selected skill's arc grows counter-clockwise from the top to the
    // full circle as its cooldown runs out.
    const int32_t s = selectedSkill;
    if (s < 1 || s > 3) return;
    const int32_t c = skillCooldown[s - 1];
    const int32_t n = c == 0 ? 360 : 360 - StripEdge(0.0f, 360.0f, c, skillCooldownMax[s - 1]);
    dot(s - 1, n);
}
