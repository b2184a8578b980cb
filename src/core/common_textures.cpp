#include "core/common_textures.h"

#include <iterator>

#include "platform/graphics.h"

Texture* ItemChipTexture = nullptr;
Texture* StatusIconTexture = nullptr;
Texture* NumberTexture = nullptr;
Texture* MoneyTexture = nullptr;
Texture* UpNumberTexture = nullptr;
Texture* DamageNumberTexture = nullptr;
Texture* EmotionNumberTexture = nullptr;
Texture* InputSetTexture = nullptr;
Texture* FieldBackgroundTextures[kFieldBackgroundCount] = {};
Texture* BarrierTexture = nullptr;

namespace {

struct CommonTexture {
    Texture** slot;
    const char* path;
    int width;
    int height;
    unsigned key;
};

// In creation order.
const CommonTexture kCommonTextures[] = {
    {&ItemChipTexture, "Texture/Common/ItemChip.png", 1024, 512, 0},
    {&StatusIconTexture, "Texture/Common/status_icon.png", 512, 64, 0},
    {&NumberTexture, "Texture/Common/number.png", 384, 32, 0},
    {&MoneyTexture, "Texture/Common/money.png", 384, 32, 0},
    {&UpNumberTexture, "Texture/Common/up_number.png", 384, 32, 0},
    {&DamageNumberTexture, "Texture/Common/damage_number.png", 384, 32, 0},
    {&EmotionNumberTexture, "Texture/Common/emotion_number.png", 384, 192, 0},
    {&InputSetTexture, "Texture/Common/input_set.png", 128, 768, 0},
    {&FieldBackgroundTextures[0], "Texture/Field/grass_field_day.png", 1280, 720, 0},
    {&FieldBackgroundTextures[1], "Texture/Field/grass_field_night.png", 1280, 720, 0},
    {&FieldBackgroundTextures[2], "Texture/Field/canyon_day.png", 1280, 720, 0},
    {&FieldBackgroundTextures[3], "Texture/Field/canyon_night.png", 1280, 720, 0},
    {&FieldBackgroundTextures[4], "Texture/Field/cave.png", 1280, 720, 0},
    {&BarrierTexture, "Texture/Common/barrier.png", 64, 64, kKeyBlue},
};

}  // namespace

Texture* LoadTexture(const char* path, int width, int height, unsigned colorKey) {
    return CreateTextureFromFile(Direct3DDevice, path, width, height, colorKey);
}

void ReleaseTexture(Texture*& texture) {
    if (texture != nullptr) {
        texture->Release();
        texture = nullptr;
    }
}

bool LoadCommonTextures() {
    // Every one is tried; the step succeeds only when all fourteen exist.
    bool all = true;
    for (const CommonTexture& t : kCommonTextures) {
        *t.slot = LoadTexture(t.path, t.width, t.height, t.key);
        if (*t.slot == nullptr) all = false;
    }
    return all;
}

void ReleaseCommonTextures() {
    for (int i = static_cast<int>(std::size(kCommonTextures)) - 1; i >= 0; --i) ReleaseTexture(*kCommonTextures[i].slot);
}
