#pragma once
// The ten enemy sprite sheets.
class Texture;

enum EnemySheet {
    kSheetNormalGrassDay,
    kSheetBossGrassDay,
    kSheetNormalGrassNight,
    kSheetBossGrassNight,
    kSheetNormalCanyonDay,
    kSheetBossCanyonDay,
    kSheetNormalCanyonNight,
    kSheetBossCanyonNight,
    kSheetNormalCave,
    kSheetBossCave,
    kEnemySheetCount,
};
extern Texture* EnemySheetTextures[kEnemySheetCount];

// Loads the ten sheets in order; false at the first that fails.
bool LoadEnemyTextures();
// At shutdown: empties every slot of the enemy pool and releases the sheets.
void ReleaseEnemies();
