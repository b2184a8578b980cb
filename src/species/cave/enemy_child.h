#pragma once
// The satellites the cave's enemies command, in a pool of their own.
#include <cstddef>
#include <cstdint>

#include "enemy/species_kit.h"

class ElementChild : public virtual SpeciesKit {
public:
    // One frame of a live satellite: its fire, age + 1 and the silent removal
    // 200 pixels outside the playfield; one whose HP is gone explodes, drops
    // its experience ring, pays its reward and frees its entry.
    void Update();
    // The trail step on every even age, then the attack pattern.
    void Fire();
    // Every recorded point ages by one; the point at the cursor takes the
    // current position at age 0 and the cursor moves on (9 wraps to 0).
    void StepTrail();
    // The attack pattern named by the variant (ids 0..2 the Element's, 11..13
    // the BigElement's, 21..24 the MagicStone's, 31..44 and 46 the final
    // boss's); any other id fires nothing and counts nothing.
    void FirePattern();
    // Empties the trail: cursor, used flags, ages and points 0.
    void ClearTrail();

    static constexpr int kTrailLength = 10;
    int32_t trailCursor = 0;
    int32_t trailUsed[kTrailLength] = {};
    int32_t trailAge[kTrailLength] = {};
    Vec3 trailPosition[kTrailLength];
};

class EnemyChild : public ElementChild {
public:
    EnemyChild();
    // Draws a satellite of species 101 or 102; nothing for any other entry.
    void Draw() override;
    // The satellite as a chain of shrinking copies along its trail, tinted
    // while hit; clears the hit flag.
    void DrawSatellite();
    int32_t gaugeFlag = 0;  // 1: owns a record of EnemyChildStatusTable
};

constexpr int kEnemyChildCount = 40;
extern EnemyChild EnemyChildPool[kEnemyChildCount];

class Texture;
// The satellite sheet (also the player's option sprite).
extern Texture* ElementChildTexture;

// Takes the first free entry; -1 when all 40 are in use.
int32_t SpawnEnemyChild(int32_t species, int32_t patternId, float x, float y, int32_t gaugeFlag, int32_t attack,
                        int32_t attack2);
// Places a live satellite and sets its firing direction (degrees); returns
// the index, or -1 when the index names no live satellite.
int32_t MoveEnemyChild(int32_t index, float x, float y, float rotation);
// Mode 1 kills the satellite (it dies with its drops and reward at the next
// pool update); any other mode removes it at once with a small explosion and
// no reward. An index outside 0..39 or a free entry is left alone.
void RemoveEnemyChild(int32_t index, int32_t mode);
// RemoveEnemyChild's modes.
constexpr int32_t kChildRemoveSilently = 0;   // at once, with a small burst, no reward
constexpr int32_t kChildKill = 1;             // dies at the next pool update with its drops and reward
// The satellite's position; zeros for an index outside the pool.
Vec3 GetEnemyChildPosition(int32_t index);
// Once per frame: target point, species update, the gauge mirror and the
// bonus timer of every live satellite; records of free entries are closed.
void UpdateEnemyChildren();
void DrawEnemyChildren();
// Field end: every active satellite is removed with its kill reward.
void ClearEnemyChildren();

// At shutdown: empties all 40 entries and releases the satellite sheet.
void ReleaseEnemyChildren();

// ---- For the commanders ------------------------------------------------------

// True when the index names an entry of species 101 or 102.
bool IsSatelliteIndex(int32_t index);
// Species 101 for an even place in a formation, 102 for an odd one.
int32_t SatelliteByParity(int32_t place);
// n satellites of `pattern` at (x, y) into indices[0..n-1], species by parity,
// without gauge records, with the commander's attack and attack2.
void LaunchSatellites(int32_t* indices, int32_t n, int32_t pattern, float x, float y, const StatusBlock& commander);
// MoveEnemyChild to the point `degrees` round the ellipse of radii (rx, ry)
// about (cx, cy).
int32_t MoveEnemyChildAround(int32_t index, float cx, float cy, float rx, float ry, float degrees, float rotation);
// RemoveEnemyChild(index, mode) for every index other than -1; each becomes -1.
void RemoveEnemyChildren(int32_t* indices, int32_t count, int32_t mode);
template <std::size_t N>
void RemoveEnemyChildren(int32_t (&indices)[N], int32_t mode) {
    RemoveEnemyChildren(indices, static_cast<int32_t>(N), mode);
}
