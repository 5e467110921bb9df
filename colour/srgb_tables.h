// The sRGB transfer function at the 8-bit steps, worked out once at start
// with the model's own power function: the same bits in every build, so that
// conversions and contrast ratios agree between platforms whose pow differs.
#pragma once

// The linear light of each 8-bit sRGB channel, 0 for 0 to 1 for 255.
extern const double (&kLinearOfChannel)[256];

// kChannelThreshold[v] is the least linear light that rounds to channel v or
// above (halves up), for v 1-255; [0] is 0. [256] is where a light lies more
// than half a step above white.
extern const double (&kChannelThreshold)[257];

// kChannelNear[i] is the channel of linear light i / 4096: a light in that
// 4096th has that channel or one of the next few, so a lookup and a step or
// two replace a search of the thresholds.
constexpr int kChannelNearSteps = 4096;
extern const unsigned char (&kChannelNear)[kChannelNearSteps + 1];
