#include "app/title.h"

#include "core/fade.h"
#include "core/game_codes.h"
#include "platform/graphics.h"
#include "platform/input.h"

namespace {

constexpr int32_t kStickThreshold = 15000;
constexpr int32_t kCursorCooldown = 10;
constexpr uint16_t kDecideButtons = PAD_A | PAD_B | PAD_X | PAD_Y;

bool KeyDown(uint8_t key) { return KeyboardState[key] > 127; }

// The strip under the selected line: narrower for the lower items.
Matrix StripTransform(int32_t selection) {
    switch (selection) {
        case 2: return MatrixMultiply(MatrixScaling(0.75f, 1.0f, 1.0f), MatrixTranslation(640.0f, 544.0f, 0.0f));
        case 3: return MatrixMultiply(MatrixScaling(0.5f, 1.0f, 1.0f), MatrixTranslation(640.0f, 640.0f, 0.0f));
        default: return MatrixTranslation(640.0f, 448.0f, 0.0f);
    }
}

}  // namespace

bool DecidePressed() {
    return (PadState.gamepad.buttons & kDecideButtons) != 0 || KeyDown(KEY_SPACE) || KeyDown(KEY_RETURN);
}

int32_t TitleMenu::Update() {
    if (TransitionFadeActive == 0 && cooldown < 1) {
        const int16_t stickY = PadState.gamepad.thumbLY;
        if (stickY > kStickThreshold || KeyDown(KEY_W)) {
            if (selection == 2 || selection == 3) {
                --selection;
                cooldown = kCursorCooldown;
            }
        }
        if (stickY < -kStickThreshold || KeyDown(KEY_S)) {
            if (selection == 1 || selection == 2) {
                ++selection;
                cooldown = kCursorCooldown;
            }
        }
        if (DecidePressed()) BeginTransitionFade(kFadeTitleChoice);
    }
    if (cooldown > 0) --cooldown;
    return TransitionFadeReached(kFadeTitleChoice) ? selection : 0;
}

void TitleMenu::Draw() {
    const Rect screen{0, 0, 1280, 720};
    const Vec3 origin{};
    SpriteBatch->Draw(texture, &screen, nullptr, &origin, 0xFFFFFFFFu);

    const Rect strip{0, 720, 640, 784};
    const Vec3 stripCentre{320.0f, 32.0f, 0.0f};
    SpriteBatch->SetTransform(StripTransform(selection));
    SpriteBatch->Draw(texture, &strip, &stripCentre, nullptr, 0xFFFFFFFFu);
    SpriteBatch->SetTransform(MatrixIdentity());
}

bool UpdateCredits() {
    if (TransitionFadeActive == 0 && DecidePressed()) BeginTransitionFade(kFadeCreditsDone);
    return TransitionFadeReached(kFadeCreditsDone);
}
