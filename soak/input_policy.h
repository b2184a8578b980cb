#pragma once
// The soak's player: seeded random keyboard and pad input that leans towards
// getting on with the game. Each choice is an action (a few keys or pad
// controls, all on the keyboard or all on the pad) held for some frames and
// then let go for some frames, so that menus see both presses and releases.
//   title: the credits first on the run's first visit, later now and then,
//   else start, with a stray cursor step now and then, never deciding on
//   quit; credits: decide;
//   field map: each visit heads for one of the open fields entered least so
//   far (cursor, time ring, confirm), with one choice in five a random one of
//   the mode's, a random difficulty, and now and then the main menu with the
//   status board, equipment and shop; play: a random heading (while a boss
//   or mid-boss lives, mostly towards its x), fire held most of the time,
//   now and then slow, sword, skills and skill choice; ending:
//   anything. The pad's BACK is pressed now and then, never for the 60
//   frames that quit.
#include <cstdint>
#include <random>

#include "platform/input.h"

class FieldMapScene;
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
    // Keeps count of the scenes and fields the game enters.
    void NoteScene(const Game& game);
    uint32_t ChooseIntents(const Game& game);
    uint32_t TitleIntents(const Game& game);
    uint32_t MapIntents(const FieldMapScene& map);
    int32_t ChooseField();
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
    int32_t lastScene_ = 0;
    bool wantCredits_ = false;
    bool creditsSeen_ = false;
    int32_t targetField_ = 0;     // 0: not chosen yet on this visit to the map
    long fieldEntries_[6] = {};   // by field id
};
