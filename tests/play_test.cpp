// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/outcome.h"
#include "headless_game.h"
#include "input/keys.h"

namespace tw {
namespace {

using testing::HeadlessGame;

TEST(Release, TheFirstReleaseOfAnyButtonPlacesMinesAwayFromItsCell) {
    for (int button : {kLeftButton, kRightButton, kMiddleButton}) {
        for (int seed = 1; seed <= 20; ++seed) {
            HeadlessGame g;
            g.s().fixedseed = static_cast<std::uint64_t>(seed);
            g.newfield(5, 2, 9);
            g.tk.click(7, button);
            EXPECT_TRUE(g.s().minesplaced);
            EXPECT_FALSE(g.s().mine[7]);
            int mines = 0;
            for (int c = 1; c <= 10; ++c) mines += g.s().mine[c];
            EXPECT_EQ(9, mines);
        }
    }
}

TEST(Release, AFirstReleaseOnACounterSparesNoCell) {
    HeadlessGame g;
    g.newfield(5, 1, 4);
    g.tk.click(6, kLeftButton);
    int mines = 0;
    for (int c = 1; c <= 5; ++c) mines += g.s().mine[c];
    EXPECT_EQ(4, mines);
    EXPECT_FALSE(g.tk.timerEnabled()) << "a counter place is not a cell";
}

TEST(Release, OnlyALeftReleaseOnACellStartsTheClock) {
    HeadlessGame g;
    g.laymines({1, 2});
    g.tk.click(10, kRightButton);
    g.tk.click(11, kMiddleButton);
    EXPECT_EQ("000", g.counter(false));
    EXPECT_FALSE(g.tk.timerEnabled());
    g.tk.click(10, kLeftButton);
    EXPECT_TRUE(g.tk.timerEnabled()) << "even a left release on a flag starts the clock";
    EXPECT_EQ(401, g.cellpicture(10));
    EXPECT_EQ("001", g.counter(false));
    g.tk.tick();
    EXPECT_EQ("002", g.counter(false));
    g.s().seconds = 998;
    g.tk.tick();
    g.tk.tick();
    EXPECT_EQ("999", g.counter(false));
    EXPECT_EQ(999, g.s().seconds);
}

TEST(Release, RightClicksStepThroughTheMarks) {
    HeadlessGame g;
    g.laymines({64});
    g.tk.click(5, kRightButton);
    g.tk.click(5, kRightButton);
    EXPECT_EQ(400, g.cellpicture(5)) << "without Marks a flag comes straight off";
    EXPECT_EQ(10, g.s().minesleft);

    g.tk.choose(MenuItem::mnuMarks);
    ASSERT_TRUE(g.tk.isChecked(MenuItem::mnuMarks, 0));
    std::vector<int> pictures;
    std::vector<std::string> counters;
    for (int k = 0; k < 3; ++k) {
        g.tk.click(5, kRightButton);
        pictures.push_back(g.cellpicture(5));
        counters.push_back(g.counter(true));
    }
    EXPECT_EQ((std::vector<int>{401, 405, 400}), pictures);
    EXPECT_EQ((std::vector<std::string>{"009", "010", "010"}), counters);

    g.tk.click(5, kRightButton);
    g.tk.click(5, kRightButton);
    g.tk.press(5, kMiddleButton);
    EXPECT_EQ(406, g.cellpicture(5)) << "a held question mark looks pressed";
    g.tk.release(5, kMiddleButton);
    EXPECT_EQ(406, g.cellpicture(5));
    g.tk.click(5, kLeftButton);
    EXPECT_TRUE(g.s().opened[5]) << "a question-marked cell opens";

    g.tk.clickFace();
    EXPECT_FALSE(g.tk.isChecked(MenuItem::mnuMarks, 0)) << "every new game starts without Marks";
}

TEST(Counters, NegativeCountsShowAMinusInPlaceOfTheHundreds) {
    HeadlessGame g;
    g.laymines({1});
    const std::vector<std::pair<int, std::string>> forms = {
        {10, "010"}, {0, "000"}, {-1, "-01"}, {-99, "-99"}, {-100, "-00"}, {-123, "-23"}};
    for (const auto& [value, shown] : forms) {
        g.s().minesleft = value;
        g.game.screen().showmines();
        EXPECT_EQ(shown, g.counter(true)) << value;
    }
    g.newfield(8, 8, 10);
    g.laymines({1});
    for (int c = 50; c < 65; ++c) g.tk.click(c, kRightButton);
    EXPECT_EQ("-05", g.counter(true));
    for (int c = 50; c < 55; ++c) g.tk.click(c, kRightButton);
    EXPECT_EQ("000", g.counter(true)) << "going back to zero redraws all three places";
}

TEST(Face, PressesAndReleasesShowTheMomentsOfTheGame) {
    HeadlessGame g;
    g.laymines({64});
    g.tk.press(1);
    EXPECT_EQ(103, g.tk.picture(Elem::Smile));
    g.tk.release(1);
    EXPECT_EQ(101, g.tk.picture(Elem::Smile));
    g.tk.press(70);
    EXPECT_EQ(103, g.tk.picture(Elem::Smile)) << "the counter places take presses too";
    g.tk.release(70);
    g.tk.pressFace(kRightButton);
    EXPECT_EQ(102, g.tk.picture(Elem::Smile));
    EXPECT_FALSE(g.s().minesplaced);
    g.tk.releaseFace(kRightButton);
    EXPECT_EQ(pictures::kBuiltInFace, g.tk.picture(Elem::Smile));
    EXPECT_TRUE(g.s().playing);
}

TEST(Loss, ShowsWrongFlagsUnmarkedMinesAndTheMineThatWasHit) {
    HeadlessGame g;
    g.laymines({1, 2, 3, 4});
    g.tk.click(9, kLeftButton);
    g.tk.choose(MenuItem::mnuMarks);
    g.tk.click(2, kRightButton);                    // flag on a mine
    g.tk.click(3, kRightButton);
    g.tk.click(3, kRightButton);                    // question mark on a mine
    g.tk.click(20, kRightButton);                   // flag on a safe cell
    g.tk.click(21, kRightButton);
    g.tk.click(21, kRightButton);                   // question mark on a safe cell
    g.tk.tick();
    const std::string seconds = g.counter(false);
    g.tk.click(4, kLeftButton);
    EXPECT_FALSE(g.s().playing);
    EXPECT_FALSE(g.s().won);
    EXPECT_EQ(402, g.cellpicture(1));
    EXPECT_EQ(401, g.cellpicture(2));
    EXPECT_EQ(405, g.cellpicture(3));
    EXPECT_EQ(403, g.cellpicture(4));
    EXPECT_EQ(404, g.cellpicture(20));
    EXPECT_EQ(405, g.cellpicture(21));
    EXPECT_EQ(400, g.cellpicture(30));
    EXPECT_EQ(104, g.tk.picture(Elem::Smile));
    EXPECT_FALSE(g.tk.timerEnabled());
    EXPECT_TRUE(g.tk.messages().empty());

    g.tk.click(30, kLeftButton);
    g.tk.click(31, kRightButton);
    EXPECT_EQ(400, g.cellpicture(30));
    EXPECT_EQ(400, g.cellpicture(31));
    EXPECT_EQ(101, g.tk.picture(Elem::Smile)) << "after a loss a release puts the normal face back";
    EXPECT_EQ(seconds, g.counter(false));
}

TEST(Win, OpeningTheLastSafeCellWinsOnceWithoutFlags) {
    HeadlessGame g;
    g.newfield(5, 1, 1);
    g.laymines({2});
    g.tk.click(3);
    EXPECT_TRUE(g.s().playing) << "cells 1, 4 and 5 are still covered";
    g.tk.click(4, kRightButton);
    g.tk.click(4, kLeftButton);
    EXPECT_TRUE(g.s().playing) << "a flag keeps its cell shut";
    g.tk.click(4, kRightButton);
    g.tk.click(4, kLeftButton);
    g.tk.click(1);
    ASSERT_TRUE(g.s().won);
    EXPECT_FALSE(g.s().playing);
    EXPECT_EQ(105, g.tk.picture(Elem::Smile));
    EXPECT_EQ(400, g.cellpicture(2)) << "a win flags nothing";
    ASSERT_EQ(1u, g.tk.messages().size());
    EXPECT_EQ("You have solved this level! Congratulations!", g.tk.messages()[0].text);
    EXPECT_EQ("Congratulations!", g.tk.messages()[0].title);
    EXPECT_FALSE(g.tk.messages()[0].information);
    EXPECT_FALSE(g.tk.timerEnabled());
    g.tk.click(2);
    EXPECT_EQ(105, g.tk.picture(Elem::Smile)) << "the winning face stays";
    EXPECT_EQ(400, g.cellpicture(2));
}

TEST(Win, TheClueFollowsOnlyAnExpertAdjacentWin) {
    struct Case {
        bool expert;
        int mask;
        std::size_t messages;
    };
    for (const Case& c : {Case{true, 1, 2}, Case{true, 3, 1}, Case{false, 1, 1}}) {
        HeadlessGame g;
        if (c.expert) {
            g.tk.choose(MenuItem::mnuHard);
        } else {
            g.newfield(30, 16, 99, 1);
        }
        g.tk.choose(MenuItem::mnuGT, c.mask);
        // One mine is enough to play the level's win through to its messages.
        g.s().totalmines = 1;
        g.laymines({480});
        g.tk.click(1);
        ASSERT_EQ(c.messages, g.tk.messages().size());
        if (c.messages == 2) {
            const auto& clue = g.tk.messages()[1];
            EXPECT_EQ("Tilewarden", clue.title);
            EXPECT_TRUE(clue.information);
            EXPECT_EQ("You have found the Treasure Hunt's Clue 1! Go to " + std::string(kTreasureAddress) +
                          " for the second clue!",
                      clue.text);
        }
    }
}

TEST(Keys, HoldingHShowsACrosshairOverEveryMine) {
    HeadlessGame g;
    g.tk.keyDown(kKeyH);
    EXPECT_EQ(Pointer::Arrow, g.tk.element(Elem::Box, 1).pointer) << "no mines before the first click";
    g.laymines({1, 64});
    g.tk.keyDown(kKeyH, 1);
    g.tk.keyDown(kKeyH, 1);
    EXPECT_EQ(Pointer::Cross, g.tk.element(Elem::Box, 1).pointer);
    EXPECT_EQ(Pointer::Cross, g.tk.element(Elem::Box, 64).pointer);
    EXPECT_EQ(Pointer::Arrow, g.tk.element(Elem::Box, 2).pointer);
    g.tk.keyUp(71);
    EXPECT_EQ(Pointer::Cross, g.tk.element(Elem::Box, 64).pointer) << "other keys change nothing";
    g.tk.keyUp(kKeyH);
    EXPECT_EQ(Pointer::Arrow, g.tk.element(Elem::Box, 64).pointer);
}

}  // namespace
}  // namespace tw

