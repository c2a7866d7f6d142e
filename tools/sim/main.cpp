// lumo-sim: plays games headless through the engine and reports per level.
//   lumo-sim --level L --games N --seed S [--trace]
// --level 0 (the default) plays all three levels. With --trace every game is
// printed as one JSON line on standard output and the summary goes to
// standard error.

#include "SimPlayer.h"

#include <cerrno>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

struct Options {
    int level = 0;
    long games = 1000;
    std::uint64_t seed = 4242;
    bool trace = false;
};

bool ParseNumber(const char* text, long long& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text, &end, 10);
    return errno == 0 && end != text && *end == '\0';
}

int Usage()
{
    std::fprintf(stderr, "usage: lumo-sim [--level 0|1|2|3] [--games N] [--seed S] [--trace]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        long long value = 0;
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--trace") == 0) {
            options.trace = true;
        } else if (std::strcmp(argv[i], "--level") == 0 && hasValue && ParseNumber(argv[i + 1], value)
            && value >= 0 && value <= 3) {
            options.level = static_cast<int>(value);
            ++i;
        } else if (std::strcmp(argv[i], "--games") == 0 && hasValue && ParseNumber(argv[i + 1], value)
            && value >= 0) {
            options.games = static_cast<long>(value);
            ++i;
        } else if (std::strcmp(argv[i], "--seed") == 0 && hasValue && ParseNumber(argv[i + 1], value)
            && value >= 0) {
            options.seed = static_cast<std::uint64_t>(value);
            ++i;
        } else {
            return Usage();
        }
    }

    std::FILE* summary = options.trace ? stderr : stdout;
    std::fprintf(summary, "level games won lost mean_points mean_moves games_per_cpu_second\n");
    const int firstLevel = options.level == 0 ? 1 : options.level;
    const int lastLevel = options.level == 0 ? 3 : options.level;
    for (int level = firstLevel; level <= lastLevel; ++level) {
        lumo::sim::SimPlayer player(level);
        lumo::sim::GameTrace trace;
        long won = 0;
        double points = 0;
        double moves = 0;
        // Processor time of this process: the rate of one core, whatever else runs.
        const std::clock_t start = std::clock();
        for (long game = 0; game < options.games; ++game) {
            const std::uint64_t seed = lumo::sim::SimPlayer::GameSeed(options.seed, level, static_cast<int>(game));
            const lumo::sim::GameResult result = player.Play(seed, options.trace ? &trace : nullptr);
            won += result.won ? 1 : 0;
            points += result.points;
            moves += result.moves;
            if (options.trace)
                std::cout << trace.Json(static_cast<int>(game), level, seed, result.won ? "won" : "lost",
                                 result.points, result.moves)
                          << '\n';
        }
        const double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
        const double n = options.games > 0 ? static_cast<double>(options.games) : 1.0;
        std::fprintf(summary, "%d %ld %ld %ld %.1f %.2f %.0f\n", level, options.games, won, options.games - won,
            points / n, moves / n, seconds > 0 ? static_cast<double>(options.games) / seconds : 0.0);
    }
    std::cout.flush();
    return 0;
}
