// One frame of in-field play.
#include "app/game.h"

int32_t Game::UpdatePlay() { return 0; }
void Game::DrawPlay() {}
void Game::ApplyPlayerSkill(float, float, float, float) {}
