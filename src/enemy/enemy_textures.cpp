#include "enemy/enemy_textures.h"

#include "core/common_textures.h"
#include "enemy/enemy.h"

Texture* EnemySheetTextures[kEnemySheetCount] = {};

namespace {

struct SheetFile {
    const char* path;
    int width;
    int height;
};

const SheetFile kSheetFiles[kEnemySheetCount] = {
    {"Texture/Character/enemy_normal_grass_day.png", 640, 128},
    {"Texture/Character/enemy_boss_grass_day.png", 2560, 512},
    {"Texture/Character/enemy_normal_grass_night.png", 640, 128},
    {"Texture/Character/enemy_boss_grass_night.png", 2560, 512},
    {"Texture/Character/enemy_normal_canyon_day.png", 128, 192},
    {"Texture/Character/enemy_boss_canyon_day.png", 2560, 384},
    {"Texture/Character/enemy_normal_canyon_night.png", 128, 192},
    {"Texture/Character/enemy_boss_canyon_night.png", 2560, 384},
    {"Texture/Character/enemy_normal_cave.png", 128, 320},
    {"Texture/Character/enemy_boss_cave.png", 128, 256},
};

}  // namespace

bool LoadEnemyTextures() {
    for (int i = 0; i < kEnemySheetCount; ++i) {
        EnemySheetTextures[i] = LoadTexture(kSheetFiles[i].path, kSheetFiles[i].width, kSheetFiles[i].height, kKeyGreen);
        if (EnemySheetTextures[i] == nullptr) return false;
    }
    return true;
}

void ReleaseEnemies() {
    for (Enemy& e : EnemyPool) e.ResetSlot();
    for (Texture*& t : EnemySheetTextures) ReleaseTexture(t);
}
