// The score of a completed game.
#pragma once

// In 32-bit floats as the game always computed it, clamped into the int
// range: no time played (or a zero factor) gives the largest score rather
// than a division by zero.
int ComputeScore(int mixit_multi, int given_hints, int level, int elapsed_ms, int stone_set_factor);
