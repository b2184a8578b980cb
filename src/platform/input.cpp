// Keyboard (PC scan codes over SDL's physical scancodes) and pad 0 (the first
// SDL game controller, as an XInput-style record).
#include "platform/input.h"

#include <array>
#include <cstring>

#include "platform/sdl_internal.h"

uint8_t KeyboardState[256] = {};
PadStateRecord PadState;
int32_t PadConnected = 0;

namespace {

// The one table of keys: PC scan code and the SDL scancode of the same key.
constexpr KeyPair kKeyTable[] = {
    {KEY_ESCAPE, SDL_SCANCODE_ESCAPE},
    {KEY_1, SDL_SCANCODE_1},
    {KEY_2, SDL_SCANCODE_2},
    {KEY_3, SDL_SCANCODE_3},
    {KEY_4, SDL_SCANCODE_4},
    {KEY_5, SDL_SCANCODE_5},
    {KEY_6, SDL_SCANCODE_6},
    {KEY_7, SDL_SCANCODE_7},
    {KEY_8, SDL_SCANCODE_8},
    {KEY_9, SDL_SCANCODE_9},
    {KEY_0, SDL_SCANCODE_0},
    {KEY_MINUS, SDL_SCANCODE_MINUS},
    {KEY_EQUALS, SDL_SCANCODE_EQUALS},
    {KEY_BACK, SDL_SCANCODE_BACKSPACE},
    {KEY_TAB, SDL_SCANCODE_TAB},
    {KEY_Q, SDL_SCANCODE_Q},
    {KEY_W, SDL_SCANCODE_W},
    {KEY_E, SDL_SCANCODE_E},
    {KEY_R, SDL_SCANCODE_R},
    {KEY_T, SDL_SCANCODE_T},
    {KEY_Y, SDL_SCANCODE_Y},
    {KEY_U, SDL_SCANCODE_U},
    {KEY_I, SDL_SCANCODE_I},
    {KEY_O, SDL_SCANCODE_O},
    {KEY_P, SDL_SCANCODE_P},
    {KEY_LBRACKET, SDL_SCANCODE_LEFTBRACKET},
    {KEY_RBRACKET, SDL_SCANCODE_RIGHTBRACKET},
    {KEY_RETURN, SDL_SCANCODE_RETURN},
    {KEY_LCONTROL, SDL_SCANCODE_LCTRL},
    {KEY_A, SDL_SCANCODE_A},
    {KEY_S, SDL_SCANCODE_S},
    {KEY_D, SDL_SCANCODE_D},
    {KEY_F, SDL_SCANCODE_F},
    {KEY_G, SDL_SCANCODE_G},
    {KEY_H, SDL_SCANCODE_H},
    {KEY_J, SDL_SCANCODE_J},
    {KEY_K, SDL_SCANCODE_K},
    {KEY_L, SDL_SCANCODE_L},
    {KEY_SEMICOLON, SDL_SCANCODE_SEMICOLON},
    {KEY_APOSTROPHE, SDL_SCANCODE_APOSTROPHE},
    {KEY_GRAVE, SDL_SCANCODE_GRAVE},
    {KEY_LSHIFT, SDL_SCANCODE_LSHIFT},
    {KEY_BACKSLASH, SDL_SCANCODE_BACKSLASH},
    {KEY_Z, SDL_SCANCODE_Z},
    {KEY_X, SDL_SCANCODE_X},
    {KEY_C, SDL_SCANCODE_C},
    {KEY_V, SDL_SCANCODE_V},
    {KEY_B, SDL_SCANCODE_B},
    {KEY_N, SDL_SCANCODE_N},
    {KEY_M, SDL_SCANCODE_M},
    {KEY_COMMA, SDL_SCANCODE_COMMA},
    {KEY_PERIOD, SDL_SCANCODE_PERIOD},
    {KEY_SLASH, SDL_SCANCODE_SLASH},
    {KEY_RSHIFT, SDL_SCANCODE_RSHIFT},
    {KEY_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY},
    {KEY_LMENU, SDL_SCANCODE_LALT},
    {KEY_SPACE, SDL_SCANCODE_SPACE},
    {KEY_CAPITAL, SDL_SCANCODE_CAPSLOCK},
    {KEY_F1, SDL_SCANCODE_F1},
    {KEY_F2, SDL_SCANCODE_F2},
    {KEY_F3, SDL_SCANCODE_F3},
    {KEY_F4, SDL_SCANCODE_F4},
    {KEY_F5, SDL_SCANCODE_F5},
    {KEY_F6, SDL_SCANCODE_F6},
    {KEY_F7, SDL_SCANCODE_F7},
    {KEY_F8, SDL_SCANCODE_F8},
    {KEY_F9, SDL_SCANCODE_F9},
    {KEY_F10, SDL_SCANCODE_F10},
    {KEY_NUMLOCK, SDL_SCANCODE_NUMLOCKCLEAR},
    {KEY_SCROLL, SDL_SCANCODE_SCROLLLOCK},
    {KEY_NUMPAD7, SDL_SCANCODE_KP_7},
    {KEY_NUMPAD8, SDL_SCANCODE_KP_8},
    {KEY_NUMPAD9, SDL_SCANCODE_KP_9},
    {KEY_SUBTRACT, SDL_SCANCODE_KP_MINUS},
    {KEY_NUMPAD4, SDL_SCANCODE_KP_4},
    {KEY_NUMPAD5, SDL_SCANCODE_KP_5},
    {KEY_NUMPAD6, SDL_SCANCODE_KP_6},
    {KEY_ADD, SDL_SCANCODE_KP_PLUS},
    {KEY_NUMPAD1, SDL_SCANCODE_KP_1},
    {KEY_NUMPAD2, SDL_SCANCODE_KP_2},
    {KEY_NUMPAD3, SDL_SCANCODE_KP_3},
    {KEY_NUMPAD0, SDL_SCANCODE_KP_0},
    {KEY_DECIMAL, SDL_SCANCODE_KP_PERIOD},
    {KEY_F11, SDL_SCANCODE_F11},
    {KEY_F12, SDL_SCANCODE_F12},
    {KEY_NUMPADENTER, SDL_SCANCODE_KP_ENTER},
    {KEY_RCONTROL, SDL_SCANCODE_RCTRL},
    {KEY_DIVIDE, SDL_SCANCODE_KP_DIVIDE},
    {KEY_SYSRQ, SDL_SCANCODE_PRINTSCREEN},
    {KEY_RMENU, SDL_SCANCODE_RALT},
    {KEY_PAUSE, SDL_SCANCODE_PAUSE},
    {KEY_HOME, SDL_SCANCODE_HOME},
    {KEY_UP, SDL_SCANCODE_UP},
    {KEY_PRIOR, SDL_SCANCODE_PAGEUP},
    {KEY_LEFT, SDL_SCANCODE_LEFT},
    {KEY_RIGHT, SDL_SCANCODE_RIGHT},
    {KEY_END, SDL_SCANCODE_END},
    {KEY_DOWN, SDL_SCANCODE_DOWN},
    {KEY_NEXT, SDL_SCANCODE_PAGEDOWN},
    {KEY_INSERT, SDL_SCANCODE_INSERT},
    {KEY_DELETE, SDL_SCANCODE_DELETE},
    {KEY_LWIN, SDL_SCANCODE_LGUI},
    {KEY_RWIN, SDL_SCANCODE_RGUI},
    {KEY_APPS, SDL_SCANCODE_APPLICATION},
};
constexpr int kKeyCount = static_cast<int>(sizeof(kKeyTable) / sizeof(kKeyTable[0]));

// Both directions of the table, -1 where a code or scancode has no key.
struct KeyLookups {
    std::array<int, 256> scancodeOf;
    std::array<int, SDL_NUM_SCANCODES> keyCodeOf;
    KeyLookups() {
        scancodeOf.fill(-1);
        keyCodeOf.fill(-1);
        for (const KeyPair& pair : kKeyTable) {
            scancodeOf[pair.keyCode] = pair.scancode;
            keyCodeOf[static_cast<size_t>(pair.scancode)] = pair.keyCode;
        }
    }
};

const KeyLookups& Lookups() {
    static const KeyLookups lookups;
    return lookups;
}

// The keys held as the events told (0x80 per key down), by key code. Kept
// here rather than read from SDL's own table, so that a key event pushed into
// the queue counts like one from the keyboard.
uint8_t heldKeys[256] = {};
// Keys pressed since the keyboard state was last read, and those of them let
// go again before it was: a tap between two frames stays down until one
// frame has read it.
bool pressedUnread[256] = {};
bool releaseWhenRead[256] = {};

// Pad 0.
SDL_GameController* pad = nullptr;
uint16_t motorLeft = 0;
uint16_t motorRight = 0;
uint32_t rumbleIssuedAt = 0;
// SDL ends a rumble after at most about a minute: ask again well before that.
constexpr uint32_t kRumbleLength = 60000;
constexpr uint32_t kRumbleRenewal = 30000;

void IssueRumble() {
    if (pad == nullptr) return;
    const bool on = motorLeft != 0 || motorRight != 0;
    SDL_GameControllerRumble(pad, motorLeft, motorRight, on ? kRumbleLength : 0);
    rumbleIssuedAt = SDL_GetTicks();
}

// Opens the first game controller there is, if none is open.
void OpenFirstPad() {
    if (pad != nullptr) return;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (!SDL_IsGameController(i)) continue;
        pad = SDL_GameControllerOpen(i);
        if (pad != nullptr) {
            IssueRumble();
            return;
        }
    }
}

