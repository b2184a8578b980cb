#include "core/popups.h"

#include <cmath>
#include <cstdlib>

#include "core/common_textures.h"
#include "core/high_score.h"
#include "core/random.h"
#include "platform/graphics.h"

PopupHold DamagePopupThrottle;
PopupHold EmotionNumberHold1;
PopupHold EmotionNumberHold4;

namespace {

constexpr int32_t kFreshAlpha = 240;
constexpr int32_t kEmotionCell = 32;   // cells of the emotion/damage digit sheet
constexpr int32_t kBonusCell = 64;     // cells of the score popup sheet
constexpr int32_t kSignCell = 10;      // the sign in front of an emotion number
constexpr int32_t kPointCell = 11;     // the decimal point

uint32_t AlphaWhite(int32_t alpha) { return (static_cast<uint32_t>(alpha) << 24) | 0xFFFFFFu; }

// Digit i (0 = ones) of a number.
int32_t DigitOf(int32_t value, int32_t i) {
    for (int32_t k = 0; k < i; ++k) value /= 10;
    return value % 10;
}

// Decimal digits of a number (1 for 0..9).
int32_t DigitCount(int32_t value) {
    int32_t n = 1;
    while (value >= 10) {
        value /= 10;
        ++n;
    }
    return n;
}

Rect Cell(int32_t column, int32_t row, int32_t size) {
    return Rect{column * size, row * size, (column + 1) * size, (row + 1) * size};
}

// Draws one cell with the sprite transform scaling(s) then translation(tx, ty),
// and puts the transform back to identity.
void DrawScaledCell(Texture* texture, const Rect& cell, const Vec3* centre, float s, float tx, float ty,
                    uint32_t colour) {
    SpriteBatch->SetTransform(MatrixMultiply(MatrixScaling(s, s, 1.0f), MatrixTranslation(tx, ty, 0.0f)));
    SpriteBatch->Draw(texture, &cell, centre, nullptr, colour);
    SpriteBatch->SetTransform(MatrixIdentity());
}

// Holds count down to 0 and then clear.
void CountDown(PopupHold& hold) {
    if (hold.set == 0) return;
    if (hold.counter > 0) {
        --hold.counter;
    } else {
        hold.set = 0;
        hold.counter = 0;
    }
}

void FreeDamagePopup(DamagePopup& p) {
    p.active = 0;
    p.x = p.y = p.z = 0.0f;
    p.value = 0;
    p.age = 0;
    p.alpha = kFreshAlpha;
}

void FreeEmotionNumber(EmotionNumber& e) {
    e.active = 0;
    e.x = e.y = e.z = 0.0f;
    e.kind = -1;
    e.shownValue = 0.0f;
    e.targetValue = 0.0f;
    e.age = 0;
    e.alpha = kFreshAlpha;
}

// Life, fading and count-up of a score popup by kind (index 1..4).
struct ScorePopupTiming {
    int32_t life;
    int32_t fadeAfter;
    int32_t fadeStep;
    int32_t countFrames;   // 0: no count-up, the value itself is drawn
    float scale;
    float pitch;
};
constexpr ScorePopupTiming kScoreTiming[5] = {
    {0, 0, 0, 0, 0.0f, 0.0f},
    {30, 20, 24, 0, 0.25f, 16.0f},
    {60, 40, 12, 20, 0.37f, 24.0f},
    {60, 40, 12, 20, 0.5f, 32.0f},
    {90, 60, 8, 30, 1.0f, 64.0f},
};

bool IsScoreKind(int32_t kind) { return kind >= 1 && kind <= 4; }

}  // namespace

// ---- damage numbers --------------------------------------------------------

