#include "app/title.h"

#include "app/game.h"

int32_t TitleMenu::Update() { return 0; }
void TitleMenu::Draw() {}
bool UpdateCredits() { return false; }

int32_t Game::UpdateTitle() { return titleMenu.Update(); }
void Game::DrawCredits() {}
bool Game::UpdateFieldMap() { return false; }
