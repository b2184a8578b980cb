// Textures: PNG loading with colour key and resampling, the creation log, the
// upload of the pixels into renderer tiles and their remaking from the file.
#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/render_internal.h"
#include "platform/sdl_internal.h"
#include "platform/system.h"

namespace {

int liveTextures = 0;
Texture::Impl* liveList = nullptr;
std::vector<TextureCreation> creationLog;

// One destination sample along an axis: the source samples and their weights.
struct Tap {
    int first = 0;
    std::vector<float> weights;
};

// Box filter when shrinking, bilinear when growing, a copy at the same size.
std::vector<Tap> AxisTaps(int src, int dst) {
    std::vector<Tap> taps(static_cast<size_t>(dst));
    const double scale = static_cast<double>(src) / dst;
    for (int i = 0; i < dst; ++i) {
        Tap& tap = taps[static_cast<size_t>(i)];
        if (src == dst) {
            tap.first = i;
            tap.weights = {1.0f};
        } else if (dst < src) {
            const double lo = i * scale;
            const double hi = (i + 1) * scale;
            tap.first = static_cast<int>(std::floor(lo));
            const int last = std::min(src - 1, static_cast<int>(std::ceil(hi)) - 1);
            for (int j = tap.first; j <= last; ++j) {
                const double overlap = std::min(hi, j + 1.0) - std::max(lo, static_cast<double>(j));
                tap.weights.push_back(static_cast<float>(overlap / scale));
            }
        } else {
            const double x = std::clamp((i + 0.5) * scale - 0.5, 0.0, src - 1.0);
            tap.first = static_cast<int>(std::floor(x));
            const float f = static_cast<float>(x - tap.first);
            tap.weights = {1.0f - f};
            if (tap.first + 1 < src) tap.weights.push_back(f);
        }
    }
    return taps;
}

// Resamples premultiplied RGBA floats along x (stride 1) or y.
std::vector<float> ResampleAxis(const std::vector<float>& src, int w, int h, int dstLen, bool alongX) {
    const int srcLen = alongX ? w : h;
    const std::vector<Tap> taps = AxisTaps(srcLen, dstLen);
    const int outW = alongX ? dstLen : w;
    const int outH = alongX ? h : dstLen;
    std::vector<float> out(static_cast<size_t>(outW) * outH * 4, 0.0f);
    for (int y = 0; y < outH; ++y) {
        for (int x = 0; x < outW; ++x) {
            const Tap& tap = taps[static_cast<size_t>(alongX ? x : y)];
            float* o = &out[(static_cast<size_t>(y) * outW + x) * 4];
            for (size_t k = 0; k < tap.weights.size(); ++k) {
                const int s = tap.first + static_cast<int>(k);
                const int sx = alongX ? s : x;
                const int sy = alongX ? y : s;
                const float* p = &src[(static_cast<size_t>(sy) * w + sx) * 4];
                for (int c = 0; c < 4; ++c) o[c] += p[c] * tap.weights[k];
            }
        }
    }
    return out;
}

// A file is resampled to the size the game asks for. One that declares more
// than four times that size in either direction is refused before it is
// decoded (a file of a few bytes can declare gigabytes of pixels); where the
// game takes the file's own size, a side is at most 16384 pixels.
constexpr int kMaxFileScale = 4;
constexpr int kMaxFileSideOfItsOwnSize = 16384;

int MaxFileSide(int asked) {
    if (asked <= 0) return kMaxFileSideOfItsOwnSize;
    return std::min(kMaxFileSideOfItsOwnSize, asked * kMaxFileScale);
}

uint8_t ToByte(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

Texture::Impl* NewImpl(Texture* owner) {
    auto* impl = new Texture::Impl;
    impl->owner = owner;
    impl->next = liveList;
    if (liveList != nullptr) liveList->prev = impl;
    liveList = impl;
    return impl;
}

// The pixels of a texture file as the game asks for it: the colour key applied,
// resampled to width x height (a size of 0 takes the file's own).
bool ReadTextureFile(const char* path, int width, int height, uint32_t colorKey, std::vector<uint32_t>* pixels,
                     int* w, int* h) {
    int fileW = 0;
    int fileH = 0;
    if (!ReadPng(path, pixels, &fileW, &fileH, MaxFileSide(width), MaxFileSide(height))) return false;
    if (colorKey != 0) std::replace(pixels->begin(), pixels->end(), colorKey, uint32_t{0});
    *w = width > 0 ? width : fileW;
    *h = height > 0 ? height : fileH;
    if (*w != fileW || *h != fileH) *pixels = ResamplePixels(*pixels, fileW, fileH, *w, *h);
    return !pixels->empty();
}

void DropTiles(Texture::Impl* impl) {
    for (SDL_Texture* tile : impl->tiles) SDL_DestroyTexture(tile);
    impl->tiles.clear();
    impl->renderer = nullptr;
    impl->uploadFailed = false;
}

}  // namespace

std::vector<uint32_t> ResamplePixels(const std::vector<uint32_t>& src, int srcW, int srcH, int dstW, int dstH) {
    if (srcW <= 0 || srcH <= 0 || dstW <= 0 || dstH <= 0) return {};
    if (src.size() != static_cast<size_t>(srcW) * srcH) return {};
    if (srcW == dstW && srcH == dstH) return src;
    // Filter premultiplied colour, so keyed (transparent) pixels do not darken the edges.
    std::vector<float> work(src.size() * 4);
    for (size_t i = 0; i < src.size(); ++i) {
        const float a = static_cast<float>(src[i] >> 24);
        work[i * 4 + 0] = static_cast<float>((src[i] >> 16) & 0xFF) * a / 255.0f;
        work[i * 4 + 1] = static_cast<float>((src[i] >> 8) & 0xFF) * a / 255.0f;
        work[i * 4 + 2] = static_cast<float>(src[i] & 0xFF) * a / 255.0f;
        work[i * 4 + 3] = a;
    }
    work = ResampleAxis(work, srcW, srcH, dstW, true);
    work = ResampleAxis(work, dstW, srcH, dstH, false);
    std::vector<uint32_t> out(static_cast<size_t>(dstW) * dstH);
    for (size_t i = 0; i < out.size(); ++i) {
        const float* p = &work[i * 4];
        const uint8_t a = ToByte(p[3]);
        if (a == 0) {
            out[i] = 0;
            continue;
        }
        const float unpremultiply = 255.0f / p[3];
        out[i] = (uint32_t{a} << 24) | (uint32_t{ToByte(p[0] * unpremultiply)} << 16) |
                 (uint32_t{ToByte(p[1] * unpremultiply)} << 8) | ToByte(p[2] * unpremultiply);
    }
    return out;
}

Texture* CreateTextureFromPixels(GraphicsDevice* device, int width, int height, std::vector<uint32_t> pixels,
                                 const char* name) {
    if (width <= 0 || height <= 0 || pixels.size() != static_cast<size_t>(width) * height) return nullptr;
    auto* texture = new Texture;
    texture->width_ = width;
    texture->height_ = height;
    texture->pixels_ = std::move(pixels);
    texture->path_ = name != nullptr ? name : "";
    texture->impl_ = NewImpl(texture);
    ++liveTextures;
    if (device != nullptr && device->HasRenderer()) EnsureTextureUploaded(texture, device->impl());
    return texture;
}

Texture* CreateTextureFromFile(GraphicsDevice* device, const char* path, int width, int height,
                               uint32_t colorKey) {
    if (path == nullptr) return nullptr;
    std::vector<uint32_t> pixels;
    int w = 0;
    int h = 0;
    if (!ReadTextureFile(path, width, height, colorKey, &pixels, &w, &h)) {
        NoteFailedFile(path);
        return nullptr;
    }
    Texture* texture = CreateTextureFromPixels(device, w, h, std::move(pixels), path);
    if (texture == nullptr) return nullptr;
    texture->colorKey_ = colorKey;
    creationLog.push_back(TextureCreation{path, w, h, colorKey});
    // Once on the renderer the picture needs no copy here: the file gives it
    // again whenever the tiles must be made anew.
    if (texture->impl_->renderer != nullptr && !texture->impl_->uploadFailed) {
        std::vector<uint32_t>().swap(texture->pixels_);
    }
    return texture;
}

const std::vector<TextureCreation>& TextureCreationLog() { return creationLog; }
void ClearTextureCreationLog() { creationLog.clear(); }

int Texture::LiveCount() { return liveTextures; }

void Texture::Release() { delete this; }

Texture::~Texture() {
    if (impl_ == nullptr) return;
    DropTiles(impl_);
    if (impl_->prev != nullptr) impl_->prev->next = impl_->next;
    if (impl_->next != nullptr) impl_->next->prev = impl_->prev;
    if (liveList == impl_) liveList = impl_->next;
    delete impl_;
    --liveTextures;
}

void DropTilesOfRenderer(SDL_Renderer* renderer) {
    for (Texture::Impl* impl = liveList; impl != nullptr; impl = impl->next) {
        if (impl->renderer == renderer) DropTiles(impl);
    }
}

bool EnsureTextureUploaded(const Texture* texture, GraphicsDevice::Impl* device) {
    if (device == nullptr || device->renderer == nullptr) return false;
    Texture::Impl* impl = texture->impl();
    // Every draw asks; the answer changes only with the renderer or its limits.
    if (impl->renderer == device->renderer && impl->tileLimits == device->tileLimits) return !impl->uploadFailed;
    const int w = texture->Width();
    const int h = texture->Height();
    auto limit = [&](int size, int rendererMax) {
        if (rendererMax > 0) size = std::min(size, rendererMax);
        if (device->sizeCap > 0) size = std::min(size, device->sizeCap);
        return size;
    };
    const int tileW = limit(w, device->maxTextureWidth);
    const int tileH = limit(h, device->maxTextureHeight);
    if (impl->renderer == device->renderer && impl->tileWidth == tileW && impl->tileHeight == tileH) {
        impl->tileLimits = device->tileLimits;
        return !impl->uploadFailed;
    }

    DropTiles(impl);
    impl->renderer = device->renderer;
    impl->tileLimits = device->tileLimits;
    impl->tileWidth = tileW;
    impl->tileHeight = tileH;
    impl->columns = (w + tileW - 1) / tileW;
    impl->rows = (h + tileH - 1) / tileH;
    // A texture that let its pixels go reads them again from its file.
    std::vector<uint32_t> reread;
    const uint32_t* pixels = texture->Pixels().data();
    if (texture->Pixels().empty()) {
        int rereadW = 0;
        int rereadH = 0;
        if (!ReadTextureFile(texture->SourcePath().c_str(), w, h, texture->ColorKey(), &reread, &rereadW, &rereadH)) {
            impl->uploadFailed = true;
            return false;
        }
        pixels = reread.data();
    }
    for (int row = 0; row < impl->rows; ++row) {
        for (int column = 0; column < impl->columns; ++column) {
            const int x = column * tileW;
            const int y = row * tileH;
            const int tw = std::min(tileW, w - x);
            const int th = std::min(tileH, h - y);
            SDL_Texture* tile = SDL_CreateTexture(device->renderer, SDL_PIXELFORMAT_ARGB8888,
                                                  SDL_TEXTUREACCESS_STATIC, tw, th);
            if (tile == nullptr) {
                impl->uploadFailed = true;
                return false;
            }
            impl->tiles.push_back(tile);
            SDL_UpdateTexture(tile, nullptr, pixels + static_cast<size_t>(y) * w + x, w * 4);
            SDL_SetTextureBlendMode(tile, SDL_BLENDMODE_BLEND);
            SDL_SetTextureScaleMode(tile, SDL_ScaleModeNearest);
        }
    }
    return true;
}

bool RemakeTextures(GraphicsDevice::Impl* device) {
    bool all = true;
    for (Texture::Impl* impl = liveList; impl != nullptr; impl = impl->next) {
        if (impl->renderer != device->renderer) continue;
        const bool wasDrawable = !impl->uploadFailed;
        DropTiles(impl);
        if (!EnsureTextureUploaded(impl->owner, device) && wasDrawable) all = false;
    }
    return all;
}
