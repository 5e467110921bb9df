// Counting this process's live GDI objects.
#pragma once

// The number of live GDI objects of this process. GetGuiResources reports 0
// under Wine, so every possible handle slot is asked for its type instead.
int CountGdiObjects();

// True when counting sees one more object after creating a brush, and one
// fewer again after deleting it: without that, an unchanged count proves nothing.
bool GdiCountingWorks();
