// Counting this process's live GDI objects.
#pragma once

// The number of live GDI objects of this process. GetGuiResources reports 0
// under Wine, so every possible handle slot is asked for its type instead.
int CountGdiObjects();
