#pragma once
// The game object: scenes, start-up, main loop and shutdown.
#include <cstdint>

#include "app/ending.h"
#include "app/title.h"
#include "core/effects.h"
#include "core/equipment.h"
#include "core/user_interface.h"
#include "fieldmap/field_map_scene.h"
#include "platform/graphics.h"

class InputSystem;
class KeyboardDevice;

// Scene codes.
enum GameScene : int32_t {
    kSceneTitle = 1,
    kSceneFieldMap = 2,
    kScenePlay = 3,
    kSceneCredits = 4,
    kSceneQuit = 5,
    kSceneEnding = 6,
};

class Game {
public:
    Game();

    // Start-up: window, devices, random seed, sprite batch, assets.
    bool Init(WindowMode mode);
    bool CreateWindowAndDevices(WindowMode mode);
    bool CreateKeyboardDevice();
    // The clock and the event pump around RunFrame.
    void MainLoop();
    // One frame of the real program: pad and keyboard read, Update, then the
    // scene cleared to white, drawn and presented. False ends the program
    // (Update said so, or the device was lost).
    bool RunFrame();
    // One frame of the current scene; false ends the program.
    bool Update();
    void Draw();
    // The scene drawn into a back buffer cleared to white, between the
    // device's scene brackets; not presented.
    void DrawFrame();
    void Shutdown();

    bool CreateAssets();
    void ReleaseAssets();

    // Scene operations.
    int32_t UpdateTitle();
    bool UpdateFieldMap();
    int32_t UpdatePlay();
    void DrawPlay();
    void DrawCredits();
    // The damaging side of skills 1 and 3, once per in-field frame.
    void ApplyPlayerSkill(float x, float y, float z, float skillAttack);

    int32_t backHeldCounter = 0;
    int32_t scene = kSceneTitle;
    TitleMenu titleMenu;
    Texture* creditsTexture = nullptr;
    EndingScene ending;
    UserInterface userInterface;
    EffectPoolInitializer effectPoolInitializer;
    FieldMapScene fieldMap;
    ShotStyleTableInitializer shotStyleInitializer;
    InputSystem* inputSystem = nullptr;
    KeyboardDevice* keyboard = nullptr;
};

// Frame pacing: a frame is due once more than 16 ms have passed since the last
// one, counting the carried remainder; the remainder kept is elapsed & 15.
// Returns true when a frame is to run (and updates `last` and `carry`).
bool FrameDue(uint32_t now, uint32_t& last, uint32_t& carry);

// The whole program: make "Resource_Mirelune" current, start up, run, shut down.
// Returns the exit status: EXIT_FAILURE after a failed start-up, else EXIT_SUCCESS.
// With MIRELUNE_REPORT_FIRST_FRAME set, prints "first frame shown" on stdout
// once the main loop has shown its first frame.
int RunMirelune(WindowMode mode);
