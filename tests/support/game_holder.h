#pragma once
// A Game built the way the entry function builds it: zero-filled, then constructed.
#include <cstring>
#include <new>

#include "app/game.h"

namespace testsupport {

struct GameHolder {
    GameHolder() {
        std::memset(storage, 0, sizeof(storage));
        game = new (storage) Game();
    }
    ~GameHolder() { game->~Game(); }
    GameHolder(const GameHolder&) = delete;
    GameHolder& operator=(const GameHolder&) = delete;
    Game* operator->() { return game; }

    alignas(Game) unsigned char storage[sizeof(Game)];
    Game* game;
};

}  // namespace testsupport
