// The converter's current colour, which every other room of the dialog shows
// or changes: the colour record (the dialog's caller's, edited in place) and
// the same colour as HLS. The two need not be each other's exact conversion:
// a drag or a key on the pictures sets the HLS and the colour follows from it,
// and the markers keep the HLS the user set.
#pragma once
#include "color_record.h"
#include "hls.h"

// Set once by the dialog's opening, to the record it edits.
void SetCurrentColourRecord(ColorRecord* color);

// False before the dialog has opened.
bool HasCurrentColour();

// The colour and its HLS, for reading and writing in place.
ColorRecord& CurrentColour();
HlsTriple& CurrentHls();

// The same state, named for the tests that set it directly.
extern ColorRecord* g_color;
extern HlsTriple g_hls;
