// `palorin-cli contrast`: reads the two colours and prints the ratio the
// colour model computes.
#include "contrast_command.h"

#include <cstring>

#include "contrast.h"
#include "messages.h"
#include "read_color.h"

int RunContrastCommand(char* const colours[2], GamutMode gamut, ColourScheme scheme, OutputBuffer* out,
                       OutputBuffer* err) {
    ColourReading colour[2];
    int status = 0;
    for (int i = 0; i < 2; ++i) {
        const size_t length = std::strlen(colours[i]);
        const CssReadResult result = ReadAnyColorWithoutNul(colours[i], length, gamut, &colour[i], scheme);
        if (result != CssReadResult::kColour) {
            ReportBadInput(err, "argument", i + 1,
                           result == CssReadResult::kRefused ? colour[i].refusal : "not a colour",
                           colours[i], length);
            status = 1;
        }
    }
    if (status != 0) return status;
    char text[kContrastTextCapacity];
    Append(out, text, static_cast<size_t>(FormatContrast(ContrastHundredths(colour[0].color, colour[1].color), text)));
    AppendLineEnd(out);
    return 0;
}
