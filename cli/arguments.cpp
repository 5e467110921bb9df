// Reading palorin-cli's options. Options may stand anywhere after the command:
// no colour starts with '-', so nothing is lost by that; "--" ends them anyway.
#include "arguments.h"

#include <cstring>

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
    "                the alpha) or hex8 (#rrggbbaa)",
    "  --json        one JSON object per line, with the input",
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
    "          AA (4.5), AA-large (3) or fail.",
    "mix       N colours (--steps, 5 unless given) from the first COLOUR to the",
    "          second, both included, each as the color-mix() that gives it, a",
    "          tab and the result; --in SPACE mixes in another of color-mix()'s",
    "          spaces than oklab, such as srgb or 'oklch longer hue'.",
    "tints     the same from COLOUR to white; shades, to black.",
    "pick      a colour picked from the screen: a click, Enter or Space prints it,",
    "          Escape or a right click prints nothing (Windows only).",
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
    return {Command::kUsageError, {}, {}, nullptr, 0};
}

// The operand counts each command takes: colours for a conversion, two for
// contrast, none for pick, one file for palette.
Arguments CheckOperands(const Arguments& arguments, bool outputChosen, OutputBuffer* err) {
    switch (arguments.command) {
    case Command::kContrast:
        if (outputChosen)
            return UsageError(err, "contrast prints a ratio: no --to or --json", nullptr);
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

}  // namespace

Arguments ReadArguments(int argc, char** argv, OutputBuffer* err) {
    Arguments arguments = {
        Command::kConvert, {OutputForm::kAll, false, GamutMode::kMap, ColourScheme::kLight, false},
        {"oklab", kDefaultSteps}, nullptr, 0};
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
    for (int i = first; i < argc; ++i) {
        char* a = argv[i];
        if (optionsEnded || a[0] != '-' || a[1] == '\0') {
            operands[count++] = a;
        } else if (std::strcmp(a, "--") == 0) {
            optionsEnded = true;
        } else if (std::strcmp(a, "--help") == 0) {
            return {Command::kHelp, {}, {}, nullptr, 0};
        } else if (std::strcmp(a, "--version") == 0) {
            return {Command::kVersion, {}, {}, nullptr, 0};
        } else if (std::strcmp(a, "--json") == 0) {
            arguments.output.json = true;
        } else if (std::strcmp(a, "--precise") == 0) {
            arguments.output.precise = true;
        } else if (std::strcmp(a, "--gamut") == 0 || std::strncmp(a, "--gamut=", 8) == 0) {
            const char* mode = a[7] == '=' ? a + 8 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!mode) return UsageError(err, "--gamut needs clip or map", nullptr);
            if (std::strcmp(mode, "clip") == 0)
                arguments.output.gamut = GamutMode::kClip;
            else if (std::strcmp(mode, "map") == 0)
                arguments.output.gamut = GamutMode::kMap;
            else
                return UsageError(err, "--gamut takes clip or map", mode);
        } else if (std::strcmp(a, "--scheme") == 0 || std::strncmp(a, "--scheme=", 9) == 0) {
            const char* scheme = a[8] == '=' ? a + 9 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!scheme) return UsageError(err, "--scheme needs light or dark", nullptr);
            if (std::strcmp(scheme, "dark") == 0)
                arguments.output.scheme = ColourScheme::kDark;
            else if (std::strcmp(scheme, "light") == 0)
                arguments.output.scheme = ColourScheme::kLight;
            else
                return UsageError(err, "--scheme takes light or dark", scheme);
        } else if (derives && (std::strcmp(a, "--in") == 0 || std::strncmp(a, "--in=", 5) == 0)) {
            arguments.derive.space = a[4] == '=' ? a + 5 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!arguments.derive.space) return UsageError(err, "--in needs a space", nullptr);
        } else if (derives && (std::strcmp(a, "--steps") == 0 || std::strncmp(a, "--steps=", 8) == 0)) {
            const char* steps = a[7] == '=' ? a + 8 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!steps) return UsageError(err, "--steps needs a number", nullptr);
            int n = 0;
            for (const char* p = steps; n <= kMostSteps && *p >= '0' && *p <= '9'; ++p) n = n * 10 + (*p - '0');
            if (steps[0] == '\0' || steps[std::strspn(steps, "0123456789")] != '\0' || n < 2 || n > kMostSteps)
                return UsageError(err, "--steps takes a number from 2 to 1000", steps);
            arguments.derive.steps = n;
        } else if (std::strcmp(a, "--to") == 0 || std::strncmp(a, "--to=", 5) == 0) {
            const char* form = a[4] == '=' ? a + 5 : (i + 1 < argc ? argv[++i] : nullptr);
            if (!form) return UsageError(err, "--to needs a form", nullptr);
            if (!LookupOutputForm(form, &arguments.output.form))
                return UsageError(err, "unknown form for --to", form);
            toGiven = true;
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
