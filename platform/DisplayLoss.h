#pragma once

// When the X server goes away under the game, Xlib's default handler calls
// exit(), which runs the at-exit handler, which then talks to the dead server
// again and spins forever. This handler ends the process at once instead: with
// the connection gone there is no display mode to restore and no dialog to show.
void installDisplayLossHandler();
