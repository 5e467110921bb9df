// The part of the process's command line that Palorin reads as a colour.
#pragma once

// The text after the program name: a name in quotation marks ends at its closing
// quotation mark, any other name at the first character of code 32 or less; then
// every character of code 32 or less (blanks, tabs, control characters) is
// skipped. The rest is returned unchanged: quotes kept, nothing trimmed at the
// end. The result points into `commandLine`.
const char* CommandLineText(const char* commandLine);
