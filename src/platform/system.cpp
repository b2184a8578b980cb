// Window, event pump, error box, clock and working directory.
#include "platform/system.h"

#include <string>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sdl_internal.h"

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 720;

SDL_Window* window = nullptr;
bool windowFullscreen = false;
bool quitRequested = false;
int errorMessages = 0;
std::string lastErrorMessage;
std::string failedFile;

// The video drivers that show nothing on any screen.
bool IsDriverWithoutDisplay(const char* driver) {
    return driver != nullptr && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

// True when boxes can be shown: video is up on a driver with a display.
bool HasDisplay() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return false;
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && !IsDriverWithoutDisplay(driver);
}

// True when the user named `driver` in SDL_VIDEODRIVER (one name or a comma-separated list).
bool DriverNamedByUser(const char* driver) {
    const char* names = std::getenv("SDL_VIDEODRIVER");
    if (names == nullptr) return false;
    const size_t length = std::strlen(driver);
    for (const char* name = names; *name != '\0';) {
        const char* end = std::strchr(name, ',');
        const size_t nameLength = end != nullptr ? static_cast<size_t>(end - name) : std::strlen(name);
        if (nameLength == length && SDL_strncasecmp(name, driver, length) == 0) return true;
        if (end == nullptr) break;
        name = end + 1;
    }
    return false;
}

// With no display SDL falls back to a driver that draws off screen, and the
// game would run unseen: only a user who asked for that driver gets it.
bool VideoDriverUsable() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver != nullptr && (!IsDriverWithoutDisplay(driver) || DriverNamedByUser(driver));
}

void HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_QUIT:  // also how SDL delivers SIGINT and SIGTERM
            quitRequested = true;
            break;
        case SDL_KEYDOWN:
            KeyEventReceived(event.key.keysym.scancode, true);
            if (event.key.keysym.scancode == SDL_SCANCODE_ESCAPE) quitRequested = true;
            break;
        case SDL_KEYUP:
            KeyEventReceived(event.key.keysym.scancode, false);
            break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) quitRequested = true;
            // Keys held while the window loses focus are let go.
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ReleaseHeldKeys();
            break;
        case SDL_CONTROLLERDEVICEADDED:
            PadDeviceAdded(event.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            PadDeviceRemoved(event.cdevice.which);
            break;
        case SDL_RENDER_DEVICE_RESET:
        case SDL_RENDER_TARGETS_RESET:
            RenderDeviceReset();
            break;
        default:
            break;
    }
}

}  // namespace

SDL_Window* PlatformWindow() { return window; }
bool PlatformWindowIsFullscreen() { return windowFullscreen; }

bool PlatformInit() {
    quitRequested = false;
    failedFile.clear();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) return false;
    // Without a controller subsystem the pad simply never connects, and
    // without audio the sounds play silently.
    SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER);
    SDL_InitSubSystem(SDL_INIT_AUDIO);
    return true;
}

bool PlatformCreateWindow(WindowMode mode) {
    if (window != nullptr || SDL_WasInit(SDL_INIT_VIDEO) == 0 || !VideoDriverUsable()) return false;
    windowFullscreen = mode == WindowMode::Fullscreen;
    Uint32 flags = SDL_WINDOW_HIDDEN;
    if (windowFullscreen) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow("MIRELUNE", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kScreenWidth,
                              kScreenHeight, flags);
    return window != nullptr;
}

bool PlatformHasWindow() { return window != nullptr; }

void PlatformShowWindow() {
    if (window != nullptr) SDL_ShowWindow(window);
}

void PlatformShowCursor(bool show) {
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool PlatformPumpEvents() {
    if (SDL_WasInit(SDL_INIT_EVENTS) != 0) {
        SDL_Event event;
        while (SDL_PollEvent(&event) != 0) HandleEvent(event);
    }
    return !quitRequested;
}

void PlatformRequestQuit() { quitRequested = true; }

void ShowErrorMessage(const char* text) {
    if (text == nullptr) text = "";
    ++errorMessages;
    lastErrorMessage = text;
    if (failedFile.empty()) {
        std::fprintf(stderr, "%s\n", text);
    } else {
        std::fprintf(stderr, "%s: %s\n", text, failedFile.c_str());
        failedFile.clear();
    }
    std::fflush(stderr);
    if (HasDisplay()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", text, window);
}

void NoteFailedFile(const char* path) { failedFile = path != nullptr ? path : ""; }

int ErrorMessageCount() { return errorMessages; }

const char* LastErrorMessage() { return lastErrorMessage.c_str(); }

void PlatformShutdown() {
    ReleaseHeldKeys();
    ClosePad();
    CloseAudioDevice();
    DestroyWindowRenderer();
    if (window != nullptr) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    windowFullscreen = false;
    SDL_Quit();
}

uint32_t ClockMilliseconds() { return SDL_GetTicks(); }

void SleepMilliseconds(uint32_t ms) { SDL_Delay(ms); }

bool PlatformSetCurrentDirectory(const char* path) { return path != nullptr && chdir(path) == 0; }
