#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/platform.h"
#include "platform/sdl_internal.h"

namespace {

class PlatformSession : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(PlatformInit()); }
    void TearDown() override { PlatformShutdown(); }
};

TEST_F(PlatformSession, QuitEscapeAndCloseEndTheLoopAfterDrainingEvents) {
    EXPECT_TRUE(PlatformPumpEvents());

    SDL_Event user{};
    user.type = SDL_USEREVENT;
    SDL_PushEvent(&user);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    SDL_PushEvent(&user);
    EXPECT_FALSE(PlatformPumpEvents());
    SDL_Event left{};
    EXPECT_EQ(SDL_PollEvent(&left), 0);  // everything pending was handled
    EXPECT_FALSE(PlatformPumpEvents());  // and the program stays on its way out
}

void PushKeyDown(SDL_Scancode scancode) {
    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = scancode;
    key.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
    SDL_PushEvent(&key);
}

TEST_F(PlatformSession, EscapeQuitsOtherKeysDoNot) {
    PushKeyDown(SDL_SCANCODE_SPACE);
    EXPECT_TRUE(PlatformPumpEvents());
    PushKeyDown(SDL_SCANCODE_ESCAPE);
    EXPECT_FALSE(PlatformPumpEvents());
}

TEST_F(PlatformSession, TerminationSignalQuits) {
    std::raise(SIGTERM);  // SDL turns it into a quit event
    EXPECT_FALSE(PlatformPumpEvents());
}

TEST_F(PlatformSession, RequestedQuitEndsTheLoop) {
    PlatformRequestQuit();
    EXPECT_FALSE(PlatformPumpEvents());
}

TEST_F(PlatformSession, WindowIsHiddenUntilShownAndClosingItQuits) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Windowed));
    SDL_Window* window = PlatformWindow();
    ASSERT_NE(window, nullptr);
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    EXPECT_EQ(w, 1280);
    EXPECT_EQ(h, 720);
    EXPECT_STREQ(SDL_GetWindowTitle(window), "MIRELUNE");
    const Uint32 flags = SDL_GetWindowFlags(window);
    EXPECT_TRUE(flags & SDL_WINDOW_HIDDEN);
    EXPECT_FALSE(flags & SDL_WINDOW_RESIZABLE);
    EXPECT_FALSE(flags & SDL_WINDOW_FULLSCREEN);
    PlatformShowWindow();
    EXPECT_TRUE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN);

    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    close.window.windowID = SDL_GetWindowID(window);
    SDL_PushEvent(&close);
    EXPECT_FALSE(PlatformPumpEvents());
}

TEST_F(PlatformSession, FullScreenLetterboxesTheGamePicture) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Fullscreen));
    GraphicsDevice* device = CreateGraphicsDevice(WindowMode::Fullscreen);
    ASSERT_NE(device, nullptr);
    device->BeginScene();
    device->Clear(0xFFFFFFFF);
    device->EndScene();
    std::vector<uint32_t> pixels;
    int w = 0;
    int h = 0;
    ASSERT_TRUE(device->ReadPixels(&pixels, &w, &h));
    // The desktop's shape differs from 16:9 under the dummy driver (1024 x 768):
    // bars above and below, white in the middle.
    ASSERT_GT(h * 16, w * 9);
    EXPECT_EQ(pixels[static_cast<size_t>(w / 2)], 0xFF000000u);
    EXPECT_EQ(pixels[static_cast<size_t>(h / 2) * w + w / 2], 0xFFFFFFFFu);
    EXPECT_TRUE(device->Present());
    device->Release();
}

