#pragma once
// Renders frames through the real window device (software renderer under the
// dummy video driver) and keeps each as a PNG in the build folder's
// "screenshots" folder, with its pixels at hand for checks.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/platform.h"

class ScreenshotRig {
public:
    // Starts the platform, opens the 1280 x 720 window with a software device
    // and a sprite batch, and makes them the game's Direct3DDevice and SpriteBatch.
    ScreenshotRig();
    // Puts the globals back and shuts the platform down.
    ~ScreenshotRig();
    ScreenshotRig(const ScreenshotRig&) = delete;
    ScreenshotRig& operator=(const ScreenshotRig&) = delete;

    bool Ready() const { return batch_ != nullptr; }
    GraphicsDevice* Device() const { return device_; }
    SpriteBatchApi* Batch() const { return batch_; }

    // BeginScene, clear to `clearArgb`, sprite batch Begin.
    void BeginFrame(uint32_t clearArgb);
    // Sprite batch End, EndScene, reads the frame back, writes
    // screenshots/<name>.png (no file when `name` is null) and presents.
    // False when the frame could not be read or written.
    bool EndFrame(const char* name);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // A pixel of the last frame (0xAARRGGBB).
    uint32_t Pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * width_ + x]; }
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    const std::string& LastPath() const { return lastPath_; }

private:
    GraphicsDevice* device_ = nullptr;
    SpriteBatchApi* batch_ = nullptr;
    GraphicsDevice* savedDevice_ = nullptr;
    SpriteBatchApi* savedBatch_ = nullptr;
    std::vector<uint32_t> pixels_;
    int width_ = 0;
    int height_ = 0;
    std::string lastPath_;
};
