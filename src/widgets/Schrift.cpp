#include "Schrift.h"

#include <QStringList>

namespace Fermalin {

QFont ProgrammSchrift(int pixelHoehe, bool fett)
{
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("Arial")});
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(pixelHoehe);
    schrift.setBold(fett);
    return schrift;
}

} // namespace Fermalin
