#include "core/bullet.h"

#include "app/common_textures.h"

Texture* PlayerShotTexture = nullptr;
Texture* EnemyBulletTexture = nullptr;
float BulletSpeedScale = 1.0f;
Vec3 BulletTargetPos;
int32_t BulletRoute = 0;

void SpawnBullet(int32_t, int32_t, float, float, float, float, int32_t, int32_t, int32_t, int32_t, int32_t) {}
void SpawnPatternBullet(int32_t, int32_t, float, float, float, float, int32_t, int32_t, int32_t, int32_t) {}
void CancelEnemyBullets(int32_t) {}
void UpdateBullets() {}
void ClearBullets() {}

bool LoadBulletTextures() {
    PlayerShotTexture = LoadTexture("Texture/Character/lance.png", 64, 128, kKeyGreen);
    if (PlayerShotTexture == nullptr) return false;
    EnemyBulletTexture = LoadTexture("Texture/Character/bullet.png", 128, 32, kKeyGreen);
    return EnemyBulletTexture != nullptr;
}

void ReleaseBullets() {
    for (Bullet& b : PlayerShotPool) b.active = 0;
    for (Bullet& b : EnemyBulletPool) b.active = 0;
    ReleaseTexture(EnemyBulletTexture);
    ReleaseTexture(PlayerShotTexture);
}
