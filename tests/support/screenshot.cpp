#include "support/screenshot.h"

#include <cstdlib>
#include <filesystem>

ScreenshotRig::ScreenshotRig() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);  // screenshots never open a real window
    savedDevice_ = Direct3DDevice;
    savedBatch_ = SpriteBatch;
    if (!PlatformInit() || !PlatformCreateWindow(WindowMode::Windowed)) return;
    device_ = CreateGraphicsDevice(WindowMode::Windowed, RendererKind::Software);
    if (device_ == nullptr) return;
    PlatformShowWindow();
    batch_ = CreateSpriteBatch(device_);
    Direct3DDevice = device_;
    SpriteBatch = batch_;
}

ScreenshotRig::~ScreenshotRig() {
    if (batch_ != nullptr) batch_->Release();
    if (device_ != nullptr) device_->Release();
    Direct3DDevice = savedDevice_;
    SpriteBatch = savedBatch_;
    PlatformShutdown();
}

void ScreenshotRig::BeginFrame(uint32_t clearArgb) {
    device_->BeginScene();
    device_->Clear(clearArgb);
    batch_->Begin(SpriteBatchApi::kAlphaBlend);
}

bool ScreenshotRig::EndFrame(const char* name) {
    batch_->End();
    device_->EndScene();
    bool ok = device_->ReadPixels(&pixels_, &width_, &height_);
    if (name != nullptr) {
        const std::filesystem::path folder = std::filesystem::path(MIRELUNE_BUILD_DIR) / "screenshots";
        std::filesystem::create_directories(folder);
        lastPath_ = (folder / (std::string(name) + ".png")).string();
        ok = ok && device_->SaveScreenshot(lastPath_.c_str());
    }
    device_->Present();
    return ok;
}