void SpawnDamagePopup(int32_t kind, int32_t colour, float x, float y, float z, int32_t value) {
    // Only the two kinds have a life; any other would never be freed.
    if (kind != 1 && kind != 2) return;
    for (DamagePopup& p : DamageNumberPool) {
        if (p.active != 0) continue;
        const int32_t r1 = GameRandom();
        const int32_t r2 = GameRandom();
        if (kind == 1) {
            p.vx = static_cast<float>(r1 % 60 - 30) / 10.0f;
            p.vy = static_cast<float>(r2 % 30 + 60) / -10.0f;
        } else {
            p.vx = static_cast<float>(r1 % 120 - 60) / 10.0f;
            p.vy = static_cast<float>(r2 % 60) / -10.0f;
        }
        p.vz = 0.0f;
        DamagePopupThrottle.set = 1;
        DamagePopupThrottle.counter = 2;
        p.kind = kind;
        p.colour = colour;
        p.x = x;
        p.y = y;
        p.z = z;
        p.value = value;
        p.age = 0;
        p.alpha = kFreshAlpha;
        p.active = 1;
        return;
    }
}

void UpdateDamagePopups() {
    for (DamagePopup& p : DamageNumberPool) {
        if (p.active == 0) continue;
        const bool large = p.kind == 1;
        if (p.age >= (large ? 90 : 30)) {
            FreeDamagePopup(p);
            continue;
        }
        ++p.age;
        if (p.age > (large ? 80 : 20)) p.alpha -= 24;
        p.vy += large ? 0.2f : 0.4f;
        p.x += p.vx;
        p.y += p.vy;
    }
    CountDown(DamagePopupThrottle);
}

void DrawDamagePopups() {
    for (const DamagePopup& p : DamageNumberPool) {
        if (p.active == 0 || p.value < 0) continue;
        const int32_t row = p.colour == 2 ? 2 : 1;
        const int32_t n = DigitCount(p.value);
        const bool large = p.kind == 1;
        const float scale = large ? 2.0f : 1.0f;
        const float half = large ? 24.0f : 12.0f;
        const Vec3 centre{16.0f, 16.0f, 0.0f};
        for (int32_t i = 0; i < n; ++i) {
            const Rect cell = Cell(DigitOf(p.value, i), row, kEmotionCell);
            const float cx = p.x + half * static_cast<float>(n) - 2.0f * half * static_cast<float>(i);
            DrawScaledCell(EmotionNumberTexture, cell, &centre, scale, cx, p.y, AlphaWhite(p.alpha));
        }
    }
}

void ClearDamagePopups() {
    for (DamagePopup& p : DamageNumberPool)
        if (p.active != 0) FreeDamagePopup(p);
}

// ---- emotion numbers -------------------------------------------------------

void SpawnEmotionNumber(int32_t kind, float value, float x, float y, float z) {
    for (EmotionNumber& e : EmotionNumberPool) {
        if (e.active != 0) continue;
        e.kind = kind;
        e.x = x;
        e.y = y;
        e.z = z;
        e.targetValue = value;
        e.shownValue = 0.0f;
        e.age = 0;
        e.alpha = kFreshAlpha;
        e.active = 1;
        PopupHold* hold = kind == 1 ? &EmotionNumberHold1 : kind == 4 ? &EmotionNumberHold4 : nullptr;
        if (hold != nullptr) {
            hold->set = 1;
            hold->counter = 10;
        }
        return;
    }
}

void UpdateEmotionNumbers() {
    for (EmotionNumber& e : EmotionNumberPool) {
        if (e.active == 0) continue;
        if (e.age >= 60) {
            FreeEmotionNumber(e);
            continue;
        }
        ++e.age;
        if (e.age >= 30) e.shownValue = e.targetValue;
        else e.shownValue += e.targetValue / 30.0f;
        if (e.age > 50) e.alpha -= 24;
        // Money flies to the bottom right, experience to the bottom left.
        const float cornerX = e.kind == 1 ? 1280.0f : 0.0f;
        const float cornerY = 720.0f;
        const float heading = std::atan2(cornerY - e.y, cornerX - e.x);
        const float speed = static_cast<float>(e.age) / 9.0f + 1.0f;
        e.x += std::cos(heading) * speed;
        e.y += std::sin(heading) * speed;
    }
    CountDown(EmotionNumberHold1);
    CountDown(EmotionNumberHold4);
}

