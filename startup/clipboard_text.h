// A private copy of the clipboard's text, read once at start.
#pragma once

// Copies the clipboard's CF_TEXT and closes the clipboard again before returning,
// so no dialog ever shows while it is open. The copy ends at the text's NUL or at
// the end of the clipboard's memory block, whichever comes first. Returns null
// when there is no text or it can't be read; a clipboard that can't be opened is
// also reported to the user with a message box. The caller releases the copy
// with FreeClipboardText.
char* CopyClipboardText();

void FreeClipboardText(char* text);
