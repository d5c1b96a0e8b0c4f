// Prints N varied input lines for one batch command: every household kind,
// couples, children, slider positions, numbers in every JSON spelling, and
// refused lines of every sort. bench/vergleich.sh feeds them to two builds of
// fermalin-cli and compares the answers byte for byte.
#include "Zufall.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

using FermalinBench::TZufall;

std::string zahl(double x)
{
    char p[64];
    std::snprintf(p, sizeof p, "%.17g", x);
    return p;
}

// A whole number as JSON may spell it.
std::string ganz(TZufall& z, long n)
{
    switch (z.bis(12)) {
    case 0:
        return std::to_string(n) + ".0";
    case 1:
        return n != 0 && n % 1000 == 0 ? std::to_string(n / 1000) + "e3" : std::to_string(n);
    case 2:
        return n == 0 ? "-0" : std::to_string(n) + "E0";
    default:
        return std::to_string(n);
    }
}

// Amounts where the tariffs and the minimums turn, and anywhere else.
long einkommen(TZufall& z)
{
    static const long Stellen[] = {0,     1,     4800,   5000,   8004,   8005,   8130,
                                   13469, 13470, 30000,  52881,  52882,  60000,  66000,
                                   66001, 99999, 100000, 120000, 250730, 250731, 999999};
    switch (z.bis(6)) {
    case 0:
        return Stellen[z.bis(static_cast<int>(std::size(Stellen)))] + z.bis(3) - 1;
    case 1:
        return z.bis(1000000);
    default:
        return z.bis(130000);
    }
}

std::string betrag(TZufall& z)
{
    switch (z.bis(5)) {
    case 0:
        return ganz(z, z.bis(200000));
    case 1:
        return zahl(z.bis(20000000) / 100.0);
    case 2:
        return zahl(z.bruch() * 1e5);
    case 3:
        return zahl(z.bruch() * 99999999);
    default:
        return "0";
    }
}

std::string wahr(TZufall& z)
{
    return z.bis(2) ? "true" : "false";
}

std::string text(TZufall& z)
{
    static const char* Teile[] = {
        "Müller", " & ",     "Söhne",          "<b>", "\\\"",     "\\\\",   "\\n",
        "\\t",    "\\u00e9", "\\ud83d\\ude00", "😀",   "Straße",   "&amp;",  "€",
        "Ärger",  "'",       "\\u0000",        " ",   "Jean-Luc", "\\r\\n", "ø"};
    std::string t;
    for (int i = z.bis(8); i > 0; --i)
        t += Teile[z.bis(static_cast<int>(std::size(Teile)))];
    if (z.je(50))
        t.append(static_cast<size_t>(995 + z.bis(10)), 'x');
    return '"' + t + '"';
}

struct TFeld
{
    std::string Name;
    std::string Wert;
};

std::vector<TFeld> haushalt(TZufall& z, const std::string& befehl)
{
    std::vector<TFeld> f;
    const bool verheiratet = z.bis(3) > 0;
    const bool doppel = verheiratet && z.bis(3) > 0;
    const auto dazu = [&](const char* name, std::string wert, int auslassen = 5) {
        if (!z.je(auslassen))
            f.push_back({name, std::move(wert)});
    };
    // Mostly a year the program computes, now and then one outside; without it
    // the line takes today's year.
    const int beitragsjahr = z.je(30) ? 2000 + z.bis(40) : 2010 + z.bis(18);
    dazu("Beitragsjahr", ganz(z, beitragsjahr), 4);
    dazu("Verheiratet", verheiratet ? "true" : "false");
    dazu("Doppelverdiener", doppel ? "true" : "false");
    dazu("Einkommen1", ganz(z, einkommen(z)));
    dazu("Einkommen2", ganz(z, doppel || z.je(4) ? einkommen(z) : 0));
    dazu("EinkommenNR1", betrag(z), 2);
    dazu("EinkommenNR2", betrag(z), 2);
    const int kinder = z.je(3) ? 0 : z.bis(10);
    std::string jahre = "[", personen = "[";
    for (int k = 0; k < kinder; ++k) {
        const int jahr = z.je(20) ? z.bis(10000) : beitragsjahr - 26 + z.bis(28);
        jahre += (k ? "," : "") + std::to_string(jahr);
        personen += (k ? "," : "") + std::to_string(verheiratet ? 1 + z.bis(2) : 1);
    }
    if (!z.je(3)) { // both lists or neither, now and then one alone
        dazu("KindGebJahr", jahre + "]", 50);
        dazu("KindPerson", personen + "]", kinder > 0 ? 50 : 2);
    }
    dazu("MinBeitrag", wahr(z), 3);
    dazu("TarMindBtr", wahr(z), 3);
    dazu("BeitragsPosition", ganz(z, z.bis(51)), 3);
    dazu("DeltazvE", z.bis(2) ? betrag(z) : "-" + betrag(z), 3);
    dazu("Soli", z.bis(2) ? "0.055" : "0", 3);
    dazu("Bundesland", ganz(z, z.bis(17) - 1), 3);
    dazu("Verteilung", ganz(z, z.je(3) ? 50 * z.bis(2) : z.bis(51)), 3);
    // Mostly what the year and household allow, now and then what they refuse.
    const bool reform = beitragsjahr >= 2027;
    dazu("Berufseinsteiger1", wahr(z), 2);
    if (doppel || z.je(20))
        dazu("Berufseinsteiger2", wahr(z), 2);
    if (z.je(30))
        dazu("Foerderrecht", "\"alt\"", 1 << 30);
    else if (reform || z.je(20))
        dazu("Foerderrecht", z.bis(2) ? "\"neu\"" : "\"bisher\"", 2);
    if (z.je(4)) {
        dazu("Eigenbeitrag1", z.je(10) ? betrag(z) : ganz(z, z.bis(7000)), 5);
        if (verheiratet || z.je(20))
            dazu("Eigenbeitrag2", ganz(z, z.bis(3000)), 2);
    }
    if (reform || z.je(10))
        dazu("Vergleich", wahr(z), 3);
    if (befehl == "angebot") {
        dazu("Klassik1", ganz(z, z.bis(3)), 2);
        dazu("Klassik2", ganz(z, z.bis(3)), 2);
    } else if (befehl == "bericht") {
        dazu("Beratungsprotokoll", wahr(z), 2);
        dazu("Kundenname", text(z), 2);
        dazu("MitGrafik", z.je(20) ? "true" : "false", 2);
        dazu("Firmenlogo", wahr(z), 2);
    }
    return f;
}