// A window manager may give the window another size than the 1280 x 720 asked
// for: the whole picture is scaled into it and letterboxed, never cropped.
TEST_F(PlatformSession, AResizedWindowShowsTheWholePictureScaledAndLetterboxed) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Windowed));
    GraphicsDevice* device = CreateGraphicsDevice(WindowMode::Windowed, RendererKind::Software);
    ASSERT_NE(device, nullptr);
    SpriteBatchApi* batch = CreateSpriteBatch(device);
    // The right-hand panel, x 1040 to 1280, red on the white picture.
    Texture* panel = CreateTextureFromPixels(device, 240, 720, std::vector<uint32_t>(240 * 720, 0xFFFF0000), "panel");
    SDL_SetWindowSize(PlatformWindow(), 640, 400);
    EXPECT_TRUE(PlatformPumpEvents());
    device->BeginScene();
    device->Clear(0xFFFFFFFF);
    batch->Begin(SpriteBatchApi::kAlphaBlend);
    const Vec3 at{1040.0f, 0.0f, 0.0f};
    batch->Draw(panel, nullptr, nullptr, &at, 0xFFFFFFFF);
    batch->End();
    device->EndScene();
    std::vector<uint32_t> pixels;
    int w = 0;
    int h = 0;
    ASSERT_TRUE(device->ReadPixels(&pixels, &w, &h));
    ASSERT_EQ(w, 640);
    ASSERT_EQ(h, 400);
    auto pixel = [&](int x, int y) { return pixels[static_cast<size_t>(y) * w + x]; };
    // Half size with bars of 20 pixels above and below: the panel runs from
    // x 520 to the window's right edge, from y 20 to 380.
    EXPECT_EQ(pixel(320, 10), 0xFF000000u);
    EXPECT_EQ(pixel(320, 390), 0xFF000000u);
    EXPECT_EQ(pixel(510, 200), 0xFFFFFFFFu);
    EXPECT_EQ(pixel(525, 25), 0xFFFF0000u);
    EXPECT_EQ(pixel(639, 375), 0xFFFF0000u);
    panel->Release();
    batch->Release();
    device->Release();
}

TEST_F(PlatformSession, LostRenderDeviceEndsPresenting) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Windowed));
    GraphicsDevice* device = CreateGraphicsDevice(WindowMode::Windowed);
    ASSERT_NE(device, nullptr);
    EXPECT_TRUE(device->Present());
    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    SDL_PushEvent(&reset);
    EXPECT_TRUE(PlatformPumpEvents());  // not a quit by itself
    EXPECT_FALSE(device->Present());
    device->Release();
}

// Without a display SDL falls back to its off-screen driver: a game nobody can
// see. Only a driver the user named in SDL_VIDEODRIVER is taken.
TEST(VideoDriver, AnOffscreenFallbackIsNoWindowOneTheUserNamedIs) {
    const char* before = std::getenv("SDL_VIDEODRIVER");
    const std::string named = before != nullptr ? before : "";
    // SDL lands on the off-screen driver without the user asking for it.
    unsetenv("SDL_VIDEODRIVER");
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "offscreen");
    ASSERT_TRUE(PlatformInit());
    EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "offscreen");
    EXPECT_FALSE(PlatformCreateWindow(WindowMode::Windowed));
    PlatformShutdown();
    SDL_ResetHint(SDL_HINT_VIDEODRIVER);
    // Named alone, or in a list (where a display, if there is one, comes first).
    for (const char* asked : {"offscreen", "x11,OFFSCREEN"}) {
        setenv("SDL_VIDEODRIVER", asked, 1);
        ASSERT_TRUE(PlatformInit()) << asked;
        const bool offscreen = std::strcmp(SDL_GetCurrentVideoDriver(), "offscreen") == 0;
        EXPECT_TRUE(offscreen || std::strcmp(asked, "offscreen") != 0);
        EXPECT_TRUE(PlatformCreateWindow(WindowMode::Windowed)) << asked;
        PlatformShutdown();
    }
    if (named.empty()) {
        unsetenv("SDL_VIDEODRIVER");
    } else {
        setenv("SDL_VIDEODRIVER", named.c_str(), 1);
    }
}

TEST(ErrorMessage, GoesToStderrWithoutABoxWhenThereIsNoDisplay) {
    const int before = ErrorMessageCount();
    ASSERT_TRUE(PlatformInit());  // dummy video driver: no box may block
    ::testing::internal::CaptureStderr();
    ShowErrorMessage("Direct3Dの作成に失敗");
    const std::string text = ::testing::internal::GetCapturedStderr();
    PlatformShutdown();
    EXPECT_EQ(text, "Direct3Dの作成に失敗\n");
    EXPECT_EQ(ErrorMessageCount(), before + 1);
}

}  // namespace
