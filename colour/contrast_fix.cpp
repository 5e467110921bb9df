// The fix searches the lightness on each side of the foreground's by halving:
// going away from the background's luminance only raises the contrast, so
// each side has one point where the level is reached, or none.
#include "contrast_fix.h"

#include "contrast.h"
#include "css_color.h"
#include "css_spaces.h"
#include "srgb_tables.h"

namespace {

// Halvings of the lightness 0-1: far finer than an 8-bit step.
constexpr int kHalvings = 32;

struct Search {
    double chroma, hue;
    double foregroundAlpha;
    ColorRecord background;
    double backgroundAlpha;
    int level;
};

ColorRecord ColourAt(const Search& s, double lightness) {
    const CssColor oklch = {CssSpace::kOklch, {lightness, s.chroma, s.hue}, 1};
    Rgba8 resolved;
    ResolveCssColor(oklch, GamutMode::kMap, &resolved);
    return resolved.color;
}

bool Reaches(const Search& s, const ColorRecord& colour) {
    return ContrastHundredthsOver(colour, s.foregroundAlpha, s.background, s.backgroundAlpha) >=
           s.level;
}

// The lightness nearest `from` towards `to` whose colour reaches the level,
// or -1 when not even `to` does. `from` falls short.
double NearestReaching(const Search& s, double from, double to) {
    if (!Reaches(s, ColourAt(s, to))) return -1;
    double shortOf = from, reaching = to;
    for (int i = 0; i < kHalvings; ++i) {
        const double middle = (shortOf + reaching) / 2;
        (Reaches(s, ColourAt(s, middle)) ? reaching : shortOf) = middle;
    }
    return reaching;
}

}  // namespace

int FixContrast(const ColorRecord& foreground, double foregroundAlpha,
                const ColorRecord& background, double backgroundAlpha, int level,
                ColorRecord* fixed) {
    Search s = {0, 0, foregroundAlpha, background, backgroundAlpha, level};
    if (Reaches(s, foreground)) {
        *fixed = foreground;
        return 1;
    }
    const double linear[3] = {kLinearOfChannel[foreground.red], kLinearOfChannel[foreground.green],
                              kLinearOfChannel[foreground.blue]};
    double oklab[3];
    LinearSrgbToOklab(linear, oklab);
    RectangularToPolar(oklab[1], oklab[2], &s.chroma, &s.hue);
    const double darker = NearestReaching(s, oklab[0], 0);
    const double lighter = NearestReaching(s, oklab[0], 1);
    if (darker < 0 && lighter < 0) return 0;
    const bool useDarker =
        lighter < 0 || (darker >= 0 && oklab[0] - darker <= lighter - oklab[0]);
    *fixed = ColourAt(s, useDarker ? darker : lighter);
    fixed->notation = foreground.notation;
    return 1;
}
