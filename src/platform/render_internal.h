#pragma once
// Renderer-side state of devices and textures (platform sources only).
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/graphics.h"

struct GraphicsDevice::Impl {
    SDL_Renderer* renderer = nullptr;  // null for a headless device
    bool lost = false;                 // a texture could not be made again after a reset
    int maxTextureWidth = 0;           // the renderer's limits, 0 = none
    int maxTextureHeight = 0;
    int sizeCap = 0;                   // LimitTextureSize, 0 = none
    uint32_t tileLimits = 1;           // changes whenever the limits above do
};

// A texture's renderer copy: the pixels cut into tiles of at most the
// renderer's maximum texture size, row by row. Once a file texture has its
// tiles, they are its only copy of the picture.
struct Texture::Impl {
    Texture* owner = nullptr;
    SDL_Renderer* renderer = nullptr;  // the renderer the tiles belong to
    int tileWidth = 0;
    int tileHeight = 0;
    int columns = 0;
    int rows = 0;
    std::vector<SDL_Texture*> tiles;
    bool uploadFailed = false;
    uint32_t tileLimits = 0;  // the device's tileLimits when the tiles were cut
    // Every live texture is on one list, so a renderer that goes away can
    // take its tiles with it.
    Impl* prev = nullptr;
    Impl* next = nullptr;
};

// Uploads the texture for `device`'s renderer if it is not there yet (or was
// cut for other limits). False when the texture cannot be drawn.
bool EnsureTextureUploaded(const Texture* texture, GraphicsDevice::Impl* device);
// Frees the tiles that belong to `renderer` (all textures).
void DropTilesOfRenderer(SDL_Renderer* renderer);
// Makes every texture on `device`'s renderer again, from its file (or from its
// pixels where it keeps them). False when one that could be drawn before
// cannot be made again.
bool RemakeTextures(GraphicsDevice::Impl* device);
