#pragma once
// A field in play for the in-field frame's tests and benchmark: every pool
// emptied and the player at a field's start, or every pool full.
#include <cstdint>

namespace testsupport {

// Every enemy and satellite free with its state cleared, their gauge records
// off and the enemies' draw list empty.
void ClearEnemyPools();

// Every pool, record and popup empty; gauges 500; score, counters, result,
// fades and field states back to their start; Difficulty 1, field 1; the
// knight at level 1 with full HP at (640, 500), not invincible, the first
// records equipped and nothing else; no key or pad button held.
void ResetPlayState();

// Nothing of the shop's weapons, armour and accessories owned, as in a
// freshly started program.
void DisownEquipment();

// Fills every pool as in a heavy frame of the grass plain: 50 enemies of both
// draw layers, 40 satellites, 1000 enemy bullets, 30 lances, 1000 items, 1000
// effects and every popup, all clear of the knight, and the result panel
// fully shown. Nothing touches the knight in the next frame. Slots already
// live are kept and only the free ones filled; `enemyBulletRoom` free slots
// at the end of the enemy-bullet pool are left for the next frame's volleys.
void FillEveryPool(int enemyBulletRoom = 0);

}  // namespace testsupport
