#include "BerichtVergleich.h"

#include "HTML_Ausgabe.h"
#include "Zahlformat.h"

#include <cmath>

namespace Fermalin {

namespace {

QString euro2(double x)
{
    return FormatN(x, 2) + QStringLiteral("&#160;Euro");
}

// A difference with its sign; half a cent and less is none.
QString differenz(double x, const QString& text)
{
    if (std::abs(x) < 0.005)
        return QStringLiteral("0,00") + text;
    return (x > 0 ? QStringLiteral("+") : QString()) + FormatN(x, 2) + text;
}

// The difference of two rates in whole percentage points, with its sign.
QString prozentpunkte(double x)
{
    const int punkte = static_cast<int>(std::lround(x * 100));
    return (punkte > 0 ? QStringLiteral("+") : QString()) + FormatD(punkte) +
           QStringLiteral("&#160;%-Punkte");
}

QString kopfzelle(const QString& text)
{
    return QStringLiteral("<td class=\"tabEBLe\" align=\"center\" width=\"23%\"><b>%1</b></td>")
        .arg(text);
}

// One row: the label, the old rules, the new rules, new less old.
QString zeile(const QString& text, const QString& bisher, const QString& neu,
              const QString& unterschied, bool oben = false)
{
    const QString links = oben ? QStringLiteral("tabEBTo") : QStringLiteral("tabEB");
    const QString wert = oben ? QStringLiteral("tabEBLeToPa") : QStringLiteral("tabEBLePa");
    const auto zelle = [&wert](const QString& inhalt) {
        return QStringLiteral("<td align=\"right\" class=\"%1\" width=\"23%\">%2</td>")
            .arg(wert, inhalt);
    };
    return QStringLiteral("<tr><td class=\"%1\" width=\"2%\">&#160;</td>"
                          "<td align=\"left\" class=\"%1\" width=\"20%\"><b>%2</b></td>")
               .arg(links, text) +
           zelle(bisher) + zelle(neu) + zelle(unterschied) +
           QStringLiteral("<td class=\"tabEB\" width=\"9%\">&#160;</td></tr>");
}

QString betragszeile(const QString& text, double bisher, double neu, bool oben = false)
{
    return zeile(text, euro2(bisher), euro2(neu),
                 differenz(neu - bisher, QStringLiteral("&#160;Euro")), oben);
}

} // namespace

QString NeuvertragsWarnung()
{
    return QStringLiteral(
        "Wich&shy;tig vor einem Neu&shy;ab&shy;schluss (§7d AltZertG): Wer nach dem 31. Dezember "
        "2026 einen neuen zer&shy;ti&shy;fi&shy;zier&shy;ten "
        "Al&shy;ters&shy;vor&shy;sor&shy;ge&shy;"
        "ver&shy;trag ab&shy;schließt, für des&shy;sen sämt&shy;liche Al&shy;ters&shy;vor&shy;"
        "sor&shy;ge&shy;ver&shy;trä&shy;ge gilt ein&shy;heit&shy;lich das neue För&shy;der&shy;"
        "recht (§52 Abs.&#160;50a Satz&#160;6 EStG); die bis&shy;he&shy;ri&shy;gen Ver&shy;trä&shy;"
        "ge sind da&shy;nach kei&shy;ne Be&shy;stands&shy;ver&shy;trä&shy;ge mehr (Satz&#160;9). "
        "Das&shy;sel&shy;be gilt nach einer Er&shy;klä&shy;rung ge&shy;gen&shy;über dem "
        "An&shy;bie&shy;ter (Satz&#160;4) und für den mit&shy;tel&shy;bar zu&shy;la&shy;ge&shy;"
        "be&shy;rech&shy;tig&shy;ten Ehe&shy;gat&shy;ten, so&shy;bald die&shy;ser eine "
        "Zu&shy;la&shy;ge be&shy;an&shy;tragt (Satz&#160;8). Ein Wech&shy;sel zu&shy;rück in das "
        "bis&shy;he&shy;"
        "ri&shy;ge För&shy;der&shy;recht ist nicht mög&shy;lich.");
}

void FoerderrechtsvergleichSchreiben(QStringList& z, const TVergleich& v)
{
    const TZulagenDaten& a = v.Bisher;
    const TZulagenDaten& n = v.Neu;
    z << QStringLiteral("<h2><br>Bisheriges und neues Förderrecht im Vergleich</h2>")
      << QStringLiteral("<table class=\"SchriftNormal\" width=\"100%\" cellspacing=\"0\">");
    z << QStringLiteral("<tr><td class=\"tabEB\" colspan=\"2\" width=\"22%\">&#160;</td>") +
             kopfzelle(QStringLiteral("bisheriges Recht")) +
             kopfzelle(QStringLiteral("neues Recht")) + kopfzelle(QStringLiteral("Unterschied")) +
             QStringLiteral("<td class=\"tabEB\" width=\"9%\">&#160;</td></tr>");
    z << betragszeile(QStringLiteral("Eigenbeitrag"), a.Eigenbeitrag, n.Eigenbeitrag, true);
    if (a.Verheiratet) {
        z << betragszeile(QStringLiteral("Zulagen erste Person"), Zulagen1(a), Zulagen1(n));
        z << betragszeile(QStringLiteral("Zulagen zweite Person"), Zulagen2(a), Zulagen2(n));
    } else {
        z << betragszeile(QStringLiteral("Zulagen"), Zulagen1(a), Zulagen1(n));
    }
    z << betragszeile(QStringLiteral("Gesamtbeitrag"), a.Gesamtbeitrag, n.Gesamtbeitrag);
    z << betragszeile(QStringLiteral("Steuerersparnis"), a.Steuerersparnis, n.Steuerersparnis);
    z << betragszeile(QStringLiteral("Förderung"), Foerderung(a), Foerderung(n), true);
    z << zeile(QStringLiteral("Förderquote"),
               FormatN(a.Foerderquote * 100, 0) + QStringLiteral("&#160;%"),
               FormatN(n.Foerderquote * 100, 0) + QStringLiteral("&#160;%"),
               prozentpunkte(n.Foerderquote - a.Foerderquote));
    z << QStringLiteral("</table>");

    const double mehr = Foerderung(n) - Foerderung(a);
    QString satz;
    if (std::abs(mehr) < 0.005)
        satz = QStringLiteral("Bei diesen Eigen&shy;bei&shy;trä&shy;gen för&shy;dern beide "
                              "Rech&shy;te gleich hoch.");
    else
        satz = QStringLiteral("Bei diesen Eigen&shy;bei&shy;trä&shy;gen för&shy;dert das %1 "
                              "Recht um %2 im Jahr mehr.")
                   .arg(mehr > 0 ? QStringLiteral("neue") : QStringLiteral("bisherige"),
                        euro2(std::abs(mehr)));
    z << QStringLiteral("<table class=\"SchriftNormal\" width=\"100%\" cellspacing=\"0\">");
    LeerzeileSchreiben(z, false);
    TextzeilenSchreiben(z, QStringLiteral("Vergleich"), {satz}, false);
    LeerzeileSchreiben(z, false);
    TextzeilenSchreiben(z, QStringLiteral("Neuabschluss"), {NeuvertragsWarnung()}, false);
    z << QStringLiteral("</table>");
}

} // namespace Fermalin
