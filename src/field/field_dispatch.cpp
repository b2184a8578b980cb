#include "field/field_dispatch.h"

#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/score.h"
#include "field/field_state.h"
#include "field/fields.h"

namespace {

// Field 1..5's script, the enemy holding its counter, and its record.
struct FieldEntry {
    int32_t (*update)();
    int32_t (*holder)();
    FieldState* state;
};

const FieldEntry* EntryFor(int32_t fieldId) {
    static const FieldEntry kFields[] = {
        {FieldGrassDay::Update, FieldGrassDay::Holder, &FieldGrassDayState},
        {FieldGrassNight::Update, FieldGrassNight::Holder, &FieldGrassNightState},
        {FieldCanyonDay::Update, FieldCanyonDay::Holder, &FieldCanyonDayState},
        {FieldCanyonNight::Update, FieldCanyonNight::Holder, &FieldCanyonNightState},
        {FieldCave::Update, FieldCave::Holder, &FieldCaveState},
    };
    return fieldId >= 1 && fieldId <= kFieldCount ? &kFields[fieldId - 1] : nullptr;
}

}  // namespace

int32_t FieldHolder(int32_t fieldId) {
    const FieldEntry* field = EntryFor(fieldId);
    return field != nullptr ? field->holder() : -1;
}

FieldState* FieldStateFor(int32_t fieldId) {
    const FieldEntry* field = EntryFor(fieldId);
    return field != nullptr ? field->state : nullptr;
}

int32_t UpdateFieldScript() {
    const int32_t fieldId = CurrentField;
    const FieldEntry* field = EntryFor(fieldId);
    if (field == nullptr || field->update() == 0) return 0;
    FieldState* state = field->state;
    state->frame = 0;
    state->scrollSpeed = kFieldStartScrollSpeed;
    state->route = 1;
    SaveHighScore(fieldId - 1);
    FieldClearFlags[fieldId - 1] = state->cleared;
    return 1;
}
