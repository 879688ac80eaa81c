#include "adapters/FrenchTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace areamaker {

bool installFrenchTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Dates and numbers that Qt's dialogs show follow French usage as well.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    return QCoreApplication::installTranslator(translator);
}

} // namespace areamaker
