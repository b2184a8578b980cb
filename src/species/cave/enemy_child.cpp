#include "species/cave/enemy_child.h"

#include "app/common_textures.h"

EnemyChild::EnemyChild() { status = StatusBlock{}; }

Texture* ElementChildTexture = nullptr;

void ReleaseEnemyChildren() {
    for (EnemyChild& c : EnemyChildPool) {
        c.active = 0;
        c.species = 0;
        c.sheet = nullptr;
    }
    ReleaseTexture(ElementChildTexture);
}

int32_t SpawnEnemyChild(int32_t, int32_t, float, float, int32_t, int32_t, int32_t) { return -1; }
int32_t MoveEnemyChild(int32_t, float, float, float) { return -1; }
void RemoveEnemyChild(int32_t, int32_t) {}
Vec3 GetEnemyChildPosition(int32_t) { return Vec3{}; }
void UpdateEnemyChildren() {}
void DrawEnemyChildren() {}
void ClearEnemyChildren() {}
