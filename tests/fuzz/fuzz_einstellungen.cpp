// Any bytes as a settings file. Compared with the input itself: read and
// written back unchanged it gives the very same bytes, and after a save of all
// settings every line the program does not own is still there, in its order,
// byte for byte. Reading and saving again changes nothing more.
#include "Einstellungsdatei.h"
#include "IniDatei.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

namespace {

using namespace Fermalin;

bool gleich(const QString& a, const char* b)
{
    return a.compare(QLatin1String(b), Qt::CaseInsensitive) == 0;
}

// The lines of a file the program does not own, each without its line end. A
// plain reading of the format, kept apart from the reader under test: a header
// is a line that, trimmed, starts with "[" and holds a "]"; a key is what stands
// before the first "=" of a line that does not start with ";".
QList<QByteArray> fremdeZeilen(const QByteArray& bytes)
{
    QList<QByteArray> stuecke = bytes.split('\n');
    if (bytes.isEmpty() || bytes.endsWith('\n'))
        stuecke.removeLast(); // no line follows the last line end
    QList<QByteArray> fremd;
    QString abschnitt;
    bool kopf = false;
    for (qsizetype i = 0; i < stuecke.size(); ++i) {
        QByteArray zeile = stuecke.at(i);
        // a CR belongs to the line end only where a LF follows
        const bool beendet = i + 1 < stuecke.size() || bytes.endsWith('\n');
        if (beendet && zeile.endsWith('\r'))
            zeile.chop(1);
        const QString text = Windows1252Decodieren(zeile);
        const QString getrimmt = text.trimmed();
        const bool istKopf =
            getrimmt.startsWith(QLatin1Char('[')) && getrimmt.contains(QLatin1Char(']'));
        if (istKopf) {
            abschnitt = getrimmt.mid(1, getrimmt.indexOf(QLatin1Char(']')) - 1).trimmed();
            kopf = true;
        }
        const bool ganzEigen = kopf && (gleich(abschnitt, "Daten") || gleich(abschnitt, "Angebot"));
        const bool mitEigenenSchluesseln =
            kopf && (gleich(abschnitt, "Sonstige Daten") || gleich(abschnitt, "Startfenster"));
        if (ganzEigen || (istKopf && mitEigenenSchluesseln))
            continue;
        if (mitEigenenSchluesseln && !getrimmt.startsWith(QLatin1Char(';'))) {
            const qsizetype gl = text.indexOf(QLatin1Char('='));
            const QString schluessel = gl > 0 ? text.left(gl).trimmed() : QString();
            if (gleich(schluessel, "Firmenlogo") || gleich(schluessel, "FirmenlogoDateipfad") ||
                gleich(schluessel, "Startfenster-anzeigen"))
                continue;
        }
        fremd << zeile;
    }
    return fremd;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TIniDatei ini = TIniDatei::ausBytes(bytes);
    if (ini.alsBytes() != bytes)
        std::abort();

    const TEinstellungen e = EinstellungenLesen(ini, 700, 600);
    EinstellungenSchreiben(e, ini);
    const QByteArray geschrieben = ini.alsBytes();
    if (fremdeZeilen(geschrieben) != fremdeZeilen(bytes))
        std::abort();

    TIniDatei wieder = TIniDatei::ausBytes(geschrieben);
    const TEinstellungen g = EinstellungenLesen(wieder, 700, 600);
    EinstellungenSchreiben(g, wieder);
    if (wieder.alsBytes() != geschrieben)
        std::abort();
    return 0;
}
