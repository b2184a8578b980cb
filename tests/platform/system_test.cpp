#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>

#include "platform/platform.h"
#include "platform/render_internal.h"
#include "platform/sdl_internal.h"
#include "support/test_png.h"

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

// The frame drawn so far, read back at the window's size.
struct Frame {
    std::vector<uint32_t> pixels;
    int width = 0;
    int height = 0;
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Frame ReadFrame(GraphicsDevice* device) {
    Frame frame;
    EXPECT_TRUE(device->ReadPixels(&frame.pixels, &frame.width, &frame.height));
    return frame;
}

TEST_F(PlatformSession, FullScreenLetterboxesTheGamePicture) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Fullscreen));
    GraphicsDevice* device = CreateGraphicsDevice(WindowMode::Fullscreen);
    ASSERT_NE(device, nullptr);
    device->BeginScene();
    device->Clear(0xFFFFFFFF);
    device->EndScene();
    const Frame frame = ReadFrame(device);
    // The desktop's shape differs from 16:9 under the dummy driver (1024 x 768):
    // bars above and below, white in the middle.
    ASSERT_GT(frame.height * 16, frame.width * 9);
    EXPECT_EQ(frame.At(frame.width / 2, 0), 0xFF000000u);
    EXPECT_EQ(frame.At(frame.width / 2, frame.height / 2), 0xFFFFFFFFu);
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
    const Frame frame = ReadFrame(device);
    ASSERT_EQ(frame.width, 640);
    ASSERT_EQ(frame.height, 400);
    // Half size with bars of 20 pixels above and below: the panel runs from
    // x 520 to the window's right edge, from y 20 to 380.
    EXPECT_EQ(frame.At(320, 10), 0xFF000000u);
    EXPECT_EQ(frame.At(320, 390), 0xFF000000u);
    EXPECT_EQ(frame.At(510, 200), 0xFFFFFFFFu);
    EXPECT_EQ(frame.At(525, 25), 0xFFFF0000u);
    EXPECT_EQ(frame.At(639, 375), 0xFFFF0000u);
    panel->Release();
    batch->Release();
    device->Release();
}

void PushEvent(Uint32 type) {
    SDL_Event event{};
    event.type = type;
    SDL_PushEvent(&event);
}

// SDL reports that the renderer lost its textures: each is made again from its
// file, at the size and with the colour key it was created with, and the game
// goes on. A texture whose file is gone by then loses the device: Present
// reports it and the game ends.
TEST_F(PlatformSession, ARenderResetRemakesTexturesFromTheirFiles) {
    ASSERT_TRUE(PlatformCreateWindow(WindowMode::Windowed));
    GraphicsDevice* device = CreateGraphicsDevice(WindowMode::Windowed, RendererKind::Software);
    ASSERT_NE(device, nullptr);
    SpriteBatchApi* batch = CreateSpriteBatch(device);
    TempFolder folder;
    const std::string path = folder.File("sprite.png");
    // A 2 x 2 file, keyed green on the left, asked for at 4 x 4.
    auto writeSheet = [&](uint32_t colour) {
        WriteRgbPng(path, 2, 2, {0xFF00FF00, colour, 0xFF00FF00, colour}, true);
    };
    writeSheet(0xFFFF0000);
    Texture* sprite = CreateTextureFromFile(device, path.c_str(), 4, 4, 0xFF00FF00);
    ASSERT_NE(sprite, nullptr);
    // Drawn ten times its size at the origin over grey: the keyed left column
    // and the coloured right one.
    auto drawn = [&](int x) {
        device->BeginScene();
        device->Clear(0xFF202020);
        batch->SetTransform(MatrixScaling(10.0f, 10.0f, 1.0f));
        batch->Begin(SpriteBatchApi::kAlphaBlend);
        batch->Draw(sprite, nullptr, nullptr, nullptr, 0xFFFFFFFF);
        batch->End();
        device->EndScene();
        const Frame frame = ReadFrame(device);
        return frame.pixels.empty() ? 0u : frame.At(x, 15);
    };
    // The picture is the one read when it was made: a later change of the
    // file is not seen...
    writeSheet(0xFF0000FF);
    EXPECT_EQ(drawn(35), 0xFFFF0000u);
    EXPECT_TRUE(device->Present());
    // ...until a reset of either kind makes it again from the file.
    for (const auto& [type, colour] : {std::pair{SDL_RENDER_TARGETS_RESET, 0xFFFFFF00u},
                                       std::pair{SDL_RENDER_DEVICE_RESET, 0xFF00FFFFu}}) {
        writeSheet(colour);
        PushEvent(type);
        EXPECT_TRUE(PlatformPumpEvents());
        EXPECT_EQ(drawn(5), 0xFF202020u) << type;
        EXPECT_EQ(drawn(35), colour) << type;
        EXPECT_TRUE(device->Present()) << type;
        int w = 0;
        int h = 0;
        ASSERT_EQ(sprite->impl()->tiles.size(), 1u);
        SDL_QueryTexture(sprite->impl()->tiles[0], nullptr, nullptr, &w, &h);
        EXPECT_EQ(w, 4);
        EXPECT_EQ(h, 4);
    }
    std::filesystem::remove(path);
    PushEvent(SDL_RENDER_DEVICE_RESET);
    EXPECT_TRUE(PlatformPumpEvents());  // not a quit by itself
    EXPECT_FALSE(device->Present());
    sprite->Release();
    batch->Release();
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
