#include "input_policy.h"

#include <cstring>

#include "app/game.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"

namespace {

constexpr int16_t kStickFull = 30000;
constexpr uint8_t kTriggerFull = 255;
constexpr int kBackChancePercent = 1;
constexpr int kMaxHold = 40;  // BACK quits after 60 frames held
constexpr float kAimSlack = 16.0f;

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

// The x of the live boss or mid-boss with the most HP; false when there is none.
bool BossX(float* x) {
    const Enemy* boss = nullptr;
    for (const Enemy& e : EnemyPool)
        if (e.active != 0 && IsBossSpecies(e.species) && (boss == nullptr || e.status.maxHp > boss->status.maxHp))
            boss = &e;
    if (boss != nullptr) *x = boss->x;
    return boss != nullptr;
}

uint32_t InputPolicy::ChoosePlayIntents() {
    static constexpr uint32_t kHeadings[9] = {0,         kUp,         kDown,         kLeft,        kRight,
                                              kUp | kLeft, kUp | kRight, kDown | kLeft, kDown | kRight};
    uint32_t intents = kHeadings[Below(9)];
    // Mostly under the boss while there is one: a field holds until it goes.
    float bossX = 0.0f;
    if (BossX(&bossX) && Chance(60)) {
        const float dx = bossX - ThePlayer.x;
        intents &= kUp | kDown;
        if (dx < -kAimSlack) intents |= kLeft;
        if (dx > kAimSlack) intents |= kRight;
    }
    if (Chance(85)) intents |= kConfirm;
    if (Chance(15)) intents |= kCancel;
    if (Chance(4)) intents |= kSword;
    if (Chance(4)) intents |= kSkill;
    if (Chance(3)) intents |= kPrevTab;
    if (Chance(3)) intents |= kNextTab;
    return intents;
}

uint32_t InputPolicy::TitleIntents(const Game& game) {
    const int32_t selection = game.titleMenu.selection;
    // Now and then a stray step of the cursor; never a decision on quit.
    if (Chance(15)) return selection == 3 ? kUp : Chance(50) ? kUp : kDown;
    const int32_t wanted = wantCredits_ ? 2 : 1;
    if (selection < wanted) return kDown;
    if (selection > wanted) return kUp;
    return kConfirm;
}

// The field the map visit is for: of the fields open, one of those entered
// least so far.
int32_t InputPolicy::ChooseField() {
    const bool canyonOpen = FieldClearFlags[0] == 1 || FieldClearFlags[1] == 1;
    const bool caveOpen = FieldClearFlags[2] == 1 || FieldClearFlags[3] == 1;
    const int open = caveOpen ? 5 : canyonOpen ? 4 : 2;
    int32_t chosen = 0;
    int ties = 0;
    for (int32_t field = 1; field <= open; ++field) {
        if (chosen != 0 && fieldEntries_[field] > fieldEntries_[chosen]) continue;
        ties = chosen != 0 && fieldEntries_[field] == fieldEntries_[chosen] ? ties + 1 : 1;
        if (ties == 1 || Below(ties) == 0) chosen = field;
    }
    return chosen;
}

uint32_t InputPolicy::MapIntents(const FieldMapScene& map) {
    static constexpr Pick kAnyLocation[] = {{30, kRight}, {25, kLeft}, {40, kConfirm}, {5, kMenu}};
    static constexpr Pick kAnyRing[] = {{20, kLeft}, {20, kRight}, {50, kConfirm}, {10, kCancel}};
    static constexpr Pick kMenuRows[] = {{25, kDown}, {15, kUp}, {40, kConfirm}, {20, kCancel}};
    static constexpr Pick kBoards[] = {{15, kUp},      {20, kDown},    {10, kLeft},  {10, kRight},
                                       {20, kConfirm}, {15, kCancel}, {5, kPrevTab}, {5, kNextTab}};
    if (targetField_ == 0) targetField_ = ChooseField();
    const int32_t location = targetField_ <= 2 ? 0 : targetField_ <= 4 ? 1 : 2;
    const int32_t timeOfDay = targetField_ % 2 == 1 ? 1 : 2;
    // One choice in five is the map's random one, the others head for the field.
    const bool stray = Chance(20);
    switch (map.mode) {
        case kMapLocationSelect:
            if (stray) return Weighted(kAnyLocation, 4);
            return map.locationCursor < location ? kRight : map.locationCursor > location ? kLeft : kConfirm;
        case kMapTimeRing:
            if (stray) return Weighted(kAnyRing, 4);
            return map.timeOfDay != timeOfDay ? kRight : kConfirm;
        case kMapDifficultyRing:
            return Weighted(kAnyRing, 4);
        case kMapMainMenu:
            return Weighted(kMenuRows, 4);
        case kMapEntering:
            return 0;
        default:
            return Weighted(kBoards, 8);
    }
}

uint32_t InputPolicy::ChooseIntents(const Game& game) {
    switch (game.scene) {
        // Title: the start or, now and then, the credits.
        case kSceneTitle:
            return TitleIntents(game);
        // Credits: back to the title.
        case kSceneCredits:
            return kConfirm;
        // Field map: mostly towards the field chosen for this visit.
        case kSceneFieldMap:
            return MapIntents(game.fieldMap);
        // Play: move, fire and the knight's other controls.
        case kScenePlay:
            return ChoosePlayIntents();
        // The ending, and anything else: any control at all.
        default:
            return static_cast<uint32_t>(Below(1 << 11));
    }
}

void InputPolicy::NoteScene(const Game& game) {
    if (game.scene == lastScene_) return;
    lastScene_ = game.scene;
    // The run opens with a look at the credits; later titles now and then.
    if (game.scene == kSceneTitle) wantCredits_ = !creditsSeen_ || Chance(40);
    if (game.scene == kSceneCredits) creditsSeen_ = true;
    if (game.scene == kScenePlay && CurrentField >= 1 && CurrentField <= 5) ++fieldEntries_[CurrentField];
    if (game.scene == kSceneFieldMap) targetField_ = 0;
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
    NoteScene(game);
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
