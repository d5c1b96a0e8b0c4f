// Batch program: the window's computations over JSON Lines, without a display.
#include "Befehle.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <csignal>
#include <cstdio>

#include <unistd.h>

namespace Fermalin {

bool EingabeOeffnen(const QStringList& dateien, QFile& ein)
{
    const bool offen = dateien.size() == 1
                           ? (ein.setFileName(dateien.first()), ein.open(QIODevice::ReadOnly))
                           // by descriptor: the stdio route would end a line at a NUL byte
                           : ein.open(STDIN_FILENO, QIODevice::ReadOnly);
    if (!offen)
        std::fprintf(stderr, "Die Datei \"%s\" kann nicht gelesen werden: %s\n",
                     qPrintable(dateien.value(0)), qPrintable(ein.errorString()));
    return offen;
}

int ZeilenLaufen(const QStringList& dateien, const TZeilenFunktion& zeile, QIODevice& aus)
{
    if (dateien.size() > 1) {
        std::fputs("Zu viele Argumente. Hilfe: fermalin-cli --help\n", stderr);
        return 2;
    }
    QFile ein;
    if (!EingabeOeffnen(dateien, ein))
        return 2;
    return StapelLaufen(zeile, ein, aus);
}

const QList<TBefehl>& Befehle()
{
    static const QList<TBefehl> befehle = {
        {"berechne", [](const QStringList& args,
                        QIODevice& aus) { return ZeilenLaufen(args, BerechneZeile, aus); }},
        {"steuer", [](const QStringList& args,
                      QIODevice& aus) { return ZeilenLaufen(args, SteuerZeile, aus); }},
        {"angebot", AngebotBefehl, AngebotHilfe},
        {"bericht", BerichtBefehl, BerichtHilfe},
    };
    return befehle;
}

} // namespace Fermalin

int main(int argc, char** argv)
{
    // A file-size limit fails the write, which is reported, instead of killing us.
    std::signal(SIGXFSZ, SIG_IGN);
    // Qt's own English warnings (no desktop session, a damaged picture) are no
    // news to the caller: what went wrong is said in German in the answer.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    const auto app = Fermalin::AnwendungErzeugen(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    QFile aus;
    if (!aus.open(stdout, QIODevice::WriteOnly)) {
        std::fputs("Die Standardausgabe kann nicht geöffnet werden.\n", stderr);
        return 2;
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        QString hilfe = Fermalin::StapelHilfe();
        for (const Fermalin::TBefehl& befehl : Fermalin::Befehle())
            if (befehl.hilfe)
                hilfe += QLatin1Char('\n') + befehl.hilfe();
        aus.write(hilfe.toUtf8());
        return args.isEmpty() ? 2 : 0;
    }
    for (const Fermalin::TBefehl& befehl : Fermalin::Befehle())
        if (args.first() == QLatin1String(befehl.name))
            return befehl.ausfuehren(args.mid(1), aus);
    std::fprintf(stderr, "Unbekannter Befehl \"%s\". Hilfe: fermalin-cli --help\n",
                 qPrintable(args.first()));
    return 2;
}
