// The thirteen sounds, all synthesized: four music loops (world map, day
// field, night field, cave) and nine effects.
//
// Music is rendered cyclically: every note, echo and drum hit that runs past
// the end of the loop continues at its start, so the track joins itself
// without a click however often it repeats.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assetgen/manifest.h"

namespace assetgen {

namespace {

constexpr int kRate = 44100;
constexpr double kTau = 6.283185307179586;

// Deterministic white noise in -1..1.
class Noise {
public:
    explicit Noise(uint32_t seed) : s_(seed * 747796405u + 2891336453u) {}
    double Next() {
        s_ = s_ * 1664525u + 1013904223u;
        return double(s_ >> 8) / double(1 << 23) - 1.0;
    }

private:
    uint32_t s_;
};

double NoteHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A mono mix buffer; Add() wraps around when the buffer is a loop.
struct Mix {
    std::vector<double> s;
    bool loop;
    Mix(double seconds, bool isLoop) : s(size_t(seconds * kRate), 0.0), loop(isLoop) {}
    void Add(long at, double v) {
        long n = long(s.size());
        if (loop) at = ((at % n) + n) % n;
        if (at >= 0 && at < n) s[size_t(at)] += v;
    }
    // Feedback echo, run round the loop until it has settled.
    void Echo(double seconds, double feedback, double wet) {
        size_t d = size_t(seconds * kRate), n = s.size();
        std::vector<double> y(n, 0.0);
        int passes = loop ? 6 : 1;
        for (int p = 0; p < passes; ++p)
            for (size_t i = 0; i < n; ++i) {
                double prev = i >= d ? y[i - d] : (loop ? y[(i + n - d) % n] : 0.0);
                y[i] = s[i] + feedback * prev;
            }
        for (size_t i = 0; i < n; ++i) s[i] = s[i] * (1 - wet) + y[i] * wet;
    }
    Pcm ToPcm(double peak = 0.85) const {
        double m = 1e-9;
        for (double v : s) m = std::max(m, std::fabs(v));
        Pcm p;
        p.sampleRate = kRate;
        p.channels = 1;
        p.samples.resize(s.size());
        // A loop starts at the quietest, smoothest point of its first 40 ms
        // (a rotation of the cycle: the music stays the same, and its first
        // and last samples meet near zero).
        size_t n = s.size(), start = 0;
        if (loop) {
            double best = 1e30;
            for (size_t k = 0; k < std::min(n, size_t(kRate / 25)); ++k) {
                double prev = s[(k + n - 1) % n];
                double cost = std::fabs(s[k]) + 2 * std::fabs(s[k] - prev);
                if (cost < best) best = cost, start = k;
            }
        }
        for (size_t i = 0; i < n; ++i)
            p.samples[i] = int16_t(std::lround(std::clamp(s[(i + start) % n] / m * peak, -1.0, 1.0) * 32767));
        return p;
    }
};

// ------------------------------------------------------------ instruments

struct Env {
    double attack, decay, sustain, release;
    // Amplitude at time t of a note held for `hold` seconds.
    double At(double t, double hold) const {
        double a;
        if (t < attack) a = t / attack;
        else if (t < attack + decay) a = 1 - (1 - sustain) * (t - attack) / decay;
        else a = sustain;
        if (t > hold) a *= std::max(0.0, 1 - (t - hold) / release);
        return a;
    }
    double Length(double hold) const { return hold + release; }
};

enum class Wave { Sine, Triangle, Square, Saw, Organ };

// Softens the jump of a saw or square edge (PolyBLEP) so that high notes do
// not alias; dt is the phase step per sample.
double Blep(double p, double dt) {
    if (dt <= 0) return 0;
    if (p < dt) {
        double t = p / dt;
        return t + t - t * t - 1;
    }
    if (p > 1 - dt) {
        double t = (p - 1) / dt;
        return t * t + t + t + 1;
    }
    return 0;
}

double Osc(Wave w, double phase, double dt = 0) {
    double p = phase - std::floor(phase);
    switch (w) {
    case Wave::Sine: return std::sin(kTau * p);
    case Wave::Triangle: return 4 * std::fabs(p - 0.5) - 1;
    case Wave::Square: {
        double q = p + 0.5 - std::floor(p + 0.5);
        double sq = (p < 0.5 ? 1.0 : -1.0) + Blep(p, dt) - Blep(q, dt);
        return sq * 0.6 + std::sin(kTau * p) * 0.4;
    }
    case Wave::Saw: return 2 * p - 1 - Blep(p, dt);
    case Wave::Organ: return std::sin(kTau * p) * 0.6 + std::sin(2 * kTau * p) * 0.25 + std::sin(3 * kTau * p) * 0.15;
    }
    return 0;
}

// A synthesized note with envelope, vibrato and a one-pole low-pass.
void Tone(Mix& m, double start, double hold, int midi, double vol, Wave w, Env e, double vibrato = 0,
          double cutoff = 0) {
    double hz = NoteHz(midi), phase = 0, lp = 0;
    double alpha = cutoff > 0 ? 1 - std::exp(-kTau * cutoff / kRate) : 1;
    long s0 = long(start * kRate), n = long(e.Length(hold) * kRate);
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate;
        double f = hz * (1 + vibrato * std::sin(kTau * 5.5 * t) * std::min(1.0, t * 3));
        phase += f / kRate;
        double v = Osc(w, phase, f / kRate);
        lp += alpha * (v - lp);
        m.Add(s0 + i, lp * vol * e.At(t, hold));
    }
}

// A plucked string (Karplus-Strong).
void Pluck(Mix& m, double start, int midi, double vol, double seconds, uint32_t seed, double damping = 0.996) {
    Noise nz(seed);
    size_t len = size_t(std::max(2.0, kRate / NoteHz(midi)));
    std::vector<double> buf(len);
    for (double& b : buf) b = nz.Next();
    // A softer pick: smooth the initial burst so the attack does not click.
    for (int pass = 0; pass < 3; ++pass) {
        std::vector<double> sm(len);
        for (size_t i = 0; i < len; ++i) sm[i] = (buf[(i + len - 1) % len] + 2 * buf[i] + buf[(i + 1) % len]) / 4;
        buf.swap(sm);
    }
    long s0 = long(start * kRate), n = long(seconds * kRate);
    size_t idx = 0;
    for (long i = 0; i < n; ++i) {
        size_t nxt = (idx + 1) % len;
        double v = buf[idx];
        buf[idx] = damping * 0.5 * (buf[idx] + buf[nxt]);
        idx = nxt;
        double fade = i > n - 400 ? double(n - i) / 400 : 1.0;
        m.Add(s0 + i, v * vol * fade);
    }
}

void Kick(Mix& m, double start, double vol) {
    long s0 = long(start * kRate), n = long(0.3 * kRate);
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate;
        double f = 45 + 110 * std::exp(-t * 30);
        phase += f / kRate;
        m.Add(s0 + i, std::sin(kTau * phase) * std::exp(-t * 9) * vol);
    }
}

