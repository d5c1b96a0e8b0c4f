// Batch program: the window's computations over JSON Lines, without a display.
#include "Befehle.h"

#include "Systemfehler.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace Fermalin {

namespace {

// Qt's warnings are English texts for developers; what the user needs to know
// the program says itself, in German. Only what ends the program gets through.
void NurErnsteMeldungen(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art == QtCriticalMsg || art == QtFatalMsg)
        Melden(text);
}

bool IstHilfe(const QString& a)
{
    return a == QLatin1String("--help") || a == QLatin1String("-h");
}

int Ausfuehren(const QStringList& args, TStapelAusgabe& aus)
{
    if (args.isEmpty() || std::any_of(args.begin(), args.end(), IstHilfe)) {
        QString hilfe = StapelHilfe();
        for (const TBefehl& befehl : Befehle())
            if (befehl.hilfe)
                hilfe += QLatin1Char('\n') + befehl.hilfe();
        aus.write(hilfe.toUtf8());
        return args.isEmpty() ? 2 : 0;
    }
    for (const TBefehl& befehl : Befehle())
        if (args.first() == QLatin1String(befehl.name))
            return befehl.ausfuehren(args.mid(1), aus);
    Melden(
        QStringLiteral("Unbekannter Befehl \"%1\". Hilfe: fermalin-cli --help").arg(args.first()));
    return 2;
}

} // namespace

void Melden(const QString& text)
{
    std::fputs((text + QLatin1Char('\n')).toUtf8().constData(), stderr);
}

bool IstOption(const QString& argument)
{
    return argument.size() > 1 && argument.startsWith(QLatin1Char('-'));
}

bool KeineUnbekannteOption(const QStringList& args)
{
    for (const QString& a : args)
        if (IstOption(a)) {
            Melden(QStringLiteral("Unbekannte Option \"%1\". Hilfe: fermalin-cli --help").arg(a));
            return false;
        }
    return true;
}

TEingabe::~TEingabe()
{
    if (m_eigene)
        ::close(m_fd);
}

bool TEingabe::oeffnen(const QStringList& dateien)
{
    if (dateien.isEmpty()) {
        m_fd = STDIN_FILENO;
        return true;
    }
    m_name = dateien.first();
    do
        m_fd = ::open(QFile::encodeName(m_name).constData(), O_RDONLY | O_CLOEXEC);
    while (m_fd < 0 && errno == EINTR);
    if (m_fd < 0) {
        leseFehlerMelden(errno);
        return false;
    }
    m_eigene = true;
    return true;
}

void TEingabe::leseFehlerMelden(int fehlernummer) const
{
    Melden(!m_name.isEmpty() ? QStringLiteral("Die Datei \"%1\" kann nicht gelesen werden: %2.")
                                   .arg(m_name, Systemgrund(fehlernummer))
                             : QStringLiteral("Die Standardeingabe kann nicht gelesen werden: %1.")
                                   .arg(Systemgrund(fehlernummer)));
}

int ZeilenLaufen(const QStringList& dateien, const TZeilenFunktion& zeile, TStapelAusgabe& aus)
{
    if (!KeineUnbekannteOption(dateien))
        return 2;
    if (dateien.size() > 1) {
        Melden(QStringLiteral("Zu viele Argumente. Hilfe: fermalin-cli --help"));
        return 2;
    }
    TEingabe eingabe;
    if (!eingabe.oeffnen(dateien))
        return 2;
    TZeilenLeser ein(eingabe.fd());
    const int status = StapelLaufen(zeile, ein, aus);
    if (ein.fehlernummer() != 0)
        eingabe.leseFehlerMelden(ein.fehlernummer());
    return status;
}

const QList<TBefehl>& Befehle()
{
    static const QList<TBefehl> befehle = {
        {"berechne", [](const QStringList& args,
                        TStapelAusgabe& aus) { return ZeilenLaufen(args, BerechneZeile, aus); }},
        {"steuer", [](const QStringList& args,
                      TStapelAusgabe& aus) { return ZeilenLaufen(args, SteuerZeile, aus); }},
        {"angebot", AngebotBefehl, AngebotHilfe},
        {"bericht", BerichtBefehl, BerichtHilfe},
    };
    return befehle;
}

} // namespace Fermalin

int main(int argc, char** argv)
{
    // A closed reader or the file-size limit is a failed write like any other:
    // reported in German with exit status 2, not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    qInstallMessageHandler(Fermalin::NurErnsteMeldungen);
    const auto app = Fermalin::AnwendungErzeugen(argc, argv);
    Fermalin::TStapelAusgabe aus(STDOUT_FILENO);
    const int status = Fermalin::Ausfuehren(QCoreApplication::arguments().mid(1), aus);
    if (!aus.abschliessen()) {
        Fermalin::Melden(aus.meldung());
        return 2;
    }
    return status;
}
