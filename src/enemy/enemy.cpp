#include "enemy/enemy.h"

int32_t EnemyDrawOrder[kEnemyCount];
int32_t EnemyDrawLayer[kEnemyCount];
int32_t EnemyDrawCount = 0;

// The shared EnemyBase is built first (all zero), then GrandMagicStone's own
// block; the satellite lists of the other commanders start empty too, so a
// fresh slot never names another commander's satellites.
Enemy::Enemy() {
    for (int32_t& s : Element::satellites) s = -1;
    for (int32_t& s : BigElement::satellites) s = -1;
    for (int32_t& s : MagicStone::satellites) s = -1;
    status = StatusBlock{};
}