void Snare(Mix& m, double start, double vol, uint32_t seed) {
    Noise nz(seed);
    long s0 = long(start * kRate), n = long(0.22 * kRate);
    double prev = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate, x = nz.Next();
        double hp = x - prev;
        prev = x;
        double body = std::sin(kTau * 190 * t) * std::exp(-t * 25);
        m.Add(s0 + i, (hp * 0.6 * std::exp(-t * 16) + body * 0.6) * vol);
    }
}

void Hat(Mix& m, double start, double vol, uint32_t seed, double decay = 60) {
    Noise nz(seed);
    long s0 = long(start * kRate), n = long(0.08 * kRate);
    double prev = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate, x = nz.Next();
        double hp = x - prev;
        prev = x;
        m.Add(s0 + i, hp * std::exp(-t * decay) * vol);
    }
}

// A soft chord pad (detuned organ voices).
void Pad(Mix& m, double start, double hold, const std::vector<int>& notes, double vol, Wave w = Wave::Organ,
         double cutoff = 1200) {
    Env e{0.4, 0.3, 0.8, 0.6};
    for (int n : notes) {
        Tone(m, start, hold, n, vol, w, e, 0.003, cutoff);
        Tone(m, start + 0.01, hold, n, vol * 0.5, w, e, -0.004, cutoff);
    }
}

// ------------------------------------------------------------ music

// Chords as MIDI notes of their root and the scale the melody walks on.
struct Song {
    double bpm;
    int bars;
    std::vector<std::vector<int>> chords;  // one per bar (cycled)
};

