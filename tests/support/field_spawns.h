#pragma once
// The spawns of the field scripts as the enemy pool shows them: a field frame
// run through RunFieldFrame records every enemy it placed.
#include <cstdint>
#include <vector>

#include "field/field_state.h"
#include "field/fields.h"
#include "field/schedule.h"

namespace testsupport {

// Every spawn recorded so far, oldest first; a test clears it at its start.
std::vector<SpawnEvent>& FieldSpawns();

// Runs one frame of a field script (`update`, whose record is `state`) and
// records the enemies it placed, stamped with the counter the frame began
// with. A spawn takes the first free slot and nothing leaves the pool while
// the script runs, so the slots it filled, in slot order, are its spawns in
// the order made. A spawn lost to a full pool is not recorded. Returns what
// the script returns.
int32_t RunFieldFrame(int32_t (*update)(), const FieldState& state);

// The same for a field named by its class.
template <class Field>
const FieldState& RecordOf();
template <>
inline const FieldState& RecordOf<FieldGrassDay>() { return FieldGrassDayState; }
template <>
inline const FieldState& RecordOf<FieldGrassNight>() { return FieldGrassNightState; }
template <>
inline const FieldState& RecordOf<FieldCanyonDay>() { return FieldCanyonDayState; }
template <>
inline const FieldState& RecordOf<FieldCanyonNight>() { return FieldCanyonNightState; }
template <>
inline const FieldState& RecordOf<FieldCave>() { return FieldCaveState; }

template <class Field>
int32_t RunFieldFrame() {
    return RunFieldFrame(Field::Update, RecordOf<Field>());
}

}  // namespace testsupport
