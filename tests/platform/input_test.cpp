#include <gtest/gtest.h>

#include <SDL_scancode.h>

#include <cstring>
#include <set>

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
