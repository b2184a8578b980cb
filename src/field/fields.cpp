#include "field/fields.h"

int32_t FieldGrassDay::Update() { return 0; }
void FieldGrassDay::Draw() {}
int32_t FieldGrassNight::Update() { return 0; }
void FieldGrassNight::Draw() {}
int32_t FieldCanyonDay::Update() { return 0; }
void FieldCanyonDay::Draw() {}
int32_t FieldCanyonNight::Update() { return 0; }
void FieldCanyonNight::Draw() {}
int32_t FieldCave::Update() { return 0; }
void FieldCave::Draw() {}
