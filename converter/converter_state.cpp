// The converter dialog's window state (see converter_state.h).
#include "converter_state.h"

ColorRecord* g_color = nullptr;
HlsTriple g_hls = {};
int32_t g_fieldsIdle;  // 1 from WM_INITDIALOG on: no notification before it finds a colour
uint16_t g_arrowSize = 0;
HINSTANCE g_instance = nullptr;
DragMode g_dragMode = DRAG_NONE;
HBITMAP g_pickerBitmap = nullptr;
ScreenPick g_pick = {};
CssForm g_cssForm = CssForm::kRgb;
Palette g_palette = {};
char g_paletteFile[MAX_PATH] = "";
bool g_paletteWriteFailed = false;
bool g_comparing = false;
ColorRecord g_compareColour = {};
HHOOK g_keyHook = nullptr;
PictureValues g_announced = {};
