#pragma once
// The current field's script, chosen by CurrentField.
#include <cstdint>

struct FieldState;

// The state record of field 1..5; null for any other id.
FieldState* FieldStateFor(int32_t fieldId);
// The enemy slot whose mid-boss or boss holds field 1..5's counter at its
// present frame; -1 when the counter runs on, or for any other id.
int32_t FieldHolder(int32_t fieldId);
// Runs the current field's script; 1 once the field is over (its counter,
// route and scroll speed back at their start, its best score saved and its
// clear flag handed to the world map). Every field's scroll and cleared flag,
// and the cave's boss position, carry over to the next play.
int32_t UpdateFieldScript();
