// Reading palorin-cli's options. Options may stand anywhere after the command:
// no colour starts with '-', so nothing is lost by that; "--" ends them anyway.
#include "arguments.h"

#include <cstring>

#include "contrast.h"
#include "messages.h"

namespace {

const char* const kSynopsis[] = {
    "usage: palorin-cli [--to FORM | --json] [--precise] [--gamut clip] [--scheme dark] [COLOUR ...]",
    "       palorin-cli contrast [--gamut clip] [--scheme dark] COLOUR COLOUR",
    "       palorin-cli mix COLOUR COLOUR [--in SPACE] [--steps N] [--to FORM | --json]",
    "       palorin-cli tints|shades COLOUR [--in SPACE] [--steps N] [--to FORM | --json]",
    "       palorin-cli pick [--to FORM | --json]",
    "       palorin-cli palette FILE [--to FORM | --json]",
    "       palorin-cli --help | --version",
};

const char* const kHelp[] = {
    "",
    "Converts each COLOUR, or else each line of standard input, to the other",
    "notations: one output line per input, in order. A colour is #RGB, #RRGGBB,",
    "(R,G,B), (R%,G%,B%), one of the 140 colour names in any letter case,",
    "H,L,S on the 0-240 scale, or any CSS colour: #rgba, #rrggbbaa, the 148 CSS",
    "names, rgb(), hsl(), hwb(), lab(), lch(), oklab(), oklch(), color(), with",
    "calc() and the other math functions, relative colours (rgb(from red r g",
    "calc(b + 20))), color-mix(), light-dark() and contrast-color().",
    "Nothing is trimmed: ' aqua' is not a colour.",
    "",
    "By default a line holds every form, separated by tabs:",
    "  #rrggbb  #rgb  (R,G,B)  (R%,G%,B%)  H,L,S  name (empty when it has none)",
    "",
    "  --to FORM     that form alone: hex6, hex3, triple, percent, hls, name,",
    "                rgb, hsl, hwb, lab, lch, oklab, oklch (the CSS forms, with",
    "                the alpha), hex8 (#rrggbbaa), hsv (hsv(210, 79%, 34%)) or",
    "                nearest (the nearest of the 148 CSS names by CIEDE2000)",
    "  --json        one JSON object per line, with the input, the HSV and the",
    "                nearest name with its distance",
    "  --simulate VISION  each colour as seen with protanopia, deuteranopia,",
    "                tritanopia or achromatopsia (also for pick and palette)",
    "  --precise     the CSS forms of a CSS colour from its own numbers, to six",
    "                digits, not from its 8-bit sRGB (which rgb, hsl and hwb",
    "                still write for a colour outside sRGB)",
    "  --gamut clip  a CSS colour outside sRGB is clipped, channel by channel,",
    "                instead of mapped in as CSS maps it",
    "  --scheme dark light-dark(A, B) is B, as on a dark page (light: A)",
    "  --help        this help",
    "  --version     the version",
    "",
    "An input that is no colour gives an empty line (in JSON an \"error\") and a",
    "message on standard error; the others are still converted.",
    "",
    "contrast  the WCAG 2 contrast ratio of a foreground and a background colour,",
    "          truncated to two decimals, and the level it passes: AAA (7),",
    "          AA (4.5), AA-large (3) or fail. A colour with alpha is put over",
    "          the other (a background with alpha over white first), as",
    "          browsers composite. --fix AA|AAA|AA-large prints instead the",
    "          colour nearest the foreground, of its OKLCH hue and chroma, that",
    "          reaches the level (exit 1 when no lightness does).",
    "mix       N colours (--steps, 5 unless given) from the first COLOUR to the",
    "          second, both included, each as the color-mix() that gives it, a",
    "          tab and the result; --in SPACE mixes in another of color-mix()'s",
    "          spaces than oklab, such as srgb or 'oklch longer hue'.",
    "tints     the same from COLOUR to white; shades, to black.",
    "pick      a colour picked from the screen: a click, Enter or Space prints it,",
    "          Escape or a right click prints nothing (Windows only). With",
    "          --average N (odd, 1-15) the mean of the N x N pixels around it.",
    "palette   the colours of a palette file (GIMP's .gpl, or a colour a line),",
    "          in order, a line each; in JSON with the name the file gives.",
    "",
    "Exit status: 0 when every input was a colour, 1 when any was not (or a pick",
    "was cancelled), 2 for a usage error or when input or output failed.",
};

void WriteLines(OutputBuffer* out, const char* const* lines, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        AppendText(out, lines[i]);
        AppendLineEnd(out);
    }
}

