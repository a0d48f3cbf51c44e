#include "ui/translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace wingmap {

bool installTranslations(QCoreApplication &app, const QLocale &locale)
{
    // The translators belong to the application and live as long as it.
    auto *own = new QTranslator(&app);
    if (!own->load(locale, "wingmap", "_", ":/i18n")) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);

    // Qt's dialogs (the file dialog, message boxes) only in a language the
    // program speaks too, so that a window never mixes two languages.
    auto *qt = new QTranslator(&app);
    if (qt->load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

} // namespace wingmap
