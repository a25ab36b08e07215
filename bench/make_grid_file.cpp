// zarvek_bench_grid_file PARTS PATH: writes a grid file of PARTS parts (1 to 32767) whose lengths
// are all far apart, for bench/compare.sh.
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "bench_files.h"
#include "bench_fixtures.h"
#include "storage/grid_file_io.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: zarvek_bench_grid_file PARTS PATH\n";
        return 2;
    }
    try {
        const int parts = std::stoi(argv[1]);
        if (parts < 1 || parts > 32767) {
            std::cerr << "PARTS must be 1 to 32767\n";
            return 2;
        }
        zarvek::bench::WriteFileBytes(
            argv[2], zarvek::GridFileBytes(zarvek::bench::SpreadOutGridFile(parts)));
    } catch (const std::exception& error) {
        std::cerr << error.what() << "\n";
        return 1;
    }
    return 0;
}
