// The desktop program as it starts for a user, in Chinese, through the system's MIDI
// device. Its message boxes are told on standard error and answered at once, so that a
// machine without sound doesn't wait for a user to read the failure.
#pragma once

// Runs the program's message loop to its end; the QApplication must exist.
int RunAnsweredProgram();
