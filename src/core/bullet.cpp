#include "core/bullet.h"

#include <cmath>
#include <functional>

#include "core/common_textures.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/game_codes.h"
#include "core/popups.h"
#include "core/score.h"
#include "platform/graphics.h"

Texture* PlayerShotTexture = nullptr;
Texture* EnemyBulletTexture = nullptr;
float BulletSpeedScale = 1.0f;
Vec3 BulletTargetPos;
int32_t BulletRoute = 0;

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr int32_t kCoinsPerBigCoin = 20;   // after 20 small coins the next cancel gives a big one

// The playfield's bullet bounds.
bool OutsideX(float x) { return x <= 190.0f || x >= 1090.0f; }
bool OutsideY(float y) { return y <= -50.0f || y >= 770.0f; }

bool IsSpinningType(int32_t t) { return t == 4 || t == 5 || t == 7 || t == 8; }
bool IsMiddleType(int32_t t) { return t == 5 || t == 8; }

// Column of the type's cell in the 128 x 32 bullet sheet.
int32_t SheetColumn(int32_t t) {
    if (t == 4 || t == 5) return 0;
    if (t == 7 || t == 8) return 1;
    return t == 6 ? 2 : 3;
}

float SpriteScale(int32_t t) {
    if (t == 4 || t == 7) return 0.75f;
    if (IsMiddleType(t)) return 1.5f;
    return 1.0f;
}

// Every enemy-bullet slot below this one is taken, so the search for the
// first free slot starts here: a ring of a hundred bullets into a nearly full
// pool would otherwise walk the whole pool for each bullet. Placing a bullet
// raises it past the slot; freeing a slot lowers it to the slot.
int32_t FreeEnemyBulletSearchStart = 0;

void ReportMissedShot() {
    ChangeEmotion(3, 9, 1.0f);
    ChangeEmotion(5, 9, 1.0f);
}

void DrawWithWorld(Bullet& b, const Rect& cell, const Vec3& centre, float scale, float radians) {
    b.world = MatrixMultiply(MatrixMultiply(MatrixScaling(scale, scale, 1.0f), MatrixRotationZ(radians)),
                             MatrixTranslation(b.x, b.y, b.z));
    SpriteBatch->SetTransform(b.world);
    SpriteBatch->Draw(b.texture, &cell, &centre, nullptr, kOpaqueWhite);
    SpriteBatch->SetTransform(MatrixIdentity());
}

void RunHandler(int32_t slot) {
    if (EnemyBulletPool[slot].patternFlag != 0) {
        RunPatternBulletBehaviour(slot);
        return;
    }
    switch (BulletRoute) {
        case 1: RunBulletBehaviourRoute1(slot); break;
        case 2: RunBulletBehaviourRoute2(slot); break;
        case 3: RunBulletBehaviourRoute3(slot); break;
        default: break;
    }
}

}  // namespace

int32_t EnemyBulletSpriteType(int32_t size, int32_t colour) {
    if (size < 1 || size > 3 || colour < 1 || colour > 2) return 0;
    return 3 * (colour - 1) + size + 3;
}

int32_t PlaceEnemyBullet(bool pattern, const BulletShot& shot) {
    const auto colour = static_cast<int32_t>(shot.colour);
    for (int32_t i = FreeEnemyBulletSearchStart; i < kEnemyBulletCount; ++i) {
        Bullet& b = EnemyBulletPool[i];
        if (b.active != 0) continue;
        b.x = shot.x;
        b.y = shot.y;
        b.z = 0.0f;
        b.angle = shot.angle;
        b.speed = shot.speed;
        b.spriteType = EnemyBulletSpriteType(shot.size, colour);
        b.speedScale = BulletSpeedScale;
        b.colour = colour;
        b.power = shot.power;
        b.power2 = shot.power2;
        b.texture = EnemyBulletTexture;
        b.aimed = shot.aimed ? 1 : 0;
        b.patternFlag = pattern ? 1 : 0;
        b.behaviourId = shot.behaviour;
        b.aimAngle = std::atan2(BulletTargetPos.y - shot.y, BulletTargetPos.x - shot.x);
        b.age = 0;
        b.side = kSideEnemy;
        b.active = 1;
        FreeEnemyBulletSearchStart = i + 1;
        return i;
    }
    FreeEnemyBulletSearchStart = kEnemyBulletCount;
    return -1;
}

void RestartEnemyBulletSearch() { FreeEnemyBulletSearchStart = 0; }

void SpawnBullet(int32_t side, const BulletShot& shot) {
    if (side == kSideEnemy) {
        PlaceEnemyBullet(false, shot);
        return;
    }
    if (side != kSidePlayer) return;
    for (Bullet& b : PlayerShotPool) {
        if (b.active != 0) continue;
        b.x = shot.x;
        b.y = shot.y;
        b.z = 0.0f;
        b.aimed = shot.aimed ? 1 : 0;
        b.angle = shot.angle;
        b.speed = shot.speed;
        b.spriteType = shot.size;
        b.behaviourId = 0;
        b.patternFlag = 0;
        b.texture = PlayerShotTexture;
        b.aimAngle = 0.0f;
        b.age = 0;
        b.side = kSidePlayer;
        b.active = 1;
        return;
    }
}

void SpawnPatternBullet(const BulletShot& shot) { PlaceEnemyBullet(true, shot); }

