// Program entry: start-up once, then the main loop.
#pragma once

// Runs the game in the current working folder; returns the exit code.
int RunGame();
