// Loading the program icon for the converter and the quick result box.
#include "dialog_icons.h"

#include "resource.h"

HICON LoadSmallIcon(HINSTANCE instance) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_APP), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON),
                                         GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
}

void SetDialogIcons(HWND dialog, HINSTANCE instance) {
    SendMessageA(dialog, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadSmallIcon(instance)));
    SendMessageA(dialog, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconA(instance, MAKEINTRESOURCEA(IDI_APP))));
}
