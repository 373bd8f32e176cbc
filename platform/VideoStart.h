#pragma once

// Starts SDL's video subsystem on the desktop's display server. True when it
// started.
//
// Two things on a busy X server shape this: a new connection is sometimes
// turned away for a moment, and SDL then falls through to its off-screen
// driver, which "succeeds" with an invisible display of its own and makes every
// mode look missing. So only the desktop drivers are allowed (an SDL_VIDEODRIVER
// set in the environment still wins), and a refusal is tried again for about a
// second.
bool startVideo();
