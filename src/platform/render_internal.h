#pragma once
// Renderer-side state of devices and textures (platform sources only).
#include <SDL.h>

#include <vector>

#include "platform/graphics.h"

struct GraphicsDevice::Impl {
    SDL_Renderer* renderer = nullptr;  // null for a headless device
    bool lost = false;                 // a reset or loss was reported
    int maxTextureWidth = 0;           // the renderer's limits, 0 = none
    int maxTextureHeight = 0;
    int sizeCap = 0;                   // LimitTextureSize, 0 = none
};

// A texture's renderer copy: the pixels cut into tiles of at most the
// renderer's maximum texture size, row by row.
struct Texture::Impl {
    Texture* owner = nullptr;
    SDL_Renderer* renderer = nullptr;  // the renderer the tiles belong to
    int tileWidth = 0;
    int tileHeight = 0;
    int columns = 0;
    int rows = 0;
    std::vector<SDL_Texture*> tiles;
    bool uploadFailed = false;
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
