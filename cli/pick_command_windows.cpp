// The pick on Windows: a frozen pick, the converter's pick by menu without a
// dialog. The whole screen is frozen under the pointer's cross, with the loupe
// beside the pointer; a left click, Enter or Space prints the colour, Escape or
// a right click prints nothing. A kept point that has no pixel, or a failing
// message loop, is an error, not a cancel.
#include <windows.h>

#include "loupe_window.h"
#include "messages.h"
#include "pick_command.h"
#include "screen_pick.h"

namespace {

struct PickOutcome {
    HWND loupe;
    bool ended;
    bool kept;
    COLORREF color;
};

void OnMoved(void* context, POINT point, COLORREF) {
    FollowWithLoupe(static_cast<PickOutcome*>(context)->loupe, point);
}

void OnKept(void* context, POINT, COLORREF color) {
    PickOutcome* outcome = static_cast<PickOutcome*>(context);
    outcome->ended = true;
    outcome->kept = true;
    outcome->color = color;
}

void OnRestored(void* context) { static_cast<PickOutcome*>(context)->ended = true; }

}  // namespace

int RunPickCommand(const OutputOptions& options, int averageSide, OutputBuffer* out,
                   OutputBuffer* err) {
    SetPickAverage(averageSide);
    PickOutcome outcome = {CreateLoupe(), false, false, 0};
    if (!outcome.loupe) {
        ReportError(err, "pick: cannot open a window");
        return 2;
    }
    const PickReport report = {&outcome, OnMoved, OnKept, OnRestored, nullptr};
    // A pick that ended while it started (another window took the keyboard) is
    // a cancel, as it would be a moment later.
    if (!StartFrozenPick(outcome.loupe, report) && !outcome.ended) {
        DestroyWindow(outcome.loupe);
        ReportError(err, "pick: cannot take a picture of the screen");
        return 2;
    }
    MSG message;
    BOOL got = TRUE;
    while (!outcome.ended && (got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    AbandonPick();  // a quit message or a failure ends the loop with the pick still on
    DestroyWindow(outcome.loupe);
    if (got < 0) {
        ReportError(err, "pick: cannot read the window messages");
        return 2;
    }
    if (!outcome.kept) return 1;
    if (outcome.color == CLR_INVALID) {
        ReportError(err, "pick: cannot read the pixel there");
        return 2;
    }
    const ColourReading colour = OpaqueReading(
        {GetBValue(outcome.color), GetGValue(outcome.color), GetRValue(outcome.color), 0});
    // A pick prints #rrggbb unless a form or JSON was asked for.
    OutputOptions pickOptions = options;
    if (pickOptions.form == OutputForm::kAll && !pickOptions.json)
        pickOptions.form = OutputForm::kHex6;
    WriteColourLine(out, pickOptions, colour, nullptr, 0);
    return 0;
}
