#include "engine/BoardModel.h"

#include "engine/BoardGeometry.h"

#include <stdexcept>

namespace lumo {

BoardModel::BoardModel()
{
    for (int p = 1; p <= kPileCount; ++p) {
        PileFrame(p).left = PileFrameLeft(p);
        PileFrame(p).top = PileFrameTop(p);
    }
    for (int f = 1; f <= kFoundationCount; ++f) {
        FoundationImage(f).left = FoundationLeft(f);
        FoundationImage(f).top = kFoundationTop;
        FoundationImage(f).cursor = PointerShape::Hand;
    }
    status = {kStatusLabelLeft, kStatusLabelTop, "", true, kStatusWhite};
    points = {kScoreLabelLeft, kPointsLabelTop, "Punkte:", true, kScoreLabelColor};
    time = {kScoreLabelLeft, kTimeLabelTop, "Spielzeit:", true, kScoreLabelColor};
    moves = {kScoreLabelLeft, kMovesLabelTop, "Züge:", true, kScoreLabelColor};
    level = {kLevelLabelLeft, LevelLabelTop(1), "1", true, kStatusWhite};
    reshuffleGo = {true, PointerShape::Hand, "Karten neu mischen"};
    reshuffleStop = {false, PointerShape::Arrow, ""};
}

std::size_t BoardModel::Index(int i, int count)
{
    if (i < 1 || i > count)
        throw std::out_of_range("board index out of range");
    return static_cast<std::size_t>(i);
}

} // namespace lumo
