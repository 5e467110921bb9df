// The pick on a platform without one: a native build on Linux, for example.
#include "messages.h"
#include "pick_command.h"

int RunPickCommand(const OutputOptions&, int, OutputBuffer*, OutputBuffer* err) {
    ReportError(err, "pick: this platform has no pick from the screen");
    return 2;
}
