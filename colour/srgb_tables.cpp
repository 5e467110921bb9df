// The transfer tables (see srgb_tables.h). Built when the program starts, in
// storage that takes no room in the file: 4 KB less of palorin.exe than as
// data, for some 500 powers that take a fraction of a millisecond.
#include "srgb_tables.h"

#include "css_spaces.h"

namespace {

struct SrgbSteps {
    double linear[256];
    double threshold[257];
    unsigned char nearby[kChannelNearSteps + 1];
    SrgbSteps() {
        for (int v = 0; v < 256; ++v) linear[v] = SrgbToLinear(v / 255.0);
        threshold[0] = 0;
        for (int v = 1; v <= 256; ++v) threshold[v] = SrgbToLinear((v - 0.5) / 255);
        for (int i = 0, v = 0; i <= kChannelNearSteps; ++i) {
            while (v < 255 && threshold[v + 1] <= static_cast<double>(i) / kChannelNearSteps) ++v;
            nearby[i] = static_cast<unsigned char>(v);
        }
    }
};

SrgbSteps steps;  // not const: a const object would be stored in the file

}  // namespace

const double (&kLinearOfChannel)[256] = steps.linear;
const double (&kChannelThreshold)[257] = steps.threshold;
const unsigned char (&kChannelNear)[kChannelNearSteps + 1] = steps.nearby;
