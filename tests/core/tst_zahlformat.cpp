#include "Zahlformat.h"

#include <QTest>

#include <climits>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

using namespace Fermalin;

namespace {

// The rule from its parts: the exact decimal expansion of the double (printf's
// %f prints it exactly), rounded to 18 significant digits halves to even, then
// cut after nachkomma decimals with halves away from zero.
QString NachDerRegel(double wert, int nachkomma)
{
    static char puffer[1200];
    std::snprintf(puffer, sizeof puffer, "%.1100f", std::fabs(wert));
    const std::string s = puffer;
    const size_t punkt = s.find('.');
    std::string ziffern = s.substr(0, punkt) + s.substr(punkt + 1);
    int komma = static_cast<int>(punkt); // digits before the point
    const size_t erste = ziffern.find_first_not_of('0');
    std::string stellen; // komma + nachkomma digits after both roundings
    if (erste == std::string::npos) {
        stellen = std::string(static_cast<size_t>(1 + nachkomma), '0');
        komma = 1;
    } else {
        ziffern.erase(0, erste);
        komma -= static_cast<int>(erste);
        std::string d = ziffern.substr(0, 18);
        const std::string rest = ziffern.substr(18);
        const bool mehrAlsHalb = rest.find_first_not_of('0', 1) != std::string::npos;
        if (rest[0] > '5' || (rest[0] == '5' && (mehrAlsHalb || (d.back() - '0') % 2 == 1))) {
            int i = 17;
            for (; i >= 0 && d[static_cast<size_t>(i)] == '9'; --i)
                d[static_cast<size_t>(i)] = '0';
            if (i >= 0) {
                ++d[static_cast<size_t>(i)];
            } else {
                d = '1' + d.substr(0, 17);
                ++komma;
            }
        }
        // value = 0.d × 10^komma; at least one digit before the point
        if (komma < 1) {
            d.insert(0, static_cast<size_t>(1 - komma), '0');
            komma = 1;
        }
        d.append(static_cast<size_t>(komma + nachkomma + 1), '0');
        stellen = d.substr(0, static_cast<size_t>(komma + nachkomma));
        if (d[static_cast<size_t>(komma + nachkomma)] >= '5') {
            int i = static_cast<int>(stellen.size()) - 1;
            for (; i >= 0 && stellen[static_cast<size_t>(i)] == '9'; --i)
                stellen[static_cast<size_t>(i)] = '0';
            if (i >= 0) {
                ++stellen[static_cast<size_t>(i)];
            } else {
                stellen.insert(0, 1, '1');
                ++komma;
            }
        }
    }
    std::string ganz = stellen.substr(0, static_cast<size_t>(komma));
    ganz.erase(0, std::min(ganz.find_first_not_of('0'), ganz.size() - 1));
    const std::string bruch = stellen.substr(static_cast<size_t>(komma));
    QString text;
    if (wert < 0 && stellen.find_first_not_of('0') != std::string::npos)
        text += QLatin1Char('-');
    for (size_t i = 0; i < ganz.size(); ++i) {
        if (i > 0 && (ganz.size() - i) % 3 == 0)
            text += QLatin1Char('.');
        text += QLatin1Char(ganz[i]);
    }
    if (nachkomma > 0)
        text += QLatin1Char(',') + QString::fromLatin1(bruch.data(), qsizetype(bruch.size()));
    return text;
}

} // namespace

class TstZahlformat : public QObject
{
    Q_OBJECT
private slots:
    void formatN_data();
    void formatN();
    void formatNNachDerRegel_data();
    void formatNNachDerRegel();
    void formatDWieQString();
};

