// Any bytes as a batch input line, for every command: the fast reader accepts
// nothing Qt's parser refuses and reads every value as Qt reads it, and the
// whole reading, messages included, is the same as through Qt's parser alone.
#include "StapelJson.h"
#include "StapelLesen.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

using namespace Fermalin;

bool gleicheZahl(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool gleicherEintrag(const TRohWert& a, const TRohWert& b)
{
    return a.Typ == b.Typ && a.Wahr == b.Wahr && gleicheZahl(a.Zahl, b.Zahl);
}

void rohVergleichen(const TRohZeile& schnell, const TRohZeile& qt)
{
    if (!qt.Meldung.isEmpty() || qt.HatUnbekannt)
        std::abort(); // the fast reader took a line Qt refuses
    for (size_t i = 0; i < schnell.Werte.size(); ++i) {
        const TRohWert& a = schnell.Werte[i];
        const TRohWert& b = qt.Werte[i];
        if (!gleicherEintrag(a, b) || a.Text != b.Text || a.Anzahl != b.Anzahl)
            std::abort();
        for (std::uint32_t k = 0; k < std::min(a.Anzahl, GemerkteEintraege); ++k)
            if (!gleicherEintrag(schnell.Eintraege[a.Anfang + k], qt.Eintraege[b.Anfang + k]))
                std::abort();
    }
}

void leserVergleichen(const TLeser& a, const TLeser& b)
{
    for (int i = 0; i < SchluesselAnzahl; ++i) {
        const auto nr = static_cast<TSchluesselNr>(i);
        const std::span<const int> la = a.liste(nr);
        const std::span<const int> lb = b.liste(nr);
        if (a.vorhanden(nr) != b.vorhanden(nr) || !gleicheZahl(a.zahl(nr), b.zahl(nr)) ||
            a.text(nr) != b.text(nr) || !std::equal(la.begin(), la.end(), lb.begin(), lb.end()))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView alles(data, static_cast<qsizetype>(size));
    // the batch run hands over a line with its LF, never one with an LF inside
    const qsizetype lf = alles.indexOf('\n');
    const QByteArrayView zeile = lf >= 0 ? alles.first(lf + 1) : alles;
    for (const unsigned befehl : {StapelBefehl::Berechne, StapelBefehl::Angebot,
                                  StapelBefehl::Bericht, StapelBefehl::Steuer}) {
        TRohZeile schnell;
        if (SchnellLesen(zeile, befehl, schnell)) {
            TRohZeile qt;
            ReferenzLesen(zeile, befehl, qt);
            rohVergleichen(schnell, qt);
        }
        TLeser a(befehl, 3);
        TLeser b(befehl, 3);
        const bool gelesen = a.lesen(zeile);
        if (gelesen != b.referenzLesen(zeile) || a.fehler() != b.fehler())
            std::abort();
        leserVergleichen(a, b);
    }
    return 0;
}
