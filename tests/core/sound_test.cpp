#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "core/sound.h"
#include "platform/audio.h"

namespace {

// A canonical 44-byte-header WAV with `frames` frames of silence.
std::vector<uint8_t> MakeWav(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, uint32_t frames,
                             uint32_t declaredDataBytes, uint16_t blockAlignOverride = 0) {
    const uint16_t blockAlign = blockAlignOverride ? blockAlignOverride : static_cast<uint16_t>(channels * bits / 8);
    const uint32_t dataBytes = frames * channels * bits / 8;
    std::vector<uint8_t> w(44 + dataBytes, 0);
    auto put16 = [&](size_t at, uint16_t v) { w[at] = v & 0xFF; w[at + 1] = v >> 8; };
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) w[at + i] = (v >> (8 * i)) & 0xFF;
    };
    std::memcpy(w.data(), "RIFF", 4);
    put32(4, 36 + dataBytes);
    std::memcpy(w.data() + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, format);
    put16(22, channels);
    put32(24, rate);
    put32(28, rate * blockAlign);
    put16(32, blockAlign);
    put16(34, bits);
    std::memcpy(w.data() + 36, "data", 4);
    put32(40, declaredDataBytes);
    return w;
}

TEST(SoundVolume, LinearVolumeBecomesHundredthsOfADecibel) {
    EXPECT_EQ(VolumeFromLinear(1.5f), 0);
    EXPECT_EQ(VolumeFromLinear(1.0f), 0);
    EXPECT_EQ(VolumeFromLinear(-0.2f), -10000);
    EXPECT_EQ(VolumeFromLinear(0.0f), -10000);
    EXPECT_EQ(VolumeFromLinear(0.9f), -1000);
    EXPECT_EQ(VolumeFromLinear(0.5f), -5000);
}

TEST(WavHeader, CanonicalFileLoadsWithItsDeclaredData) {
    const auto w = MakeWav(1, 2, 44100, 16, 100, 400);
    WavData d;
    ASSERT_TRUE(ParseWav(w.data(), w.size(), &d));
    EXPECT_EQ(d.channels, 2);
    EXPECT_EQ(d.samplesPerSec, 44100u);
    EXPECT_EQ(d.bitsPerSample, 16);
    EXPECT_EQ(d.dataBytes, 400u);
    EXPECT_EQ(d.samples, w.data() + 44);
}

TEST(WavHeader, RejectsWhatCannotBePlayed) {
    WavData d;
    const auto good = MakeWav(1, 1, 22050, 8, 10, 10);
    EXPECT_FALSE(ParseWav(good.data(), 43, &d)) << "shorter than the header";
    EXPECT_FALSE(ParseWav(nullptr, 0, &d));
    const auto adpcm = MakeWav(2, 1, 22050, 16, 10, 20);
    EXPECT_FALSE(ParseWav(adpcm.data(), adpcm.size(), &d)) << "not PCM";
    const auto surround = MakeWav(1, 6, 44100, 16, 10, 120);
    EXPECT_FALSE(ParseWav(surround.data(), surround.size(), &d)) << "six channels";
    const auto bits24 = MakeWav(1, 2, 44100, 24, 10, 60);
    EXPECT_FALSE(ParseWav(bits24.data(), bits24.size(), &d)) << "24-bit";
    const auto badAlign = MakeWav(1, 2, 44100, 16, 10, 40, 3);
    EXPECT_FALSE(ParseWav(badAlign.data(), badAlign.size(), &d)) << "block size does not match";
    const auto zeroRate = MakeWav(1, 2, 0, 16, 10, 40);
    EXPECT_FALSE(ParseWav(zeroRate.data(), zeroRate.size(), &d)) << "no rate";
}

TEST(WavHeader, OversizedDataSizeIsCutToTheFileInWholeBlocks) {
    auto w = MakeWav(1, 2, 44100, 16, 100, 0xFFFFFFF0u);
    w.push_back(0x11);  // a stray byte: not a whole block
    WavData d;
    ASSERT_TRUE(ParseWav(w.data(), w.size(), &d));
    EXPECT_EQ(d.dataBytes, 400u);
    // A truncated file keeps what it holds.
    const auto t = MakeWav(1, 1, 8000, 16, 50, 100);
    ASSERT_TRUE(ParseWav(t.data(), 44 + 37, &d));
    EXPECT_EQ(d.dataBytes, 36u);
}

class SoundTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto w = MakeWav(1, 1, 44100, 16, 4410, 8820);
        WaveFormat f;
        f.formatTag = 1;
        f.channels = 1;
        f.samplesPerSec = 44100;
        f.avgBytesPerSec = 88200;
        f.blockAlign = 2;
        f.bitsPerSample = 16;
        for (Sound& s : SoundTable) s.buffer = CreateSoundBuffer(f, w.data() + 44, 8820);
    }
    void TearDown() override { ReleaseSounds(); }
};

TEST_F(SoundTableTest, UnknownIdPlaysNothing) {
    PlaySoundById(5);
    for (const Sound& s : SoundTable) EXPECT_FALSE(s.buffer->IsPlaying());
    PlaySoundById(21);
    EXPECT_TRUE(EnemyDestroySound.buffer->IsPlaying());
    EXPECT_FALSE(EnemyDestroySound.buffer->IsLooping());
    PlaySoundById(3);
    EXPECT_TRUE(FieldNightBgm.buffer->IsPlaying());
    EXPECT_TRUE(FieldNightBgm.buffer->IsLooping());
}

TEST_F(SoundTableTest, PlayingASoundAgainRestartsItFromTheStart) {
    SwordSound.volume = -1000;
    SwordSound.Play(4, 0);
    SwordSound.buffer->SetCurrentPosition(1234);
    SwordSound.Play(4, 0);
    EXPECT_EQ(SwordSound.buffer->GetCurrentPosition(), 0u);
    EXPECT_TRUE(SwordSound.buffer->IsPlaying());
    EXPECT_EQ(SwordSound.buffer->GetVolume(), -1000);
}

TEST_F(SoundTableTest, StopAllStopsAndRewindsEverything) {
    PlaySoundById(1);
    PlaySoundById(14);
    FieldMapBgm.buffer->SetCurrentPosition(50);
    StopAllSounds();
    for (const Sound& s : SoundTable) {
        EXPECT_FALSE(s.buffer->IsPlaying());
        EXPECT_EQ(s.buffer->GetCurrentPosition(), 0u);
    }
}

}  // namespace
