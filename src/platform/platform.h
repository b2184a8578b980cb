#pragma once
// Everything the game uses of the platform.
#include "platform/audio.h"
#include "platform/graphics.h"
#include "platform/input.h"
#include "platform/matrix.h"
#include "platform/system.h"