constexpr std::pair<SDL_GameControllerButton, uint16_t> kPadButtons[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_DPAD_UP},
    {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DPAD_DOWN},
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_DPAD_LEFT},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_DPAD_RIGHT},
    {SDL_CONTROLLER_BUTTON_START, PAD_START},
    {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
    {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_LEFT_THUMB},
    {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_RIGHT_THUMB},
    {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LB},
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RB},
    {SDL_CONTROLLER_BUTTON_A, PAD_A},
    {SDL_CONTROLLER_BUTTON_B, PAD_B},
    {SDL_CONTROLLER_BUTTON_X, PAD_X},
    {SDL_CONTROLLER_BUTTON_Y, PAD_Y},
};

}  // namespace

const KeyPair* KeyTable(int* count) {
    if (count != nullptr) *count = kKeyCount;
    return kKeyTable;
}

int KeyCodeToScancode(uint8_t keyCode) { return Lookups().scancodeOf[keyCode]; }

int ScancodeToKeyCode(int scancode) {
    if (scancode < 0 || scancode >= SDL_NUM_SCANCODES) return -1;
    return Lookups().keyCodeOf[static_cast<size_t>(scancode)];
}

int16_t ConvertStickY(int16_t sdlValue) {
    return sdlValue == -32768 ? int16_t{32767} : static_cast<int16_t>(-sdlValue);
}

