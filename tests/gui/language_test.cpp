// SPDX-License-Identifier: GPL-3.0-or-later
// Run once per language, the language chosen by the environment as a player's desktop would
// (TW_LANGUAGE names the translation that environment must give; "en" for none).
#include <map>

#include "core/outcome.h"
#include "gui_game.h"
#include "toolkit/qt/texts.h"

namespace tw::gui {
namespace {

// What a player of each language sees: the three menus, the Normal game type, the congratulation's
// title and text, and the congratulation's icon (none).
const std::map<QString, QStringList> kSeen = {
    {"en", {"Game", "Game Type", "&Help", "Normal (rule 00011)", "Congratulations!",
            "You have solved this level! Congratulations!", "0"}},
    {"de", {"Spiel", "Spielart", "&Hilfe", "Normal (Regel 00011)", "Herzlichen Glückwunsch!",
            "Du hast dieses Level gelöst! Herzlichen Glückwunsch!", "0"}},
    {"fr", {"Partie", "Variante", "&Aide", "Normal (règle 00011)", "Félicitations\u00a0!",
            "Vous avez résolu ce niveau\u00a0! Félicitations\u00a0!", "0"}},
    {"es", {"Juego", "Variante", "&Ayuda", "Normal (regla 00011)", "¡Enhorabuena!",
            "¡Has resuelto este nivel! ¡Enhorabuena!", "0"}},
    {"it", {"Partita", "Variante", "&Aiuto", "Normale (regola 00011)", "Congratulazioni!",
            "Hai risolto questo livello! Congratulazioni!", "0"}},
    {"pt_BR", {"Jogo", "Modalidade", "&Ajuda", "Normal (regra 00011)", "Parabéns!",
               "Você resolveu este nível! Parabéns!", "0"}},
};

TEST(Language, MenusAndMessagesSpeakTheEnvironmentsLanguage) {
    const QString installed = installTranslations(*QCoreApplication::instance(), playerLocale());
    const QString language = installed.isEmpty() ? QStringLiteral("en") : installed;
    ASSERT_EQ(qEnvironmentVariable("TW_LANGUAGE"), language);
    GuiGame g;
    QStringList seen;
    for (const QAction* action : g.window().menus().titles()) seen << action->text();
    seen << g.window().action(MenuItem::mnuGT, 3)->text();
    const MessageBoxAnswerer answerer(
        [&seen](QMessageBox& box) { seen << box.windowTitle() << box.text() << QString::number(box.icon()); });
    g.laymines({47, 48, 53, 54, 55, 56, 61, 62, 63, 64});
    g.click(1);
    EXPECT_EQ(kSeen.at(language), seen);
    EXPECT_FALSE(g.window().second().isActive()) << "the win stops the clock";

    const std::string clue = "You have found the Treasure Hunt's Clue 1! Go to " + std::string(kTreasureAddress) +
                             " for the second clue!";
    seen.clear();
    g.tk.messageBox(clue, "Tilewarden", true);
    ASSERT_EQ(3, seen.size());
    EXPECT_EQ("Tilewarden", seen[0]);
    if (language == "en") {
        EXPECT_EQ(QString::fromStdString(clue), seen[1]);
    } else {
        EXPECT_TRUE(seen[1].contains(QString::fromUtf8(kTreasureAddress.data(), kTreasureAddress.size())));
        EXPECT_FALSE(seen[1].contains("Treasure")) << seen[1].toStdString();
    }
}

}  // namespace
}  // namespace tw::gui
