// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>

#include <string_view>

#include "toolkit/design.h"

class QCoreApplication;

namespace tw {

// The locale whose language the player reads: the system's, except that the C and POSIX
// locales mean the program's own English whatever LANGUAGE says, as with gettext.
QLocale playerLocale();

// Installs the program's translation for `locale`, with Qt's own for its standard buttons, when
// the locale asks for a language other than English that the program ships. Returns the name
// of the translation loaded ("de", "pt_BR"), or an empty string when the program stays English.
QString installTranslations(QCoreApplication& app, const QLocale& locale);

// A text the game logic passed in English, in the player's language.
QString translated(std::string_view english);

// A caption of the windows' tables, in the player's language.
QString translated(const Caption& caption);

}  // namespace tw
