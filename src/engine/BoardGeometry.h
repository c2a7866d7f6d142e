#pragma once
// Where things lie on the card table, in its logical pixel coordinates.

namespace lumo {

constexpr int kCardWidth = 71;
constexpr int kCardHeight = 96;
constexpr int kFrameWidth = 86;
constexpr int kFrameHeight = 110;
// A card lies this far inside its frame.
constexpr int kCardInsetX = 7;
constexpr int kCardInsetY = 8;

// Piles 1-6 form the first row, 7-12 the second, 13-18 the third.
constexpr int PileFrameLeft(int pile) { return 25 + 120 * ((pile - 1) % 6); }
constexpr int PileFrameTop(int pile) { return 125 + 115 * ((pile - 1) / 6); }

constexpr int FoundationLeft(int foundation) { return 25 + 120 * foundation; }
constexpr int kFoundationTop = 5;

// Drops above this line are refused.
constexpr int kDropLineY = 140;

// Where the gathered cards wait during a reshuffle.
constexpr int kGatherLeft = 35;
constexpr int kGatherTop = 25;

// Reshuffle images bild_go and bild_stop share one place.
constexpr int kReshuffleImageLeft = 32;
constexpr int kReshuffleImageTop = 20;
constexpr int kStatusLabelLeft = 24;
constexpr int kStatusLabelTop = 94;

// Score box labels.
constexpr int kScoreLabelLeft = 608;
constexpr int kPointsLabelTop = 7;
constexpr int kTimeLabelTop = 20;
constexpr int kMovesLabelTop = 34;

// Level marker beside the level buttons.
constexpr int kLevelLabelLeft = 131;
constexpr int LevelLabelTop(int level) { return 29 + 23 * (level - 1) + 2; }

} // namespace lumo
