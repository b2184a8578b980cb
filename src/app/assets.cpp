// Creation and release of every texture and sound.
#include "app/game.h"

bool Game::CreateAssets() { return true; }
void Game::ReleaseAssets() {}
