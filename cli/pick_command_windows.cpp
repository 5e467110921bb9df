// The pick on Windows. Until it is wired to the screen pick it answers as a
// platform without one.
#include "messages.h"
#include "pick_command.h"

int RunPickCommand(const OutputOptions&, OutputBuffer*, OutputBuffer* err) {
    ReportError(err, "pick: this platform has no pick from the screen");
    return 2;
}
