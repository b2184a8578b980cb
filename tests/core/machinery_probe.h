#pragma once
// Test helpers for the shared machinery: a sprite batch that records draws,
// stand-in sheets, and sound buffers whose playing state can be read back.
// Everything a helper creates it releases again and puts back what was there.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/sound.h"
#include "platform/audio.h"
#include "platform/graphics.h"
#include "support/resource_dir.h"

namespace machinery_test {

inline bool IsIdentity(const Matrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m.m[r][c] != (r == c ? 1.0f : 0.0f)) return false;
    return true;
}

// A headless device and sprite batch for the test's lifetime (unless one exists).
class HeadlessGraphics {
public:
    HeadlessGraphics() : owned_(SpriteBatch == nullptr) {
        if (owned_) testsupport::CreateHeadlessGraphics();
    }
    ~HeadlessGraphics() {
        if (owned_) testsupport::ReleaseHeadlessGraphics();
    }

private:
    bool owned_;
};

// Puts a small stand-in sheet into a texture global: draws are recorded with
// the source rectangle asked for, whatever the sheet's size.
class StandInSheet {
public:
    explicit StandInSheet(Texture*& slot) : slot_(slot), saved_(slot) {
        slot = CreateTextureFromPixels(Direct3DDevice, 4, 4, std::vector<uint32_t>(16, 0xFFFFFFFFu), "stand-in");
    }
    ~StandInSheet() {
        slot_->Release();
        slot_ = saved_;
    }

private:
    Texture*& slot_;
    Texture* saved_;
};

// Records every draw while alive, and checks at its end that the sprite
// transform is back to identity.
class DrawRecording {
public:
    DrawRecording() {
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

// Gives every sound a silent one-second buffer, so that Sound::Play can be
// seen through IsPlaying; the buffers are released again at the end.
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
            saved_[i] = SoundTable[i].buffer;
            SoundTable[i].buffer = CreateSoundBuffer(format, silence.data(), silence.size());
        }
    }
    ~SoundProbe() {
        for (int i = 0; i < kSoundCount; ++i) {
            SoundTable[i].buffer->Release();
            SoundTable[i].buffer = saved_[i];
        }
    }
    void StopAll() {
        for (Sound& s : SoundTable) s.buffer->Stop();
    }
    static bool Playing(const Sound& s) { return s.buffer->IsPlaying(); }
    // The one sound playing; null when none or several play.
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
    SoundBuffer* saved_[kSoundCount] = {};
};

}  // namespace machinery_test
