// Times a start: from process creation until the main window is shown, painted
// and idle; and reads the running program's memory. Palorin (with an empty
// clipboard, so it opens the converter at once), a minimal program that opens
// the platform's colour dialog, and the floor (the converter's own template
// under a dialog procedure that does nothing) are started in turn.
// Usage: start_bench PALORIN_EXE PEER_EXE FLOOR_EXE [rounds]
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "bench_stats.h"

namespace {

struct Start {
    double ms;
    double peakPrivateKb;
    double workingSetKb;
};

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

// Starts `exe`, waits until its window `caption` is shown and the program idle;
// returns false if it never gets there.
bool TimeStart(const char* exe, const char* caption, Start* start) {
    char commandLine[MAX_PATH + 2];
    wsprintfA(commandLine, "\"%s\"", exe);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    double begin = NowMs();
    if (!CreateProcessA(exe, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    bool shown = false;
    HWND window = nullptr;
    if (WaitForInputIdle(process.hProcess, 10000) == 0) {
        for (int i = 0; i < 2000 && !shown; ++i) {
            window = FindWindowA(nullptr, caption);
            shown = window && IsWindowVisible(window);
            if (!shown) Sleep(1);
        }
    }
    start->ms = NowMs() - begin;
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                         sizeof memory);
    start->peakPrivateKb = memory.PeakPagefileUsage / 1024.0;
    start->workingSetKb = memory.PeakWorkingSetSize / 1024.0;
    if (window) PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown;
}

struct Series {
    std::vector<double> ms, peakPrivateKb, workingSetKb;
    void Add(const Start& s) {
        ms.push_back(s.ms);
        peakPrivateKb.push_back(s.peakPrivateKb);
        workingSetKb.push_back(s.workingSetKb);
    }
};

void Report(const char* who, const Series& s) {
    std::printf("%-28s start median %7.1f ms   peak private %7.0f KB   peak working set %7.0f KB\n",
                who, Median(s.ms), Median(s.peakPrivateKb), Median(s.workingSetKb));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: start_bench PALORIN_EXE PEER_EXE FLOOR_EXE [rounds]\n");
        return 2;
    }
    int rounds = argc > 4 ? std::atoi(argv[4]) : 10;
    EmptyTheClipboard();
    Series palorin, peer, floor;
    Start start;
    // One unmeasured start of each warms the caches all will use.
    TimeStart(argv[1], "Palorin", &start);
    TimeStart(argv[2], "Color", &start);
    TimeStart(argv[3], "Palorin", &start);
    for (int round = 0; round < rounds; ++round) {
        if (!TimeStart(argv[1], "Palorin", &start)) return 1;
        palorin.Add(start);
        if (!TimeStart(argv[2], "Color", &start)) return 1;
        peer.Add(start);
        if (!TimeStart(argv[3], "Palorin", &start)) return 1;
        floor.Add(start);
    }
    std::printf("%d starts each, in turn\n", rounds);
    Report("Palorin", palorin);
    Report("platform colour dialog", peer);
    Report("floor (template, idle)", floor);
    std::printf("%-28s %7.2f  goal <= 0.8\n", "start ratio Palorin / peer",
                Median(palorin.ms) / Median(peer.ms));
    std::printf("%-28s %7.2f  goal <= 1.05\n", "start ratio Palorin / floor",
                Median(palorin.ms) / Median(floor.ms));
    std::printf("%-28s %7.2f\n", "peak private ratio",
                Median(palorin.peakPrivateKb) / Median(peer.peakPrivateKb));
    return 0;
}
