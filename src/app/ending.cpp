#include "app/ending.h"

void EndingScene::Reset() {}
bool EndingScene::Update() { return false; }
void EndingScene::Draw() {}
