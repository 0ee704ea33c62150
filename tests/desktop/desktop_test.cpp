// SPDX-License-Identifier: GPL-3.0-or-later
// The game on a real X server under a common desktop's settings, one run for each desktop
// (tests/desktop/as-desktop), in each language: every text whole in its box, in the font it really
// got and never smaller than the desktop's; every menu title on a menu bar above the designed field;
// every text, as drawn, at least 4.5 : 1 against its background (WCAG 2.1, level AA).
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTranslator>

#include <algorithm>
#include <cmath>
#include <map>

#include "tests/desktop/desktops.h"
#include "tests/gui/gui_game.h"
#include "toolkit/qt/board.h"
#include "toolkit/qt/texts.h"

namespace tw::gui {
namespace {

double contrast(QRgb a, QRgb b) {
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double c = channel / 255.0;
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    };
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// A text as drawn in `area` of the shot: its background is the commonest colour there, its colour
// the one that stands out most from that (smoothed edges only come closer to the background).
double drawnContrast(const QImage& shot, const QRect& area) {
    const qreal ratio = shot.devicePixelRatio();
    const QRect pixels = QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toRect() & shot.rect();
    std::map<QRgb, int> seen;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) ++seen[shot.pixel(x, y) | 0xff000000u];
    }
    if (seen.empty()) return 0;
    const QRgb background =
        std::max_element(seen.begin(), seen.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
    double most = 1;
    for (const auto& [colour, count] : seen) most = std::max(most, contrast(colour, background));
    return most;
}

// A text the player sees: where it may go, the room it needs, and how it is placed in that room.
struct Text {
    QString text;
    QRect room;
    QSize need;
    int alignment;
};

Text textOf(const QWidget& control) {
    const QFontMetrics metrics(control.font());
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        const int flags = static_cast<int>(label->alignment()) | Qt::TextShowMnemonic |
                          (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label->contentsRect();
        return {label->text(), room, metrics.boundingRect(room, flags, label->text()).size(), flags};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(&control)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        if (button->autoDefault()) option.features |= QStyleOptionButton::AutoDefaultButton;
        return {button->text(), button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button),
                metrics.size(Qt::TextShowMnemonic, button->text()), Qt::AlignCenter};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit);
        return {edit->text(), edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit),
                {metrics.horizontalAdvance(edit->text()), metrics.height()}, Qt::AlignLeft | Qt::AlignVCenter};
    }
    return {};
}

// Every visible label, button and text box of the window holds its text whole and legible.
void expectWholeAndLegible(QWidget& window) {
    ASSERT_TRUE(window.isVisible());
    const QImage shot = window.grab().toImage();
    const qreal desktopPoints = QFontInfo(QApplication::font()).pointSizeF();
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const Text shown = textOf(*control);
        if (shown.text.isEmpty() || !control->isVisible()) continue;
        const std::string what = shown.text.toStdString();
        EXPECT_GE(QFontInfo(control->font()).pointSizeF(), desktopPoints) << what;
        EXPECT_TRUE(shown.need.width() <= shown.room.width() && shown.need.height() <= shown.room.height())
            << what << ": needs " << shown.need.width() << " x " << shown.need.height() << ", has "
            << shown.room.width() << " x " << shown.room.height() << " in " << QFontInfo(control->font()).family().toStdString();
        const QRect drawn = QStyle::alignedRect(control->layoutDirection(), Qt::Alignment(shown.alignment),
                                                shown.need.boundedTo(shown.room.size()), shown.room);
        EXPECT_GE(drawnContrast(shot, drawn.translated(control->mapTo(&window, QPoint(0, 0)))), 4.5) << what;
    }
}

struct OnTheDesktop : ::testing::TestWithParam<const char*> {
    static void SetUpTestSuite() { desktop = startedAs(); }
    static inline const Desktop* desktop = nullptr;

    void SetUp() override {
        if (desktop == nullptr) GTEST_SKIP() << "started as no desktop: run it through tests/desktop/as-desktop";
        const QString family = QString::fromUtf8(desktop->family.data(), static_cast<qsizetype>(desktop->family.size()));
        if (!QFontDatabase::families().contains(family)) {
            GTEST_SKIP() << family.toStdString() << " is not installed (scripts/setup --tests installs it)";
        }
        if (qgetenv("QT_QPA_PLATFORMTHEME") == "gtk3" &&
            !QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platformthemes/libqgtk3.so")) {
            GTEST_SKIP() << "Qt's GTK platform theme is not installed (scripts/setup --tests installs it)";
        }
        // The desktop's settings reached the program.
        ASSERT_EQ(family, QFontInfo(QApplication::font()).family());
        ASSERT_EQ(desktop->dark, QApplication::palette().color(QPalette::Window).lightnessF() < 0.5);
        ASSERT_DOUBLE_EQ(desktop->ratio, qApp->devicePixelRatio());
        // Only this language's translations.
        qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator*>());
        const QString language = QString::fromLatin1(GetParam());
        ASSERT_EQ(language, installTranslations(*QCoreApplication::instance(), QLocale(language)).isEmpty()
                                ? QStringLiteral("en") : language);
    }
};

TEST_P(OnTheDesktop, EveryTextIsWholeAndLegibleAndEveryMenuTitleIsOnTheBar) {
    GuiGame g;
    MainWindow& window = g.window();
    // The designed field fills the window below the menu bar.
    EXPECT_EQ(QSize(152, 195), g.board().clientSize());
    EXPECT_EQ(QRect(0, g.board().y(), window.width(), window.height() - g.board().y()), g.board().geometry());
    // Each of the three titles whole on a shown menu bar, above the field, none over another.
    const QImage shot = window.grab().toImage();
    std::vector<QRect> places;
    for (QMenuBar* bar : window.findChildren<QMenuBar*>()) {
        for (QAction* title : bar->actions()) {
            const std::string what = title->text().toStdString();
            const QRect place = bar->actionGeometry(title);
            EXPECT_TRUE(bar->isVisible() && bar->rect().contains(place)) << what << " is not on its bar";
            places.push_back(place.translated(bar->pos()));
            EXPECT_TRUE(QRect(0, 0, window.width(), g.board().y()).contains(places.back())) << what;
            const QSize need = bar->fontMetrics().size(Qt::TextShowMnemonic, title->text());
            EXPECT_TRUE(need.width() <= place.width() && need.height() <= place.height()) << what;
            EXPECT_GE(drawnContrast(shot, QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, need, places.back())), 4.5)
                << what;
        }
    }
    EXPECT_EQ(3u, places.size());
    for (std::size_t a = 0; a < places.size(); ++a) {
        for (std::size_t b = a + 1; b < places.size(); ++b) EXPECT_FALSE(places[a].intersects(places[b]));
    }
    // The keys reach every title on whichever row: Alt and Help's letter open Help, Right goes on to Game.
    const QMenu* game = window.menus().titles().front()->menu();
    QAction* help = window.menus().titles().back();
    QTest::keySequence(&window, QKeySequence::mnemonic(help->text()));
    ASSERT_TRUE(help->menu()->isVisible());
    QTest::keyClick(help->menu(), Qt::Key_Right);
    EXPECT_TRUE(game->isVisible() && !help->menu()->isVisible());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);

    for (const WindowRow& row : kWindows) {
        if (!row.openedBy) continue;
        window.action(*row.openedBy, 0)->trigger();
        g.settle();
        expectWholeAndLegible(*g.tk.window(row.form));
        g.hands.closeForm(row.form);
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, OnTheDesktop, ::testing::Values("en", "de", "fr", "es", "it", "pt_BR"));

}  // namespace
}  // namespace tw::gui
