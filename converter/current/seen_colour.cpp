// The swatches follow Vision's order from IDC_SEEN_FIRST on.
#include "seen_colour.h"

#include "current_colour.h"
#include "resource.h"

static_assert(IDC_SEEN_LAST - IDC_SEEN_FIRST == static_cast<int>(Vision::kTritanopia),
              "one swatch for each of protanopia, deuteranopia and tritanopia");

Vision SeenVision(int id) { return static_cast<Vision>(id - IDC_SEEN_FIRST); }

ColorRecord SeenColour(int id) { return SimulateVision(SeenVision(id), CurrentColour()); }
