#include <gtest/gtest.h>

#include "platform/platform.h"

namespace {

WaveFormat Pcm(uint16_t channels, uint32_t rate, uint16_t bits) {
    WaveFormat f;
    f.formatTag = 1;
    f.channels = channels;
    f.samplesPerSec = rate;
    f.bitsPerSample = bits;
    f.blockAlign = static_cast<uint16_t>(channels * bits / 8);
    f.avgBytesPerSec = rate * f.blockAlign;
    return f;
}

std::vector<uint8_t> Pcm16(std::initializer_list<int16_t> samples) {
    std::vector<uint8_t> bytes;
    for (int16_t s : samples) {
        bytes.push_back(static_cast<uint8_t>(s & 0xFF));
        bytes.push_back(static_cast<uint8_t>((s >> 8) & 0xFF));
    }
    return bytes;
}

TEST(SoundVolume, HundredthsOfDecibelToGain) {
    EXPECT_FLOAT_EQ(VolumeToGain(0), 1.0f);
    EXPECT_NEAR(VolumeToGain(-2000), 0.1f, 1e-6f);
    EXPECT_NEAR(VolumeToGain(-1000), 0.316228f, 1e-5f);
    EXPECT_EQ(VolumeToGain(-10000), 0.0f);
    EXPECT_EQ(VolumeToGain(-12000), 0.0f);
}

TEST(SoundConversion, SamplesBecome16BitAtTheDeviceRateInTheirOwnChannels) {
    const uint8_t eightBit[] = {128, 255, 0};
    const std::vector<int16_t> mono8 = ConvertToDeviceFormat(Pcm(1, 44100, 8), eightBit, 3, 44100);
    EXPECT_EQ(mono8, (std::vector<int16_t>{0, 32512, -32768}));

    const std::vector<uint8_t> stereo = Pcm16({-32768, 16384, 0});  // the odd sample is half a frame: dropped
    const WaveFormat stereoFormat = Pcm(2, 44100, 16);
    const std::vector<int16_t> stereo16 = ConvertToDeviceFormat(stereoFormat, stereo.data(), stereo.size(), 44100);
    EXPECT_EQ(stereo16, (std::vector<int16_t>{-32768, 16384}));

    // 22050 Hz doubles the frames, the new ones halfway between their neighbours.
    const std::vector<uint8_t> slow = Pcm16({0, 16384});
    const WaveFormat slowFormat = Pcm(1, 22050, 16);
    const std::vector<int16_t> up = ConvertToDeviceFormat(slowFormat, slow.data(), slow.size(), 44100);
    EXPECT_EQ(up, (std::vector<int16_t>{0, 8192, 16384, 16384}));

    // The bound checked before a file is read counts exactly these bytes.
    EXPECT_EQ(ConvertedSoundBytes(stereoFormat, stereo.size(), 44100), stereo16.size() * sizeof(int16_t));
    EXPECT_EQ(ConvertedSoundBytes(slowFormat, slow.size(), 44100), up.size() * sizeof(int16_t));

    EXPECT_TRUE(ConvertToDeviceFormat(Pcm(1, 44100, 24), eightBit, 3, 44100).empty());
    WaveFormat floatFormat = Pcm(1, 44100, 16);
    floatFormat.formatTag = 3;
    EXPECT_TRUE(ConvertToDeviceFormat(floatFormat, slow.data(), slow.size(), 44100).empty());
    EXPECT_EQ(CreateSoundBuffer(floatFormat, slow.data(), slow.size()), nullptr);
}

MixVoice Voice(std::vector<int16_t> samples, uint16_t channels, bool looping, float gain) {
    MixVoice v;
    v.samples = std::move(samples);
    v.channels = channels;
    v.playing = true;
    v.looping = looping;
    v.gain = gain;
    return v;
}

// The level a 16-bit sample is mixed at.
std::vector<float> Levels(std::initializer_list<int> samples) {
    std::vector<float> levels;
    for (int s : samples) levels.push_back(static_cast<float>(s) / 32768.0f);
    return levels;
}

TEST(SoundMixer, AddsEveryPlayingVoiceTimesItsGainAMonoOneToBothChannels) {
    MixVoice loud = Voice({16384, -16384, 16384, -16384}, 2, false, 1.0f);
    MixVoice quiet = Voice({-32768, -32768}, 1, false, 0.1f);
    MixVoice idle = Voice({32767, 32767}, 1, false, 1.0f);
    idle.playing = false;
    MixVoice* voices[] = {&loud, &quiet, &idle};
    std::vector<float> out(4, 0.25f);  // added to, not cleared
    MixVoices(voices, 3, out.data(), 2);
    for (size_t frame = 0; frame < 2; ++frame) {
        EXPECT_NEAR(out[frame * 2], 0.65f, 1e-6f);
        EXPECT_NEAR(out[frame * 2 + 1], -0.35f, 1e-6f);
    }
    EXPECT_EQ(idle.position, 0u);
}

TEST(SoundMixer, LoopingVoiceWrapsAndOnceVoiceStopsAtItsEnd) {
    MixVoice loop = Voice({1, 2, 3}, 1, true, 1.0f);
    MixVoice once = Voice({10, 10, 20, 20, 30, 30}, 2, false, 1.0f);
    MixVoice* voices[] = {&loop, &once};
    std::vector<float> out(10, 0.0f);
    MixVoices(voices, 2, out.data(), 5);
    EXPECT_EQ(out, Levels({11, 11, 22, 22, 33, 33, 1, 1, 2, 2}));
    EXPECT_TRUE(loop.playing);
    EXPECT_EQ(loop.position, 2u);
    EXPECT_FALSE(once.playing);

    // A loop that ends exactly at the buffer's end is back at its start.
    MixVoice exact = Voice({1, 2}, 1, true, 1.0f);
    MixVoice* one[] = {&exact};
    std::vector<float> two(4, 0.0f);
    MixVoices(one, 1, two.data(), 2);
    EXPECT_EQ(exact.position, 0u);
    EXPECT_TRUE(exact.playing);
}

TEST(SoundBuffers, RestartPlaysFromTheFirstSampleAtTheSetVolume) {
    const std::vector<uint8_t> ramp = Pcm16({1000, 2000, 3000, 4000});
    SoundBuffer* buffer = CreateSoundBuffer(Pcm(1, static_cast<uint32_t>(AudioDeviceRate()), 16), ramp.data(), ramp.size());
    ASSERT_NE(buffer, nullptr);
    ASSERT_EQ(buffer->FrameCount(), 4u);
    std::vector<float> out(4);

    buffer->Play(false);
    MixAllVoices(out.data(), 2);
    EXPECT_FLOAT_EQ(out[0], 1000.0f / 32768.0f);
    EXPECT_FLOAT_EQ(out[2], 2000.0f / 32768.0f);
    EXPECT_EQ(buffer->GetCurrentPosition(), 2u);

    buffer->Stop();
    MixAllVoices(out.data(), 2);
    EXPECT_EQ(out[0], 0.0f);

    // How a sound is played: stop, rewind, volume, play.
    buffer->Stop();
    buffer->SetCurrentPosition(0);
    buffer->SetVolume(-2000);
    buffer->Play(false);
    MixAllVoices(out.data(), 2);
    EXPECT_NEAR(out[0], 0.1f * 1000.0f / 32768.0f, 1e-7f);
    EXPECT_EQ(buffer->GetVolume(), -2000);

    MixAllVoices(out.data(), 2);  // the last two frames
    EXPECT_FALSE(buffer->IsPlaying());
    buffer->Play(false);  // from the end: nothing left to play
    MixAllVoices(out.data(), 2);
    EXPECT_EQ(out[0], 0.0f);
    EXPECT_FALSE(buffer->IsPlaying());
    buffer->Release();
}

TEST(SoundBuffers, ReleasedBufferIsNoLongerMixed) {
    const std::vector<uint8_t> a = Pcm16({16384, 16384});
    const WaveFormat format = Pcm(1, static_cast<uint32_t>(AudioDeviceRate()), 16);
    SoundBuffer* first = CreateSoundBuffer(format, a.data(), a.size());
    SoundBuffer* second = CreateSoundBuffer(format, a.data(), a.size());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    first->Play(true);
    second->Play(true);
    first->Release();
    std::vector<float> out(2);
    MixAllVoices(out.data(), 1);
    EXPECT_FLOAT_EQ(out[0], 0.5f);
    second->Release();
    MixAllVoices(out.data(), 1);
    EXPECT_EQ(out[0], 0.0f);
}

// A 16-bit sample comes out of the mix at its own level; one that resampling
// puts between two samples lies within a 16-bit step of the exact blend.
TEST(SoundBuffers, SamplesKeepTheirLevelThroughTheSixteenBitStore) {
    const std::vector<uint8_t> extremes = Pcm16({-32768, 32767});
    const auto halfRate = static_cast<uint32_t>(AudioDeviceRate() / 2);
    SoundBuffer* buffer = CreateSoundBuffer(Pcm(1, halfRate, 16), extremes.data(), extremes.size());
    ASSERT_NE(buffer, nullptr);
    ASSERT_EQ(buffer->FrameCount(), 4u);
    buffer->Play(false);
    std::vector<float> out(8);
    MixAllVoices(out.data(), 4);
    EXPECT_EQ(out[0], -1.0f);
    EXPECT_NEAR(out[2], -0.5f / 32768.0f, 1.0f / 32768.0f);
    EXPECT_EQ(out[4], 32767.0f / 32768.0f);
    EXPECT_EQ(out[6], 32767.0f / 32768.0f);
    buffer->Release();
}

TEST(AudioDevice, PlaysWhileReferencedAndClosesWithTheLastReference) {
    ASSERT_TRUE(PlatformInit());
    if (!AudioAcquire()) {
        PlatformShutdown();
        GTEST_SKIP() << "no audio device here";
    }
    EXPECT_TRUE(AudioDeviceRunning());  // opened unpaused: its callback mixes
    EXPECT_TRUE(AudioAcquire());        // a second sound shares the device
    AudioReleaseRef();
    EXPECT_TRUE(AudioDeviceRunning());
    AudioReleaseRef();  // the last reference closes the device
    EXPECT_FALSE(AudioDeviceRunning());
    AudioReleaseRef();  // one too many does no harm
    EXPECT_FALSE(AudioDeviceRunning());
    ASSERT_TRUE(AudioAcquire());  // and the next sound opens it again
    EXPECT_TRUE(AudioDeviceRunning());
    AudioReleaseRef();
    PlatformShutdown();
}

}  // namespace
