#include "app/game.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <new>

#include "core/emotion.h"
#include "core/fade.h"
#include "core/game_codes.h"
#include "core/high_score.h"
#include "core/random.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "platform/platform.h"

namespace {

constexpr int32_t kBackHeldFramesToQuit = 60;

// Shows a start-up failure and reports it to the caller.
bool Fail(const char* message) {
    ShowErrorMessage(message);
    return false;
}

// The smoke run asks, through the environment, to be told on stdout that the
// main loop has shown its first frame; a normal run prints nothing.
void ReportFirstFrame() {
    if (std::getenv("MIRELUNE_REPORT_FIRST_FRAME") == nullptr) return;
    std::puts("first frame shown");
    std::fflush(stdout);
}

}  // namespace

Game::Game() {
    for (float& g : EmotionGauges) g = 500.0f;
    for (int i = 0; i < kEnemyCount; ++i) {
        EnemyDrawOrder[i] = -1;
        EnemyDrawLayer[i] = -1;
    }
    // The program opens with the second half of a fade: black to the title.
    BlackoutTexture = nullptr;
    TransitionFadeCounter = kFadeMidpoint;
    TransitionFadeActive = 1;
    TransitionFadeCode = 0;
    WhiteoutTexture = nullptr;
    WhiteoutCounter = 0;
    WhiteoutActive = 0;
    EquippedSlots.armour = 0;
    EquippedSlots.weaponA = 0;
    EquippedSlots.weaponB = 0;
    EquippedSlots.accessory1 = -1;
    EquippedSlots.accessory2 = -1;
    BaseScore = 0;
    for (int32_t& s : HighScoreTable) s = 0;
    BonusTextTexture = nullptr;
    scene = kSceneTitle;
    backHeldCounter = 0;
}

bool Game::CreateKeyboardDevice() {
    inputSystem = InputSystem::Create();
    if (inputSystem == nullptr) return false;
    keyboard = inputSystem->CreateKeyboard();
    if (keyboard == nullptr) return false;
    keyboard->Acquire();
    return true;
}

bool Game::CreateWindowAndDevices(WindowMode mode) {
    if (!PlatformInit()) return Fail("ウィンドウの登録に失敗");
    if (!PlatformCreateWindow(mode)) return Fail("ウィンドウの作成に失敗");
    // The full-screen build hides the cursor before the device exists.
    if (mode == WindowMode::Fullscreen) PlatformShowCursor(false);
    Direct3DDevice = CreateGraphicsDevice(mode);
    if (Direct3DDevice == nullptr) return Fail("Direct3Dの作成に失敗");
    PlatformShowWindow();
    if (!CreateKeyboardDevice()) return Fail("DirectInputの作成に失敗");
    return true;
}

bool Game::Init(WindowMode mode) {
    if (!CreateWindowAndDevices(mode)) return false;
    SeedGameRandom(static_cast<uint32_t>(std::time(nullptr)));
    SpriteBatch = CreateSpriteBatch(Direct3DDevice);
    if (SpriteBatch == nullptr) return Fail("スプライトの作成に失敗");
    return CreateAssets();
}

bool FrameDue(uint32_t now, uint32_t& last, uint32_t& carry) {
    const uint32_t elapsed = now - last + carry;
    if (elapsed <= 16) return false;
    last = now;
    carry = elapsed & 15;
    return true;
}

void Game::MainLoop() {
    uint32_t last = ClockMilliseconds();
    uint32_t carry = 0;
    bool shown = false;
    for (;;) {
        if (!PlatformPumpEvents()) return;
        if (!FrameDue(ClockMilliseconds(), last, carry)) {
            SleepMilliseconds(1);
            continue;
        }
        if (!RunFrame()) return;
        if (!shown) ReportFirstFrame();
        shown = true;
    }
}

bool Game::RunFrame() {
    PadConnected = PollPad(&PadState);
    // A device that was not acquired keeps last frame's keys and is asked again.
    if (!keyboard->GetState(KeyboardState)) keyboard->Acquire();
    if (!Update()) return false;
    DrawFrame();
    return Direct3DDevice->Present();
}

void Game::DrawFrame() {
    Direct3DDevice->BeginScene();
    Direct3DDevice->Clear(0xFFFFFFFF);
    Draw();
    Direct3DDevice->EndScene();
}

bool Game::Update() {
    switch (scene) {
        case kSceneTitle:
            switch (UpdateTitle()) {
                case 1: scene = kSceneFieldMap; break;
                case 2: scene = kSceneCredits; break;
                case 3: scene = kSceneQuit; break;
                default: break;
            }
            break;
        case kSceneFieldMap:
            if (UpdateFieldMap()) scene = kScenePlay;
            break;
        case kScenePlay:
            switch (UpdatePlay()) {
                case 1: scene = kSceneFieldMap; break;
                case 2: scene = kSceneEnding; break;
                default: break;
            }
            break;
        case kSceneCredits:
            if (UpdateCredits()) scene = kSceneTitle;
            break;
        case kSceneEnding:
            if (ending.Update()) {
                ending.Reset();
                scene = kSceneTitle;
            }
            break;
        default:
            break;
    }
    // The pad's BACK button held for a second quits from any scene.
    if (PadState.gamepad.buttons & PAD_BACK) {
        ++backHeldCounter;
    } else {
        backHeldCounter = 0;
    }
    if (backHeldCounter >= kBackHeldFramesToQuit) return false;
    return scene != kSceneQuit;
}

void Game::Draw() {
    switch (scene) {
        case kSceneTitle:
        case kSceneFieldMap:
        case kSceneEnding:
            SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
            if (scene == kSceneTitle) {
                titleMenu.Draw();
            } else if (scene == kSceneFieldMap) {
                fieldMap.Draw();
            } else {
                ending.Draw();
            }
            if (TransitionFadeActive == 1) DrawTransitionFade();
            SpriteBatch->End();
            break;
        case kScenePlay:
            DrawPlay();
            break;
        case kSceneCredits:
            DrawCredits();
            break;
        default:
            break;
    }
}

void Game::Shutdown() {
    ReleaseAssets();
    if (SpriteBatch != nullptr) {
        SpriteBatch->Release();
        SpriteBatch = nullptr;
    }
    if (keyboard != nullptr) {
        keyboard->Unacquire();
        keyboard->Release();
        keyboard = nullptr;
    }
    if (inputSystem != nullptr) {
        inputSystem->Release();
        inputSystem = nullptr;
    }
    if (Direct3DDevice != nullptr) {
        Direct3DDevice->Release();
        Direct3DDevice = nullptr;
    }
    SetPadVibration(0, 0);
    PlatformShutdown();
}

int RunMirelune(WindowMode mode) {
    // A missing folder shows up as the first asset that cannot be loaded.
    PlatformSetCurrentDirectory("Resource_Mirelune");
    // The game object lives on this stack for the whole run, zero-filled
    // before it is constructed.
    alignas(Game) unsigned char storage[sizeof(Game)];
    std::memset(storage, 0, sizeof(storage));
    Game* game = new (storage) Game();
    SpriteBatch = nullptr;
    std::memset(KeyboardState, 0, sizeof(KeyboardState));
    const bool started = game->Init(mode);
    if (started) game->MainLoop();
    game->Shutdown();
    game->~Game();
    // A start-up that failed (its message already shown) is a failure to
    // whoever launched the program; any quit from the main loop is a success.
    return started ? EXIT_SUCCESS : EXIT_FAILURE;
}