Arguments UsageError(OutputBuffer* err, const char* reason, const char* what) {
    ReportError(err, reason, what);
    return {Command::kUsageError, {}, {}, nullptr, 0, 0, 1};
}

// The operand counts each command takes: colours for a conversion, two for
// contrast, none for pick, one file for palette; and the options only one
// command takes.
Arguments CheckOperands(const Arguments& arguments, bool outputChosen, OutputBuffer* err) {
    if (arguments.fixLevel != 0 && arguments.command != Command::kContrast)
        return UsageError(err, "--fix is for contrast", nullptr);
    if (arguments.averageSize != 1 && arguments.command != Command::kPick)
        return UsageError(err, "--average is for pick", nullptr);
    switch (arguments.command) {
    case Command::kContrast:
        if (outputChosen)
            return UsageError(err, "contrast prints a ratio: no --to or --json", nullptr);
        if (arguments.output.simulate)
            return UsageError(err, "contrast takes the colours as they are: no --simulate", nullptr);
        if (arguments.operandCount != 2)
            return UsageError(err, "contrast takes two colours", nullptr);
        break;
    case Command::kPick:
        if (arguments.operandCount != 0)
            return UsageError(err, "pick takes no colour", arguments.operands[0]);
        break;
    case Command::kPalette:
        if (arguments.operandCount != 1) return UsageError(err, "palette takes one file", nullptr);
        break;
    case Command::kMix:
        if (arguments.operandCount != 2) return UsageError(err, "mix takes two colours", nullptr);
        break;
    case Command::kTints:
    case Command::kShades:
        if (arguments.operandCount != 1)
            return UsageError(err, arguments.command == Command::kTints ? "tints takes one colour"
                                                                        : "shades takes one colour",
                              nullptr);
        break;
    default:
        break;
    }
    return arguments;
}

// The value of option `name` at argv[*i], given as "--name=VALUE" or as the
// next argument (which *i then passes); null when argv[*i] is not that
// option, or when it has no value, which sets *missing to `needs`.
const char* OptionValue(const char* name, const char* needs, int argc, char** argv, int* i,
                        const char** missing) {
    const char* a = argv[*i];
    const size_t length = std::strlen(name);
    if (std::strncmp(a, name, length) != 0 || (a[length] != '\0' && a[length] != '=')) return nullptr;
    if (a[length] == '=') return a + length + 1;
    if (*i + 1 < argc) return argv[++*i];
    *missing = needs;
    return nullptr;
}

// N of --average: an odd whole number 1-15; 0 for anything else.
int ReadAverageSize(const char* text) {
    const size_t length = std::strlen(text);
    if (length == 0 || length > 2 || text[0] < '0' || text[0] > '9') return 0;
    if (length == 2 && (text[1] < '0' || text[1] > '9')) return 0;
    const int n = length == 1 ? text[0] - '0' : (text[0] - '0') * 10 + text[1] - '0';
    return n >= 1 && n <= 15 && n % 2 == 1 ? n : 0;
}

}  // namespace

