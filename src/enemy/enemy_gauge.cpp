#include "enemy/enemy_gauge.h"

Texture* StatusGaugeTexture = nullptr;

void DrawEnemyGauges() {}
void ClearEnemyGauges() {}
