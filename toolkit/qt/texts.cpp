// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/qt/texts.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <array>
#include <memory>

namespace tw {

namespace {

// The game logic passes English texts and so stays free of Qt; lupdate reads them from this table.
constexpr std::array<const char*, 4> kLogicTexts = {
    QT_TRANSLATE_NOOP("tw::Texts", "You have solved this level! Congratulations!"),
    QT_TRANSLATE_NOOP("tw::Texts", "Congratulations!"),
    QT_TRANSLATE_NOOP("tw::Texts", "Tilewarden"),
    QT_TRANSLATE_NOOP("tw::Texts", "You have found the Treasure Hunt's Clue 1! Go to %1 for the second clue!"),
};

// The shipped translation that serves one of the locale's languages ("pt-BR", "de-DE"), if any.
QString shippedFor(const QString& language) {
    QString name = language;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    for (;;) {
        if (QFile::exists(QStringLiteral(":/i18n/tilewarden_%1.qm").arg(name))) return name;
        const qsizetype cut = name.lastIndexOf(QLatin1Char('_'));
        if (cut < 0) return {};
        name.truncate(cut);
    }
}

}  // namespace

QLocale playerLocale() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (value.isEmpty()) continue;
        const QString name = value.section(QLatin1Char('.'), 0, 0);
        if (name == QLatin1String("C") || name == QLatin1String("POSIX")) return QLocale::c();
        return QLocale::system();
    }
    return QLocale::c();
}

QString installTranslations(QCoreApplication& app, const QLocale& locale) {
    if (locale.language() == QLocale::C) return {};
    for (const QString& language : locale.uiLanguages()) {
        if (QLocale(language).language() == QLocale::English) return {};
        const QString name = shippedFor(language);
        if (name.isEmpty()) continue;
        auto own = std::make_unique<QTranslator>();
        if (!own->load(QStringLiteral(":/i18n/tilewarden_%1.qm").arg(name))) return {};
        own->setParent(&app);
        QCoreApplication::installTranslator(own.release());
        // Qt's standard buttons only in a language the rest of the program speaks too.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QStringLiteral("qtbase_%1").arg(name), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            qt->setParent(&app);
            QCoreApplication::installTranslator(qt.release());
        }
        return name;
    }
    return {};
}

QString translated(std::string_view english) {
    const QString text = QString::fromUtf8(english.data(), static_cast<qsizetype>(english.size()));
    for (const char* entry : kLogicTexts) {
        const QLatin1StringView source(entry);
        const qsizetype hole = source.indexOf(QLatin1StringView("%1"));
        if (hole < 0) {
            if (text == source) return QCoreApplication::translate("tw::Texts", entry);
            continue;
        }
        // The %1 stands for whatever the logic put between the entry's two halves.
        const QLatin1StringView head = source.left(hole);
        const QLatin1StringView tail = source.sliced(hole + 2);
        if (text.size() >= head.size() + tail.size() && text.startsWith(head) && text.endsWith(tail)) {
            const QString inner = text.sliced(head.size(), text.size() - head.size() - tail.size());
            return QCoreApplication::translate("tw::Texts", entry).arg(inner);
        }
    }
    return text;
}

QString translated(const Caption& caption) { return QCoreApplication::translate(caption.context, caption.text); }

}  // namespace tw
