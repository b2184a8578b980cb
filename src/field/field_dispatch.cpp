#include "field/field_dispatch.h"

#include "core/field_globals.h"
#include "core/high_score.h"
#include "field/field_state.h"
#include "field/fields.h"

namespace {

int32_t RunFieldScript(int32_t fieldId) {
    switch (fieldId) {
        case 1: return FieldGrassDay::Update();
        case 2: return FieldGrassNight::Update();
        case 3: return FieldCanyonDay::Update();
        case 4: return FieldCanyonNight::Update();
        case 5: return FieldCave::Update();
        default: return 0;
    }
}

}  // namespace

int32_t FieldHolder(int32_t fieldId) {
    switch (fieldId) {
        case 1: return FieldGrassDay::Holder();
        case 2: return FieldGrassNight::Holder();
        case 3: return FieldCanyonDay::Holder();
        case 4: return FieldCanyonNight::Holder();
        case 5: return FieldCave::Holder();
        default: return -1;
    }
}

FieldState* FieldStateFor(int32_t fieldId) {
    switch (fieldId) {
        case 1: return &FieldGrassDayState;
        case 2: return &FieldGrassNightState;
        case 3: return &FieldCanyonDayState;
        case 4: return &FieldCanyonNightState;
        case 5: return &FieldCaveState;
        default: return nullptr;
    }
}

int32_t UpdateFieldScript() {
    const int32_t fieldId = CurrentField;
    FieldState* state = FieldStateFor(fieldId);
    if (state == nullptr || RunFieldScript(fieldId) == 0) return 0;
    state->frame = 0;
    state->scrollSpeed = kFieldStartScrollSpeed;
    state->route = 1;
    SaveHighScore(fieldId - 1);
    FieldClearFlags[fieldId - 1] = state->cleared;
    return 1;
}