Arguments ReadArguments(int argc, char** argv, OutputBuffer* err) {
    Arguments arguments = {Command::kConvert,
                           {OutputForm::kAll, false, GamutMode::kMap, false, Vision::kProtanopia,
                            ColourScheme::kLight, false},
                           {"oklab", kDefaultSteps},
                           nullptr,
                           0,
                           0,
                           1};
    int first = 1;
    if (argc > 1 && std::strcmp(argv[1], "contrast") == 0) {
        arguments.command = Command::kContrast;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "pick") == 0) {
        arguments.command = Command::kPick;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "palette") == 0) {
        arguments.command = Command::kPalette;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "mix") == 0) {
        arguments.command = Command::kMix;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "tints") == 0) {
        arguments.command = Command::kTints;
        first = 2;
    } else if (argc > 1 && std::strcmp(argv[1], "shades") == 0) {
        arguments.command = Command::kShades;
        first = 2;
    }
    const bool derives = arguments.command == Command::kMix || arguments.command == Command::kTints ||
                         arguments.command == Command::kShades;
    // The operands are moved up to the front of argv[first...], over places that
    // have been read already, so that they stay in order between the options.
    char** operands = argv + first;
    int count = 0;
    bool toGiven = false, optionsEnded = false;
    const char* missing = nullptr;
    for (int i = first; i < argc; ++i) {
        char* a = argv[i];
        if (optionsEnded || a[0] != '-' || a[1] == '\0') {
            operands[count++] = a;
        } else if (std::strcmp(a, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(a, "--help") == 0) {
            return {Command::kHelp, {}, {}, nullptr, 0, 0, 1};
        } else if (std::strcmp(a, "--version") == 0) {
            return {Command::kVersion, {}, {}, nullptr, 0, 0, 1};
        } else if (std::strcmp(a, "--json") == 0) {
            arguments.output.json = true;
        } else if (std::strcmp(a, "--precise") == 0) {
            arguments.output.precise = true;
        } else if (const char* mode = OptionValue("--gamut", "--gamut needs clip or map", argc, argv, &i, &missing)) {
            if (std::strcmp(mode, "clip") == 0)
                arguments.output.gamut = GamutMode::kClip;
            else if (std::strcmp(mode, "map") == 0)
                arguments.output.gamut = GamutMode::kMap;
            else
                return UsageError(err, "--gamut takes clip or map", mode);
        } else if (const char* scheme = OptionValue("--scheme", "--scheme needs light or dark", argc, argv, &i, &missing)) {
            if (std::strcmp(scheme, "dark") == 0)
                arguments.output.scheme = ColourScheme::kDark;
            else if (std::strcmp(scheme, "light") == 0)
                arguments.output.scheme = ColourScheme::kLight;
            else
                return UsageError(err, "--scheme takes light or dark", scheme);
        } else if (const char* space = derives ? OptionValue("--in", "--in needs a space", argc, argv, &i, &missing) : nullptr) {
            arguments.derive.space = space;
        } else if (const char* steps = derives ? OptionValue("--steps", "--steps needs a number", argc, argv, &i, &missing) : nullptr) {
            int n = 0;
            for (const char* p = steps; n <= kMostSteps && *p >= '0' && *p <= '9'; ++p) n = n * 10 + (*p - '0');
            if (steps[0] == '\0' || steps[std::strspn(steps, "0123456789")] != '\0' || n < 2 || n > kMostSteps)
                return UsageError(err, "--steps takes a number from 2 to 1000", steps);
            arguments.derive.steps = n;
        } else if (const char* form = OptionValue("--to", "--to needs a form", argc, argv, &i, &missing)) {
            if (!LookupOutputForm(form, &arguments.output.form))
                return UsageError(err, "unknown form for --to", form);
            toGiven = true;
        } else if (const char* vision = OptionValue("--simulate", "--simulate needs a vision", argc, argv, &i, &missing)) {
            if (!LookupVision(vision, &arguments.output.vision))
                return UsageError(err, "--simulate takes protanopia, deuteranopia, tritanopia or achromatopsia", vision);
            arguments.output.simulate = true;
        } else if (const char* level = OptionValue("--fix", "--fix needs a level", argc, argv, &i, &missing)) {
            if (!LookupContrastLevel(level, &arguments.fixLevel))
                return UsageError(err, "--fix takes AA, AAA or AA-large", level);
        } else if (const char* size = OptionValue("--average", "--average needs a size", argc, argv, &i, &missing)) {
            arguments.averageSize = ReadAverageSize(size);
            if (arguments.averageSize == 0)
                return UsageError(err, "--average takes an odd number from 1 to 15", size);
        } else if (missing) {
            return UsageError(err, missing, nullptr);
        } else {
            return UsageError(err, "unknown option", a);
        }
    }
    if (toGiven && arguments.output.json)
        return UsageError(err, "--to and --json do not go together", nullptr);
    arguments.operands = operands;
    arguments.operandCount = count;
    return CheckOperands(arguments, toGiven || arguments.output.json, err);
}

void WriteShortUsage(OutputBuffer* out) {
    WriteLines(out, kSynopsis, sizeof kSynopsis / sizeof kSynopsis[0]);
    AppendText(out, "Try 'palorin-cli --help' for more.");
    AppendLineEnd(out);
}

void WriteHelp(OutputBuffer* out) {
    WriteLines(out, kSynopsis, sizeof kSynopsis / sizeof kSynopsis[0]);
    WriteLines(out, kHelp, sizeof kHelp / sizeof kHelp[0]);
}
