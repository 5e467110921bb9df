// The icons and the version item that the converter and the quick result box share.
#include "dialog_frame.h"

#include "resource.h"
#include "version_box.h"

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

// The box comes from the same module as the dialog that opens it.
void OnVersionSysCommand(HWND dialog, WPARAM command) {
    if (command != IDM_VERSION) return;
    ShowVersionBox(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE)), dialog);
}
