// Writes the kill test's two palettes to one file by turns, for ever, with the
// real atomic write, counting its writes in the memory the test shares:
//   kill_test_writer FILE MAPPING-NAME
// It ends only when killed, or with 1 when a write fails.
#include <windows.h>

#include <cstdio>

#include "kill_test_palettes.h"
#include "palette_file.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    HANDLE mapping = OpenFileMappingA(FILE_MAP_WRITE, FALSE, argv[2]);
    WriteCounts* counts =
        mapping ? static_cast<WriteCounts*>(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    if (!counts) return 2;
    ByteBuffer palettes[2] = {};
    FormatKillTestPalette(0, &palettes[0]);
    FormatKillTestPalette(1, &palettes[1]);
    for (int which = 0;; which ^= 1) {
        InterlockedIncrement(&counts->begun);
        FileProblem problem;
        if (!WriteFileAtomically(argv[1], palettes[which].data, palettes[which].size, &problem)) {
            std::fprintf(stderr, "kill_test_writer: %s\n", problem.text);
            return 1;
        }
        InterlockedIncrement(&counts->ended);
    }
}
