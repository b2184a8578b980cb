#include "core/item.h"

int32_t MagnetTimer = 0;
int32_t CoinCount = 0;
int32_t BigCoinCount = 0;
int32_t ExpItemCount = 0;
int32_t BigExpItemCount = 0;

void SpawnItem(int32_t, float, float, float) {}
void UpdateItems() {}
void DrawItems() {}
void ResetItemsAndCounters() {}
void CollectItems(UserInterface&, float, float, float, float) {}

void ClearItems() {
    for (Item& item : ItemPool) {
        if (item.active == 0) continue;
        const float homing = item.homingAngle;
        item.x = item.y = item.z = 0.0f;
        item.texture = nullptr;
        item.active = 0;
        item.kind = 0;
        item.value = 0;
        item.angle = 0.0f;
        item.speed = 0.0f;
        item.attracted = 0;
        item.animFrame = 0;
        item.age = 0;
        item.homingAngle = homing;
    }
}
