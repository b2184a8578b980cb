#pragma once
// Textures shared by several parts of the game, created once at start-up.
class Texture;

extern Texture* ItemChipTexture;
extern Texture* StatusIconTexture;
extern Texture* NumberTexture;
extern Texture* MoneyTexture;
extern Texture* UpNumberTexture;
extern Texture* DamageNumberTexture;
extern Texture* EmotionNumberTexture;
extern Texture* InputSetTexture;
// Field backgrounds: grass day, grass night, canyon day, canyon night, cave.
constexpr int kFieldBackgroundCount = 5;
extern Texture* FieldBackgroundTextures[kFieldBackgroundCount];
extern Texture* BarrierTexture;

bool LoadCommonTextures();
void ReleaseCommonTextures();

// Creates a texture from the resource folder on the game's device.
Texture* LoadTexture(const char* path, int width, int height, unsigned colorKey);
// Releases a texture if it exists and clears the handle.
void ReleaseTexture(Texture*& texture);

// Colour keys of the sheets.
constexpr unsigned kKeyGreen = 0xFF00FF00u;
constexpr unsigned kKeyBlack = 0xFF000000u;
constexpr unsigned kKeyBlue = 0xFF0000FFu;
