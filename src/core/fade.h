#pragma once
// The blackout fade that times every scene change, and the white flash.
#include <cstdint>

class Texture;

extern int32_t TransitionFadeActive;   // 1 while the fade runs
extern int32_t TransitionFadeCounter;  // 0..119, advanced by the overlay's draw
extern int32_t TransitionFadeCode;     // 1 title, 2 field entry, 3 field end, 4 credits, 5 ending; 0 none
extern Texture* BlackoutTexture;

extern int32_t WhiteoutActive;
extern int32_t WhiteoutCounter;        // 0..240
extern Texture* WhiteoutTexture;

void StartTransitionFade();
void SetTransitionFadeCode(int32_t code);
// Starts the fade for the change named by `code`.
void BeginTransitionFade(int32_t code);
// True from the moment the screen is fully black in the fade started with `code`
// (counter at least 60): the leaving scene switches then.
bool TransitionFadeReached(int32_t code);
// Draws the blackout overlay and advances the fade.
void DrawTransitionFade();
// Draws the white overlay and advances the flash.
void DrawWhiteFlash();
