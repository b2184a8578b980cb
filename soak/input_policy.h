#pragma once
// The soak's player: seeded random keyboard and pad input that leans towards
// getting on with the game. Each choice is an action (a few keys or pad
// controls, all on the keyboard or all on the pad) held for some frames and
// then let go for some frames, so that menus see both presses and releases.
//   title: mostly decide, sometimes the cursor (never deciding on quit);
//   credits: decide; field map: by its mode, mostly confirm, often right on
//   the location select (towards the newest location), the rings turned and
//   the boards, shop and equipment visited now and then; play: a random
//   heading, fire held most of the time, now and then slow, sword, skills and
//   skill choice; ending: anything. The pad's BACK is pressed now and then,
//   never for the 60 frames that quit.
#include <cstdint>
#include <random>

#include "platform/input.h"

class Game;

class InputPolicy {
public:
    explicit InputPolicy(uint32_t seed);
    // Writes this frame's input into KeyboardState, PadState and PadConnected,
    // choosing a new action for the scene the game shows when the last is over.
    void Apply(const Game& game);
    // A number 0..n-1 from the policy's own generator.
    int Below(int n);

private:
    enum Intent : uint32_t {
        kUp = 1u << 0,
        kDown = 1u << 1,
        kLeft = 1u << 2,
        kRight = 1u << 3,
        kConfirm = 1u << 4,  // decide; fire in the field
        kMenu = 1u << 5,
        kCancel = 1u << 6,   // slow in the field
        kPrevTab = 1u << 7,  // previous skill in the field
        kNextTab = 1u << 8,  // next skill in the field
        kSword = 1u << 9,
        kSkill = 1u << 10,
        kBack = 1u << 11,
    };
    // One weighted choice of intents.
    struct Pick {
        int weight;
        uint32_t intents;
    };

    void ChooseAction(const Game& game);
    uint32_t ChooseIntents(const Game& game);
    uint32_t ChoosePlayIntents();
    uint32_t Weighted(const Pick* picks, int count);
    bool Chance(int percent) { return Below(100) < percent; }
    // The keys or pad controls of `intents`, the field's mapping when `inField`.
    void Hold(uint32_t intents, bool inField);

    std::mt19937 rng_;
    uint8_t keys_[12] = {};
    int keyCount_ = 0;
    PadStateRecord pad_;
    bool usePad_ = false;
    int holdFrames_ = 0;
    int restFrames_ = 0;
    bool backHeld_ = false;
};
