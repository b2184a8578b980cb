// The in-field frame at its heaviest. Three kinds of case:
//  - every pool full (50 enemies, 40 satellites, 1000 enemy bullets, 30
//    lances, 1000 items, 1000 effects and every popup);
//  - each boss and mid-boss at Difficulty 3 on the frame of its life on which
//    it fires the most bullets, with every other pool full (boss_moments.h);
//  - one whole frame (clear, draw, present) of the full pools through SDL's
//    software renderer at 1280 x 720.
// Reports the median time of one UpdatePlay and of one DrawPlay submission
// (into the sprite batch's recording) over a few thousand frames, prints a
// table against the goals (update under 0.25 ms, draw under 0.5 ms) and exits
// with status 1 when a case misses its goal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/game.h"
#include "boss_moments.h"
#include "core/random.h"
#include "platform/graphics.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/screenshot.h"
#include "world_snapshot.h"

namespace {

constexpr int kFrames = 3000;
constexpr int kSoftwareFrames = 100;
constexpr double kUpdateGoalMs = 0.25;
constexpr double kDrawGoalMs = 0.5;

Game* TheGame = nullptr;

// One line of the table.
struct Row {
    std::string name;
    std::string moment;  // what the case shows
    double updateMs = -1.0;
    double drawMs = -1.0;
    int draws = 0;
};
std::vector<Row> Rows;

Row& RowFor(const std::string& name) {
    for (Row& r : Rows)
        if (r.name == name) return r;
    Row row;
    row.name = name;
    Rows.push_back(row);
    return Rows.back();
}

double MedianMilliseconds(std::vector<double>& seconds) {
    if (seconds.empty()) return 0.0;
    const auto middle = seconds.begin() + static_cast<std::ptrdiff_t>(seconds.size() / 2);
    std::nth_element(seconds.begin(), middle, seconds.end());
    return *middle * 1000.0;
}

// Times `frame` alone; `prepare` runs before it, untimed. Returns the median.
template <typename Prepare, typename Frame>
double TimeFrames(benchmark::State& state, Prepare prepare, Frame frame) {
    std::vector<double> seconds;
    seconds.reserve(static_cast<size_t>(state.max_iterations));
    for (auto _ : state) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        frame();
        const auto stop = std::chrono::steady_clock::now();
        const double s = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(s);
        seconds.push_back(s);
    }
    const double median = MedianMilliseconds(seconds);
    state.counters["median_ms"] = median;
    return median;
}

// Times UpdatePlay from the world `put` sets up.
template <typename Put>
void TimeUpdate(benchmark::State& state, Row& row, Put put) {
    row.updateMs = TimeFrames(state, put, [] { benchmark::DoNotOptimize(TheGame->UpdatePlay()); });
}

// Times DrawPlay into the recording after one update of the world `put` sets up.
template <typename Put>
void TimeDraw(benchmark::State& state, Row& row, Put put) {
    SpriteBatch->StartRecording(1 << 17);
    row.drawMs = TimeFrames(
        state,
        [&] {
            put();
            TheGame->UpdatePlay();  // the enemies' draw list
            SpriteBatch->ClearRecords();
        },
        [] { TheGame->DrawPlay(); });
    row.draws = static_cast<int>(SpriteBatch->Records().size());
    state.counters["draws"] = row.draws;
    SpriteBatch->StopRecording();
}

void PutFullPools() {
    testsupport::ResetPlayState();
    testsupport::FillEveryPool();
}

void UpdatePlayFullPools(benchmark::State& state) {
    Row& row = RowFor("every pool full");
    row.moment = "grass plain, Difficulty 1";
    TimeUpdate(state, row, PutFullPools);
}

void DrawPlayFullPools(benchmark::State& state) { TimeDraw(state, RowFor("every pool full"), PutFullPools); }

// A boss's busiest frame, found once and shared by its two cases.
struct PreparedBoss {
    std::unique_ptr<benchsupport::WorldSnapshot> world;
    benchsupport::BusiestFrame busiest;
};
std::vector<PreparedBoss> Prepared;

const PreparedBoss& Prepare(size_t index) {
    if (Prepared.size() < benchsupport::BossMoments().size()) Prepared.resize(benchsupport::BossMoments().size());
    PreparedBoss& p = Prepared[index];
    if (p.world != nullptr) return p;
    p.world = std::make_unique<benchsupport::WorldSnapshot>();
    const benchsupport::BossMoment& boss = benchsupport::BossMoments()[index];
    p.busiest = benchsupport::PrepareBusiestFrame(*TheGame, boss, *p.world);
    char moment[160];
    if (p.busiest.frame < 0) {
        std::snprintf(moment, sizeof(moment), "field %d: fires nothing", boss.field);
    } else {
        std::snprintf(moment, sizeof(moment), "field %d, frame %d, HP %d%%: %d fired", boss.field, p.busiest.frame,
                      static_cast<int>(p.busiest.hpShare * 100.0f + 0.5f), p.busiest.fired);
    }
    RowFor(boss.name).moment = moment;
    return p;
}

