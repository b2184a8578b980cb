// mirelune_soak: the real Game run headless for many frames on seeded random
// input, checking after every frame that nothing has broken (see --help).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/game.h"
#include "core/player.h"
#include "core/random.h"
#include "input_policy.h"
#include "platform/graphics.h"
#include "soak_checks.h"
#include "support/game_holder.h"
#include "support/resource_dir.h"

namespace {

constexpr long kDefaultFrames = 1000000;
constexpr int kGuardedPercent = 50;

const char kHelp[] =
    "usage: mirelune_soak [--frames N] [--seed S] [--expect-every-scene]\n"
    "\n"
    "Runs the real game headless (no window, no sound device) for N frames\n"
    "(default 1000000) on random keyboard and pad input drawn from seed S\n"
    "(default 1), in a temporary copy of the generated art and sound with an\n"
    "empty Data folder: the build's high-score file is never read or changed.\n"
    "The same seed plays the same run.\n"
    "\n"
    "The input leans towards getting on with the game: on the title it mostly\n"
    "decides (sometimes the credits, never quit); on the map it mostly confirms,\n"
    "often steps right towards the newest location, turns the time and\n"
    "difficulty rings and now and then opens the status board, the equipment\n"
    "and the shop; in a field it moves in a random heading with fire held most\n"
    "of the time, now and then slow, the sword, a skill or the skill choice.\n"
    "Half the fields, chosen at random, are played with the knight kept\n"
    "untouchable (his invincibility set again after every frame), so that the\n"
    "run gets through the canyon and the cave to the ending; in the others he\n"
    "takes every hit and may fall. The pad's BACK is pressed now and then,\n"
    "never long enough to quit.\n"
    "\n"
    "After every frame it checks that no pool holds more than its size and\n"
    "the enemies' draw list is sound, that no live object stands at a NaN or\n"
    "infinite position, that every pool is empty once a field is over, that\n"
    "the high-score file parses, holds the game's best scores and never loses\n"
    "one, and that the run moves on: a field whose timeline counter stands\n"
    "still for 36000 frames (ten minutes of play) while the knight is\n"
    "untouchable and the boss holding it loses less than a tenth of its HP\n"
    "is waiting for a boss he cannot reach, and the run fails, naming the\n"
    "field, the counter and the holding enemy's species, position and HP.\n"
    "It prints the frames per second, the peak resident memory, what the run\n"
    "visited and its longest standstill, and exits with status 1 at the\n"
    "first broken check (naming the frame), 2 on a bad command line. With\n"
    "--expect-every-scene a run that never entered the title, map, play,\n"
    "credits or ending, or one of the five fields, also fails.\n";

struct Options {
    long frames = kDefaultFrames;
    uint32_t seed = 1;
    bool expectEveryScene = false;
};

bool ParseNumber(const char* text, long* out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < 0) return false;
    *out = v;
    return true;
}

// 0 to run, 1 when --help was asked for, 2 on a bad command line.
int ParseOptions(int argc, char** argv, Options* o) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        long value = 0;
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 1;
        }
        if (arg == "--expect-every-scene") {
            o->expectEveryScene = true;
        } else if ((arg == "--frames" || arg == "--seed") && i + 1 < argc && ParseNumber(argv[i + 1], &value)) {
            if (arg == "--frames") o->frames = value;
            if (arg == "--seed") o->seed = static_cast<uint32_t>(value);
            ++i;
        } else {
            std::fprintf(stderr, "mirelune_soak: bad argument \"%s\"\n%s", arg.c_str(), kHelp);
            return 2;
        }
    }
    return 0;
}

long PeakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The frame as the main loop runs it, on the headless device.
bool RunFrame(Game& game) {
    if (!game.Update()) return false;
    game.DrawFrame();
    Direct3DDevice->Present();
    return true;
}

// Runs the frames; returns the exit status.
int Soak(const Options& o, Game& game) {
    InputPolicy policy(o.seed);
    SoakChecks checks;
    bool guarded = false;
    const auto start = std::chrono::steady_clock::now();
    long frame = 0;
    std::string fault;
    for (; frame < o.frames && fault.empty(); ++frame) {
        policy.Apply(game);
        const int32_t before = game.scene;
        if (!RunFrame(game)) {
            fault = "the game asked to end";
            break;
        }
        if (game.scene == kScenePlay && before != kScenePlay) guarded = policy.Below(100) < kGuardedPercent;
        if (guarded && game.scene == kScenePlay) ThePlayer.invincible = 1;
        fault = checks.AfterFrame(game, before);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("mirelune_soak: seed %u, %ld frames in %.1f s, %.0f frames per second, peak resident memory %ld KiB\n",
                o.seed, frame, seconds, seconds > 0.0 ? static_cast<double>(frame) / seconds : 0.0,
                PeakResidentKilobytes());
    checks.Print();
    if (fault.empty() && o.expectEveryScene) {
        const std::string missed = checks.FirstUnvisited();
        if (!missed.empty()) fault = "the run never entered " + missed;
    }
    if (!fault.empty()) {
        std::fprintf(stderr, "mirelune_soak: FAILED at frame %ld (seed %u): %s\n", frame, o.seed, fault.c_str());
        return 1;
    }
    std::puts("mirelune_soak: every check held");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    switch (ParseOptions(argc, argv, &options)) {
        case 1: return 0;
        case 2: return 2;
        default: break;
    }
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);

    // The generated art and sound linked into a temporary folder with an empty
    // Data folder: this run's scores are its own, and the player's stay untouched.
    testsupport::ResourceMirror resources;
    resources.Enter();
    testsupport::CreateHeadlessGraphics();
    testsupport::GameHolder game;
    int status = 1;
    if (game->CreateAssets()) {
        SeedGameRandom(options.seed);
        status = Soak(options, *game.game);
    } else {
        std::fprintf(stderr, "mirelune_soak: the game's assets could not be loaded from %s\n", MIRELUNE_RESOURCE_DIR);
    }
    game->ReleaseAssets();
    testsupport::ReleaseHeadlessGraphics();
    return status;
}
