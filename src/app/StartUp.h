#pragma once
// The program's entry and exit, in the fixed order the program relies on.

// Start-up steps: the runtime, the application object with its menu bar, the main window.
void StartUp(int& argc, char** argv);
// Releases the program-wide objects (assets, windows, Globals, the menu bar), in this order.
void ReleaseProgramObjects();
// The whole run: start-up, the event loop, shut-down; returns the exit status.
int RunProgram(int& argc, char** argv);
