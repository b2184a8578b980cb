// The sprite batch: every draw becomes a textured quad placed by the sprite
// transform; consecutive quads of one texture tile go to the renderer in one
// SDL_RenderGeometry call.
#include <algorithm>

#include "platform/render_internal.h"

SpriteBatchApi* SpriteBatch = nullptr;

namespace {

// Room for this many quads before the buffers ever grow.
constexpr size_t kReservedQuads = 4096;

}  // namespace

struct SpriteBatchApi::Pending {
    SDL_Texture* texture = nullptr;
    std::vector<SDL_Vertex> vertices;
    std::vector<int> indices;
};

SpriteBatchApi* CreateSpriteBatch(GraphicsDevice* device) {
    auto* batch = new SpriteBatchApi;
    batch->device_ = device;
    batch->pending_ = new SpriteBatchApi::Pending;
    batch->pending_->vertices.reserve(kReservedQuads * 4);
    batch->pending_->indices.reserve(kReservedQuads * 6);
    return batch;
}

SpriteBatchApi::~SpriteBatchApi() { delete pending_; }

void SpriteBatchApi::Release() { delete this; }

void SpriteBatchApi::Begin(uint32_t) {
    // Draws are always alpha blended and kept in call order.
    if (begun_) Flush();
    begun_ = true;
    batchesThisFrame_ = 0;
}

void SpriteBatchApi::End() {
    Flush();
    lastBatches_ = batchesThisFrame_;
    begun_ = false;
}

void SpriteBatchApi::StartRecording(size_t reserve) {
    records_.clear();
    records_.reserve(reserve);
    recording_ = true;
}

void SpriteBatchApi::StopRecording() { recording_ = false; }

void SpriteBatchApi::Flush() {
    Pending& p = *pending_;
    if (p.vertices.empty()) return;
    SDL_Renderer* renderer = device_ != nullptr ? device_->impl()->renderer : nullptr;
    if (renderer != nullptr) {
        SDL_RenderGeometry(renderer, p.texture, p.vertices.data(), static_cast<int>(p.vertices.size()),
                           p.indices.data(), static_cast<int>(p.indices.size()));
        ++batchesThisFrame_;
    }
    p.vertices.clear();
    p.indices.clear();
}

void SpriteBatchApi::Draw(const Texture* texture, const Rect* source, const Vec3* centre, const Vec3* position,
                          uint32_t color) {
    if (texture == nullptr) return;
    const Rect rect = source != nullptr ? *source : Rect{0, 0, texture->Width(), texture->Height()};
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const Vec3 c = centre != nullptr ? *centre : Vec3{};
    const Vec3 pos = position != nullptr ? *position : Vec3{};
    if (recording_) records_.emplace_back(texture, rect, c, pos, transform_, color);

    if (!begun_ || device_ == nullptr) return;
    GraphicsDevice::Impl* device = device_->impl();
    if (!EnsureTextureUploaded(texture, device)) return;

    // Only the part of the rectangle that lies on the texture is drawn.
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, texture->Width());
    const int bottom = std::min(rect.bottom, texture->Height());
    if (right <= left || bottom <= top) return;

    // Texel (u, v) of the texture lands at (u - rect.left - centre + position) * M.
    const Matrix& m = transform_;
    const float ox = pos.x - c.x - static_cast<float>(rect.left);
    const float oy = pos.y - c.y - static_cast<float>(rect.top);
    const float oz = pos.z - c.z;
    auto place = [&](int u, int v) {
        const float x = static_cast<float>(u) + ox;
        const float y = static_cast<float>(v) + oy;
        return SDL_FPoint{x * m.m[0][0] + y * m.m[1][0] + oz * m.m[2][0] + m.m[3][0],
                          x * m.m[0][1] + y * m.m[1][1] + oz * m.m[2][1] + m.m[3][1]};
    };
    const SDL_Color tint{static_cast<Uint8>(color >> 16), static_cast<Uint8>(color >> 8),
                         static_cast<Uint8>(color), static_cast<Uint8>(color >> 24)};

    const Texture::Impl& tiles = *texture->impl();
    Pending& p = *pending_;
    for (int row = top / tiles.tileHeight; row <= (bottom - 1) / tiles.tileHeight; ++row) {
        for (int column = left / tiles.tileWidth; column <= (right - 1) / tiles.tileWidth; ++column) {
            const int tileX = column * tiles.tileWidth;
            const int tileY = row * tiles.tileHeight;
            const int tileW = std::min(tiles.tileWidth, texture->Width() - tileX);
            const int tileH = std::min(tiles.tileHeight, texture->Height() - tileY);
            const int u0 = std::max(left, tileX);
            const int v0 = std::max(top, tileY);
            const int u1 = std::min(right, tileX + tileW);
            const int v1 = std::min(bottom, tileY + tileH);
            SDL_Texture* tile = tiles.tiles[static_cast<size_t>(row * tiles.columns + column)];
            if (tile != p.texture) {
                Flush();
                p.texture = tile;
            }
            const int base = static_cast<int>(p.vertices.size());
            const float s0 = static_cast<float>(u0 - tileX) / static_cast<float>(tileW);
            const float s1 = static_cast<float>(u1 - tileX) / static_cast<float>(tileW);
            const float t0 = static_cast<float>(v0 - tileY) / static_cast<float>(tileH);
            const float t1 = static_cast<float>(v1 - tileY) / static_cast<float>(tileH);
            p.vertices.push_back(SDL_Vertex{place(u0, v0), tint, SDL_FPoint{s0, t0}});
            p.vertices.push_back(SDL_Vertex{place(u1, v0), tint, SDL_FPoint{s1, t0}});
            p.vertices.push_back(SDL_Vertex{place(u1, v1), tint, SDL_FPoint{s1, t1}});
            p.vertices.push_back(SDL_Vertex{place(u0, v1), tint, SDL_FPoint{s0, t1}});
            for (int i : {0, 1, 2, 0, 2, 3}) p.indices.push_back(base + i);
        }
    }
}
