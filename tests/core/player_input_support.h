#pragma once
// Test helpers for the knight's frame: a clean input state, a player reset for
// a field with a shot style, and a frame step that counts the free shot slots
// the way the in-field frame does.
#include <cstring>
#include <memory>

#include "core/bullet.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/player.h"
#include "core/player_test_support.h"
#include "core/popups.h"
#include "core/score.h"
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

// A hit as the in-field frame records it: 150 frames of invincibility.
inline void TakeHit(Player& p) {
    p.state = 1;
    p.invincible = 1;
    p.invincibleKind = 1;
    p.invincibleTimer = 150;
}

// One frame of the knight as the in-field frame runs it.
inline void Step(Player& p, int frames = 1) {
    for (int i = 0; i < frames; ++i) {
        p.freeShotSlots = FreeShotSlots();
        p.Update();
    }
}

// The start of a grass field at difficulty 1 for the static player (level 1
// at (640, 500), shot style 0) with empty shot, item, effect and number pools
// and every gauge at 500; on destruction the pools are emptied again and the
// player is put back as it was.
class FieldScratch {
public:
    FieldScratch() {
        saved_ = ThePlayer;
        ThePlayer = Player();
        SetLevelOneBase(ThePlayer);
        ThePlayer.RecalcStatus();
        ResetPlayerForField(0);
        CurrentField = 1;
        Difficulty = 1;
        EmotionArea = 1;
        ItemTargetPos = Vec3{ThePlayer.x, ThePlayer.y, 0.0f};
        Clear();
    }
    ~FieldScratch() {
        Clear();
        ThePlayer = saved_;
    }
    FieldScratch(const FieldScratch&) = delete;
    FieldScratch& operator=(const FieldScratch&) = delete;

private:
    static void Clear() {
        ReleaseAllInput();
        ClearShots();
        ResetItemsAndCounters();
        MagnetTimer = 0;
        InitEffects();
        ClearEmotionNumbers();
        EmotionNumberHold1 = PopupHold{};
        EmotionNumberHold4 = PopupHold{};
        ResetEmotionGauges();
        BaseScore = 0;
        SetPadVibration(0, 0);
    }
    Player saved_;
};

}  // namespace player_test