void DrawEmotionNumbers() {
    const Vec3 centre{16.0f, 16.0f, 0.0f};
    for (const EmotionNumber& e : EmotionNumberPool) {
        if (e.active == 0) continue;
        const int32_t row = e.kind == 1 ? 0 : 3;
        const uint32_t colour = AlphaWhite(e.alpha);
        const int32_t thousandths = static_cast<int32_t>(e.shownValue * 1000.0f);
        if (thousandths < 0) continue;
        // Read left to right: sign, units, point, tenths, hundredths, thousandths.
        for (int32_t i = 0; i < 5; ++i) {
            const int32_t cellIndex = i < 3 ? DigitOf(thousandths, i) : i == 3 ? kPointCell : DigitOf(thousandths, 3);
            const Rect cell = Cell(cellIndex, row, kEmotionCell);
            const Vec3 at{e.x + 60.0f - 24.0f * static_cast<float>(i), e.y, 0.0f};
            SpriteBatch->Draw(EmotionNumberTexture, &cell, &centre, &at, colour);
        }
        const Rect sign = Cell(kSignCell, row, kEmotionCell);
        const Vec3 at{e.x - 60.0f, e.y, 0.0f};
        SpriteBatch->Draw(EmotionNumberTexture, &sign, &centre, &at, colour);
    }
}

void ClearEmotionNumbers() {
    for (EmotionNumber& e : EmotionNumberPool)
        if (e.active != 0) FreeEmotionNumber(e);
}

// ---- score popups ----------------------------------------------------------

void ScorePopup::Reset() {
    active = 0;
    x = y = z = 0.0f;
    kind = -1;
    value = 0;
    age = 0;
    alpha = kFreshAlpha;
    shownValue = 0.0f;
}

void SpawnScorePopup(int32_t kind, int32_t value, float x, float y, float z) {
    for (ScorePopup& s : ScorePopupPool) {
        if (s.active != 0) continue;
        s.kind = kind;
        s.x = x;
        s.y = y;
        s.z = z;
        s.value = value;
        s.age = 0;
        s.alpha = kFreshAlpha;
        s.shownValue = 0.0f;
        s.active = 1;
        return;
    }
}

void UpdateScorePopups() {
    for (ScorePopup& s : ScorePopupPool) {
        if (s.active == 0 || !IsScoreKind(s.kind)) continue;
        const ScorePopupTiming& t = kScoreTiming[s.kind];
        if (s.age >= t.life) {
            s.Reset();
            continue;
        }
        ++s.age;
        if (s.age > t.fadeAfter) s.alpha -= t.fadeStep;
        if (t.countFrames > 0) {
            if (s.age < t.countFrames) s.shownValue += static_cast<float>(s.value) / static_cast<float>(t.countFrames);
            else s.shownValue = static_cast<float>(s.value);
        }
        s.y -= 0.5f;
    }
}

void DrawScorePopups() {
    for (const ScorePopup& s : ScorePopupPool) {
        if (s.active == 0 || !IsScoreKind(s.kind)) continue;
        if (s.value < 0 || s.value >= 1000000) continue;
        const ScorePopupTiming& t = kScoreTiming[s.kind];
        const int32_t n = DigitCount(s.value);
        const int32_t shown = s.kind == 1 ? s.value : static_cast<int32_t>(s.shownValue);
        if (shown < 0) continue;
        // Centred on x with the top of the glyphs at y; a counting number keeps
        // its width and shows leading zeros.
        for (int32_t i = 0; i < n; ++i) {
            const Rect cell = Cell(DigitOf(shown, i), 0, kBonusCell);
            const float tx = s.x - t.pitch / 2.0f - static_cast<float>(i) * t.pitch +
                             static_cast<float>(n - 1) * t.pitch / 2.0f;
            DrawScaledCell(BonusTextTexture, cell, nullptr, t.scale, tx, s.y, AlphaWhite(s.alpha));
        }
    }
}

void ClearScorePopups() {
    for (ScorePopup& s : ScorePopupPool)
        if (s.active != 0) s.Reset();
}
