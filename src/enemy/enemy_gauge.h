#pragma once
// One HP gauge record per enemy or satellite.
#include <cstdint>

struct EnemyGaugeRecord {
    int32_t active = 0;
    int32_t kind = 0;        // 1 normal, 2 middle, 3 boss; 0 off
    float x = 0.0f, y = 0.0f, z = 0.0f;
    int32_t maxHp = 0;
    int32_t hp = 0;
    int32_t fillCounter = 0; // boss bar fill, +4 per drawn frame up to 500
};

class Texture;
// "Texture/Character/StatusSet2.png": the gauge strips.
extern Texture* StatusGaugeTexture;

constexpr int kEnemyStatusCount = 50;
constexpr int kEnemyChildStatusCount = 50;  // the first 40 are used
extern EnemyGaugeRecord EnemyStatusTable[kEnemyStatusCount];
extern EnemyGaugeRecord EnemyChildStatusTable[kEnemyChildStatusCount];

constexpr int kEnemyChildGaugeCount = 40;  // records of EnemyChildStatusTable in use

// Draws an HP gauge for every active record of enemies and satellites.
void DrawEnemyGauges();
// Draws one record: a small bar over the enemy (kinds 1 and 2) or the boss
// bar at the top of the playfield (kind 3), whose fill first grows over 125
// drawn frames. Nothing for a dead enemy or an unknown kind.
void DrawEnemyGauge(EnemyGaugeRecord& record);
// Turns one record off: active, kind and fill counter 0.
void CloseEnemyGauge(EnemyGaugeRecord& record);
// Turns every record off (field end).
void ClearEnemyGauges();
