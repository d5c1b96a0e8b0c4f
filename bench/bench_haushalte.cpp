// Prints N household lines (JSON Lines) for fermalin-cli berechne.
#include "Haushalte.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    const long n = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100000;
    FermalinBench::TZufall z(4711);
    for (long i = 0; i < n; ++i) {
        const Fermalin::TZulagenDaten d = FermalinBench::haushalt(z);
        // the year the birth years were drawn for, not today's
        std::printf("{\"Beitragsjahr\":%d,\"Verheiratet\":%s,\"Doppelverdiener\":%s,"
                    "\"Einkommen1\":%.0f,\"Einkommen2\":%.0f,\"KindGebJahr\":[",
                    d.Beitragsjahr, d.Verheiratet ? "true" : "false",
                    d.Doppelverdiener ? "true" : "false", d.Einkommen1, d.Einkommen2);
        for (int k = 0; k < d.Kinderzahl; ++k)
            std::printf("%s%d", k ? "," : "", d.KindGebJahr[static_cast<std::size_t>(k)]);
        std::printf("],\"KindPerson\":[");
        for (int k = 0; k < d.Kinderzahl; ++k)
            std::printf("%s%d", k ? "," : "", d.KindPerson[static_cast<std::size_t>(k)]);
        std::printf("],\"MinBeitrag\":%s,\"TarMindBtr\":%s,\"BeitragsPosition\":%d,"
                    "\"Soli\":%s,\"Bundesland\":%d,\"Verteilung\":%d}\n",
                    d.MinBeitrag ? "true" : "false", d.TarMindBtr ? "true" : "false",
                    d.BeitragsPosition, d.Soli > 0 ? "0.055" : "0", d.Bundesland, z.bis(51));
    }
    return 0;
}
