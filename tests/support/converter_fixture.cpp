// The converter test fixture.
#include "converter_fixture.h"

#include <string>

#include "dialog_driver.h"
#include "resource.h"

void ConverterTest::Open(ColorRecord start) {
    if (dialog) DestroyWindow(dialog);
    color = start;
    dialog = OpenConverter(&color);
    ASSERT_NE(dialog, nullptr) << "CreateDialogParam failed: " << GetLastError();
}

bool ConverterTest::InvertEnabled() const {
    return IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)) != FALSE;
}

std::string ConverterTest::Rgb() const { return RgbText(color.red, color.green, color.blue); }

std::string RgbText(int red, int green, int blue) {
    return std::to_string(red) + "," + std::to_string(green) + "," + std::to_string(blue);
}
