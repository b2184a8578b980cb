// The in-field frame with every pool full: 50 enemies, 40 satellites, 1000
// enemy bullets, 30 lances, 1000 items, 1000 effects and every popup. Reports
// the median time of one update and of one draw submission (into the sprite
// batch's recording) over a few thousand frames.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "app/game.h"
#include "platform/graphics.h"
#include "support/busy_field.h"
#include "support/game_holder.h"

namespace {

constexpr int kFrames = 3000;

Game* TheGame = nullptr;

double MedianMilliseconds(std::vector<double>& seconds) {
    if (seconds.empty()) return 0.0;
    const auto middle = seconds.begin() + static_cast<std::ptrdiff_t>(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    return *middle * 1000.0;
}

// Times `frame` alone; `prepare` runs before it, untimed.
template <typename Prepare, typename Frame>
void TimeFrames(benchmark::State& state, Prepare prepare, Frame frame) {
    std::vector<double> seconds;
    seconds.reserve(kFrames);
    for (auto _ : state) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        frame();
        const auto stop = std::chrono::steady_clock::now();
        const double s = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(s);
        seconds.push_back(s);
    }
    state.counters["median_ms"] = MedianMilliseconds(seconds);
}

void UpdatePlayFullPools(benchmark::State& state) {
    TimeFrames(
        state,
        [] {
            testsupport::ResetPlayState();
            testsupport::FillEveryPool();
        },
        [] { benchmark::DoNotOptimize(TheGame->UpdatePlay()); });
}

void DrawPlayFullPools(benchmark::State& state) {
    testsupport::ResetPlayState();
    testsupport::FillEveryPool();
    TheGame->UpdatePlay();  // the enemies' draw list
    SpriteBatch->StartRecording(1 << 17);
    TimeFrames(
        state, [] { SpriteBatch->ClearRecords(); }, [] { TheGame->DrawPlay(); });
    state.counters["draws"] = static_cast<double>(SpriteBatch->Records().size());
    SpriteBatch->StopRecording();
}

}  // namespace

BENCHMARK(UpdatePlayFullPools)->UseManualTime()->Iterations(kFrames)->Unit(benchmark::kMillisecond);
BENCHMARK(DrawPlayFullPools)->UseManualTime()->Iterations(kFrames)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;

    std::error_code ec;
    std::filesystem::current_path(MIRELUNE_RESOURCE_DIR, ec);
    if (ec) {
        std::fprintf(stderr, "mirelune_bench: no resource folder at %s\n", MIRELUNE_RESOURCE_DIR);
        return 1;
    }
    Direct3DDevice = GraphicsDevice::CreateHeadless();
    SpriteBatch = CreateSpriteBatch(Direct3DDevice);
    testsupport::GameHolder game;
    if (!game->CreateAssets()) {
        std::fprintf(stderr, "mirelune_bench: the game's assets could not be loaded\n");
        return 1;
    }
    TheGame = game.game;

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    testsupport::ResetPlayState();
    game->ReleaseAssets();
    SpriteBatch->Release();
    Direct3DDevice->Release();
    return 0;
}
