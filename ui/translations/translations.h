#ifndef WINGMAP_TRANSLATIONS_H
#define WINGMAP_TRANSLATIONS_H

class QCoreApplication;
class QLocale;

namespace wingmap {

// Installs the program's translation for the locale's language, and Qt's own
// for its dialogs, when there is one; otherwise the texts stay English. The
// window's fixed captions and labels are never translated, and numbers keep
// "." whatever the language. Returns whether the program's translation was
// found.
bool installTranslations(QCoreApplication &app, const QLocale &locale);

} // namespace wingmap

#endif
