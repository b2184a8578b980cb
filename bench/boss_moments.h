#pragma once
// The heaviest moments of play: each boss and mid-boss of the five fields at
// Difficulty 3, on the frame of its life on which it fires the most bullets,
// with every other pool full.
#include <cstdint>
#include <vector>

class Game;

namespace benchsupport {

class WorldSnapshot;

struct BossMoment {
    const char* name;
    int32_t species;
    int32_t variant;
    int32_t field;      // the field it holds
    int32_t holdFrame;  // the field's counter while it holds it
    int32_t level;
    float x, y;         // where the field brings it in
};

// Every boss and mid-boss, in the order of the fields.
const std::vector<BossMoment>& BossMoments();

// What the search found.
struct BusiestFrame {
    int frame = -1;       // frames after the spawn; -1: the species never fired
    float hpShare = 1.0f; // the boss's HP, as a share of its maximum, throughout
    int fired = 0;        // enemy bullets fired on that frame
};

// Plays the boss from its spawn at several fixed shares of its HP (a knight
// that neither fires nor falls, the random numbers scripted) and finds the
// frame with the most bullets fired; then puts the world just before that
// frame, fills every other pool (leaving the enemy-bullet pool room for that
// frame's volley at its end), and keeps it in `moment`.
BusiestFrame PrepareBusiestFrame(Game& game, const BossMoment& boss, WorldSnapshot& moment);

}  // namespace benchsupport