double Beat(const Song& s) { return 60.0 / s.bpm; }

// A melody built from the chords: each bar picks notes of its chord (and
// passing notes) on a rhythm pattern; phrases of four bars answer each other.
void Melody(Mix& m, const Song& s, const std::vector<std::vector<double>>& rhythms, int octaveShift, Wave w,
            double vol, Env e, uint32_t seed, double vibrato = 0.004, double cutoff = 0) {
    double beat = Beat(s);
    Noise rnd(seed);
    int prev = 0;
    for (int bar = 0; bar < s.bars; ++bar) {
        const std::vector<int>& chord = s.chords[size_t(bar) % s.chords.size()];
        const std::vector<double>& rh = rhythms[size_t(bar) % rhythms.size()];
        // Phrase repeat: bars 4-7 echo bars 0-3 with small changes.
        Noise phrase(seed * 31 + uint32_t(bar % 4) + (bar % 8 >= 4 ? 7u : 0u) * uint32_t(bar / 8 % 2));
        double t = 0;
        for (size_t k = 0; k < rh.size(); ++k) {
            double len = rh[k];
            if (len < 0) {  // rest
                t += -len;
                continue;
            }
            int idx = int((phrase.Next() * 0.5 + 0.5) * 3.999);
            int note = chord[size_t(idx) % chord.size()] + 12 * octaveShift;
            if (prev && std::abs(note - prev) > 7) note += note > prev ? -12 : 12;
            if (k + 1 == rh.size() && bar % 4 == 3) note = chord[0] + 12 * octaveShift;  // phrase ends on the root
            prev = note;
            Tone(m, bar * 4 * beat + t * beat, len * beat * 0.9, note, vol, w, e, vibrato, cutoff);
            t += len;
        }
        (void)rnd;
    }
}

Pcm WorldMapTheme() {
    // Pastoral and unhurried: harp arpeggios, a flute tune, soft strings.
    Song s{96, 12, {{65, 69, 72, 77}, {62, 65, 69, 74}, {70, 74, 77, 82}, {72, 76, 79, 84},
                    {65, 69, 72, 77}, {69, 72, 76, 81}, {70, 74, 77, 82}, {72, 76, 79, 84}}};
    double beat = Beat(s);
    Mix m(s.bars * 4 * beat, true);
    for (int bar = 0; bar < s.bars; ++bar) {
        const auto& c = s.chords[size_t(bar) % s.chords.size()];
        Pad(m, bar * 4 * beat, 4 * beat - 0.1, {c[0] - 12, c[1] - 12, c[2] - 12}, 0.05, Wave::Organ, 900);
        Tone(m, bar * 4 * beat, 3.6 * beat, c[0] - 24, 0.22, Wave::Triangle, {0.02, 0.3, 0.6, 0.3});
        for (int k = 0; k < 8; ++k) {
            int note = c[size_t(k < 4 ? k : 7 - k)];
            Pluck(m, bar * 4 * beat + k * 0.5 * beat, note, 0.16, 1.4, uint32_t(bar * 8 + k));
        }
    }
    Melody(m, s, {{2, 1, 1}, {1.5, 0.5, 2}, {1, 1, 1, 1}, {3, -1}}, 1, Wave::Sine, 0.16, {0.06, 0.2, 0.7, 0.25},
           5, 0.006);
    m.Echo(0.375, 0.3, 0.35);
    return m.ToPcm();
}

