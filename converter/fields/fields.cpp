// The fields' own state and their start (see fields.h).
#include "fields.h"

#include "contrast_line.h"
#include "css_form_list.h"
#include "dialog_control.h"
#include "field_refresh.h"
#include "field_table.h"

void StartFields(HWND dialog) {
    for (const ConverterField& field : kConverterFields)
        SendMessageA(DialogControl(dialog, field.id), EM_LIMITTEXT, field.textLimit, 0);
    FillCssForms(dialog);
    g_fieldsIdle = 1;
}

void EndFields() { g_comparing = false; }
