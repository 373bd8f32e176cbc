#pragma once

#include "FacePainter.h"

// The frame and the corner number that flowers share, and in another colour the
// seasons: the mark of a group whose members match each other.
void drawGroupMark(Sketch& sketch, int rank, Color colour, const FontSet& fonts);
