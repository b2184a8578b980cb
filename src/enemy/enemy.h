#pragma once
// One enemy that can act as any of the 23 species: it derives from every
// species class, which all share one virtual EnemyBase, and its species id
// picks which species' update and draw run.
#include <cstdint>

#include "species/grass/butterfly.h"
#include "species/grass/day_cocoon.h"
#include "species/grass/big_butterfly.h"
#include "species/grass/scorpion.h"
#include "species/grass/moth.h"
#include "species/grass/night_cocoon.h"
#include "species/grass/big_moth.h"
#include "species/grass/spider.h"
#include "species/canyon/day_mushroom.h"
#include "species/canyon/day_rafflesia.h"
#include "species/canyon/eagle.h"
#include "species/canyon/big_day_rafflesia.h"
#include "species/canyon/night_mushroom.h"
#include "species/canyon/night_rafflesia.h"
#include "species/canyon/bat.h"
#include "species/canyon/big_night_rafflesia.h"
#include "species/cave/element.h"
#include "species/cave/big_element.h"
#include "species/cave/magic_stone.h"
#include "species/cave/floor_crystal.h"
#include "species/cave/grand_magic_stone.h"
#include "species/grass/middle_butterfly.h"
#include "species/grass/middle_moth.h"

struct StatusBlock;

class Enemy : public ButterFly,
              public DayCocoon,
              public BigButterFly,
              public Scorpion,
              public Moth,
              public NightCocoon,
              public BigMoth,
              public Spider,
              public DayMushroom,
              public DayRafflesia,
              public Eagle,
              public BigDayRafflesia,
              public NightMushroom,
              public NightRafflesia,
              public Bat,
              public BigNightRafflesia,
              public Element,
              public BigElement,
              public MagicStone,
              public FloorCrystal,
              public GrandMagicStone,
              public MiddleButterFly,
              public MiddleMoth {
public:
    Enemy();
    // Empties the commanders' satellite lists (-1) and puts the final boss's
    // block back to its first state, so a slot never carries another
    // commander's satellites or guard into its next enemy.
    void ResetCommanderParts();
    // Runs the species' update by species id.
    void Update() override;
    // Runs the species' draw by species id.
    void Draw() override;
};

constexpr int kEnemyCount = 50;
extern Enemy EnemyPool[kEnemyCount];

// The draw list built by the enemy update: pool slots in draw order and their layers.
extern int32_t EnemyDrawOrder[kEnemyCount];
extern int32_t EnemyDrawLayer[kEnemyCount];
extern int32_t EnemyDrawCount;

// Fills the first free slot with a species at (x, y); nothing when the pool is
// full, or when the species is unknown or has no stats at that level.
void SpawnEnemy(int32_t species, int32_t variant, float x, float y, int32_t route, int32_t level);
void UpdateEnemies();
void DrawEnemiesGround();
void DrawEnemiesAir();
// Field end: every active enemy is credited and freed.
void DefeatAllEnemies();
// Copies of a slot's status and position; zeros for a slot outside the pool.
StatusBlock GetEnemyStatus(int32_t slot);
Vec3 GetEnemyPosition(int32_t slot);
// Guards the first live final boss for `frames` (its defences become 999).
void SetGrandMagicStoneGuard(int32_t frames);
