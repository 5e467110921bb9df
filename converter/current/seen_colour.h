// The current colour as seen with a colour-vision deficiency: what the small
// swatches beside the main one show (IDC_SEEN_FIRST to IDC_SEEN_LAST, one
// each for protanopia, deuteranopia and tritanopia), and what screen readers
// and their tooltips say of them.
#pragma once

#include "color_record.h"
#include "vision.h"

// The deficiency of swatch `id`, IDC_SEEN_FIRST to IDC_SEEN_LAST.
Vision SeenVision(int id);

// The current colour as swatch `id` shows it.
ColorRecord SeenColour(int id);