Pcm DayFieldTheme() {
    // Bright and driving: square-wave lead, galloping bass, full drum kit.
    Song s{140, 16, {{69, 72, 76, 81}, {65, 69, 72, 77}, {67, 71, 74, 79}, {64, 67, 71, 76},
                     {62, 65, 69, 74}, {65, 69, 72, 77}, {64, 68, 71, 76}, {64, 68, 71, 76}}};
    double beat = Beat(s);
    Mix m(s.bars * 4 * beat, true);
    for (int bar = 0; bar < s.bars; ++bar) {
        const auto& c = s.chords[size_t(bar) % s.chords.size()];
        double b0 = bar * 4 * beat;
        for (int k = 0; k < 8; ++k) {
            int note = c[0] - 24 + ((k % 4 == 3) ? 7 : 0) + (k == 6 ? 12 : 0);
            Tone(m, b0 + k * 0.5 * beat, 0.4 * beat, note, 0.28, Wave::Saw, {0.005, 0.1, 0.5, 0.05}, 0, 900);
        }
        Pad(m, b0, 4 * beat - 0.05, {c[1] - 12, c[2] - 12, c[3] - 12}, 0.035, Wave::Square, 1600);
        for (int k = 0; k < 4; ++k) {
            Kick(m, b0 + k * beat, k % 2 == 0 ? 0.9 : 0.6);
            if (k % 2 == 1) Snare(m, b0 + k * beat, 0.5, uint32_t(bar * 4 + k));
        }
        for (int k = 0; k < 8; ++k) Hat(m, b0 + k * 0.5 * beat, k % 2 ? 0.12 : 0.2, uint32_t(1000 + bar * 8 + k));
    }
    Melody(m, s, {{1, 0.5, 0.5, 1, 1}, {0.5, 0.5, 1, 2}, {1, 1, 0.5, 0.5, 1}, {2, 1, -1}}, 0, Wave::Square, 0.15,
           {0.01, 0.1, 0.7, 0.08}, 17, 0.004, 3200);
    m.Echo(60.0 / 140 * 0.75, 0.25, 0.2);
    return m.ToPcm();
}

Pcm NightFieldTheme() {
    // Hushed and mysterious: bell-like arpeggios in D minor, a slow pulse, echoes.
    Song s{116, 16, {{62, 65, 69, 74}, {58, 62, 65, 70}, {60, 64, 67, 72}, {57, 61, 64, 69},
                     {62, 65, 69, 74}, {55, 58, 62, 67}, {58, 62, 65, 70}, {57, 61, 64, 69}}};
    double beat = Beat(s);
    Mix m(s.bars * 4 * beat, true);
    for (int bar = 0; bar < s.bars; ++bar) {
        const auto& c = s.chords[size_t(bar) % s.chords.size()];
        double b0 = bar * 4 * beat;
        Pad(m, b0, 4 * beat - 0.1, {c[0] - 12, c[1] - 12, c[2] - 12}, 0.05, Wave::Triangle, 700);
        Tone(m, b0, 1.8 * beat, c[0] - 24, 0.25, Wave::Sine, {0.01, 0.4, 0.5, 0.4});
        Tone(m, b0 + 2 * beat, 1.8 * beat, c[0] - 24, 0.2, Wave::Sine, {0.01, 0.4, 0.5, 0.4});
        const int order[8] = {0, 2, 1, 3, 2, 1, 3, 2};
        for (int k = 0; k < 8; ++k)
            Tone(m, b0 + k * 0.5 * beat, 0.3 * beat, c[size_t(order[k])] + 12, 0.07, Wave::Sine, {0.002, 0.35, 0.0, 0.3});
        Kick(m, b0, 0.5);
        Kick(m, b0 + 2.5 * beat, 0.35);
        for (int k = 0; k < 4; ++k) Hat(m, b0 + (k + 0.5) * beat, 0.07, uint32_t(2000 + bar * 4 + k), 35);
    }
    Melody(m, s, {{3, 1}, {2, 2}, {1.5, 0.5, 2}, {4}}, 0, Wave::Triangle, 0.16, {0.08, 0.3, 0.6, 0.5}, 29, 0.008);
    m.Echo(60.0 / 116 * 0.75, 0.45, 0.4);
    return m.ToPcm();
}

