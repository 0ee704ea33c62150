// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "headless_game.h"

namespace tw {
namespace {

using testing::HeadlessGame;

struct Entry {
    std::string width, height, mines;
    int across, down, totalmines;
    // Each value told as taken otherwise than typed: W, H or M, the value, and + for the largest,
    // - the smallest, = the usual width.
    std::string told;
};

std::string toldText(const std::vector<HeadlessToolkit::Told>& told) {
    std::string text;
    for (const auto& [box, value, taken] : told) {
        text += std::string(text.empty() ? "" : " ") + "WHM"[static_cast<int>(box)] + std::to_string(value) +
                "+-="[static_cast<int>(taken)];
    }
    return text;
}

// Without a message; a screen reader hears of each value taken at a limit.
TEST(CustomField, OKCorrectsEntriesAndTellsTheLimitsReached) {
    const std::vector<Entry> entries = {
        {"4.9", "5", "10", 8, 5, 10, "W8="}, {"38", "10", "20", 37, 10, 20, "W37+"},
        {"20", "30", "20", 20, 27, 20, "H27+"}, {"10", "10", "0", 10, 10, 1, "M1-"},
        {"10", "10", "150", 10, 10, 99, "M99+"}, {"", "", "", 8, 1, 1, "W8= H1- M1-"},
        {"10", "0.5", "3", 10, 1, 3, "H1-"}, {"10.5", "2.9", "100", 10, 2, 19, "M19+"},
        {"12 columns", "abc", "-3", 12, 1, 1, "H1- M1-"}, {"1e999", "-1e999", "1e999", 37, 1, 36, "W37+ H1- M36+"},
        {"-1e999", "&H1B", "&O777", 8, 27, 215, "W8= M215+"}, {"5", "2", "9", 5, 2, 9, ""},
    };
    for (const Entry& e : entries) {
        HeadlessGame g;
        g.tk.choose(MenuItem::mnuHard);
        g.tk.choose(MenuItem::mnuCustom);
        EXPECT_EQ("30 16 99", g.tk.text(TextBox::Acr) + " " + g.tk.text(TextBox::Dwn) + " " + g.tk.text(TextBox::TM))
            << "the dialog opens with the field in play";
        g.tk.typeText(TextBox::Acr, e.width);
        g.tk.typeText(TextBox::Dwn, e.height);
        g.tk.typeText(TextBox::TM, e.mines);
        g.tk.pressOK();
        SCOPED_TRACE(e.width + " / " + e.height + " / " + e.mines);
        EXPECT_EQ(std::tuple(e.across, e.down, e.totalmines, e.told),
                  std::tuple(g.s().across, g.s().down, g.s().totalmines, toldText(g.tk.taken())));
        EXPECT_TRUE(g.tk.messages().empty());
        EXPECT_EQ(16 * e.across + 24, g.tk.clientWidth());
        EXPECT_TRUE(g.tk.isChecked(MenuItem::mnuCustom, 0));
        g.tk.click(1);
        EXPECT_TRUE(g.s().minesplaced) << "a full field still leaves the first cell free";
    }
}

TEST(CustomField, CancelLeavesAWonGameWonAndALevelStartsAnUnwonOne) {
    HeadlessGame g;
    g.newfield(5, 1, 1);
    g.laymines({5});
    g.tk.click(1);
    ASSERT_TRUE(g.s().won);
    g.tk.choose(MenuItem::mnuCustom);
    g.tk.pressCancel();
    g.tk.click(5);
    EXPECT_EQ(pictures::kCool, g.tk.picture(Elem::Smile)) << "a click on the won field keeps the winning face";
    g.tk.choose(MenuItem::mnuBeginner);
    g.tk.click(1, kRightButton);
    EXPECT_EQ(pictures::kSmiling, g.tk.picture(Elem::Smile)) << "a level chosen after a win starts an unwon game";
}

}  // namespace
}  // namespace tw
