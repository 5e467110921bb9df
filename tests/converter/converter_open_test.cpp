// Opening the converter: every field shows the colour it was given.
#include <gtest/gtest.h>

#include "dialog_driver.h"
#include "resource.h"

namespace {

struct Expected {
    int id;
    const char* text;
};

void ExpectFields(HWND dialog, const Expected* fields, size_t count) {
    for (size_t i = 0; i < count; ++i)
        EXPECT_EQ(FieldText(dialog, fields[i].id), fields[i].text) << "field " << fields[i].id;
}

TEST(ConverterOpen, BlackFillsEveryField) {
    ColorRecord color = {};
    HWND dialog = OpenConverter(&color);
    ASSERT_NE(dialog, nullptr) << GetLastError();
    const Expected fields[] = {
        {IDC_HEX6, "#000000"},   {IDC_HEX3, "#000"},  {IDC_PERCENT, "(0%,0%,0%)"},
        {IDC_DEC_R, "0"},        {IDC_DEC_G, "0"},    {IDC_DEC_B, "0"},
        {IDC_HEX_R, "0"},        {IDC_HEX_G, "0"},    {IDC_HEX_B, "0"},
        {IDC_TRIPLE, "(0,0,0)"}, {IDC_NAME, "black"}, {IDC_HLS_H, "160"},
        {IDC_HLS_L, "0"},        {IDC_HLS_S, "0"},
    };
    ExpectFields(dialog, fields, sizeof fields / sizeof fields[0]);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_NEGAPOSI)));
    DestroyWindow(dialog);
}

TEST(ConverterOpen, AnotherColourFillsEveryFieldAndLeavesTheRecordItsOwn) {
    ColorRecord color = {0, 136, 255, 2};  // orange 255, 136, 0, read from a triple
    HWND dialog = OpenConverter(&color);
    ASSERT_NE(dialog, nullptr) << GetLastError();
    const Expected fields[] = {
        {IDC_HEX6, "#ff8800"},       {IDC_HEX3, "#f80"}, {IDC_PERCENT, "(100%,53%,0%)"},
        {IDC_DEC_R, "255"},          {IDC_DEC_G, "136"}, {IDC_DEC_B, "0"},
        {IDC_HEX_R, "ff"},           {IDC_HEX_G, "88"},  {IDC_HEX_B, "0"},
        {IDC_TRIPLE, "(255,136,0)"}, {IDC_NAME, ""},     {IDC_HLS_H, "21"},
        {IDC_HLS_L, "120"},          {IDC_HLS_S, "240"},
    };
    ExpectFields(dialog, fields, sizeof fields / sizeof fields[0]);
    EXPECT_EQ(color.notation, 2) << "the converter never touches how the colour was read";
    DestroyWindow(dialog);
}

}  // namespace