Pcm CaveTheme() {
    // Dark and tense: a low drone, slow heartbeat drums, metallic drips and
    // a sparse phrygian motif.
    Song s{104, 12, {{52, 53, 59, 64}, {52, 55, 59, 64}, {53, 57, 60, 65}, {52, 53, 58, 64}}};
    double beat = Beat(s);
    double length = s.bars * 4 * beat;
    Mix m(length, true);
    // Drone: two slightly detuned low voices held across the whole loop.
    for (int v = 0; v < 2; ++v)
        for (int bar = 0; bar < s.bars; bar += 2)
            Tone(m, bar * 4 * beat, 8 * beat, 28 + 7 * v, 0.12, Wave::Saw, {0.6, 0.5, 0.9, 0.6}, 0.002 * (v ? 1 : -1), 300);
    Noise drip(7);
    for (int bar = 0; bar < s.bars; ++bar) {
        const auto& c = s.chords[size_t(bar) % s.chords.size()];
        double b0 = bar * 4 * beat;
        Kick(m, b0, 0.7);
        Kick(m, b0 + 0.45 * beat, 0.45);
        Kick(m, b0 + 2 * beat, 0.6);
        Kick(m, b0 + 2.45 * beat, 0.4);
        Pad(m, b0, 4 * beat - 0.2, {c[0] - 12, c[1] - 12}, 0.05, Wave::Organ, 500);
        // Water drips: high, short, bell-like pings at scattered places.
        for (int k = 0; k < 2; ++k) {
            double at = b0 + (drip.Next() * 0.5 + 0.5) * 4 * beat;
            int note = 84 + int((drip.Next() * 0.5 + 0.5) * 7);
            Tone(m, at, 0.02, note, 0.06, Wave::Sine, {0.001, 0.25, 0.0, 0.2});
        }
        if (bar % 2 == 1)
            for (int k = 0; k < 4; ++k) Hat(m, b0 + (k + 0.75) * beat, 0.05, uint32_t(3000 + bar * 4 + k), 80);
    }
    Melody(m, s, {{2, -2}, {1, 1, -2}, {3, -1}, {1, 1, 2}}, 0, Wave::Organ, 0.14, {0.05, 0.3, 0.6, 0.4}, 43, 0.01,
           1400);
    m.Echo(60.0 / 104, 0.5, 0.45);
    return m.ToPcm();
}

// ------------------------------------------------------------ effects

// A noise burst through a low-pass whose cut-off falls with time: explosions.
void Boom(Mix& m, double start, double seconds, double startHz, double endHz, double vol, uint32_t seed,
          double crackle = 0) {
    Noise nz(seed), ck(seed + 99);
    long s0 = long(start * kRate), n = long(seconds * kRate);
    double lp1 = 0, lp2 = 0, phase = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate, u = t / seconds;
        double cut = startHz * std::pow(endHz / startHz, u);
        double a = 1 - std::exp(-kTau * cut / kRate);
        lp1 += a * (nz.Next() - lp1);
        lp2 += a * (lp1 - lp2);
        double env = std::min(1.0, t * 200) * std::pow(1 - u, 2.2);
        phase += (70 * std::pow(0.4, u)) / kRate;
        double thump = std::sin(kTau * phase) * std::exp(-t * 6);
        double v = lp2 * 2.5 + thump * 0.7;
        if (crackle > 0 && ck.Next() > 1 - crackle * 0.02) v += ck.Next() * (1 - u);
        m.Add(s0 + i, v * env * vol);
    }
}

Pcm ItemGet() {
    Mix m(0.3, false);
    Tone(m, 0.0, 0.05, 83, 0.5, Wave::Triangle, {0.002, 0.08, 0.3, 0.06});
    Tone(m, 0.06, 0.1, 88, 0.5, Wave::Triangle, {0.002, 0.1, 0.4, 0.12});
    Tone(m, 0.06, 0.1, 100, 0.15, Wave::Sine, {0.002, 0.1, 0.2, 0.1});
    return m.ToPcm(0.7);
}

Pcm LevelUp() {
    Mix m(1.3, false);
    const int notes[] = {72, 76, 79, 84, 88};
    for (int k = 0; k < 5; ++k) {
        double at = 0.09 * k;
        double hold = k == 4 ? 0.5 : 0.08;
        Tone(m, at, hold, notes[k], 0.35, Wave::Square, {0.004, 0.05, 0.6, 0.25}, k == 4 ? 0.01 : 0, 4000);
        Tone(m, at, hold, notes[k] + 12, 0.12, Wave::Sine, {0.004, 0.1, 0.4, 0.25});
    }
    Pad(m, 0.36, 0.5, {72, 76, 79}, 0.1, Wave::Square, 3000);
    Noise nz(5);
    for (int k = 0; k < 10; ++k) Tone(m, 0.4 + 0.06 * k, 0.02, 96 + int((nz.Next() + 1) * 4), 0.06, Wave::Sine, {0.001, 0.1, 0, 0.1});
    return m.ToPcm(0.8);
}

