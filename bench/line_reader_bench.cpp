// Times palorin-cli's line reader on one line of 65,535 bytes, as long as its
// buffer holds whole, arriving a few bytes a read as from a slow pipe, and in
// larger reads. Prints the median time for the line at each read size; it
// checks nothing.
// Usage: line_reader_bench [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "line_reader.h"

namespace {

// As palorin-cli reads standard input.
constexpr size_t kCapacity = 64 * 1024;
char g_buffer[kCapacity + 1];

struct SlowSource {
    const std::string* data;
    size_t position;
    size_t step;  // bytes a read at most
};

long ReadSome(void* context, char* into, size_t size) {
    SlowSource* source = static_cast<SlowSource*>(context);
    size_t count = std::min({size, source->step, source->data->size() - source->position});
    std::memcpy(into, source->data->data() + source->position, count);
    source->position += count;
    return static_cast<long>(count);
}

double MillisecondsForTheLine(const std::string& input, size_t step) {
    SlowSource source = {&input, 0, step};
    LineReader reader;
    StartLineReader(&reader, ReadSome, &source, g_buffer, kCapacity);
    LinePiece piece;
    size_t bytes = 0;
    const auto start = std::chrono::steady_clock::now();
    while (NextLinePiece(&reader, &piece)) bytes += piece.length;
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (bytes != input.size() - 1) std::exit(1);
    return elapsed.count();
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 5;
    const std::string input = std::string(kCapacity - 1, 'x') + "\n";
    std::printf("one line of %zu bytes, median of %d rounds\n", input.size() - 1, rounds);
    for (size_t step : {size_t{1}, size_t{16}, size_t{256}, kCapacity}) {
        std::vector<double> times;
        for (int round = 0; round < rounds; ++round)
            times.push_back(MillisecondsForTheLine(input, step));
        std::sort(times.begin(), times.end());
        std::printf("%6zu bytes a read: %9.3f ms\n", step, times[times.size() / 2]);
    }
    return 0;
}
