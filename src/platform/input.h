#pragma once
// Keyboard and game pad state, refreshed once per frame by PollInput().
#include <cstdint>

// Key codes: the classic PC keyboard scan-code set (index into KeyboardState).
enum KeyCode : uint8_t {
    KEY_ESCAPE = 0x01, KEY_1 = 0x02, KEY_2 = 0x03, KEY_3 = 0x04, KEY_4 = 0x05, KEY_5 = 0x06,
    KEY_6 = 0x07, KEY_7 = 0x08, KEY_8 = 0x09, KEY_9 = 0x0A, KEY_0 = 0x0B, KEY_MINUS = 0x0C,
    KEY_EQUALS = 0x0D, KEY_BACK = 0x0E, KEY_TAB = 0x0F,
    KEY_Q = 0x10, KEY_W = 0x11, KEY_E = 0x12, KEY_R = 0x13, KEY_T = 0x14, KEY_Y = 0x15,
    KEY_U = 0x16, KEY_I = 0x17, KEY_O = 0x18, KEY_P = 0x19, KEY_LBRACKET = 0x1A,
    KEY_RBRACKET = 0x1B, KEY_RETURN = 0x1C, KEY_LCONTROL = 0x1D,
    KEY_A = 0x1E, KEY_S = 0x1F, KEY_D = 0x20, KEY_F = 0x21, KEY_G = 0x22, KEY_H = 0x23,
    KEY_J = 0x24, KEY_K = 0x25, KEY_L = 0x26, KEY_SEMICOLON = 0x27, KEY_APOSTROPHE = 0x28,
    KEY_GRAVE = 0x29, KEY_LSHIFT = 0x2A, KEY_BACKSLASH = 0x2B,
    KEY_Z = 0x2C, KEY_X = 0x2D, KEY_C = 0x2E, KEY_V = 0x2F, KEY_B = 0x30, KEY_N = 0x31,
    KEY_M = 0x32, KEY_COMMA = 0x33, KEY_PERIOD = 0x34, KEY_SLASH = 0x35, KEY_RSHIFT = 0x36,
    KEY_MULTIPLY = 0x37, KEY_LMENU = 0x38, KEY_SPACE = 0x39, KEY_CAPITAL = 0x3A,
    KEY_F1 = 0x3B, KEY_F2 = 0x3C, KEY_F3 = 0x3D, KEY_F4 = 0x3E, KEY_F5 = 0x3F, KEY_F6 = 0x40,
    KEY_F7 = 0x41, KEY_F8 = 0x42, KEY_F9 = 0x43, KEY_F10 = 0x44, KEY_NUMLOCK = 0x45,
    KEY_SCROLL = 0x46, KEY_NUMPAD7 = 0x47, KEY_NUMPAD8 = 0x48, KEY_NUMPAD9 = 0x49,
    KEY_SUBTRACT = 0x4A, KEY_NUMPAD4 = 0x4B, KEY_NUMPAD5 = 0x4C, KEY_NUMPAD6 = 0x4D,
    KEY_ADD = 0x4E, KEY_NUMPAD1 = 0x4F, KEY_NUMPAD2 = 0x50, KEY_NUMPAD3 = 0x51,
    KEY_NUMPAD0 = 0x52, KEY_DECIMAL = 0x53, KEY_F11 = 0x57, KEY_F12 = 0x58,
    KEY_NUMPADENTER = 0x9C, KEY_RCONTROL = 0x9D, KEY_DIVIDE = 0xB5, KEY_SYSRQ = 0xB7,
    KEY_RMENU = 0xB8, KEY_PAUSE = 0xC5, KEY_HOME = 0xC7, KEY_UP = 0xC8, KEY_PRIOR = 0xC9,
    KEY_LEFT = 0xCB, KEY_RIGHT = 0xCD, KEY_END = 0xCF, KEY_DOWN = 0xD0, KEY_NEXT = 0xD1,
    KEY_INSERT = 0xD2, KEY_DELETE = 0xD3, KEY_LWIN = 0xDB, KEY_RWIN = 0xDC, KEY_APPS = 0xDD,
};

