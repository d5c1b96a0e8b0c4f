#include "Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace Fermalin {

bool LadeQtUebersetzung(QCoreApplication& app)
{
    auto* uebersetzer = new QTranslator(&app);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete uebersetzer;
        return false;
    }
    return QCoreApplication::installTranslator(uebersetzer);
}

} // namespace Fermalin
