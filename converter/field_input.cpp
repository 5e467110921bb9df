// Reading a field, or its group of three, as a colour. The group reads into a
// copy of the colour, so a rejected text never leaves a half-read colour behind
// for the next repaint to show.
#include "field_input.h"

#include "converter_state.h"
#include "css_group.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "resource.h"

namespace {

// The texts of the fields that share `bit`, in table order; the rest stay empty.
void ReadGroupTexts(HWND dialog, UpdateMask bit, FieldTexts& texts) {
    int count = 0;
    for (const ConverterField& field : kConverterFields)
        if (field.bit == bit && count < kFieldGroupSize)
            GetWindowTextA(DialogControl(dialog, field.id), texts[count++], kFieldTextSize);
}

}  // namespace

void OnFieldChange(HWND dialog, const ConverterField& field) {
    FieldTexts texts = {};
    ReadGroupTexts(dialog, field.bit, texts);
    ColorRecord typed = *g_color;
    const int accepted = field.readGroup(texts, &typed);
    // Every field but the group being typed in: the user's own text stays as typed.
    if (accepted) {
        *g_color = typed;
        RefreshConverter(dialog, ~field.bit);
    } else {
        ClearFields(dialog, ~field.bit, g_fieldsIdle);
    }
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), accepted);
    if (field.bit == UPD_CSS) ShowCssNote(dialog);
}
