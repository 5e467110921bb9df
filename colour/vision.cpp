// The simulation matrices of Machado, Oliveira and Fernandes (2009) for
// severity 1, which act on linear-light RGB.
#include "vision.h"

#include <cstring>

#include "css_spaces.h"
#include "srgb_tables.h"

namespace {

struct VisionEntry {
    const char* name;
    double matrix[3][3];  // rows give red, green, blue
};

// In Vision's order; achromatopsia's row is the relative luminance's weights.
const VisionEntry kVisions[kVisionCount] = {
    {"protanopia",
     {{0.152286, 1.052583, -0.204868},
      {0.114503, 0.786281, 0.099216},
      {-0.003882, -0.048116, 1.051998}}},
    {"deuteranopia",
     {{0.367322, 0.860646, -0.227968},
      {0.280085, 0.672501, 0.047413},
      {-0.011820, 0.042940, 0.968881}}},
    {"tritanopia",
     {{1.255528, -0.076749, -0.178779},
      {-0.078411, 0.930809, 0.147602},
      {0.004733, 0.691367, 0.303900}}},
    {"achromatopsia",
     {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}}},
};

uint8_t EncodedChannel(double linear) {
    if (!(linear > 0)) return 0;
    if (linear >= 1) return 255;
    return static_cast<uint8_t>(static_cast<int>(LinearToSrgb(linear) * 255 + 0.5));
}

}  // namespace

const char* VisionName(Vision vision) { return kVisions[static_cast<int>(vision)].name; }

int LookupVision(const char* name, Vision* vision) {
    for (int i = 0; i < kVisionCount; ++i) {
        if (std::strcmp(name, kVisions[i].name) == 0) {
            *vision = static_cast<Vision>(i);
            return 1;
        }
    }
    return 0;
}

ColorRecord SimulateVision(Vision vision, const ColorRecord& color) {
    const double linear[3] = {kLinearOfChannel[color.red], kLinearOfChannel[color.green],
                              kLinearOfChannel[color.blue]};
    const auto& m = kVisions[static_cast<int>(vision)].matrix;
    uint8_t out[3];
    for (int row = 0; row < 3; ++row)
        out[row] = EncodedChannel(m[row][0] * linear[0] + m[row][1] * linear[1] +
                                  m[row][2] * linear[2]);
    return {out[2], out[1], out[0], color.notation};
}
