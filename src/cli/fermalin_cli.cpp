// Batch program: the household computation and the tax tariff over JSON Lines.
#include "Stapel.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QFile aus;
    if (!aus.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("Die Standardausgabe kann nicht geöffnet werden.\n", stderr);
        return 2;
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        aus.write(Fermalin::StapelHilfe().toUtf8());
        return args.isEmpty() ? 2 : 0;
    }
    Fermalin::TStapelArt art;
    if (args.first() == QLatin1String("berechne"))
        art = Fermalin::TStapelArt::Berechne;
    else if (args.first() == QLatin1String("steuer"))
        art = Fermalin::TStapelArt::Steuer;
    else {
        std::fprintf(stderr, "Unbekannter Befehl \"%s\". Hilfe: fermalin-cli --help\n",
                     qPrintable(args.first()));
        return 2;
    }
    if (args.size() > 2) {
        std::fputs("Zu viele Argumente. Hilfe: fermalin-cli --help\n", stderr);
        return 2;
    }
    QFile ein;
    const bool offen = args.size() == 2
                           ? (ein.setFileName(args.at(1)), ein.open(QIODevice::ReadOnly))
                           : ein.open(stdin, QIODevice::ReadOnly);
    if (!offen) {
        std::fprintf(stderr, "Die Datei \"%s\" kann nicht gelesen werden: %s\n",
                     qPrintable(args.value(1)), qPrintable(ein.errorString()));
        return 2;
    }
    return Fermalin::StapelLaufen(art, ein, aus);
}
