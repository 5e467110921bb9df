// Cube roots, powers and the trigonometry of hue angles that give the same bits
// on every platform: made of additions, multiplications and divisions only,
// where libraries' cbrt, pow, sin and atan2 may differ in the last place
// between Windows and Linux. The CSS forms are searched for their shortest
// numbers through these: with the same bits everywhere, the proof that every
// colour reads back, run natively, holds for palorin.exe too.
#pragma once

// The cube root of any x, within a few units of the last place.
double CubeRoot(double x);

// x^(1/3) within 1e-14 of it, a step sooner: for distances that are only
// compared with tolerances far coarser than that.
double NearCubeRoot(double x);

// x^y for any x >= 0 and the moderate exponents of the transfer functions,
// within a few tens of units of the last place; 0 for x <= 0.
double Power(double x, double y);

// e^x for |x| below 700, within a few units of the last place.
double Exponential(double x);

// The cosine and sine of an angle in degrees, 0-360 (within a unit or two of
// the last place).
void CosSinDegrees(double degrees, double* cosine, double* sine);

// The angle of (x, y) in degrees, -180 to 180, as atan2 gives it in radians.
double Atan2Degrees(double y, double x);