std::vector<TFeld> steuer(TZufall& z)
{
    std::vector<TFeld> f;
    if (!z.je(30))
        f.push_back({"Jahr", ganz(z, 2001 + z.bis(30))});
    if (!z.je(30))
        f.push_back({"Tabelle", ganz(z, z.bis(3))});
    if (!z.je(30))
        f.push_back({"zvE", betrag(z)});
    if (z.bis(2))
        f.push_back({"Abzug", betrag(z)});
    return f;
}

// One refusal of any sort, in place of a good line.
std::string verdorben(TZufall& z, std::string zeile, const std::vector<TFeld>& felder)
{
    static const char* Falsch[] = {"-1",
                                   "1e9",
                                   "1.5",
                                   "\"1\"",
                                   "null",
                                   "[]",
                                   "{}",
                                   "true",
                                   "1e400",
                                   "-1e-400",
                                   "[1,2,3,4,5,6,7,8,9,10]",
                                   "[0.5]",
                                   "[\"x\"]",
                                   "99999999999",
                                   "0.054",
                                   "1e-320"};
    switch (z.bis(16)) {
    case 0: // a value out of its range or of the wrong type
        if (!felder.empty()) {
            const TFeld& f = felder[static_cast<size_t>(z.bis(static_cast<int>(felder.size())))];
            const std::string alt = "\"" + f.Name + "\":" + f.Wert;
            const size_t p = zeile.find(alt);
            if (p != std::string::npos)
                zeile.replace(p, alt.size(),
                              "\"" + f.Name +
                                  "\":" + Falsch[z.bis(static_cast<int>(std::size(Falsch)))]);
        }
        return zeile;
    case 1:
        return zeile.substr(0, static_cast<size_t>(z.bis(static_cast<int>(zeile.size()) + 1)));
    case 2:
        return zeile.substr(0, zeile.size() - 1) + ",\"Unbekannt\":1}";
    case 3:
        return !felder.empty() ? zeile.substr(0, zeile.size() - 1) + ",\"" + felder[0].Name +
                                     "\":" + felder[0].Wert + "}"
                               : "{\"Soli\":0,\"Soli\":0}";
    case 4:
        return zeile + " x";
    case 5:
        return "[" + zeile + "]";
    case 6:
        return std::string("{\"Einkommen1\":1\0}", 17);
    case 7:
        return "{\"Kunden\x01name\":1}";
    case 8:
        return "{\"Kundenname\":\"\xff\xfe\"}";
    case 9:
        return std::string(static_cast<size_t>(20 + z.bis(600)), '[') + "1";
    case 10:
        return "\"" + std::string(static_cast<size_t>(z.bis(80)), 'a') + "\"";
    case 11:
        return "{\"\\u0045inkommen1\":1}";
    case 12:
        return zeile.substr(0, zeile.size() - 1) + ",}";
    case 13:
        return "{\"Einkommen1\":0x10}";
    case 14:
        return "\x01";
    default:
        return "{\"Einkommen1\": 1,\"KindGebJahr\":[2000, {\"a\": [1e-400]}]}";
    }
}

} // namespace

int main(int argc, char** argv)
{
    const long n = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10000;
    const std::string befehl = argc > 2 ? argv[2] : "berechne";
    TZufall z(argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 815);
    for (long i = 0; i < n; ++i) {
        if (z.je(40)) { // blank lines, spaces and tabs, with or without CR
            std::fputs(z.bis(2) ? " \t \n" : "\r\n", stdout);
            continue;
        }
        std::vector<TFeld> felder = befehl == "steuer" ? steuer(z) : haushalt(z, befehl);
        for (size_t k = felder.size(); k > 1; --k)
            if (z.je(4))
                std::swap(felder[k - 1], felder[static_cast<size_t>(z.bis(static_cast<int>(k)))]);
        const char* trenner = z.je(5) ? ", " : ",";
        const char* zwischen = z.je(5) ? ": " : ":";
        std::string zeile = z.je(10) ? " {" : "{";
        for (size_t k = 0; k < felder.size(); ++k)
            zeile +=
                (k ? trenner : "") + ("\"" + felder[k].Name + "\"") + zwischen + felder[k].Wert;
        zeile += '}';
        if (z.je(8))
            zeile = verdorben(z, zeile, felder);
        std::fwrite(zeile.data(), 1, zeile.size(), stdout);
        std::fputs(z.je(20) ? "\r\n" : "\n", stdout);
    }
    return 0;
}
