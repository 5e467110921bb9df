// Reading a field, or its group of three, as a colour. The group reads into a
// copy of the colour, so a rejected text never leaves a half-read colour behind
// for the next repaint to show.
#include "field_input.h"

#include "converter_state.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "resource.h"

namespace {

constexpr int kFieldTextSize = 24;

// The texts of the fields that share `bit`, in table order; returns how many.
int ReadGroupTexts(HWND dialog, UpdateMask bit, char (&texts)[kFieldGroupSize][kFieldTextSize]) {
    int count = 0;
    for (const ConverterField& field : kConverterFields)
        if (field.bit == bit && count < kFieldGroupSize)
            GetWindowTextA(DialogControl(dialog, field.id), texts[count++], kFieldTextSize);
    return count;
}

}  // namespace

void OnFieldChange(HWND dialog, const ConverterField& field) {
    char texts[kFieldGroupSize][kFieldTextSize];
    const int count = ReadGroupTexts(dialog, field.bit, texts);
    const char* group[kFieldGroupSize];
    for (int i = 0; i < count; ++i) group[i] = texts[i];

    ColorRecord typed = *g_color;
    const int accepted = field.readGroup(group, &typed);
    // Every field but the group being typed in: the user's own text stays as typed.
    if (accepted) {
        *g_color = typed;
        RefreshConverter(dialog, ~field.bit);
    } else {
        ClearFields(dialog, ~field.bit, g_fieldsIdle);
    }
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), accepted);
}
