#include "core/fade.h"

#include "core/game_codes.h"
#include "platform/graphics.h"

int32_t TransitionFadeActive = 0;
int32_t TransitionFadeCounter = 0;
int32_t TransitionFadeCode = 0;
Texture* BlackoutTexture = nullptr;
int32_t WhiteoutActive = 0;
int32_t WhiteoutCounter = 0;
Texture* WhiteoutTexture = nullptr;

namespace {

// The blackout darkens over 60 frames and clears over the next 60.
constexpr float kFadeAlphaStep = 4.25f;
// The white flash rises over 120 frames and falls over the next 120.
constexpr int32_t kFlashHalf = 120;
constexpr float kFlashAlphaStep = 2.125f;

// Alpha of a rise-and-fall overlay at `counter`; false once it has run out.
bool OverlayAlpha(int32_t counter, int32_t half, float step, uint32_t* alpha) {
    if (counter < half) {
        *alpha = static_cast<uint32_t>(static_cast<float>(counter) * step);
        return true;
    }
    if (counter < 2 * half) {
        *alpha = 255u - static_cast<uint32_t>(static_cast<float>(counter - half) * step);
        return true;
    }
    return false;
}

void DrawWholeScreen(const Texture* texture, uint32_t alpha) {
    const Vec3 origin{};
    SpriteBatch->Draw(texture, nullptr, nullptr, &origin, (alpha << 24) | 0xFFFFFFu);
}

}  // namespace

void StartTransitionFade() { TransitionFadeActive = 1; }
void SetTransitionFadeCode(int32_t code) { TransitionFadeCode = code; }

void BeginTransitionFade(int32_t code) {
    StartTransitionFade();
    SetTransitionFadeCode(code);
}

bool TransitionFadeReached(int32_t code) {
    return TransitionFadeCounter >= kFadeMidpoint && TransitionFadeCode == code;
}

void DrawTransitionFade() {
    uint32_t alpha = 0;
    if (OverlayAlpha(TransitionFadeCounter, kFadeMidpoint, kFadeAlphaStep, &alpha)) {
        DrawWholeScreen(BlackoutTexture, alpha);
        ++TransitionFadeCounter;
        return;
    }
    TransitionFadeCounter = 0;
    TransitionFadeActive = 0;
    TransitionFadeCode = 0;
}

void DrawWhiteFlash() {
    uint32_t alpha = 0;
    if (OverlayAlpha(WhiteoutCounter, kFlashHalf, kFlashAlphaStep, &alpha)) {
        DrawWholeScreen(WhiteoutTexture, alpha);
        ++WhiteoutCounter;
        return;
    }
    WhiteoutCounter = 0;
    WhiteoutActive = 0;
}
