#pragma once
// Textures, the render device and the sprite batch.
//
// A texture made on a device with a renderer goes up to it at once, split into
// tiles when a sheet is larger than the renderer's maximum texture size; one
// made from a file then lets its CPU copy of the pixels go, and the file gives
// them again whenever the tiles must be made anew (a reset, other limits).
// Made without a renderer (headless, tests) a texture keeps its pixels (ARGB,
// colour key applied) to be inspected, and goes up to a renderer at its first
// draw there.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/matrix.h"

class Texture {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xAARRGGBB pixels, row-major, Width() * Height() entries; empty for a
    // file texture made on a device with a renderer.
    const std::vector<uint32_t>& Pixels() const { return pixels_; }
    const std::string& SourcePath() const { return path_; }
    uint32_t ColorKey() const { return colorKey_; }
    // Frees the texture (the handle must not be used afterwards).
    void Release();

    // Number of textures created and not yet released (for tests).
    static int LiveCount();

    struct Impl;
    Impl* impl() const { return impl_; }

private:
    friend Texture* CreateTextureFromFile(class GraphicsDevice*, const char*, int, int, uint32_t);
    friend Texture* CreateTextureFromPixels(class GraphicsDevice*, int, int, std::vector<uint32_t>, const char*);
    Texture() = default;
    ~Texture();
    int width_ = 0;
    int height_ = 0;
    uint32_t colorKey_ = 0;
    std::string path_;
    std::vector<uint32_t> pixels_;
    Impl* impl_ = nullptr;
};

// Loads a PNG and resamples it to exactly width x height. A source pixel whose
// ARGB equals `colorKey` exactly becomes 0x00000000 (key 0: no keying); PNG
// alpha is kept. Returns null when the file is missing or unreadable.
Texture* CreateTextureFromFile(class GraphicsDevice* device, const char* path, int width, int height,
                               uint32_t colorKey);
// A texture from ready pixels (tests and generated content).
Texture* CreateTextureFromPixels(class GraphicsDevice* device, int width, int height,
                                 std::vector<uint32_t> pixels, const char* name);

// Resamples ARGB pixels (box filter when shrinking, bilinear when growing).
std::vector<uint32_t> ResamplePixels(const std::vector<uint32_t>& src, int srcW, int srcH, int dstW, int dstH);

// One texture made by CreateTextureFromFile: the file and the size and colour
// key it was asked for. The log keeps every file texture created since the
// last clear, so a test can compare them with the asset list.
struct TextureCreation {
    std::string path;
    int width = 0;
    int height = 0;
    uint32_t colorKey = 0;
};
const std::vector<TextureCreation>& TextureCreationLog();
void ClearTextureCreationLog();

enum class WindowMode { Fullscreen, Windowed };
// Which renderer a window device uses: the best one available (accelerated,
// else software) or always the software renderer (tests, screenshots).
enum class RendererKind { Any, Software };

class GraphicsDevice {
public:
    // A device with no window and no renderer: textures are created and draws
    // are recorded, nothing is shown. Used by tests.
    static GraphicsDevice* CreateHeadless();

    bool HasRenderer() const;
    // Clears the game's 1280 x 720 picture to an opaque ARGB colour, and the
    // letterbox bars around it to black.
    void Clear(uint32_t argb);
    void BeginScene();
    void EndScene();
    // Shows the frame. Returns false when the render device was lost: SDL
    // reported that the renderer lost its textures and one of them could not
    // be made again from its file (the game then ends, as it would on a lost
    // Direct3D device).
    bool Present();
    // Reads the frame drawn so far (before Present) as ARGB pixels at the
    // window's own size, letterbox included (needs a renderer).
    bool ReadPixels(std::vector<uint32_t>* pixels, int* width, int* height);
    // Reads the frame back and writes it as a PNG (needs a renderer).
    bool SaveScreenshot(const char* path);
    // Caps the size of the renderer's textures below its own maximum, so that
    // the splitting of big sheets into tiles can be exercised; 0 lifts the cap.
    void LimitTextureSize(int maxSide);
    void Release();

    struct Impl;
    Impl* impl() const { return impl_; }

private:
    friend GraphicsDevice* CreateGraphicsDevice(WindowMode, RendererKind);
    GraphicsDevice() = default;
    ~GraphicsDevice();
    Impl* impl_ = nullptr;
};

// One recorded sprite draw (see SpriteBatchApi::StartRecording).
struct DrawRecord {
    const Texture* texture = nullptr;
    Rect source;       // the source rectangle actually used (whole texture when none was given)
    Vec3 centre;       // (0, 0, 0) when none was given
    Vec3 position;     // (0, 0, 0) when none was given
    Matrix transform;  // the sprite transform in force
    uint32_t color = 0;
};

// The sprite interface: every draw of the game goes through it.
class SpriteBatchApi {
public:
    static constexpr uint32_t kAlphaBlend = 0x10;

    void Begin(uint32_t flags);
    // Stays in force until the next SetTransform, across Begin/End.
    void SetTransform(const Matrix& m) { transform_ = m; }
    const Matrix& GetTransform() const { return transform_; }
    // Places each corner c of the source rectangle at (c - centre + position) * M.
    // A null rectangle means the whole texture, a null centre or position the
    // origin. The ARGB colour modulates every channel including alpha. A
    // zero-width or zero-height rectangle draws nothing.
    void Draw(const Texture* texture, const Rect* source, const Vec3* centre, const Vec3* position,
              uint32_t color);
    void End();
    void Release();

    // Draws between Begin and End go to the renderer (none on a headless
    // device); draws outside them are only recorded.
    // Recording: every Draw is appended to Records() until StopRecording.
    // Reserve() keeps the recorder from allocating during a frame.
    void StartRecording(size_t reserve = 4096);
    void StopRecording();
    void ClearRecords() { records_.clear(); }
    bool IsRecording() const { return recording_; }
    const std::vector<DrawRecord>& Records() const { return records_; }

    // Number of draw calls submitted to the renderer between the last Begin
    // and End (tests).
    int LastSubmittedBatches() const { return lastBatches_; }

private:
    friend SpriteBatchApi* CreateSpriteBatch(GraphicsDevice*);
    SpriteBatchApi() = default;
    ~SpriteBatchApi();
    void Flush();

    GraphicsDevice* device_ = nullptr;
    Matrix transform_ = MatrixIdentity();
    bool begun_ = false;
    bool recording_ = false;
    std::vector<DrawRecord> records_;
    // Pending geometry of consecutive draws of one texture.
    struct Pending;
    Pending* pending_ = nullptr;
    int batchesThisFrame_ = 0;
    int lastBatches_ = 0;
};

// A device drawing into the window made by PlatformCreateWindow; null when
// there is no window or no renderer can be created.
GraphicsDevice* CreateGraphicsDevice(WindowMode mode, RendererKind kind = RendererKind::Any);
SpriteBatchApi* CreateSpriteBatch(GraphicsDevice* device);

// The one device and the one sprite batch of the game.
extern GraphicsDevice* Direct3DDevice;
extern SpriteBatchApi* SpriteBatch;
