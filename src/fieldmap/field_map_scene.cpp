#include "fieldmap/field_map_scene.h"

FieldMapScene::FieldMapScene() = default;
int32_t FieldMapScene::Update() { return 0; }
void FieldMapScene::Draw() {}