uint8_t ConvertTrigger(int16_t sdlValue) {
    if (sdlValue <= 0) return 0;
    return static_cast<uint8_t>((sdlValue * 255 + 16383) / 32767);
}

void PadDeviceAdded(int) { OpenFirstPad(); }

void PadDeviceRemoved(SDL_JoystickID instanceId) {
    if (pad == nullptr) return;
    if (SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) != instanceId) return;
    SDL_GameControllerClose(pad);
    pad = nullptr;
    OpenFirstPad();
}

void ClosePad() {
    motorLeft = 0;
    motorRight = 0;
    if (pad == nullptr) return;
    SDL_GameControllerRumble(pad, 0, 0, 0);
    SDL_GameControllerClose(pad);
    pad = nullptr;
}

int32_t PollPad(PadStateRecord* out) {
    if (pad == nullptr || !SDL_GameControllerGetAttached(pad)) {
        // No pad: nothing is held, so no button keeps firing.
        *out = PadStateRecord{};
        return 0;
    }
    GamePad g;
    for (const auto& [button, mask] : kPadButtons) {
        if (SDL_GameControllerGetButton(pad, button)) g.buttons |= mask;
    }
    g.leftTrigger = ConvertTrigger(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERLEFT));
    g.rightTrigger = ConvertTrigger(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT));
    g.thumbLX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
    g.thumbLY = ConvertStickY(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY));
    g.thumbRX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTX);
    g.thumbRY = ConvertStickY(SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_RIGHTY));
    // The packet number moves on whenever the state changed.
    const GamePad& old = out->gamepad;
    if (std::memcmp(&old, &g, sizeof(g)) != 0) ++out->packetNumber;
    out->gamepad = g;
    if ((motorLeft != 0 || motorRight != 0) && SDL_GetTicks() - rumbleIssuedAt >= kRumbleRenewal) IssueRumble();
    return 1;
}

void SetPadVibration(uint16_t leftMotor, uint16_t rightMotor) {
    motorLeft = leftMotor;
    motorRight = rightMotor;
    IssueRumble();
}

void GetPadVibration(uint16_t* leftMotor, uint16_t* rightMotor) {
    if (leftMotor != nullptr) *leftMotor = motorLeft;
    if (rightMotor != nullptr) *rightMotor = motorRight;
}

void KeyEventReceived(int scancode, bool down) {
    const int code = ScancodeToKeyCode(scancode);
    if (code < 0) return;
    if (down) {
        heldKeys[code] = 0x80;
        pressedUnread[code] = true;
        releaseWhenRead[code] = false;
    } else if (pressedUnread[code]) {
        releaseWhenRead[code] = true;
    } else {
        heldKeys[code] = 0;
    }
}

void ReleaseHeldKeys() {
    std::memset(heldKeys, 0, sizeof(heldKeys));
    std::memset(pressedUnread, 0, sizeof(pressedUnread));
    std::memset(releaseWhenRead, 0, sizeof(releaseWhenRead));
}

bool PlatformInjectKey(uint8_t keyCode, bool down) {
    const int scancode = KeyCodeToScancode(keyCode);
    if (scancode < 0) return false;
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.timestamp = SDL_GetTicks();
    if (SDL_Window* window = PlatformWindow()) event.key.windowID = SDL_GetWindowID(window);
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = static_cast<SDL_Scancode>(scancode);
    event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
    return SDL_PushEvent(&event) == 1;
}

bool KeyboardDevice::GetState(uint8_t* out256) {
    if (!acquired_) return false;
    std::memcpy(out256, heldKeys, sizeof(heldKeys));
    // Taps this read has seen are let go now.
    for (int code = 0; code < 256; ++code) {
        if (releaseWhenRead[code]) heldKeys[code] = 0;
        pressedUnread[code] = false;
        releaseWhenRead[code] = false;
    }
    return true;
}

void KeyboardDevice::Acquire() { acquired_ = true; }
void KeyboardDevice::Unacquire() { acquired_ = false; }
void KeyboardDevice::Release() { delete this; }

InputSystem* InputSystem::Create() { return new InputSystem; }
KeyboardDevice* InputSystem::CreateKeyboard() { return new KeyboardDevice; }
void InputSystem::Release() { delete this; }
