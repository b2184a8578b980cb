#include "app/fade.h"

int32_t TransitionFadeActive = 0;
int32_t TransitionFadeCounter = 0;
int32_t TransitionFadeCode = 0;
Texture* BlackoutTexture = nullptr;
int32_t WhiteoutActive = 0;
int32_t WhiteoutCounter = 0;
Texture* WhiteoutTexture = nullptr;

void StartTransitionFade() { TransitionFadeActive = 1; }
void SetTransitionFadeCode(int32_t code) { TransitionFadeCode = code; }

// The overlays are drawn by the scene-flow code.
void DrawTransitionFade() {}
void DrawWhiteFlash() {}
