// The start and the end of the program: the data module and the seven windows, created in their
// fixed order and destroyed together.
#pragma once

#include "SkinChoice.h"

// Creates the application object, the data module db and the windows Form1, Form3, Form6, Form4,
// Form5, Form7 and Form8 in this order, then shows the login window. With PaintLoginFirst the six
// windows after the login window are created right after its first paint (or before the first
// input event, if that comes earlier), unless the login window's creation showed a message: then,
// and without PaintLoginFirst, they are created before the login window is shown, so that the
// messages the windows show while they are created (no database, no account) come before any
// window is visible. The login window loads the skin AOptions choose; with QuitAfterFirstPaint the
// program ends once the login window has painted and the other windows exist, after printing how
// long the start took (FirstPaintReport).
void StartUp(const TProgramOptions& AOptions = {});

// The line printed after the first paint: milliseconds from the process start to the first paint,
// the phases of the start (the other windows' creation with when it ran) and the login window's
// size. The process start is ProcessStartNs
// (StartUpClock.h).
QString FirstPaintReport();

// Writes every change the shared queries hold and was not posted yet, then destroys the windows,
// the data module and the application object. Runs once the message loop has ended.
void ShutDown();
