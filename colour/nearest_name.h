// The nearest of CSS's named colours to any colour, by CIEDE2000 in CSS's Lab
// (D50): what the colour is most like, for the many colours that have no
// name of their own.
#pragma once

#include "color_record.h"

struct NearestName {
    const char* name;    // lower case, static: never null, never freed
    double deltaE2000;   // 0 when the colour is the named one
};

// Of two names with one colour (aqua and cyan), the one the converter shows.
void FindNearestName(const ColorRecord& color, NearestName* nearest);