void Bullet::Deactivate() {
    const std::less<const Bullet*> before;
    if (!before(this, EnemyBulletPool) && before(this, EnemyBulletPool + kEnemyBulletCount)) {
        const auto slot = static_cast<int32_t>(this - EnemyBulletPool);
        if (slot < FreeEnemyBulletSearchStart) FreeEnemyBulletSearchStart = slot;
    }
    texture = nullptr;
    active = 0;
    side = 0;
    patternFlag = 0;
    angle = 0.0f;
    speed = 0.0f;
    spriteType = 0;
    aimed = 0;
    behaviourId = 0;
    aimAngle = 0.0f;
    age = 0;
    colour = 0;
    power = 0;
    power2 = 0;
    speedScale = 0.0f;
    spin = 0;
}

void Bullet::Update() {
    if (side == kSidePlayer) {
        // A lance that leaves the playfield missed; past a corner it reports twice.
        if (OutsideX(x)) {
            Deactivate();
            ReportMissedShot();
        }
        if (OutsideY(y)) {
            Deactivate();
            ReportMissedShot();
        }
        if (active == 0) return;
        const float h = angle * kDegToRad;
        x += std::cos(h) * speed;
        y += std::sin(h) * speed;
        z = 0.0f;
        ++age;
        return;
    }
    if (side != kSideEnemy) return;
    if (OutsideX(x) || OutsideY(y)) {
        Deactivate();
        return;
    }
    if (spriteType == 4 || spriteType == 5) spin = spin < 354 ? spin + 6 : 0;
    else if (spriteType == 7 || spriteType == 8) spin = spin > -354 ? spin - 6 : 0;
    const float v = speedScale * speed;
    float h = angle * kDegToRad;
    if (aimed == 1) h += aimAngle;
    x += std::cos(h) * v;
    y += std::sin(h) * v;
    z = 0.0f;
    ++age;
}

void Bullet::Draw() {
    if (side == kSidePlayer) {
        const Rect cell{0, 0, 64, 128};
        DrawWithWorld(*this, cell, Vec3{32.0f, 64.0f, 0.0f}, 1.0f, (angle + 90.0f) * kDegToRad);
        return;
    }
    if (side != 2 || spriteType < 4 || spriteType > 9) return;
    const int32_t column = SheetColumn(spriteType);
    const Rect cell{column * 32, 0, column * 32 + 32, 32};
    float radians = static_cast<float>(spin) * kDegToRad;
    if (!IsSpinningType(spriteType)) {
        // Size-3 bullets point along their heading.
        radians = (angle + 90.0f) * kDegToRad;
        if (aimed == 1) radians += aimAngle;
    }
    DrawWithWorld(*this, cell, Vec3{16.0f, 16.0f, 0.0f}, SpriteScale(spriteType), radians);
}

void UpdateBullets() {
    for (Bullet& b : PlayerShotPool)
        if (b.active != 0) b.Update();
    // Children spawned into higher slots during this pass move in it too.
    for (int32_t i = 0; i < kEnemyBulletCount; ++i) {
        if (EnemyBulletPool[i].active == 0) continue;
        EnemyBulletPool[i].Update();
        RunHandler(i);
    }
}

void CancelEnemyBullets(int32_t mode) {
    int32_t smallCount = 0;
    for (Bullet& b : EnemyBulletPool) {
        if (b.active != 1) continue;
        const int32_t t = b.spriteType;
        if (t >= 4 && t <= 9) {
            int32_t effect = kEffectCancelPlain;
            if (IsMiddleType(t)) {
                if (mode == 1) {
                    effect = kEffectCancelBigCoin;
                    BaseScore += 50;
                    SpawnScorePopup(kPopupDoubled, 50, b.x, b.y, b.z);
                }
            } else {
                if (mode == 1) {
                    // Every 21st small or large bullet becomes a big coin.
                    if (smallCount >= kCoinsPerBigCoin) {
                        effect = kEffectCancelBigCoin;
                        smallCount = 0;
                    } else {
                        effect = kEffectCancelCoin;
                        ++smallCount;
                    }
                }
                BaseScore += 10;
                SpawnScorePopup(kPopupSmall, 10, b.x, b.y, b.z);
            }
            PlaceEffect(effect, b.x, b.y, b.z);
        }
        b.Deactivate();
    }
}

void ClearBullets() {
    for (Bullet& b : EnemyBulletPool)
        if (b.active != 0) b.Deactivate();
    for (Bullet& b : PlayerShotPool)
        if (b.active != 0) b.Deactivate();
}

bool LoadBulletTextures() {
    PlayerShotTexture = LoadTexture("Texture/Character/lance.png", 64, 128, kKeyGreen);
    if (PlayerShotTexture == nullptr) return false;
    EnemyBulletTexture = LoadTexture("Texture/Character/bullet.png", 128, 32, kKeyGreen);
    return EnemyBulletTexture != nullptr;
}

void ReleaseBullets() {
    for (Bullet& b : PlayerShotPool)
        if (b.active != 0) b.Deactivate();
    for (Bullet& b : EnemyBulletPool)
        if (b.active != 0) b.Deactivate();
    ReleaseTexture(EnemyBulletTexture);
    ReleaseTexture(PlayerShotTexture);
}
