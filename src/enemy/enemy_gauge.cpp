#include "enemy/enemy_gauge.h"

#include "platform/graphics.h"

Texture* StatusGaugeTexture = nullptr;

namespace {

constexpr int32_t kStripWidth = 512;
constexpr int32_t kFillEnd = 500;  // the boss bar's fill counter runs up to here
constexpr uint32_t kGaugeColour = 0xFFFFFFFFu;

// 500 pixels at full HP plus 6; -1 when the record has no max HP to scale by.
int32_t HpFillWidth(const EnemyGaugeRecord& r) {
    if (r.maxHp <= 0) return -1;
    return static_cast<int32_t>(500.0f / static_cast<float>(r.maxHp) * static_cast<float>(r.hp) + 6.0f);
}

}  // namespace

void CloseEnemyGauge(EnemyGaugeRecord& r) {
    r.active = 0;
    r.kind = 0;
    r.fillCounter = 0;
}

void DrawEnemyGauge(EnemyGaugeRecord& r) {
    if (r.hp < 1 || r.kind < 1 || r.kind > 3) return;

    Matrix m;
    Vec3 centre;
    int32_t width;
    if (r.kind == 3) {
        m = MatrixMultiply(MatrixScaling(1.0f, 1.0f, 0.0f), MatrixTranslation(640.0f, 96.0f, 0.0f));
        centre = Vec3{256.0f, 16.0f, 0.0f};
        if (r.fillCounter < kFillEnd) {
            width = static_cast<int32_t>(static_cast<float>(r.fillCounter) + 6.0f);
            r.fillCounter += 4;
        } else {
            width = HpFillWidth(r);
        }
    } else {
        const float s = r.kind == 1 ? 0.25f : 0.375f;
        m = MatrixMultiply(MatrixScaling(s, s, 0.0f), MatrixTranslation(r.x, r.y, 0.0f));
        centre = Vec3{256.0f, 280.0f, 0.0f};
        width = HpFillWidth(r);
    }
    if (width > kStripWidth) width = kStripWidth;

    SpriteBatch->SetTransform(m);
    const Rect frame{0, 128, kStripWidth, 160};
    const Rect cover{0, 96, kStripWidth, 128};
    SpriteBatch->Draw(StatusGaugeTexture, &frame, &centre, nullptr, kGaugeColour);
    if (width > 0) {
        const Rect fill{0, 0, width, 32};
        SpriteBatch->Draw(StatusGaugeTexture, &fill, &centre, nullptr, kGaugeColour);
    }
    SpriteBatch->Draw(StatusGaugeTexture, &cover, &centre, nullptr, kGaugeColour);
    SpriteBatch->SetTransform(MatrixIdentity());
}

void DrawEnemyGauges() {
    for (EnemyGaugeRecord& r : EnemyStatusTable)
        if (r.active != 0) DrawEnemyGauge(r);
    for (int i = 0; i < kEnemyChildGaugeCount; ++i)
        if (EnemyChildStatusTable[i].active != 0) DrawEnemyGauge(EnemyChildStatusTable[i]);
}

void ClearEnemyGauges() {
    for (EnemyGaugeRecord& r : EnemyStatusTable)
        if (r.active != 0) CloseEnemyGauge(r);
    for (int i = 0; i < kEnemyChildGaugeCount; ++i)
        if (EnemyChildStatusTable[i].active != 0) CloseEnemyGauge(EnemyChildStatusTable[i]);
}
