#pragma once
// The program's life: start-up, the message loop, and the two ways of ending.

#include <cstdint>

using ExitCallback = void (*)();

// Builds everything, runs the message loop, and returns 0 once the loop has ended.
int StartProgram();

void InitPlatform();
void RegisterExitCallback(ExitCallback routine);

// Returns when the quit message arrives, or at once if the program has no window.
void RunMessageLoop();

// Destroys what is left, runs the exit callbacks and releases the platform layer. Runs at most once.
void TearDown();

// Ends the loop once the program has no window left, but only if the loop has been entered.
void NoteProgramWindowDestroyed();

// The exit code the quit message carried.
int QuitExitCode();

// Ends the program and the process from anywhere on the user-interface thread; never returns.
[[noreturn]] void ExitProgram(int32_t exitCode);
