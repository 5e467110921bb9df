// CIEDE2000, the CIE's colour difference of 2000 (ΔE00), between two colours
// in CIE Lab: the distance the nearest colour name is chosen by.
#pragma once

// The difference of lab1 and lab2 (L 0-100, a, b) with the weights kL, kC,
// kH all 1. Symmetric; 0 for equal colours. Made of the model's own
// trigonometry, so that it gives the same bits on every platform.
double DeltaE2000(const double lab1[3], const double lab2[3]);

// DeltaE2000(lab1, lab2) when it may be at most `limit`; otherwise a number
// above `limit`, sooner: a lower bound without the mean hue, whose terms it
// takes at their least. For ruling colours out.
double DeltaE2000Within(const double lab1[3], const double lab2[3], double limit);
