// The render device: an SDL renderer for the game window (or none, headless).
#include <algorithm>

#include "platform/render_internal.h"
#include "platform/sdl_internal.h"

GraphicsDevice* Direct3DDevice = nullptr;

namespace {

constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 720;

// The device that owns the window's renderer.
GraphicsDevice::Impl* windowDevice = nullptr;

}  // namespace

GraphicsDevice* GraphicsDevice::CreateHeadless() {
    auto* device = new GraphicsDevice;
    device->impl_ = new Impl;
    return device;
}

GraphicsDevice* CreateGraphicsDevice(WindowMode mode, RendererKind kind) {
    SDL_Window* window = PlatformWindow();
    if (window == nullptr || windowDevice != nullptr) return nullptr;
    // Frames are paced by the game's own clock, never by the display.
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "0");
    SDL_Renderer* renderer = nullptr;
    if (kind == RendererKind::Any) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) return nullptr;
    // The 1280 x 720 picture is scaled to whatever size the window has (the
    // desktop in full screen, or what a window manager made of the window)
    // and letterboxed.
    SDL_RenderSetLogicalSize(renderer, kScreenWidth, kScreenHeight);
    if (mode == WindowMode::Fullscreen) SDL_ShowCursor(SDL_DISABLE);
    auto* device = new GraphicsDevice;
    device->impl_ = new GraphicsDevice::Impl;
    device->impl_->renderer = renderer;
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
        device->impl_->maxTextureWidth = info.max_texture_width;
        device->impl_->maxTextureHeight = info.max_texture_height;
    }
    windowDevice = device->impl_;
    return device;
}

bool GraphicsDevice::HasRenderer() const { return impl_->renderer != nullptr; }

void GraphicsDevice::Clear(uint32_t argb) {
    SDL_Renderer* r = impl_->renderer;
    if (r == nullptr) return;
    const Uint8 a = static_cast<Uint8>(argb >> 24);
    const Uint8 red = static_cast<Uint8>(argb >> 16);
    const Uint8 green = static_cast<Uint8>(argb >> 8);
    const Uint8 blue = static_cast<Uint8>(argb);
    // Letterboxed: black bars, the colour only on the game's picture.
    SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 0xFF);
    SDL_RenderClear(r);
    SDL_SetRenderDrawColor(r, red, green, blue, a);
    const SDL_Rect screen{0, 0, kScreenWidth, kScreenHeight};
    SDL_RenderFillRect(r, &screen);
}

// SDL needs no scene brackets: the sprite batch submits its geometry at End.
void GraphicsDevice::BeginScene() {}
void GraphicsDevice::EndScene() {}

bool GraphicsDevice::Present() {
    if (impl_->renderer != nullptr) SDL_RenderPresent(impl_->renderer);
    return !impl_->lost;
}

bool GraphicsDevice::ReadPixels(std::vector<uint32_t>* pixels, int* width, int* height) {
    SDL_Renderer* r = impl_->renderer;
    if (r == nullptr) return false;
    // Read the whole output at the window's size, letterbox included: drop
    // the logical size while reading.
    SDL_RenderSetLogicalSize(r, 0, 0);
    int w = 0;
    int h = 0;
    bool ok = SDL_GetRendererOutputSize(r, &w, &h) == 0 && w > 0 && h > 0;
    if (ok) {
        pixels->assign(static_cast<size_t>(w) * h, 0);
        ok = SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_ARGB8888, pixels->data(), w * 4) == 0;
    }
    SDL_RenderSetLogicalSize(r, kScreenWidth, kScreenHeight);
    if (!ok) return false;
    *width = w;
    *height = h;
    return true;
}

bool GraphicsDevice::SaveScreenshot(const char* path) {
    std::vector<uint32_t> pixels;
    int w = 0;
    int h = 0;
    return ReadPixels(&pixels, &w, &h) && WritePng(path, pixels.data(), w, h);
}

void GraphicsDevice::LimitTextureSize(int maxSide) {
    impl_->sizeCap = std::max(0, maxSide);
    ++impl_->tileLimits;
}

void GraphicsDevice::Release() { delete this; }

GraphicsDevice::~GraphicsDevice() {
    if (impl_->renderer != nullptr) {
        DropTilesOfRenderer(impl_->renderer);
        SDL_DestroyRenderer(impl_->renderer);
    }
    if (windowDevice == impl_) windowDevice = nullptr;
    delete impl_;
}

void RenderDeviceReset() {
    if (windowDevice != nullptr && !RemakeTextures(windowDevice)) windowDevice->lost = true;
}

void DestroyWindowRenderer() {
    if (windowDevice == nullptr || windowDevice->renderer == nullptr) return;
    DropTilesOfRenderer(windowDevice->renderer);
    SDL_DestroyRenderer(windowDevice->renderer);
    windowDevice->renderer = nullptr;
    windowDevice = nullptr;
}