void UpdatePlayBoss(benchmark::State& state, size_t index) {
    const PreparedBoss& p = Prepare(index);
    TimeUpdate(state, RowFor(benchsupport::BossMoments()[index].name), [&] { p.world->Restore(); });
}

void DrawPlayBoss(benchmark::State& state, size_t index) {
    const PreparedBoss& p = Prepare(index);
    TimeDraw(state, RowFor(benchsupport::BossMoments()[index].name), [&] { p.world->Restore(); });
}

// One whole frame of the full pools as the main loop shows it, through the
// software renderer of a window under SDL's dummy video driver.
double SoftwareFrameMs = -1.0;
void FullFrameSoftwareRenderer(benchmark::State& state) {
    ScreenshotRig rig;  // the window's device and batch become the game's
    if (!rig.Ready()) {
        state.SkipWithError("no software renderer");
        return;
    }
    PutFullPools();
    TheGame->UpdatePlay();
    SoftwareFrameMs = TimeFrames(
        state, [] {},
        [] {
            Direct3DDevice->BeginScene();
            Direct3DDevice->Clear(0xFFFFFFFF);
            TheGame->DrawPlay();
            Direct3DDevice->EndScene();
            Direct3DDevice->Present();
        });
}

void RegisterCases() {
    auto setUp = [](benchmark::internal::Benchmark* b, int frames) {
        b->UseManualTime()->Iterations(frames)->Unit(benchmark::kMillisecond);
    };
    setUp(benchmark::RegisterBenchmark("UpdatePlay/every pool full", UpdatePlayFullPools), kFrames);
    setUp(benchmark::RegisterBenchmark("DrawPlay/every pool full", DrawPlayFullPools), kFrames);
    for (size_t i = 0; i < benchsupport::BossMoments().size(); ++i) {
        const std::string name = benchsupport::BossMoments()[i].name;
        setUp(benchmark::RegisterBenchmark(("UpdatePlay/" + name).c_str(), UpdatePlayBoss, i), kFrames);
        setUp(benchmark::RegisterBenchmark(("DrawPlay/" + name).c_str(), DrawPlayBoss, i), kFrames);
    }
    setUp(benchmark::RegisterBenchmark("FullFrame/software renderer 1280x720", FullFrameSoftwareRenderer),
          kSoftwareFrames);
}

const char* Verdict(double ms, double goal) { return ms < 0.0 ? "-" : ms < goal ? "ok" : "OVER"; }

// The table; false when a case missed its goal.
bool PrintTable() {
    bool allMet = true;
    std::printf("\n%-20s %-42s %12s %10s %7s  %s\n", "case", "moment", "UpdatePlay", "DrawPlay", "draws", "goals");
    for (const Row& r : Rows) {
        const bool met = (r.updateMs < 0.0 || r.updateMs < kUpdateGoalMs) && (r.drawMs < 0.0 || r.drawMs < kDrawGoalMs);
        allMet = allMet && met;
        std::printf("%-20s %-42s %9.4f ms %7.4f ms %7d  update %s, draw %s\n", r.name.c_str(), r.moment.c_str(),
                    r.updateMs, r.drawMs, r.draws, Verdict(r.updateMs, kUpdateGoalMs), Verdict(r.drawMs, kDrawGoalMs));
    }
    std::printf("medians; goals: UpdatePlay under %.2f ms, DrawPlay under %.2f ms: %s\n", kUpdateGoalMs, kDrawGoalMs,
                allMet ? "every case met them" : "A CASE MISSED ITS GOAL");
    if (SoftwareFrameMs >= 0.0)
        std::printf("one whole frame of the full pools (clear, draw, present) through SDL's software renderer at "
                    "1280 x 720: %.2f ms (median)\n",
                    SoftwareFrameMs);
    return allMet;
}

}  // namespace

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

    RegisterCases();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const bool met = PrintTable();

    SetRandomScript(nullptr);
    Prepared.clear();
    testsupport::ResetPlayState();
    game->ReleaseAssets();
    SpriteBatch->Release();
    Direct3DDevice->Release();
    return met ? 0 : 1;
}
