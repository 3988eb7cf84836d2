// The start and the end of the program: the data module and the seven windows, created in their
// fixed order and destroyed together.
#pragma once

// Creates the application object, the data module db and the windows Form1, Form3, Form6, Form4,
// Form5, Form7 and Form8 in this order, then shows the login window. Messages the windows show
// while they are created (no database, no account) come before any window is visible.
void StartUp();

// Writes every change the shared queries hold and was not posted yet, then destroys the windows,
// the data module and the application object. Runs once the message loop has ended.
void ShutDown();