Pcm PlayerHit() {
    Mix m(0.45, false);
    Boom(m, 0, 0.35, 3000, 300, 0.8, 13);
    long n = long(0.25 * kRate);
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate;
        phase += (420 * std::exp(-t * 8) + 80) / kRate;
        m.Add(i, Osc(Wave::Square, phase, (420 * std::exp(-t * 8) + 80) / kRate) * 0.35 * std::exp(-t * 12));
    }
    return m.ToPcm(0.85);
}

Pcm SwordSwing() {
    // A swish: noise through a band that sweeps up and back down, with a ring.
    Mix m(0.4, false);
    Noise nz(17);
    long n = long(0.32 * kRate);
    double lowA = 0, lowB = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate, u = t / 0.32;
        double centre = 600 + 3400 * std::sin(3.14159265 * u);
        double a1 = 1 - std::exp(-kTau * centre * 1.6 / kRate), a2 = 1 - std::exp(-kTau * centre * 0.6 / kRate);
        double x = nz.Next();
        lowA += a1 * (x - lowA);
        lowB += a2 * (x - lowB);
        double band = lowA - lowB;
        double env = std::sin(3.14159265 * std::min(1.0, u * 1.15));
        m.Add(i, band * env * 1.4);
    }
    Tone(m, 0.05, 0.05, 96, 0.05, Wave::Sine, {0.002, 0.2, 0.0, 0.15});
    return m.ToPcm(0.8);
}

Pcm EnemyDestroy() {
    Mix m(0.6, false);
    Boom(m, 0, 0.55, 5000, 200, 1.0, 21, 0.5);
    return m.ToPcm(0.85);
}

Pcm BossDying(uint32_t seed, double pitch) {
    Mix m(0.9, false);
    Boom(m, 0, 0.85, 4000 * pitch, 150 * pitch, 1.0, seed, 1.0);
    return m.ToPcm(0.85);
}

Pcm MidBossDestroy() {
    Mix m(1.6, false);
    Boom(m, 0, 1.5, 6000, 90, 1.0, 41, 1.5);
    Boom(m, 0.18, 1.1, 2500, 80, 0.6, 42, 0.5);
    return m.ToPcm(0.9);
}

Pcm BossDestroy() {
    Mix m(2.8, false);
    Boom(m, 0, 2.6, 7000, 60, 1.0, 51, 2.0);
    Boom(m, 0.25, 2.0, 3000, 50, 0.8, 52, 1.0);
    Boom(m, 0.6, 1.6, 2000, 40, 0.6, 53, 1.0);
    // A falling tone under the blast.
    long n = long(2.2 * kRate);
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        double t = double(i) / kRate;
        double f = 220 * std::pow(0.25, t / 2.2);
        phase += f / kRate;
        m.Add(i, Osc(Wave::Saw, phase, f / kRate) * 0.12 * (1 - t / 2.2));
    }
    return m.ToPcm(0.9);
}

}  // namespace

void RegisterSounds(std::vector<SoundSpec>& out) {
    out.push_back({"Sound/BGM/FieldMap.wav", WorldMapTheme, true});
    out.push_back({"Sound/BGM/Field_Day.wav", DayFieldTheme, true});
    out.push_back({"Sound/BGM/Field_Night.wav", NightFieldTheme, true});
    out.push_back({"Sound/BGM/Field3.wav", CaveTheme, true});
    out.push_back({"Sound/SoundEffect/item_get.wav", ItemGet, false});
    out.push_back({"Sound/SoundEffect/level_up.wav", LevelUp, false});
    out.push_back({"Sound/SoundEffect/player_hit.wav", PlayerHit, false});
    out.push_back({"Sound/SoundEffect/melee_sword.wav", SwordSwing, false});
    out.push_back({"Sound/SoundEffect/enemy_destroy.wav", EnemyDestroy, false});
    out.push_back({"Sound/SoundEffect/boss_dying.wav", [] { return BossDying(31, 1.0); }, false});
    out.push_back({"Sound/SoundEffect/boss_dying2.wav", [] { return BossDying(37, 0.7); }, false});
    out.push_back({"Sound/SoundEffect/mid_boss_destroy.wav", MidBossDestroy, false});
    out.push_back({"Sound/SoundEffect/boss_destroy.wav", BossDestroy, false});
}

}  // namespace assetgen
