#pragma once
// Window, events, message box and the clock.
#include <cstdint>

#include "platform/graphics.h"

// Starts the platform's video, event, controller and audio subsystems.
bool PlatformInit();
// Creates the hidden 1280 x 720 window titled "MIRELUNE" (desktop full screen
// in WindowMode::Fullscreen). The device scales the picture into the window's
// size, whatever it becomes, letterboxed.
bool PlatformCreateWindow(WindowMode mode);
bool PlatformHasWindow();
void PlatformShowWindow();
// Hides or shows the mouse cursor.
void PlatformShowCursor(bool show);
// Handles every pending event. Returns false once the program is to quit
// (the window was closed, Escape was pressed or a quit was requested).
bool PlatformPumpEvents();
// Asks the event loop to end (as a posted quit message would).
void PlatformRequestQuit();
// Modal error box with caption "Error"; the text also goes to stderr, with the
// file noted by NoteFailedFile since the last message, if any. No box
// is shown when there is no display (the dummy video driver).
void ShowErrorMessage(const char* text);
// Remembers the file whose loading failed last: the next error message also
// names it on stderr (the box keeps its text), so a user can tell which asset
// is missing or broken.
void NoteFailedFile(const char* path);
// Number of error messages shown so far (tests and the smoke run).
int ErrorMessageCount();
// The text of the last error message shown ("" when none).
const char* LastErrorMessage();
void PlatformShutdown();

// Milliseconds since some fixed start.
uint32_t ClockMilliseconds();
void SleepMilliseconds(uint32_t ms);

// Makes `path` the current directory; false when it cannot.
bool PlatformSetCurrentDirectory(const char* path);
