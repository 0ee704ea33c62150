// SPDX-License-Identifier: GPL-3.0-or-later
// Run once per language, the language chosen by the environment as a player's desktop would
// (TW_LANGUAGE names the translation that environment must give; "en" for none).
#include <map>

#include "core/outcome.h"
#include "gui_game.h"
#include "toolkit/qt/texts.h"

namespace tw::gui {
namespace {

// What a player of each language sees: the three menus, the Normal game type, the congratulation.
struct Seen {
    QStringList menus;
    QString normal;
    QString won;
    QString wonTitle;
};

const std::map<QString, Seen>& expected() {
    static const std::map<QString, Seen> seen = {
        {"en", {{"Game", "Game Type", "&Help"}, "Normal (rule 00011)",
                "You have solved this level! Congratulations!", "Congratulations!"}},
        {"de", {{"Spiel", "Spielart", "&Hilfe"}, "Normal (Regel 00011)",
                "Du hast dieses Level gelöst! Herzlichen Glückwunsch!", "Herzlichen Glückwunsch!"}},
        {"fr", {{"Partie", "Variante", "&Aide"}, "Normal (règle 00011)",
                "Vous avez résolu ce niveau\u00a0! Félicitations\u00a0!", "Félicitations\u00a0!"}},
        {"es", {{"Juego", "Variante", "&Ayuda"}, "Normal (regla 00011)", "¡Has resuelto este nivel! ¡Enhorabuena!",
                "¡Enhorabuena!"}},
        {"it", {{"Partita", "Variante", "&Aiuto"}, "Normale (regola 00011)",
                "Hai risolto questo livello! Congratulazioni!", "Congratulazioni!"}},
        {"pt_BR", {{"Jogo", "Modalidade", "&Ajuda"}, "Normal (regra 00011)", "Você resolveu este nível! Parabéns!",
                   "Parabéns!"}},
    };
    return seen;
}

struct Language : ::testing::Test {
    // The translation the environment asks for, installed once for the run; "en" for none.
    static void SetUpTestSuite() {
        const QString installed = installTranslations(*QCoreApplication::instance(), playerLocale());
        if (!installed.isEmpty()) language = installed;
    }
    static inline QString language = QStringLiteral("en");
};

TEST_F(Language, MenusAndMessagesSpeakTheEnvironmentsLanguage) {
    ASSERT_EQ(qEnvironmentVariable("TW_LANGUAGE"), language);
    const Seen& want = expected().at(language);
    GuiGame g;
    QStringList menus;
    for (const QAction* action : g.window().menus().titles()) menus << action->text();
    EXPECT_EQ(want.menus, menus);
    EXPECT_EQ(want.normal, g.window().action(MenuItem::mnuGT, 3)->text());

    g.laymines({47, 48, 53, 54, 55, 56, 61, 62, 63, 64});
    auto seen = answerMessageBoxes([&] { g.click(1); });
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ(want.won, seen[0].text);
    EXPECT_EQ(want.wonTitle, seen[0].title);
    EXPECT_EQ(QMessageBox::NoIcon, seen[0].icon);
    EXPECT_FALSE(g.window().second().isActive()) << "the win stops the clock";

    const std::string clue = "You have found the Treasure Hunt's Clue 1! Go to " + std::string(kTreasureAddress) +
                             " for the second clue!";
    seen = answerMessageBoxes([&] { g.tk.messageBox(clue, "Tilewarden", true); });
    ASSERT_EQ(1u, seen.size());
    EXPECT_EQ("Tilewarden", seen[0].title);
    if (language == "en") {
        EXPECT_EQ(QString::fromStdString(clue), seen[0].text);
    } else {
        EXPECT_TRUE(seen[0].text.contains(QString::fromUtf8(kTreasureAddress.data(), kTreasureAddress.size())));
        EXPECT_FALSE(seen[0].text.contains("Treasure")) << seen[0].text.toStdString();
    }
}

}  // namespace
}  // namespace tw::gui
