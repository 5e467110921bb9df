// The list of CSS forms (see css_form_list.h).
#include "css_form_list.h"

#include "css_field.h"
#include "dialog_control.h"
#include "field_input.h"
#include "field_refresh.h"
#include "resource.h"

void FillCssForms(HWND dialog) {
    HWND list = DialogControl(dialog, IDC_CSS_FORM);
    for (int form = 0; form < kCssFormCount; ++form)
        SendMessageA(list, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(CssFormName(static_cast<CssForm>(form))));
    SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(g_cssForm), 0);
}

void OnCssFormChange(HWND dialog) {
    const LRESULT chosen = SendMessageA(DialogControl(dialog, IDC_CSS_FORM), CB_GETCURSEL, 0, 0);
    if (chosen < 0 || chosen >= kCssFormCount) return;
    g_cssForm = static_cast<CssForm>(chosen);
    // "Nega / Posi" is enabled exactly while the fields show a colour.
    if (IsWindowEnabled(DialogControl(dialog, IDC_NEGAPOSI))) RewriteConverter(dialog, UPD_CSS);
}

void OnCssSchemeChange(HWND dialog) {
    g_cssScheme = IsDlgButtonChecked(dialog, IDC_CSS_DARK) == BST_CHECKED ? ColourScheme::kDark
                                                                          : ColourScheme::kLight;
    // The field's text is read again, as if typed: light-dark() gives the other colour.
    OnFieldCommand(dialog, IDC_CSS, EN_CHANGE);
}
