#pragma once
// The steps between scenes: a new game from the title and the entry into a field.
#include <cstdint>

// A new game: the shop tables are set up afresh (owned records stay owned) and
// the equipped records are applied to the player's equipment blocks. Level,
// experience, money and the equipped indices are left as they are.
void StartNewGame();

// Enters field 1..5 from the map: stops every sound, makes the field current,
// starts its music, sets the emotion area, resets the player for the field with
// the equipped shot style and clears the score and the hit count.
void EnterField(int32_t fieldId);
