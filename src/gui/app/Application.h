#pragma once

// The program: one instance, the splash, the main window and the message loop.
int runTrevik(int argc, char** argv);
