#pragma once
// State shared between the platform's own sources (never included by the game).
#include <SDL.h>

#include <cstdint>
#include <vector>

class GraphicsDevice;

// The game window, or null before PlatformCreateWindow / after shutdown.
SDL_Window* PlatformWindow();
// True when the window was created in desktop full screen.
bool PlatformWindowIsFullscreen();

// SDL reported that the window's renderer lost its textures (a reset of its
// targets or of the device): they are made again from their files. One that
// cannot be made again loses the device, and the next Present reports it.
void RenderDeviceReset();
// Destroys the renderer of the window's device (at shutdown, when the game has
// not released the device itself).
void DestroyWindowRenderer();

// Key events, called from the event pump: a key of the table goes down or up,
// or every held key is let go (focus lost, shutdown).
void KeyEventReceived(int scancode, bool down);
void ReleaseHeldKeys();

// Pad hot-plug, called from the event pump.
void PadDeviceAdded(int deviceIndex);
void PadDeviceRemoved(SDL_JoystickID instanceId);
// Stops the motors and closes the pad.
void ClosePad();
// Closes the audio device whatever its reference count.
void CloseAudioDevice();

// PNG files as 0xAARRGGBB pixels. ReadPng expands every colour type (palette,
// grey, 16-bit, with or without alpha) to 8-bit RGBA; it reads only regular
// files and refuses a picture wider or taller than the maximum given.
bool ReadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height, int maxWidth,
             int maxHeight);
bool WritePng(const char* path, const uint32_t* pixels, int width, int height);