// 0x80 while the key is down, else 0.
extern uint8_t KeyboardState[256];

// Pad buttons (bit values of the buttons word).
enum PadButton : uint16_t {
    PAD_DPAD_UP = 0x0001, PAD_DPAD_DOWN = 0x0002, PAD_DPAD_LEFT = 0x0004, PAD_DPAD_RIGHT = 0x0008,
    PAD_START = 0x0010, PAD_BACK = 0x0020, PAD_LEFT_THUMB = 0x0040, PAD_RIGHT_THUMB = 0x0080,
    PAD_LB = 0x0100, PAD_RB = 0x0200, PAD_A = 0x1000, PAD_B = 0x2000, PAD_X = 0x4000, PAD_Y = 0x8000,
};

struct GamePad {
    uint16_t buttons = 0;
    uint8_t leftTrigger = 0;   // 0..255
    uint8_t rightTrigger = 0;  // 0..255
    int16_t thumbLX = 0;       // sticks: -32768..32767, Y positive upwards
    int16_t thumbLY = 0;
    int16_t thumbRX = 0;
    int16_t thumbRY = 0;
};

// The 16-byte pad state record.
struct PadStateRecord {
    uint32_t packetNumber = 0;
    GamePad gamepad;
};
static_assert(sizeof(PadStateRecord) == 16, "pad state is a 16-byte record");

// Pad 0: all zero while no pad is connected.
extern PadStateRecord PadState;
// 1 when pad 0 is connected this frame, else 0.
extern int32_t PadConnected;

// Motor speeds 0..65535; they stay until changed.
void SetPadVibration(uint16_t leftMotor, uint16_t rightMotor);
// The speeds last asked for (tests).
void GetPadVibration(uint16_t* leftMotor, uint16_t* rightMotor);

// Reads pad 0 into `out`. Returns 1 when a pad is connected, else 0 (and
// `out` is then all zero, so a held button cannot keep firing).
int32_t PollPad(PadStateRecord* out);

// The keyboard device: its state is a snapshot of the keys held, 0x80 per key
// that is down, as the key events handled by PlatformPumpEvents left them. A
// key pressed and released between two reads is down for the next read only.
// Held keys are released when the window loses focus.
class KeyboardDevice {
public:
    // Copies the 256-byte state. Returns false when the device is not acquired
    // (the buffer is then left unchanged).
    bool GetState(uint8_t* out256);
    void Acquire();
    void Unacquire();
    void Release();

private:
    friend class InputSystem;
    KeyboardDevice() = default;
    ~KeyboardDevice() = default;
    bool acquired_ = false;
};

// The input interface that creates the keyboard device.
class InputSystem {
public:
    static InputSystem* Create();
    KeyboardDevice* CreateKeyboard();
    void Release();

private:
    InputSystem() = default;
    ~InputSystem() = default;
};

// Key table helpers (SDL scancodes are plain ints here so this header stays SDL-free).
int KeyCodeToScancode(uint8_t keyCode);   // -1 when the code has no key
int ScancodeToKeyCode(int scancode);      // -1 when the scancode has no code
struct KeyPair {
    uint8_t keyCode;
    int scancode;
};
// The explicit table the two lookups are built from.
const KeyPair* KeyTable(int* count);

// Queues a real key press or release of `keyCode` (its scancode from the key
// table) for the next PlatformPumpEvents, as the keyboard would. False when
// the code has no key or the event could not be queued (no platform running).
bool PlatformInjectKey(uint8_t keyCode, bool down);

// Stick and trigger conversion from the controller's raw axes.
// SDL's Y axes point down; ours point up, and -32768 clamps to 32767 when negated.
int16_t ConvertStickY(int16_t sdlValue);
// SDL triggers run 0..32767; ours 0..255.
uint8_t ConvertTrigger(int16_t sdlValue);
