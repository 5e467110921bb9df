// Times palorin-cli natively over 1,000,000 lines of mixed notations, of mixed
// CSS colours inside sRGB and of oklch() colours outside it, against
// awk '{ print }' over the same files, all to /dev/null, alternately in the
// same run, and reads each run's peak memory. Prints the medians and the
// ratios; it checks nothing. A program rather than a script: a child's peak memory counts
// the memory of whoever started it, and this one stays small.
// Usage: cli_bench PALORIN_CLI [ROUNDS]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "css_format.h"

namespace {

constexpr int kLines = 1000000;

struct Run {
    double milliseconds;
    long peakKilobytes;
};

// Each notation in turn: #rrggbb, #rgb, (R,G,B), (R%,G%,B%), a name, H,L,S.
void WriteMixedLines(const char* path, int count) {
    static const char* const names[] = {"aqua", "CornflowerBlue", "red",  "lightgoldenrodyellow",
                                        "Navy", "white",          "teal", "papayawhip"};
    std::mt19937 random(2026);
    FILE* file = std::fopen(path, "wb");
    for (int i = 0; i < count; ++i) {
        const unsigned r = random() % 256, g = random() % 256, b = random() % 256;
        switch (i % 6) {
        case 0:
            std::fprintf(file, "#%02x%02x%02x\n", r, g, b);
            break;
        case 1:
            std::fprintf(file, "#%x%x%x\n", r >> 4, g >> 4, b >> 4);
            break;
        case 2:
            std::fprintf(file, "(%u,%u,%u)\n", r, g, b);
            break;
        case 3:
            std::fprintf(file, "(%u%%,%u%%,%u%%)\n", r * 100 / 255, g * 100 / 255, b * 100 / 255);
            break;
        case 4:
            std::fprintf(file, "%s\n", names[r % 8]);
            break;
        default:
            std::fprintf(file, "%u,%u,%u\n", r % 240, g % 241, b % 241);
            break;
        }
    }
    std::fclose(file);
}

// The CSS a stylesheet holds, all inside sRGB: rgb() both ways, #rrggbbaa,
// hsl(), hwb(), the CSS-only names, and the modern forms of random colours.
void WriteCssLines(const char* path, int count) {
    static const char* const names[] = {"rebeccapurple", "grey", "transparent", "DarkSlateGrey"};
    std::mt19937 random(2026);
    FILE* file = std::fopen(path, "wb");
    for (int i = 0; i < count; ++i) {
        const unsigned r = random() % 256, g = random() % 256, b = random() % 256;
        char css[kCssTextCapacity];
        switch (i % 8) {
        case 0:
            std::fprintf(file, "rgb(%u %u %u)\n", r, g, b);
            break;
        case 1:
            std::fprintf(file, "rgba(%u, %u, %u, 0.5)\n", r, g, b);
            break;
        case 2:
            std::fprintf(file, "#%02x%02x%02x%02x\n", r, g, b, static_cast<unsigned>(random() % 256));
            break;
        case 3:
            std::fprintf(file, "hsl(%u %u%% %u%%)\n", r * 360 / 256, g * 100 / 255, b * 100 / 255);
            break;
        case 4:
            std::fprintf(file, "%s\n", names[r % 4]);
            break;
        default: {
            const CssForm form = i % 8 == 5 ? CssForm::kHwb : i % 8 == 6 ? CssForm::kLab : CssForm::kOklch;
            FormatCssColor(form, {static_cast<uint8_t>(b), static_cast<uint8_t>(g), static_cast<uint8_t>(r), 0},
                           255, css);
            std::fprintf(file, "%s\n", css);
            break;
        }
        }
    }
    std::fclose(file);
}

// oklch() of chromas that no sRGB colour has: every line is gamut-mapped.
void WriteOutsideLines(const char* path, int count) {
    std::mt19937 random(2026);
    FILE* file = std::fopen(path, "wb");
    for (int i = 0; i < count; ++i)
        std::fprintf(file, "oklch(%.3f %.3f %.2f)\n", 0.2 + random() % 700 / 1000.0,
                     0.33 + random() % 70 / 1000.0, random() % 36000 / 100.0);
    std::fclose(file);
}

// color-mix(in oklab, #rrggbb p%, #rrggbb), as a framework's stylesheet mixes.
void WriteMixLines(const char* path, int count) {
    std::mt19937 random(27);
    FILE* file = std::fopen(path, "wb");
    for (int i = 0; i < count; ++i)
        std::fprintf(file, "color-mix(in oklab, #%06x %u%%, #%06x)\n", static_cast<unsigned>(random() & 0xffffff),
                     static_cast<unsigned>(random() % 101), static_cast<unsigned>(random() & 0xffffff));
    std::fclose(file);
}

void WriteOneLongLine(const char* path, int length) {
    FILE* file = std::fopen(path, "wb");
    std::fputc('(', file);
    for (int i = 0; i < length; ++i) std::fputc('1', file);
    std::fputc('\n', file);
    std::fclose(file);
}

// One run with `input` as standard input and standard output on /dev/null.
Run Measure(const std::vector<const char*>& command, const char* input) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(input, O_RDONLY), 0);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::vector<char*> argv;
        for (const char* a : command) argv.push_back(const_cast<char*>(a));
        argv.push_back(nullptr);
        execvp(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage = {};
    wait4(child, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) {
        std::fprintf(stderr, "cli_bench: %s failed\n", command[0]);
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: cli_bench PALORIN_CLI [ROUNDS]\n");
        return 2;
    }
    const char* program = argv[1];
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 11;
    char work[] = "/tmp/palorin-cli-bench.XXXXXX";
    if (!mkdtemp(work)) return 1;
    const std::string million = std::string(work) + "/1M", tenth = std::string(work) + "/100k",
                      longLine = std::string(work) + "/long", css = std::string(work) + "/css",
                      outside = std::string(work) + "/outside", mix = std::string(work) + "/mix";
    WriteMixedLines(million.c_str(), kLines);
    WriteCssLines(css.c_str(), kLines);
    WriteOutsideLines(outside.c_str(), kLines);
    WriteMixLines(mix.c_str(), kLines);
    WriteMixedLines(tenth.c_str(), kLines / 10);
    WriteOneLongLine(longLine.c_str(), 10000000);

    struct Side {
        const char* label;
        std::vector<const char*> command;
        const std::string* input;
        std::vector<double> times;
        long peak;
    };
    // Each file's awk first: the ratios are to it.
    Side sides[] = {
        {"awk '{ print }'", {"awk", "{ print }"}, &million, {}, 0},
        {"palorin-cli --to hls", {program, "--to", "hls"}, &million, {}, 0},
        {"palorin-cli", {program}, &million, {}, 0},
        {"palorin-cli --json", {program, "--json"}, &million, {}, 0},
        {"awk '{ print }'", {"awk", "{ print }"}, &css, {}, 0},
        {"palorin-cli --to hex6", {program, "--to", "hex6"}, &css, {}, 0},
        {"awk '{ print }'", {"awk", "{ print }"}, &outside, {}, 0},
        {"palorin-cli --to hex6", {program, "--to", "hex6"}, &outside, {}, 0},
        {"awk '{ print }'", {"awk", "{ print }"}, &mix, {}, 0},
        {"palorin-cli --to hex6", {program, "--to", "hex6"}, &mix, {}, 0},
    };
    // Alternately, so that every side shares the machine's mood.
    for (int round = 0; round < rounds; ++round) {
        for (Side& side : sides) {
            const Run run = Measure(side.command, side.input->c_str());
            side.times.push_back(run.milliseconds);
            side.peak = std::max(side.peak, run.peakKilobytes);
        }
    }
    std::printf("%d lines a file, %d rounds, medians\n", kLines, rounds);
    std::printf("%-22s %10s %13s %12s\n", "", "time", "ratio to awk", "peak memory");
    double awk = 0;
    for (const Side& side : sides) {
        const double median = Median(side.times);
        if (side.command[0] == std::string("awk")) {
            awk = median;
            std::printf("%s\n", side.input == &million ? "mixed notations of the converter:"
                                : side.input == &css    ? "mixed CSS colours inside sRGB:"
                                : side.input == &mix    ? "color-mix(in oklab, #rrggbb p%, #rrggbb):"
                                                        : "oklch() outside sRGB, gamut-mapped:");
        }
        std::printf("%-22s %7.1f ms %13.2f %9ld KB\n", side.label, median, median / awk, side.peak);
    }
    std::printf("goals: --to hls on the converter's notations <= 1.00; CSS inside sRGB <= 3;"
                " oklch() outside sRGB <= 20; color-mix() <= 8\n");
    std::printf(
        "peak memory of palorin-cli --to hls: %ld KB for 100,000 lines, %ld KB for 1,000,000,"
        " %ld KB for one line of 10 MB\n",
        Measure({program, "--to", "hls"}, tenth.c_str()).peakKilobytes,
        Measure({program, "--to", "hls"}, million.c_str()).peakKilobytes,
        Measure({program, "--to", "hls"}, longLine.c_str()).peakKilobytes);
    for (const std::string& path : {million, tenth, longLine, css, outside, mix}) unlink(path.c_str());
    rmdir(work);
    return 0;
}
