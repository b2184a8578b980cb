#pragma once
// Test helpers for the shared machinery: a sprite batch that records draws,
// stand-in sheets, and sound buffers whose playing state can be read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "app/sound.h"
#include "platform/audio.h"
#include "platform/graphics.h"

namespace machinery_test {

inline void EnsureSpriteBatch() {
    if (Direct3DDevice == nullptr) Direct3DDevice = GraphicsDevice::CreateHeadless();
    if (SpriteBatch == nullptr) SpriteBatch = CreateSpriteBatch(Direct3DDevice);
}

// A small stand-in sheet: draws are recorded with the source rectangle asked for.
inline Texture* StandInSheet(const char* name) {
    return CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu), name);
}

inline bool IsIdentity(const Matrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m.m[r][c] != (r == c ? 1.0f : 0.0f)) return false;
    return true;
}

// Records every draw until destroyed, and checks that the transform is back
// to identity when the draws are done.
class DrawRecording {
public:
    DrawRecording() {
        EnsureSpriteBatch();
        SpriteBatch->SetTransform(MatrixIdentity());
        SpriteBatch->StartRecording();
        SpriteBatch->ClearRecords();
    }
    ~DrawRecording() {
        EXPECT_TRUE(IsIdentity(SpriteBatch->GetTransform()));
        SpriteBatch->StopRecording();
        SpriteBatch->ClearRecords();
    }
    const std::vector<DrawRecord>& Records() const { return SpriteBatch->Records(); }
};

// Gives every effect sound a silent one-second buffer, so Sound::Play can be
// observed through IsPlaying; the buffers go again when the probe ends.
class SoundProbe {
public:
    SoundProbe() {
        const std::vector<uint8_t> silence(8000, 0x80);
        WaveFormat format;
        format.formatTag = 1;
        format.channels = 1;
        format.samplesPerSec = 8000;
        format.avgBytesPerSec = 8000;
        format.blockAlign = 1;
        format.bitsPerSample = 8;
        for (int i = 0; i < kSoundCount; ++i) {
            installed_[i] = SoundTable[i].buffer == nullptr;
            if (installed_[i]) SoundTable[i].buffer = CreateSoundBuffer(format, silence.data(), silence.size());
        }
        StopAll();
    }
    ~SoundProbe() {
        for (int i = 0; i < kSoundCount; ++i) {
            if (!installed_[i] || SoundTable[i].buffer == nullptr) continue;
            SoundTable[i].buffer->Release();
            SoundTable[i].buffer = nullptr;
        }
    }
    void StopAll() {
        for (Sound& s : SoundTable)
            if (s.buffer != nullptr) s.buffer->Stop();
    }
    static bool Playing(const Sound& s) { return s.buffer != nullptr && s.buffer->IsPlaying(); }
    // The one sound playing, or null when none or several play.
    static const Sound* OnlyPlaying() {
        const Sound* found = nullptr;
        for (const Sound& s : SoundTable) {
            if (!Playing(s)) continue;
            if (found != nullptr) return nullptr;
            found = &s;
        }
        return found;
    }

private:
    bool installed_[kSoundCount] = {};
};

}  // namespace machinery_test
