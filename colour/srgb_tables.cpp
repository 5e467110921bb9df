// The transfer tables (see srgb_tables.h). Built when the program starts, in
// storage that takes no room in the file: 4 KB less of palorin.exe than as
// data, for some 500 powers that take a fraction of a millisecond.
#include "srgb_tables.h"

#include "css_spaces.h"

namespace {

struct SrgbSteps {
    double linear[256];
    double threshold[257];
    SrgbSteps() {
        for (int v = 0; v < 256; ++v) linear[v] = SrgbToLinear(v / 255.0);
        threshold[0] = 0;
        for (int v = 1; v <= 256; ++v) threshold[v] = SrgbToLinear((v - 0.5) / 255);
    }
};

SrgbSteps steps;  // not const: a const object would be stored in the file

}  // namespace

const double (&kLinearOfChannel)[256] = steps.linear;
const double (&kChannelThreshold)[257] = steps.threshold;
