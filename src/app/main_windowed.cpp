#include "app/game.h"

int main() { return RunMirelune(WindowMode::Windowed); }
