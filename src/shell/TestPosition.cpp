#include "shell/TestPosition.h"

#include "engine/Game.h"
#include "engine/PositionText.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace lumo {

bool ApplyTestPosition(Game &game)
{
    const char *path = std::getenv("LUMO_TEST_POSITION");
    if (!path || !*path)
        return false;
    std::ifstream file(path);
    if (!file) {
        std::fprintf(stderr, "LUMO_TEST_POSITION: cannot read %s\n", path);
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    const auto position = ParsePositionText(text.str(), &error);
    if (!position) {
        std::fprintf(stderr, "LUMO_TEST_POSITION: %s: %s\n", path, error.c_str());
        return false;
    }
    try {
        game.SetPosition(*position);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "LUMO_TEST_POSITION: %s: %s\n", path, e.what());
        return false;
    }
    game.Evaluate();
    return true;
}

} // namespace lumo
