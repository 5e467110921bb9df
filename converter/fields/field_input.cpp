// Reading a field, or its group of three, as a colour. The group reads into a
// copy of the colour, so a rejected text never leaves a half-read colour behind
// for the next repaint to show.
#include "field_input.h"

#include "css_field.h"
#include "current_colour.h"
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
    ColorRecord typed = CurrentColour();
    const int accepted = field.readGroup(texts, &typed);
    // Every field but the group being typed in: the user's own text stays as typed.
    if (accepted) {
        CurrentColour() = typed;
        RefreshConverter(dialog, ~field.bit);
    } else {
        ClearFields(dialog, ~field.bit, g_fieldsIdle);
    }
    EnableWindow(DialogControl(dialog, IDC_NEGAPOSI), accepted);
    if (field.bit == UPD_CSS) ShowCssNote(dialog);
}

void OnFieldCommand(HWND dialog, int id, int code) {
    const ConverterField* field = FindConverterField(id);
    if (field && g_fieldsIdle && code == EN_CHANGE) OnFieldChange(dialog, *field);
}
