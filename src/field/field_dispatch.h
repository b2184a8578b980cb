#pragma once
// The current field's script, chosen by CurrentField.
#include <cstdint>

struct FieldState;

// The state record of field 1..5; null for any other id.
FieldState* FieldStateFor(int32_t fieldId);
// The enemy slot whose mid-boss or boss holds field 1..5's counter at its
// present frame; -1 when the counter runs on, or for any other id.
int32_t FieldHolder(int32_t fieldId);
// Every field back at its first frame: frame 0, route 1, no scroll, speed 2,
// the cave's boss position 0. The cleared flags stay.
void ResetFieldStates();
// Runs the current field's script; 1 once the field is over (its state reset,
// its best score saved and its clear flag handed to the world map).
int32_t UpdateFieldScript();
