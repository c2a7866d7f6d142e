#include "engine/PositionText.h"

#include "engine/CardFace.h"

#include <sstream>
#include <vector>

namespace lumo {

namespace {

std::optional<BoardPosition> Fail(std::string* error, int line, const std::string& why)
{
    if (error)
        *error = "line " + std::to_string(line) + ": " + why;
    return std::nullopt;
}

// Reads whole numbers to the end of the line; false on anything else.
bool ReadNumbers(std::istringstream& in, std::vector<int>& numbers)
{
    std::string word;
    while (in >> word) {
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(word, &used);
        } catch (const std::exception&) {
            return false;
        }
        if (used != word.size())
            return false;
        numbers.push_back(value);
    }
    return true;
}

} // namespace

std::optional<BoardPosition> ParsePositionText(const std::string& text, std::string* error)
{
    BoardPosition position;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        line = line.substr(0, line.find('#'));
        std::istringstream in(line);
        std::string keyword;
        if (!(in >> keyword))
            continue;
        std::vector<int> values;
        if (!ReadNumbers(in, values))
            return Fail(error, number, "not a whole number");
        if (keyword == "level") {
            if (values.size() != 1 || values[0] < 1 || values[0] > 3)
                return Fail(error, number, "level takes one of 1, 2, 3");
            position.level = values[0];
        } else if (keyword == "reshuffles-used") {
            if (values.size() != 1 || values[0] < 0)
                return Fail(error, number, "reshuffles-used takes one count");
            position.reshufflesUsed = values[0];
        } else if (keyword == "foundations") {
            if (values.size() != static_cast<std::size_t>(kFoundationCount))
                return Fail(error, number, "foundations takes four counts");
            for (std::size_t f = 0; f < values.size(); ++f)
                position.foundationCounts[f] = values[f];
        } else if (keyword == "pile") {
            if (values.empty() || values[0] < 1 || values[0] > kPileCount)
                return Fail(error, number, "pile takes its number 1..18 first");
            if (values.size() - 1 > 51)
                return Fail(error, number, "too many cards on one pile");
            position.piles[static_cast<std::size_t>(values[0] - 1)].assign(values.begin() + 1, values.end());
        } else {
            return Fail(error, number, "unknown statement '" + keyword + "'");
        }
    }
    return position;
}

} // namespace lumo
