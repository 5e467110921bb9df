// The converter's text fields, for tests that check them all at once.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

#include "color_record.h"

// Every text field of the converter, in the order the dialog writes them.
extern const int kAllFields[14];

struct FieldShown {
    int id;
    std::string text;
};

// The fields that are read together with field `id`: its group of three, or
// just itself.
std::vector<int> FieldGroupOf(int id);

// What each field shows for `color`, worked out apart from the program.
std::vector<FieldShown> ExpectedFields(const ColorRecord& color);

// Checks the fields against `expected`, skipping the ids in `skip`.
void ExpectFieldsShow(HWND dialog, const std::vector<FieldShown>& expected,
                      const std::vector<int>& skip = {});

// Checks that every field but those in `skip` is empty.
void ExpectFieldsEmpty(HWND dialog, const std::vector<int>& skip);