void TstZahlformat::formatN_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<int>("nachkomma");
    QTest::addColumn<QString>("text");
    QTest::newRow("Tausenderpunkt, Dezimalkomma") << 1234.56 << 2 << QStringLiteral("1.234,56");
    QTest::newRow("%.0n schneidet 1234,4 auf 1.234") << 1234.4 << 0 << QStringLiteral("1.234");
    QTest::newRow("Hälfte 0,125 von null weg") << 0.125 << 2 << QStringLiteral("0,13");
    QTest::newRow("Hälfte 2,5 von null weg") << 2.5 << 0 << QStringLiteral("3");
    QTest::newRow("Hälfte 1046,5 von null weg") << 1046.5 << 0 << QStringLiteral("1.047");
    QTest::newRow("negative Hälfte") << -2.5 << 0 << QStringLiteral("-3");
    QTest::newRow("0,285 liegt binär unter der Hälfte") << 0.285 << 2 << QStringLiteral("0,28");
    QTest::newRow("Übertrag über alle Stellen")
        << 999999.996 << 2 << QStringLiteral("1.000.000,00");
    QTest::newRow("Millionen") << 1234567.5 << 2 << QStringLiteral("1.234.567,50");
    QTest::newRow("2100 als %.0n") << 2100.0 << 0 << QStringLiteral("2.100");
    QTest::newRow("kleiner Betrag") << 0.004 << 2 << QStringLiteral("0,00");
    QTest::newRow("negativ, das auf 0 rundet") << -0.004 << 2 << QStringLiteral("0,00");
    QTest::newRow("Monatsbetrag 1046 / 12") << 1046.0 / 12 << 2 << QStringLiteral("87,17");
    QTest::newRow("Prozent ohne Nachkomma") << 29.08 << 0 << QStringLiteral("29");
    QTest::newRow("große Zahl") << 1e15 << 0 << QStringLiteral("1.000.000.000.000.000");
    QTest::newRow("Null") << 0.0 << 2 << QStringLiteral("0,00");
    QTest::newRow("minus null ohne Vorzeichen") << -0.0 << 1 << QStringLiteral("0,0");
    // binary just below the half, but its 18 digits end in 5000…: up
    QTest::newRow("1000,005 liegt binär unter der Hälfte, 18 Stellen runden auf")
        << 1000.005 << 2 << QStringLiteral("1.000,01");
    QTest::newRow("0,1245 mit drei Nachkommastellen") << 0.1245 << 3 << QStringLiteral("0,125");
    QTest::newRow("1,005 liegt binär unter der Hälfte") << 1.005 << 2 << QStringLiteral("1,00");
    QTest::newRow("die 18. Stelle rundet bis vor das Komma")
        << 0.99999999999999989 << 0 << QStringLiteral("1");
    QTest::newRow("negativ mit Tausenderpunkten")
        << -1234567.891 << 2 << QStringLiteral("-1.234.567,89");
    QTest::newRow("knapp unter einer Billiarde")
        << 999999999999999.875 << 0 << QStringLiteral("1.000.000.000.000.000");
    QTest::newRow("kleinster Wert mit Ziffern in vier Nachkommastellen")
        << 0.00005 << 4 << QStringLiteral("0,0001");
    QTest::newRow("zu klein für vier Nachkommastellen, negativ")
        << -0.000049 << 4 << QStringLiteral("0,0000");
    QTest::newRow("achtzehn Nachkommastellen")
        << 0.1 << 18 << QStringLiteral("0,100000000000000006");
    QTest::newRow("mehr als 18 Nachkommastellen gelten als 18")
        << 2.5 << 30 << QStringLiteral("2,500000000000000000");
    QTest::newRow("negative Nachkommastellen gelten als keine") << 2.5 << -1 << QStringLiteral("3");
    QTest::newRow("Ziffern über die 18 Stellen hinaus sind Nullen")
        << 123456789012345678.0 << 2 << QStringLiteral("123.456.789.012.345.680,00");
    QTest::newRow("nicht endlich") << std::nan("") << 2 << QStringLiteral("NAN");
    QTest::newRow("minus unendlich") << -HUGE_VAL << 0 << QStringLiteral("-INF");
}

// Amounts, cents, halves and their neighbours, monthly twelfths, rates, and
// doubles of every size from 1e-7 to 1e17, against the rule worked out digit
// by digit.
void TstZahlformat::formatNNachDerRegel_data()
{
    QTest::addColumn<int>("art");
    QTest::newRow("Euro und Cent") << 0;
    QTest::newRow("Hälften und ihre Nachbarn") << 1;
    QTest::newRow("Monatsbeträge") << 2;
    QTest::newRow("Quoten und Prozente") << 3;
    QTest::newRow("Zahlen jeder Größe") << 4;
}

void TstZahlformat::formatNNachDerRegel()
{
    QFETCH(int, art);
    std::mt19937_64 zufall(20100 + art);
    const auto bis = [&zufall](std::uint64_t n) { return static_cast<double>(zufall() % n); };
    for (int i = 0; i < 40000; ++i) {
        double wert = 0;
        switch (art) {
        case 0:
            wert = bis(1000000000) / 100;
            break;
        case 1: {
            const double n = std::pow(10.0, static_cast<double>(zufall() % 4));
            const double haelfte = (bis(100000000) + 0.5) / n;
            wert = zufall() % 3 == 0 ? haelfte : std::nextafter(haelfte, zufall() % 2 ? 0 : 1e300);
            break;
        }
        case 2:
            wert = bis(10000000) / 100 / 12;
            break;
        case 3:
            wert = bis(100000) / 1000 * bis(10000000) / 100;
            break;
        default:
            wert = std::ldexp(static_cast<double>(zufall() >> 11),
                              static_cast<int>(zufall() % 85) - 77);
        }
        if (zufall() % 4 == 0)
            wert = -wert;
        const int nachkomma =
            zufall() % 8 == 0 ? static_cast<int>(zufall() % 19) : static_cast<int>(zufall() % 5);
        const QString soll = NachDerRegel(wert, nachkomma);
        if (FormatN(wert, nachkomma) != soll)
            QFAIL(qPrintable(QStringLiteral("%1 mit %2 Nachkommastellen: %3 statt %4")
                                 .arg(wert, 0, 'g', 17)
                                 .arg(nachkomma)
                                 .arg(FormatN(wert, nachkomma), soll)));
    }
}

void TstZahlformat::formatN()
{
    QFETCH(double, wert);
    QFETCH(int, nachkomma);
    QFETCH(QString, text);
    QCOMPARE(FormatN(wert, nachkomma), text);
}

void TstZahlformat::formatDWieQString()
{
    for (const int wert : {0, 7, -7, 10, 2010, -100, 123456789, INT_MAX, INT_MIN, INT_MIN + 1})
        QCOMPARE(FormatD(wert), QString::number(wert));
}

QTEST_GUILESS_MAIN(TstZahlformat)
#include "tst_zahlformat.moc"
