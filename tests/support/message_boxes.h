// Message boxes the code under test shows: each is closed as soon as it is up,
// from inside its own modal loop, and its text is kept for the test to check.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Starts watching this thread's windows for message boxes; StopClosingMessageBoxes
// ends it. Returns the texts of the boxes closed since the last call.
void StartClosingMessageBoxes();
void StopClosingMessageBoxes();
std::vector<std::string> ClosedMessageBoxes();

// A box that asks (Yes, No, Cancel) is answered with that button (IDCANCEL
// unless told); its text is kept with its buttons' captions, " [Yes|No|Cancel]".
void AnswerQuestionsWith(int button);
