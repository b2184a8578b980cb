#include "app/ending.h"

#include "core/common_textures.h"
#include "core/fade.h"
#include "core/game_codes.h"
#include "platform/graphics.h"

namespace {

constexpr int32_t kCaptionDuration = 300;
constexpr float kScrollStep = 3.0f;
constexpr float kScreenHeight = 720.0f;
constexpr int32_t kFadeStartFrame = 1960;

struct ScheduledCaption {
    int32_t frame;
    float x, y;
    int32_t l, t, r, b;
};

// In the order they are added; captions of one frame go in table order.
constexpr ScheduledCaption kCaptionSchedule[] = {
    {90, 640, 256, 0, 0, 1280, 128},
    {150, 960, 352, 640, 128, 1280, 192},
    {490, 480, 192, 0, 192, 448, 256},
    {490, 480, 416, 0, 256, 448, 320},
    {520, 800, 288, 640, 192, 1088, 256},
    {520, 800, 512, 640, 256, 1088, 320},
    {890, 480, 128, 0, 320, 448, 384},
    {890, 480, 448, 0, 512, 448, 576},
    {900, 480, 176, 0, 384, 448, 448},
    {910, 480, 224, 0, 448, 640, 512},
    {910, 480, 496, 0, 576, 512, 640},
    {940, 800, 320, 640, 192, 1088, 256},
    {940, 800, 592, 640, 256, 1088, 320},
    {1290, 640, 32, 0, 640, 576, 704},
    {1320, 480, 128, 0, 704, 448, 768},
    {1320, 480, 352, 0, 768, 576, 832},
    {1320, 480, 576, 0, 832, 448, 896},
    {1350, 800, 224, 640, 320, 1088, 384},
    {1350, 800, 448, 640, 384, 1088, 448},
    {1350, 800, 672, 576, 512, 1280, 576},
    {1690, 640, 256, 0, 896, 1280, 1024},
    {1690, 640, 384, 0, 1024, 1280, 1152},
};

// Each white flash peaks 120 frames later, exactly at the next background.
constexpr int32_t kFlashFrames[] = {280, 680, 1080, 1480};

struct BackgroundChange {
    int32_t frame;
    int32_t field;  // index into FieldBackgroundTextures
};
constexpr BackgroundChange kBackgroundChanges[] = {{400, 1}, {800, 2}, {1200, 3}, {1600, 4}};

void StepCaption(EndingScene::Caption& c) {
    const int32_t q = c.duration / 4;
    const int32_t t = c.timer;
    const int32_t width = c.final.right - c.final.left;
    if (t < q) {
        // Wipes in from the left while fading in.
        c.alpha += 255 / q;
        c.drawn.right += width / q;
    } else if (t > 3 * q) {
        // Erased from the left, the rest staying in place, while fading out.
        c.alpha += -255 / q;
        const int32_t step = width / q;
        c.drawn.left += step;
        c.position.x += static_cast<float>(step);
    } else {
        c.drawn = c.final;
        c.alpha = 255;
    }
    if (t < c.duration) {
        ++c.timer;
    } else {
        c.active = 0;
        c.position = Vec3{};
        c.centre = Vec3{};
        c.timer = 0;
        c.alpha = 0;
    }
}

}  // namespace

void EndingScene::Reset() {
    frame = 0;
    scroll = 0.0f;
    background = FieldBackgroundTextures[0];
    for (Caption& c : captions) c = Caption{};
}

void EndingScene::AddCaption(float x, float y, float z, int32_t l, int32_t t, int32_t r, int32_t b) {
    for (Caption& c : captions) {
        if (c.active != 0) continue;
        c.active = 1;
        c.position = Vec3{x, y, z};
        c.final = Rect{l, t, r, b};
        c.drawn = Rect{l, t, l, b};
        c.centre = Vec3{static_cast<float>((r - l) / 2), static_cast<float>((b - t) / 2), 0.0f};
        c.timer = 0;
        c.duration = kCaptionDuration;
        return;
    }
}

bool EndingScene::Update() {
    for (Caption& c : captions) {
        if (c.active != 0) StepCaption(c);
    }

    for (int32_t f : kFlashFrames) {
        if (frame == f) WhiteoutActive = 1;
    }
    for (const BackgroundChange& change : kBackgroundChanges) {
        if (frame == change.frame) background = FieldBackgroundTextures[change.field];
    }
    if (frame == kFadeStartFrame) BeginTransitionFade(kFadeEndingDone);

    for (const ScheduledCaption& s : kCaptionSchedule) {
        if (s.frame == frame) AddCaption(s.x, s.y, 0.0f, s.l, s.t, s.r, s.b);
    }

    ++frame;
    if (scroll >= kScreenHeight) {
        scroll = 0.0f;
    } else {
        scroll += kScrollStep;
    }
    return TransitionFadeReached(kFadeEndingDone);
}

void EndingScene::Draw() {
    const Vec3 upper{0.0f, scroll, 0.0f};
    const Vec3 lower{0.0f, scroll - kScreenHeight, 0.0f};
    SpriteBatch->Draw(background, nullptr, nullptr, &upper, 0xFFFFFFFFu);
    SpriteBatch->Draw(background, nullptr, nullptr, &lower, 0xFFFFFFFFu);
    if (WhiteoutActive == 1) DrawWhiteFlash();
    for (const Caption& c : captions) {
        if (c.active == 0) continue;
        const uint32_t color = (static_cast<uint32_t>(c.alpha) << 24) | 0xFFFFFFu;
        SpriteBatch->Draw(captionSheet, &c.drawn, &c.centre, &c.position, color);
    }
}
