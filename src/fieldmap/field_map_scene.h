#pragma once
// The world map between fields: locations, shop and equipment boards.
#include <cstdint>

class FieldMapScene {
public:
    FieldMapScene();
    // 0 while the player stays on the map, else the field id 1..5 entered.
    int32_t Update();
    void Draw();
};
