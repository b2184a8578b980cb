#pragma once
// The HUD around the playfield.
#include <cstdint>

class UserInterface {
public:
    UserInterface();
};
