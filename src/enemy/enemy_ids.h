#pragma once
// Species ids of the enemies and satellites.
#include <cstdint>

enum SpeciesId : int32_t {
    kSpeciesNone = 0,
    kSpeciesButterFly = 1,
    kSpeciesMiddleButterFly = 2,
    kSpeciesDayCocoon = 3,
    kSpeciesBigButterFly = 4,
    kSpeciesScorpion = 5,
    kSpeciesMoth = 6,
    kSpeciesMiddleMoth = 7,
    kSpeciesNightCocoon = 8,
    kSpeciesBigMoth = 9,
    kSpeciesSpider = 10,
    kSpeciesDayMushroom = 11,
    kSpeciesDayRafflesia = 13,
    kSpeciesEagle = 14,
    kSpeciesBigDayRafflesia = 15,
    kSpeciesNightMushroom = 16,
    kSpeciesNightRafflesia = 18,
    kSpeciesBat = 19,
    kSpeciesBigNightRafflesia = 20,
    kSpeciesElement = 21,
    kSpeciesBigElement = 23,
    kSpeciesMagicStone = 24,
    kSpeciesFloorCrystal = 25,
    kSpeciesGrandMagicStone = 99,
    kSpeciesSatellite = 101,
    kSpeciesSatellite2 = 102,
};

// True for the 23 enemy species (satellites and free slots excluded).
bool IsEnemySpecies(int32_t species);
// Bosses and mid-bosses: their kills are never doubled.
bool IsBossSpecies(int32_t species);
