#pragma once

class Mahjong;

// Deals the board's faces (Mahjong::deal) and, when the environment variable
// VELDRIN_DEAL_REPORT is set and not empty, writes the deal to standard error
// as one line: "deal:" followed by " layer,row,column,face" for every tile on
// the board. The game shows no positions of its own, so this is how a test
// driving the real program from outside learns where the tiles are.
void dealAndReport(Mahjong& board);
