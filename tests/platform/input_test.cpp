#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <set>
#include <vector>

#include "platform/platform.h"

namespace {

TEST(KeyTable, EveryKeyMapsBothWaysOnce) {
    int count = 0;
    const KeyPair* table = KeyTable(&count);
    ASSERT_GT(count, 100);
    std::set<int> codes;
    std::set<int> scancodes;
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(codes.insert(table[i].keyCode).second) << "code " << int{table[i].keyCode} << " twice";
        EXPECT_TRUE(scancodes.insert(table[i].scancode).second) << "scancode " << table[i].scancode << " twice";
        EXPECT_EQ(KeyCodeToScancode(table[i].keyCode), table[i].scancode);
        EXPECT_EQ(ScancodeToKeyCode(table[i].scancode), table[i].keyCode);
    }
    EXPECT_EQ(KeyCodeToScancode(0x00), -1);
    EXPECT_EQ(ScancodeToKeyCode(SDL_SCANCODE_UNKNOWN), -1);
    EXPECT_EQ(ScancodeToKeyCode(-1), -1);
    EXPECT_EQ(ScancodeToKeyCode(SDL_NUM_SCANCODES), -1);
}

TEST(KeyTable, TheGamesKeysAreThePhysicalKeys) {
    const std::pair<uint8_t, int> used[] = {
        {KEY_Q, SDL_SCANCODE_Q},         {KEY_W, SDL_SCANCODE_W},         {KEY_E, SDL_SCANCODE_E},
        {KEY_RETURN, SDL_SCANCODE_RETURN}, {KEY_A, SDL_SCANCODE_A},       {KEY_S, SDL_SCANCODE_S},
        {KEY_D, SDL_SCANCODE_D},         {KEY_LSHIFT, SDL_SCANCODE_LSHIFT}, {KEY_SPACE, SDL_SCANCODE_SPACE},
        {KEY_UP, SDL_SCANCODE_UP},       {KEY_DOWN, SDL_SCANCODE_DOWN},   {KEY_LEFT, SDL_SCANCODE_LEFT},
        {KEY_RIGHT, SDL_SCANCODE_RIGHT}, {KEY_ESCAPE, SDL_SCANCODE_ESCAPE},
    };
    for (const auto& [code, scancode] : used) {
        EXPECT_EQ(KeyCodeToScancode(code), scancode) << "key code " << int{code};
    }
}

TEST(Keyboard, ReadsOnlyWhileAcquired) {
    InputSystem* input = InputSystem::Create();
    KeyboardDevice* keyboard = input->CreateKeyboard();
    uint8_t state[256];
    std::memset(state, 0x55, sizeof(state));
    EXPECT_FALSE(keyboard->GetState(state));
    EXPECT_EQ(state[KEY_SPACE], 0x55);  // left as it was
    keyboard->Acquire();
    ASSERT_TRUE(keyboard->GetState(state));
    for (int i = 0; i < 256; ++i) EXPECT_EQ(state[i], 0) << "key " << i;  // nothing is held here
    keyboard->Unacquire();
    EXPECT_FALSE(keyboard->GetState(state));
    keyboard->Release();
    input->Release();
}

// Key events through the real event queue, read back through the keyboard device.
class KeyEvents : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(PlatformInit());
        input = InputSystem::Create();
        keyboard = input->CreateKeyboard();
        keyboard->Acquire();
    }
    void TearDown() override {
        keyboard->Release();
        input->Release();
        PlatformShutdown();
    }
    // The held keys after the pending events were handled.
    std::vector<int> Held() {
        EXPECT_TRUE(PlatformPumpEvents());
        uint8_t state[256];
        EXPECT_TRUE(keyboard->GetState(state));
        std::vector<int> held;
        for (int i = 0; i < 256; ++i) {
            if (state[i] == 0x80) held.push_back(i);
            else EXPECT_EQ(state[i], 0) << "key " << i;
        }
        return held;
    }
    static void PushRaw(uint32_t type, SDL_Scancode scancode) {
        SDL_Event key{};
        key.type = type;
        key.key.keysym.scancode = scancode;
        SDL_PushEvent(&key);
    }
    InputSystem* input = nullptr;
    KeyboardDevice* keyboard = nullptr;
};

