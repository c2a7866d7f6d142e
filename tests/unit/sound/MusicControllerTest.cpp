#include "sound/MusicController.h"

#include <gtest/gtest.h>

#include <deque>
#include <set>

namespace lumo {
namespace {

struct FakeView : MusicView {
    std::vector<std::string> labels;
    std::string hint = "Musik einschalten";
    bool buttonsVisible = false;
    std::string switchCaption;
    std::string switchHint;
    int mark = -1;
    bool timer = false;
    void SetMusicLabel(const std::string& text) override { labels.push_back(text); }
    void SetMusicLabelHint(const std::string& h) override { hint = h; }
    void SetTrackButtonsVisible(bool v) override { buttonsVisible = v; }
    void SetMusicSwitch(const std::string& c, const std::string& h, int m) override {
        switchCaption = c;
        switchHint = h;
        mark = m;
    }
    void SetMusicTimerEnabled(bool e) override { timer = e; }
    std::string Label() const { return labels.empty() ? "" : labels.back(); }
};

// A sequencer with one device: a second open while one is open is refused,
// as the real player does, so a finished piece is never left open.
struct FakePlayer : MusicPlayer {
    bool open = false;
    bool playing = false;
    std::string openError;
    std::string playError;
    std::vector<std::string> calls;
    std::string Open(const std::string& path) override {
        calls.push_back("open " + path);
        if (!openError.empty()) return openError;
        if (open) return "busy";
        open = true;
        return "";
    }
    std::string Play() override {
        calls.push_back("play");
        if (!playError.empty()) return playError;
        playing = true;
        return "";
    }
    MusicMode Mode() override {
        if (!open) return MusicMode::Failed;
        return playing ? MusicMode::Playing : MusicMode::Stopped;
    }
    bool Close() override {
        calls.push_back("close");
        const bool was = open;
        open = playing = false;
        return was;
    }
    void Finish() { playing = false; }
};

struct FakeStore : TrackStore {
    std::vector<int> saved;
    bool SaveTrack(int track) override {
        saved.push_back(track);
        return true;
    }
    bool FileExists() const override { return !saved.empty(); }
    std::string FilePath() const override { return "/tmp/~LUMO.TMP"; }
};

struct Fixture : ::testing::Test {
    FakeView view;
    FakePlayer player;
    FakeStore store;
    std::deque<int> draws;
    MusicController music{view, player, store, [this] {
                              if (draws.empty()) return 0;
                              const int d = draws.front();
                              draws.pop_front();
                              return d;
                          }};
};

using MusicControllerTest = Fixture;

TEST_F(MusicControllerTest, ButtonsStepAndWrapAround) {
    const struct { int from; bool next; int expected; } cases[] = {
        {9, true, 1}, {1, false, 9}, {0, false, 9}, {0, true, 1}, {4, true, 5}, {4, false, 3}};
    for (const auto& c : cases) {
        music.ResetTracks();
        while (music.CurrentTrack() != c.from) music.LoadTrack(TrackStep::Next);
        if (c.next) music.NextClicked(); else music.PreviousClicked();
        EXPECT_EQ(music.CurrentTrack(), c.expected) << c.from << (c.next ? " >>" : " <<");
        EXPECT_EQ(store.saved.back(), c.expected);
        EXPECT_EQ(view.Label(), "Bitte warten! Musiktitel: " + std::to_string(c.expected) + " wird geladen.");
    }
}

TEST_F(MusicControllerTest, RandomChoiceStartsWithOneNeverRepeatsAndNeverPicksNine) {
    EXPECT_EQ(music.NextRandomTrack(), 1);
    // Draws 0..7 map to 1..8; repeats of the current piece are drawn again.
    draws = {0, 0, 0, 4, 4, 7, 7, 2};
    EXPECT_EQ(music.NextRandomTrack(), 5);
    EXPECT_EQ(music.NextRandomTrack(), 8);
    EXPECT_EQ(music.NextRandomTrack(), 3);

    std::set<int> seen;
    unsigned state = 12345u;
    MusicController lcg(view, player, store, [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 7u);
    });
    int previous = lcg.NextRandomTrack();
    for (int i = 0; i < 500; ++i) {
        const int next = lcg.NextRandomTrack();
        ASSERT_NE(next, previous);
        ASSERT_GE(next, 1);
        ASSERT_LE(next, 8);
        seen.insert(next);
        previous = next;
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST_F(MusicControllerTest, RandomChoiceFromNineAndStuckDrawsStillEnd) {
    while (music.CurrentTrack() != 9) music.LoadTrack(TrackStep::Next);
    draws = {7};
    EXPECT_EQ(music.NextRandomTrack(), 8);
    // A source that keeps returning the current piece must not hang the game.
    MusicController stuck(view, player, store, [] { return 2; });
    stuck.LoadTrack(TrackStep::Next);
    stuck.LoadTrack(TrackStep::Next);
    stuck.LoadTrack(TrackStep::Next);  // current 3, the only draw gives 3
    EXPECT_NE(stuck.NextRandomTrack(), 3);
}

TEST_F(MusicControllerTest, SwitchingOnLoadsThenTicksOpenAndPlayTrackOne) {
    music.ResetTracks();
    music.SetMusic(true);
    EXPECT_EQ(view.Label(), "Bitte warten! Musiktitel: 1 wird geladen.");
    EXPECT_TRUE(view.timer);
    EXPECT_TRUE(view.buttonsVisible);
    EXPECT_EQ(view.switchCaption, "Musik aus");
    EXPECT_EQ(view.switchHint, "Musik ausschalten");
    EXPECT_EQ(view.mark, 1);
    EXPECT_EQ(view.hint, "Musik ausschalten");
    EXPECT_EQ(store.saved, std::vector<int>{1});

    view.labels.clear();
    music.PollMusic();
    EXPECT_EQ(view.labels, (std::vector<std::string>{"Lade Musiktitel: 1", "Spiele Musiktitel: 1"}));
    EXPECT_EQ(player.calls.front(), "open /tmp/~LUMO.TMP");
    EXPECT_TRUE(player.playing);

    view.labels.clear();
    music.PollMusic();  // still playing: nothing happens
    EXPECT_TRUE(view.labels.empty());
}

TEST_F(MusicControllerTest, EndOfPieceClosesAndLoadsRandomNextWhichTheFollowingTickPlays) {
    music.SetMusic(true);
    music.PollMusic();
    player.Finish();
    draws = {5};
    view.labels.clear();
    music.PollMusic();
    EXPECT_FALSE(player.open) << "the finished piece must not stay open";
    EXPECT_EQ(music.CurrentTrack(), 6);
    EXPECT_EQ(store.saved.back(), 6);
    EXPECT_EQ(view.Label(), "Bitte warten! Musiktitel: 6 wird geladen.");
    music.PollMusic();
    EXPECT_EQ(view.Label(), "Spiele Musiktitel: 6");
    EXPECT_TRUE(player.playing);
}

TEST_F(MusicControllerTest, SwitchingOffStopsAtOnceAndEndsWithTheOffText) {
    music.SetMusic(true);
    music.PollMusic();
    view.labels.clear();
    music.StartMidiSound();
    EXPECT_FALSE(music.MusicOn());
    EXPECT_FALSE(player.open);
    EXPECT_EQ(view.labels, (std::vector<std::string>{"Musiktitel: 1 gestoppt", "Musik ausgeschaltet"}));
    EXPECT_FALSE(view.timer);
    EXPECT_FALSE(view.buttonsVisible);
    EXPECT_EQ(view.switchCaption, "Musik ein");
    EXPECT_EQ(view.mark, 0);
    EXPECT_EQ(view.hint, "Musik einschalten");
}

TEST_F(MusicControllerTest, FailuresShowTrimmedTextAndTheNextTickTriesAgain) {
    music.SetMusic(true);
    player.openError = "  Kein Ausgabegerät für Musik vorhanden.\r\n";
    music.PollMusic();
    EXPECT_EQ(view.Label(), "Kein Ausgabegerät für Musik vorhanden.");
    player.openError.clear();
    player.playError = "kaputt ";
    music.PollMusic();
    EXPECT_EQ(view.labels[view.labels.size() - 2], "Lade Musiktitel: 1");
    EXPECT_EQ(view.Label(), "kaputt");
    // Opened but not playing counts as stopped: it is closed and another piece is loaded.
    player.playError.clear();
    draws = {3};
    music.PollMusic();
    EXPECT_FALSE(player.open);
    EXPECT_EQ(music.CurrentTrack(), 4);
}

TEST_F(MusicControllerTest, NothingOpensBeforeTheFileExistsAndAFailedCloseKeepsTheLabel) {
    music.OpenAndPlay();
    EXPECT_TRUE(player.calls.empty());
    view.labels = {"x"};
    music.CloseTrack();
    EXPECT_EQ(view.labels, std::vector<std::string>{"x"});
}

TEST_F(MusicControllerTest, NextWhileOffOnlyLoadsAndSwitchingOnLoadsARandomPiece) {
    music.NextClicked();
    EXPECT_EQ(music.CurrentTrack(), 1);
    EXPECT_EQ(view.Label(), "Bitte warten! Musiktitel: 1 wird geladen.");
    EXPECT_FALSE(player.open);
    draws = {0, 6};
    music.SetMusic(true);
    EXPECT_EQ(music.CurrentTrack(), 7);
    EXPECT_EQ(store.saved, (std::vector<int>{1, 7}));
}

} // namespace
} // namespace lumo
