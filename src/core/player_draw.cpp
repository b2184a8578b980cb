// The knight's draw: option particles, options, body, shield and sword sweep.
#include <cmath>

#include "core/common_textures.h"
#include "core/player.h"
#include "platform/graphics.h"

namespace {

constexpr Rect kOptionCell{0, 0, 64, 64};
constexpr Rect kBarrierCell{0, 0, 64, 64};
constexpr Rect kSwordCell{0, 0, 64, 128};
constexpr Vec3 kCellCentre{32.0f, 32.0f, 0.0f};
constexpr Vec3 kSwordCentre{32.0f, 64.0f, 0.0f};
constexpr uint32_t kWhite = 0x00FFFFFFu;
constexpr uint32_t kOptionColour = 0xC8FFFFFFu;
constexpr uint32_t kSkill2ShieldColour = 0x64FFFFFFu;
constexpr int32_t kSwordShownFrom = 170;  // drawn for the ten frames 179 to 170
constexpr float kSwordReach = 100.0f;

uint32_t WhiteWithAlpha(int32_t alpha) {
    if (alpha < 0) alpha = 0;
    if (alpha > 255) alpha = 255;
    return static_cast<uint32_t>(alpha) << 24 | kWhite;
}

// One sprite with scale x rotation x translation; the transform goes back to
// identity afterwards.
void DrawSprite(const Texture* texture, const Rect& cell, const Vec3& centre, float scale, float degrees, float x,
                float y, uint32_t colour) {
    ObjectBase placement;
    placement.SetTransformRotZ(scale, scale, 1.0f, x, y, 0.0f, degrees);
    SpriteBatch->SetTransform(placement.world);
    SpriteBatch->Draw(texture, &cell, &centre, nullptr, colour);
    SpriteBatch->SetTransform(MatrixIdentity());
}

// The shield's alpha while invincible, from the frames left: it fades in, then out.
// After a hit it fades in from 180 to 238 and out from 240 at 120 frames left.
int32_t ShieldAlpha(int32_t kind, int32_t t) {
    switch (kind) {
        case 1: return t > 120 ? (240 - t) * 2 : 2 * t;
        case 2: return t > 45 ? (135 - t) * 2 : 4 * t;
        case 3: return t > 180 ? (270 - t) * 2 : t;
        default: return 0;
    }
}

}  // namespace

void Player::Draw() {
    DrawParticles();
    DrawLayer(4);
    DrawLayer(1);
    DrawLayer(2);
    DrawLayer(3);
}

void Player::DrawParticles() {
    for (int i = 0; i < kParticleCount; ++i) {
        if (particleActive[i] == 0) continue;
        const float age = static_cast<float>(particleAge[i]);
        const int32_t alpha = static_cast<int32_t>(150.0f - 2.5f * age);
        DrawSprite(optionTexture, kOptionCell, kCellCentre, 0.3f - 0.005f * age, 0.0f, particlePosition[i].x,
                   particlePosition[i].y, WhiteWithAlpha(alpha));
    }
}

void Player::DrawLayer(int32_t layer) {
    switch (layer) {
        case 1: {
            const int32_t cell = animCounter / 6;
            const Rect body{64 * cell, 0, 64 * cell + 64, 64};
            SetTransform(1.5f, 1.5f, 1.0f, x, y, 0.0f);
            SpriteBatch->SetTransform(world);
            SpriteBatch->Draw(playerTexture, &body, &kCellCentre, nullptr, 0xFFFFFFFFu);
            SpriteBatch->SetTransform(MatrixIdentity());
            break;
        }
        case 2: {
            uint32_t colour;
            if (invincible == 1) {
                if (invincibleKind < 1 || invincibleKind > 3) break;
                colour = WhiteWithAlpha(ShieldAlpha(invincibleKind, invincibleTimer));
            } else if (state == 4) {
                colour = kSkill2ShieldColour;
            } else {
                break;
            }
            SpriteBatch->SetTransform(world);  // the body's placement
            SpriteBatch->Draw(BarrierTexture, &kBarrierCell, &kCellCentre, nullptr, colour);
            SpriteBatch->SetTransform(MatrixIdentity());
            break;
        }
        case 3: {
            if (swordTimer < kSwordShownFrom) break;
            // Five images sweep from the knight's left over the top to its right,
            // each 10 degrees behind and 20 alpha steps fainter than the one before.
            for (int i = 0; i < 5; ++i) {
                const float p = -18.0f * static_cast<float>(swordTimer - kSwordShownFrom) - 10.0f * static_cast<float>(i);
                const float radians = p * kDegToRad;
                DrawSprite(swordTexture, kSwordCell, kSwordCentre, 1.0f, 90.0f + p, x + kSwordReach * std::cos(radians),
                           y + kSwordReach * std::sin(radians), WhiteWithAlpha(255 - 20 * i));
            }
            break;
        }
        case 4:
            for (int i = 0; i < optionCount && i < kMaxOptions; ++i) {
                DrawSprite(optionTexture, kOptionCell, kCellCentre, 0.8f, 0.0f, optionPositions[i].x,
                           optionPositions[i].y, kOptionColour);
            }
            break;
        default:
            break;
    }
}
