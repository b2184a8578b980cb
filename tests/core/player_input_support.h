#pragma once
// Test helpers for the knight's frame: a clean input state, a player reset for
// a field with a shot style, and a frame step that counts the free shot slots
// the way the in-field frame does.
#include <cstring>
#include <memory>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/player.h"
#include "core/player_test_support.h"
#include "platform/input.h"

namespace player_test {

inline void ReleaseAllInput() {
    std::memset(KeyboardState, 0, sizeof(KeyboardState));
    PadState = PadStateRecord{};
    PadConnected = 0;
}

inline void Hold(uint8_t key) { KeyboardState[key] = 0x80; }
inline void Release(uint8_t key) { KeyboardState[key] = 0; }

inline void ClearShots() {
    for (Bullet& b : PlayerShotPool) b.Deactivate();
}

inline int32_t FreeShotSlots() {
    int32_t free = 0;
    for (const Bullet& b : PlayerShotPool) free += b.active == 0 ? 1 : 0;
    return free;
}

inline int32_t ActiveShots() { return kPlayerShotCount - FreeShotSlots(); }

// A player at level 1 at the start of a field with the given shot style.
inline std::unique_ptr<Player> FieldPlayer(int32_t optionType) {
    auto p = std::make_unique<Player>();
    SetLevelOneBase(*p);
    p->RecalcStatus();
    p->ResetForField();
    p->SetOptionType(optionType);
    return p;
}

// One frame of the knight as the in-field frame runs it.
inline void Step(Player& p, int frames = 1) {
    for (int i = 0; i < frames; ++i) {
        p.freeShotSlots = FreeShotSlots();
        p.Update();
    }
}

}  // namespace player_test
