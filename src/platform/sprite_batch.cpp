// The sprite batch: every draw becomes a textured quad placed by the sprite
// transform; consecutive quads of one texture tile go to the renderer in one
// SDL_RenderGeometry call.
#include <algorithm>

#include "platform/render_internal.h"

SpriteBatchApi* SpriteBatch = nullptr;

namespace {

// Room for this many quads before the buffers ever grow.
constexpr size_t kReservedQuads = 4096;

// The tiles that texels from..to-1 cross along one axis of a sheet cut into
// `count` tiles of `size`.
struct TileSpan {
    int first;
    int last;
};
TileSpan SpanOfTiles(int from, int to, int size, int count) {
    if (count == 1) return TileSpan{0, 0};
    return TileSpan{from / size, (to - 1) / size};
}

}  // namespace

// Geometry of consecutive draws of one texture tile: four vertices per quad.
// The indices of quad q are always 4q + {0, 1, 2, 0, 2, 3}, so they are
// written once, for all the room there is, and a draw writes only vertices.
struct SpriteBatchApi::Pending {
    SDL_Texture* texture = nullptr;
    size_t quads = 0;
    std::vector<SDL_Vertex> vertices;  // room for every quad; the first 4 * quads in use
    std::vector<int> indices;          // 6 for every quad of room

    // The four vertices of a new quad.
    SDL_Vertex* AddQuad() {
        if (quads * 4 == vertices.size()) MakeRoom(std::max(kReservedQuads, quads * 2));
        return &vertices[4 * quads++];
    }

    void MakeRoom(size_t room) {
        const size_t from = indices.size() / 6;
        vertices.resize(room * 4);
        indices.resize(room * 6);
        constexpr int kCorners[6] = {0, 1, 2, 0, 2, 3};
        for (size_t q = from; q < room; ++q) {
            for (int k = 0; k < 6; ++k) indices[q * 6 + k] = static_cast<int>(q * 4) + kCorners[k];
        }
    }
};

SpriteBatchApi* CreateSpriteBatch(GraphicsDevice* device) {
    auto* batch = new SpriteBatchApi;
    batch->device_ = device;
    batch->pending_ = new SpriteBatchApi::Pending;
    batch->pending_->MakeRoom(kReservedQuads);
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
    if (p.quads == 0) return;
    SDL_Renderer* renderer = device_ != nullptr ? device_->impl()->renderer : nullptr;
    if (renderer != nullptr) {
        SDL_RenderGeometry(renderer, p.texture, p.vertices.data(), static_cast<int>(p.quads * 4), p.indices.data(),
                           static_cast<int>(p.quads * 6));
        ++batchesThisFrame_;
    }
    p.quads = 0;
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
    // The matrix is read once; the four corners share two columns and two rows,
    // so each product is made once, and every sum keeps the order of p * M.
    const Matrix& m = transform_;
    const float xx = m.m[0][0], xy = m.m[0][1];
    const float yx = m.m[1][0], yy = m.m[1][1];
    const float tx = m.m[3][0], ty = m.m[3][1];
    const float ox = pos.x - c.x - static_cast<float>(rect.left);
    const float oy = pos.y - c.y - static_cast<float>(rect.top);
    const float oz = pos.z - c.z;
    const float zx = oz * m.m[2][0];
    const float zy = oz * m.m[2][1];
    const SDL_Color tint{static_cast<Uint8>(color >> 16), static_cast<Uint8>(color >> 8),
                         static_cast<Uint8>(color), static_cast<Uint8>(color >> 24)};

    const Texture::Impl& tiles = *texture->impl();
    const TileSpan rows = SpanOfTiles(top, bottom, tiles.tileHeight, tiles.rows);
    const TileSpan columns = SpanOfTiles(left, right, tiles.tileWidth, tiles.columns);
    Pending& p = *pending_;
    for (int row = rows.first; row <= rows.last; ++row) {
        for (int column = columns.first; column <= columns.last; ++column) {
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
            const float x0 = static_cast<float>(u0) + ox;
            const float x1 = static_cast<float>(u1) + ox;
            const float y0 = static_cast<float>(v0) + oy;
            const float y1 = static_cast<float>(v1) + oy;
            const float x0x = x0 * xx, x1x = x1 * xx, x0y = x0 * xy, x1y = x1 * xy;
            const float y0x = y0 * yx, y1x = y1 * yx, y0y = y0 * yy, y1y = y1 * yy;
            const float s0 = static_cast<float>(u0 - tileX) / static_cast<float>(tileW);
            const float s1 = static_cast<float>(u1 - tileX) / static_cast<float>(tileW);
            const float t0 = static_cast<float>(v0 - tileY) / static_cast<float>(tileH);
            const float t1 = static_cast<float>(v1 - tileY) / static_cast<float>(tileH);
            SDL_Vertex* v = p.AddQuad();
            v[0] = SDL_Vertex{SDL_FPoint{x0x + y0x + zx + tx, x0y + y0y + zy + ty}, tint, SDL_FPoint{s0, t0}};
            v[1] = SDL_Vertex{SDL_FPoint{x1x + y0x + zx + tx, x1y + y0y + zy + ty}, tint, SDL_FPoint{s1, t0}};
            v[2] = SDL_Vertex{SDL_FPoint{x1x + y1x + zx + tx, x1y + y1y + zy + ty}, tint, SDL_FPoint{s1, t1}};
            v[3] = SDL_Vertex{SDL_FPoint{x0x + y1x + zx + tx, x0y + y1y + zy + ty}, tint, SDL_FPoint{s0, t1}};
        }
    }
}
