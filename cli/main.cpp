// palorin-cli: Palorin's conversions for scripts and pipes, a contrast check and
// a pick from the screen. One main: read the options, run the command, write
// out what is left, and answer with the exit status.
#include "arguments.h"
#include "contrast_command.h"
#include "convert_command.h"
#include "derive_command.h"
#include "messages.h"
#include "palette_command.h"
#include "pick_command.h"
#include "standard_io.h"

namespace {

constexpr int kUsageStatus = 2;

// The version is project()'s, given by the build.
constexpr char kVersionLine[] = "palorin-cli " PALORIN_VERSION;

int RunCommand(const Arguments& arguments, OutputBuffer* out, OutputBuffer* err) {
    switch (arguments.command) {
    case Command::kConvert:
        if (arguments.operandCount > 0)
            return ConvertArguments(arguments.operands, arguments.operandCount, arguments.output,
                                    out, err);
        return ConvertStandardInput(arguments.output, out, err);
    case Command::kContrast:
        return RunContrastCommand(arguments.operands, arguments.output.gamut, arguments.output.scheme,
                                  arguments.fixLevel, out, err);
    case Command::kPick:
        return RunPickCommand(arguments.output, arguments.averageSize, out, err);
    case Command::kPalette:
        return RunPaletteCommand(arguments.operands[0], arguments.output, out, err);
    case Command::kMix:
        return RunDeriveCommand(arguments.operands[0], arguments.operands[1], arguments.derive,
                                arguments.output, out, err);
    case Command::kTints:
    case Command::kShades:
        return RunDeriveCommand(arguments.operands[0],
                                arguments.command == Command::kTints ? "white" : "black",
                                arguments.derive, arguments.output, out, err);
    case Command::kHelp:
        WriteHelp(out);
        return 0;
    case Command::kVersion:
        AppendText(out, kVersionLine);
        AppendLineEnd(out);
        return 0;
    case Command::kUsageError:
        break;
    }
    WriteShortUsage(err);
    return kUsageStatus;
}

}  // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    // On the stack: MinGW would store static buffers as initialised data, all
    // their zeros in the file.
    char outBlock[kOutputBlockSize], errBlock[kOutputBlockSize];
    OutputBuffer out = {WriteStandardOutput, outBlock, sizeof outBlock, 0, false};
    OutputBuffer err = {WriteStandardError, errBlock, sizeof errBlock, 0, false};
    int status = RunCommand(ReadArguments(argc, argv, &err), &out, &err);
    if (!Flush(&out)) {
        ReportError(&err, "cannot write the output");
        status = 2;
    }
    Flush(&err);
    return status;
}
