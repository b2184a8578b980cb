#include "input_policy.h"

#include <cstring>

#include "app/game.h"
#include "core/fade.h"

namespace {

constexpr int16_t kStickFull = 30000;
constexpr uint8_t kTriggerFull = 255;
constexpr int kBackChancePercent = 1;
constexpr int kMaxHold = 40;  // BACK quits after 60 frames held

// Holds for a range of frames by scene: [min, max] held, then [min, max] let go.
struct Timing {
    int holdMin, holdMax, restMin, restMax;
};
constexpr Timing kMenuTiming{1, 12, 1, 8};
constexpr Timing kPlayTiming{4, kMaxHold, 0, 0};
constexpr Timing kLooseTiming{1, 20, 0, 10};

}  // namespace

InputPolicy::InputPolicy(uint32_t seed) : rng_(seed) {}

int InputPolicy::Below(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

uint32_t InputPolicy::Weighted(const Pick* picks, int count) {
    int total = 0;
    for (int i = 0; i < count; ++i) total += picks[i].weight;
    int r = Below(total);
    for (int i = 0; i < count; ++i) {
        if (r < picks[i].weight) return picks[i].intents;
        r -= picks[i].weight;
    }
    return 0;
}

uint32_t InputPolicy::ChoosePlayIntents() {
    static constexpr uint32_t kHeadings[9] = {0,         kUp,         kDown,         kLeft,        kRight,
                                              kUp | kLeft, kUp | kRight, kDown | kLeft, kDown | kRight};
    uint32_t intents = kHeadings[Below(9)];
    if (Chance(85)) intents |= kConfirm;
    if (Chance(15)) intents |= kCancel;
    if (Chance(4)) intents |= kSword;
    if (Chance(4)) intents |= kSkill;
    if (Chance(3)) intents |= kPrevTab;
    if (Chance(3)) intents |= kNextTab;
    return intents;
}

uint32_t InputPolicy::ChooseIntents(const Game& game) {
    switch (game.scene) {
        // Title: decide, but move off the quit line first.
        case kSceneTitle: {
            if (game.titleMenu.selection == 3) return kUp;
            static constexpr Pick kTitle[] = {{55, kConfirm}, {35, kDown}, {10, kUp}};
            return Weighted(kTitle, 3);
        }
        // Credits: back to the title.
        case kSceneCredits:
            return kConfirm;
        // Field map: by the mode, mostly towards a field.
        case kSceneFieldMap:
            switch (game.fieldMap.mode) {
                case kMapLocationSelect: {
                    static constexpr Pick kLocation[] = {{35, kRight}, {10, kLeft}, {45, kConfirm}, {10, kMenu}};
                    return Weighted(kLocation, 4);
                }
                case kMapTimeRing:
                case kMapDifficultyRing: {
                    static constexpr Pick kRing[] = {{20, kLeft}, {20, kRight}, {50, kConfirm}, {10, kCancel}};
                    return Weighted(kRing, 4);
                }
                case kMapMainMenu: {
                    static constexpr Pick kMenuRows[] = {{25, kDown}, {15, kUp}, {40, kConfirm}, {20, kCancel}};
                    return Weighted(kMenuRows, 4);
                }
                case kMapEntering:
                    return 0;
                default: {
                    static constexpr Pick kBoards[] = {{15, kUp},      {20, kDown},   {10, kLeft},
                                                       {10, kRight},   {20, kConfirm}, {15, kCancel},
                                                       {5, kPrevTab}, {5, kNextTab}};
                    return Weighted(kBoards, 8);
                }
            }
        // Play: move, fire and the knight's other controls.
        case kScenePlay:
            return ChoosePlayIntents();
        // The ending, and anything else: any control at all.
        default:
            return static_cast<uint32_t>(Below(1 << 11));
    }
}

void InputPolicy::ChooseAction(const Game& game) {
    uint32_t intents = ChooseIntents(game);
    // BACK now and then, never twice running (the knight's BACK count restarts).
    if (!backHeld_ && Chance(kBackChancePercent)) intents |= kBack;
    backHeld_ = (intents & kBack) != 0;
    const Timing& t = game.scene == kScenePlay                                    ? kPlayTiming
                      : game.scene == kSceneEnding || game.scene == kSceneCredits ? kLooseTiming
                                                                                  : kMenuTiming;
    usePad_ = Chance(50);
    Hold(intents, game.scene == kScenePlay);
    holdFrames_ = t.holdMin + Below(t.holdMax - t.holdMin + 1);
    restFrames_ = t.restMin + Below(t.restMax - t.restMin + 1);
    if (backHeld_ && restFrames_ == 0) restFrames_ = 1;
}

void InputPolicy::Hold(uint32_t intents, bool inField) {
    keyCount_ = 0;
    pad_ = PadStateRecord{};
    auto key = [&](uint32_t intent, uint8_t code) {
        if ((intents & intent) != 0 && keyCount_ < static_cast<int>(sizeof(keys_))) keys_[keyCount_++] = code;
    };
    auto button = [&](uint32_t intent, uint16_t bits) {
        if ((intents & intent) != 0) pad_.gamepad.buttons |= bits;
    };
    if (!usePad_) {
        key(kUp, KEY_W);
        key(kDown, KEY_S);
        key(kLeft, KEY_A);
        key(kRight, KEY_D);
        key(kConfirm, KEY_SPACE);
        key(kMenu, KEY_RETURN);
        key(kCancel, KEY_LSHIFT);
        key(kPrevTab, KEY_LEFT);
        key(kNextTab, KEY_RIGHT);
        key(kSword, KEY_E);
        key(kSkill, KEY_Q);
        button(kBack, PAD_BACK);  // BACK is the pad's alone
        return;
    }
    GamePad& g = pad_.gamepad;
    if ((intents & kUp) != 0) g.thumbLY = kStickFull;
    if ((intents & kDown) != 0) g.thumbLY = -kStickFull;
    if ((intents & kLeft) != 0) g.thumbLX = -kStickFull;
    if ((intents & kRight) != 0) g.thumbLX = kStickFull;
    button(kConfirm, PAD_X);
    button(kMenu, PAD_START);
    button(kCancel, PAD_A);
    button(kBack, PAD_BACK);
    if (inField) {
        // The knight: sword on RB, skill on LB, skill choice on the triggers.
        button(kSword, PAD_RB);
        button(kSkill, PAD_LB);
        if ((intents & kPrevTab) != 0) g.leftTrigger = kTriggerFull;
        if ((intents & kNextTab) != 0) g.rightTrigger = kTriggerFull;
    } else {
        button(kPrevTab, PAD_LB);
        button(kNextTab, PAD_RB);
    }
}

void InputPolicy::Apply(const Game& game) {
    if (holdFrames_ == 0 && restFrames_ == 0) ChooseAction(game);
    std::memset(KeyboardState, 0, sizeof(KeyboardState));
    PadState = PadStateRecord{};
    PadConnected = usePad_ ? 1 : 0;
    if (holdFrames_ > 0) {
        for (int i = 0; i < keyCount_; ++i) KeyboardState[keys_[i]] = 0x80;
        PadState = pad_;
        --holdFrames_;
        return;
    }
    --restFrames_;
}
