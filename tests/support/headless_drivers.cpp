// Every test runs headless: SDL's dummy video and audio drivers, unless the
// environment already names others.
#include <cstdlib>

namespace {

const bool headlessDrivers = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return true;
}();

}  // namespace