TEST_F(KeyEvents, InjectedKeysAreHeldFromTheNextPumpUntilReleased) {
    ASSERT_TRUE(PlatformInjectKey(KEY_SPACE, true));
    uint8_t state[256];
    ASSERT_TRUE(keyboard->GetState(state));
    EXPECT_EQ(state[KEY_SPACE], 0);  // not before the event was handled
    EXPECT_EQ(Held(), (std::vector<int>{KEY_SPACE}));
    ASSERT_TRUE(PlatformInjectKey(KEY_S, true));
    ASSERT_TRUE(PlatformInjectKey(KEY_SPACE, false));
    EXPECT_EQ(Held(), (std::vector<int>{KEY_S}));
    // A tap, down and up before one pump: exactly one read sees it down.
    ASSERT_TRUE(PlatformInjectKey(KEY_RETURN, true));
    ASSERT_TRUE(PlatformInjectKey(KEY_RETURN, false));
    ASSERT_TRUE(PlatformInjectKey(KEY_S, false));
    EXPECT_EQ(Held(), (std::vector<int>{KEY_RETURN}));
    EXPECT_TRUE(Held().empty());
    // Tapped and pressed again before the read: it stays down.
    ASSERT_TRUE(PlatformInjectKey(KEY_Z, true));
    ASSERT_TRUE(PlatformInjectKey(KEY_Z, false));
    ASSERT_TRUE(PlatformInjectKey(KEY_Z, true));
    EXPECT_EQ(Held(), (std::vector<int>{KEY_Z}));
    EXPECT_EQ(Held(), (std::vector<int>{KEY_Z}));
    ASSERT_TRUE(PlatformInjectKey(KEY_Z, false));
    EXPECT_TRUE(Held().empty());
    // Escape goes down like any key, and quits.
    ASSERT_TRUE(PlatformInjectKey(KEY_ESCAPE, true));
    EXPECT_FALSE(PlatformPumpEvents());
    ASSERT_TRUE(keyboard->GetState(state));
    EXPECT_EQ(state[KEY_ESCAPE], 0x80);
}

TEST_F(KeyEvents, KeyboardEventsGoThroughTheKeyTable) {
    PushRaw(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    PushRaw(SDL_KEYDOWN, SDL_SCANCODE_LSHIFT);
    PushRaw(SDL_KEYDOWN, SDL_SCANCODE_F13);  // no key of ours
    EXPECT_EQ(Held(), (std::vector<int>{KEY_LSHIFT, KEY_LEFT}));
    PushRaw(SDL_KEYUP, SDL_SCANCODE_LEFT);
    PushRaw(SDL_KEYUP, SDL_SCANCODE_F13);
    EXPECT_EQ(Held(), (std::vector<int>{KEY_LSHIFT}));
    EXPECT_FALSE(PlatformInjectKey(0x00, true));  // a code with no key
}

TEST_F(KeyEvents, LosingFocusLetsGoOfEveryKey) {
    ASSERT_TRUE(PlatformInjectKey(KEY_A, true));
    ASSERT_TRUE(PlatformInjectKey(KEY_UP, true));
    ASSERT_EQ(Held().size(), 2u);
    SDL_Event focus{};
    focus.type = SDL_WINDOWEVENT;
    focus.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
    SDL_PushEvent(&focus);
    EXPECT_TRUE(Held().empty());  // and the program goes on
    // A key pressed again afterwards counts again.
    ASSERT_TRUE(PlatformInjectKey(KEY_A, true));
    EXPECT_EQ(Held(), (std::vector<int>{KEY_A}));
}

TEST_F(KeyEvents, ANewSessionStartsWithNoKeyHeld) {
    ASSERT_TRUE(PlatformInjectKey(KEY_D, true));
    ASSERT_EQ(Held(), (std::vector<int>{KEY_D}));
    PlatformShutdown();
    EXPECT_FALSE(PlatformInjectKey(KEY_D, false));  // no event queue without the platform
    ASSERT_TRUE(PlatformInit());
    EXPECT_TRUE(Held().empty());
}

TEST(PadConversion, StickYPointsUpAndTriggersScaleTo255) {
    EXPECT_EQ(ConvertStickY(0), 0);
    EXPECT_EQ(ConvertStickY(20000), -20000);
    EXPECT_EQ(ConvertStickY(-20000), 20000);
    EXPECT_EQ(ConvertStickY(32767), -32767);
    EXPECT_EQ(ConvertStickY(-32768), 32767);
    EXPECT_EQ(ConvertTrigger(0), 0);
    EXPECT_EQ(ConvertTrigger(32767), 255);
    EXPECT_EQ(ConvertTrigger(-5), 0);
    EXPECT_EQ(ConvertTrigger(25700), 200);  // the skill-select threshold survives the round trip
}

TEST(Pad, DisconnectedPadReadsAllZero) {
    PadStateRecord record;
    record.packetNumber = 77;
    record.gamepad.buttons = PAD_BACK | PAD_A;
    record.gamepad.leftTrigger = 255;
    record.gamepad.thumbLY = 32767;
    EXPECT_EQ(PollPad(&record), 0);
    const PadStateRecord zero{};
    EXPECT_EQ(std::memcmp(&record, &zero, sizeof(record)), 0);
}

TEST(Pad, VibrationIsRememberedUntilChanged) {
    SetPadVibration(0xFF37, 0x1234);
    uint16_t left = 0;
    uint16_t right = 0;
    GetPadVibration(&left, &right);
    EXPECT_EQ(left, 0xFF37);
    EXPECT_EQ(right, 0x1234);
    SetPadVibration(0, 0);
    GetPadVibration(&left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
}

}  // namespace
