#include "toolkit/qt/qt_translations.h"

#include "toolkit/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace tk::qt {

namespace {

// Replaces the translator in the slot by one loaded for the locale, or by none.
bool Reinstall(std::unique_ptr<QTranslator>& slot, const QLocale& locale, const QString& name,
               const QString& folder) {
    if (slot)
        QCoreApplication::removeTranslator(slot.get());
    slot = std::make_unique<QTranslator>();
    if (!slot->load(locale, name, QStringLiteral("_"), folder)) {
        slot.reset();
        return false;
    }
    QCoreApplication::installTranslator(slot.get());
    return true;
}

} // namespace

bool InstallTranslations(const QLocale& locale) {
    static std::unique_ptr<QTranslator> own;
    static std::unique_ptr<QTranslator> qts;
    QLocale::setDefault(locale); // the resources pick their language by the default locale
    Reinstall(qts, locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    const bool found = Reinstall(own, locale, QStringLiteral("parvok"), QStringLiteral(":/i18n"));
    const auto lookUp = [](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    };
    // Without a translation the sources are the texts: nothing to look up.
    tk::SetTranslator(found ? tk::Translator(lookUp) : tk::Translator());
    return found;
}

} // namespace tk::qt