namespace tw {
namespace {

using Set = HeadlessToolkit::PictureSet;

std::vector<Set> sets(HeadlessGame& g, int cell, int button) {
    g.tk.press(cell, button);
    g.tk.clearPictureLog();
    g.tk.release(cell, button);
    return g.tk.pictureLog();
}

TEST(Release, SetsItsPicturesInTheOrderOfItsSteps) {
    HeadlessGame g;
    g.newfield(5, 2, 2);
    g.laymines({1, 2});
    // Face first, then the clock's units place, then the cell and its cascade.
    EXPECT_EQ((std::vector<Set>{{Elem::Smile, 0, 101}, {Elem::Box, 16, 201}, {Elem::Box, 3, 301}}),
              sets(g, 3, kLeftButton));

    g.s().minesleft = 0;
    EXPECT_EQ((std::vector<Set>{{Elem::Smile, 0, 101}, {Elem::Box, 4, 401}, {Elem::Box, 12, 200},
                                {Elem::Box, 13, 201}, {Elem::Box, 11, 210}}),
              sets(g, 4, kRightButton))
        << "a negative count draws tens and units, then the minus sign";

    g.tk.click(6, kRightButton);
    const auto loss = sets(g, 2, kLeftButton);
    EXPECT_EQ((std::vector<Set>{{Elem::Smile, 0, 101}, {Elem::Box, 1, 402}, {Elem::Box, 2, 402},
                                {Elem::Box, 4, 404}, {Elem::Box, 6, 404}, {Elem::Box, 2, 403},
                                {Elem::Smile, 0, 104}}),
              loss)
        << "the sweep runs in cell order and the hit mine comes after it";
}

}  // namespace
}  // namespace tw
