#pragma once
// The in-field world put back to its start.

class UserInterface;

// Puts every pool, record and global of the in-field world back to its start:
// the knight reset for a field with the equipped shot style, the HUD, the
// emotion gauges, the satellites and enemies (their rewards credited, as at
// the end of a field), bullets, items with their pickup counters, enemy
// gauges, effects, every popup with its holds, the result, the magnet, the
// hits taken, and every sound stopped. What the world map and the next field
// read stays: Difficulty, the current field, the clear flags, the best
// scores, money, level and experience, the base score, a running fade (a
// field ends at the fade's midpoint) and the five field records, which carry
// their scroll, cleared flag and the cave's boss position from one play to
// the next (the field script restarts the ended field's counter).
void ResetFieldWorld(UserInterface& hud);
