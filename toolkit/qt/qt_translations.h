#pragma once

class QLocale;

namespace tk::qt {

// Makes the program speak the locale's language: Parvok's own texts from its resources
// (":/i18n/parvok_<language>.qm", made from i18n/*.ts) and Qt's for its standard dialogs, installed
// in place of any installed before, with the resources' language-specific files (the About page)
// chosen for that locale too. English is the source and needs no file. Returns whether Parvok's
// own translation was found.
bool InstallTranslations(const QLocale& locale);

} // namespace tk::qt
