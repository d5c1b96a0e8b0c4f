#include "Bericht.h"

#include "BerichtVergleich.h"
#include "FoerderParameter.h"
#include "HTML_Ausgabe.h"
#include "Hinweise.h"
#include "Zahlformat.h"
#include "Zulagen.h"
#include "ZulagenRecht.h"
#include "Zuschlaege.h"

#include <algorithm>

namespace Fermalin {

namespace {

using P = TFoerderParameter;

const QString nbsp = QStringLiteral("&#160;");
const QString tabelleAuf =
    QStringLiteral("<table class=\"SchriftNormal\" width=\"100%\" cellspacing=\"0\">");

QString euro0(double x)
{
    return FormatN(x, 0) + QStringLiteral("&#160;Euro");
}
QString euro2(double x)
{
    return FormatN(x, 2) + QStringLiteral("&#160;Euro");
}
QString prozent0(double satz)
{
    return FormatN(satz * 100, 0) + QStringLiteral("&#160;%");
}
QString prozent1(double satz)
{
    return FormatN(satz * 100, 1) + QStringLiteral("&#160;%");
}

// The pieces of one body row of the contribution table.
QString vorzeichen(const QString& klasse, const QString& zeichen)
{
    return QStringLiteral("<tr><td class=\"%1\" width=\"2%\">%2</td>").arg(klasse, zeichen);
}
QString beschriftung(const QString& klasse, const QString& text)
{
    return QStringLiteral("<td align=\"left\" class=\"%1\" width=\"20%\"><b>%2</b></td>")
        .arg(klasse, text);
}
QString wertzelle(const QString& klasse, const QString& inhalt)
{
    return QStringLiteral("<td align=\"right\" class=\"%1\" width=\"23%\">%2</td>")
        .arg(klasse, inhalt);
}
QString leerzelle(const QString& klasse)
{
    return QStringLiteral("<td class=\"%1\" width=\"23%\">&#160;</td>").arg(klasse);
}
const QString fueller = QStringLiteral("<td class=\"tabEB\" width=\"9%\">&#160;</td></tr>");

bool neuesRecht(const TZulagenDaten& d)
{
    return AngewandtesFoerderrecht(d) == TFoerderrecht::Neu;
}

// The least the indirectly entitled spouse's contract takes: the insurer's
// minimum, raised to the own payment the law asks (60 from 2012, 120 under the
// new rules).
double mittelbarMindestbeitrag(const TZulagenDaten& d)
{
    const int jahr = d.Steuerjahr();
    const double gesetz = neuesRecht(d) ? ZulagenRechtNeu(jahr).MindestbeitragMittelbar
                                        : ZulagenRechtBisher(jahr).MindestbeitragMittelbar;
    return std::max(P::TarifMindestbeitragMittelbar, gesetz);
}

// From 2021 the surcharge starts above a Freigrenze, and the saving follows it.
bool soliNachFreigrenze(const TZulagenDaten& d)
{
    return SoliRecht(d.Steuerjahr()).ErsparnisNachFreigrenze;
}

void hinweis(QStringList& z, const QString& text, const QString& bezeichnung = QString())
{
    TextzeilenSchreiben(z, bezeichnung, {text}, false);
}
void abstand(QStringList& z)
{
    LeerzeileSchreiben(z, false);
}

void eingabenSchreiben(QStringList& z, const TZulagenDaten& d)
{
    z << QStringLiteral("<h2>Ihre Vorgabedaten</h2>") << tabelleAuf;
    WertzeilenSchreiben(z, QStringLiteral("Personen&shy;daten"), {QStringLiteral("Familienstand")},
                        {d.Verheiratet ? QStringLiteral("verheiratet") : QStringLiteral("ledig")},
                        false);
    if (d.Verheiratet)
        WertzeilenSchreiben(
            z, QString(),
            {QStringLiteral("renten&shy;ver&shy;sicherungs&shy;pflichtige Ehe&shy;partner")},
            {d.Doppelverdiener ? QStringLiteral("beide") : QStringLiteral("einer")}, false);
    if (d.Steuerjahr() >= ErstesBeitragsjahrNeu)
        WertzeilenSchreiben(
            z, QString(), {QStringLiteral("Förder&shy;recht der Ver&shy;trä&shy;ge")},
            {neuesRecht(d) ? QStringLiteral("neues") : QStringLiteral("bisheriges")}, false);
    abstand(z);

    const QString kopf = QStringLiteral("renten&shy;ver&shy;sicherungs&shy;pflichtiges "
                                        "Jahres&shy;ein&shy;kommen in %1")
                             .arg(d.Einkommensjahr());
    if (d.AnzahlFoerderberechtigte == 2)
        WertzeilenSchreiben(
            z, QString(),
            {kopf, QStringLiteral("der ersten Person"), QStringLiteral("der zweiten Person")},
            {QString(), euro0(d.Einkommen1), euro0(d.Einkommen2)}, false);
    else
        WertzeilenSchreiben(z, QString(), {kopf},
                            {FormatN(d.Einkommen1, 0) + QStringLiteral("&#160; Euro")}, false);
    const double zusatz = d.EinkommenNR1 + (d.Verheiratet ? d.EinkommenNR2 : 0);
    if (zusatz > 0)
        WertzeilenSchreiben(
            z, QString(),
            {QStringLiteral("zusätz&shy;liches, nicht renten&shy;ver&shy;"
                            "sicherungs&shy;pflichtiges Jahres&shy;ein&shy;kommen")},
            {euro0(zusatz)}, false);
    abstand(z);

    const int n = d.Kinderzahl;
    int v = 0;
    for (int i = 0; i < n && i < MaxKinder; ++i)
        if (d.KindGebJahr[static_cast<size_t>(i)] < P::KohortenJahr)
            ++v;
    WertzeilenSchreiben(z, QString(),
                        {QStringLiteral("Anzahl kinder&shy;geld/-frei&shy;betrags&shy;berech&shy;"
                                        "tigter Kinder")},
                        {n == 0 ? QStringLiteral("keine Kinder") : FormatD(n)}, false);
    if (n > 0) {
        QString text;
        const QString w = n == 2 ? QStringLiteral("beide") : QStringLiteral("alle");
        if (n == 1)
            text = v == 1 ? QStringLiteral("(geboren vor 2008)")
                          : QStringLiteral("(geboren nach 2007)");
        else if (v == 0)
            text = QStringLiteral("(%1 nach 2007 geboren)").arg(w);
        else if (v == n)
            text = QStringLiteral("(%1 vor 2008 geboren)").arg(w);
        else
            text = QStringLiteral("(davon %1 vor 2008 geboren)").arg(v);
        WertzeilenSchreiben(z, QString(), {text}, {QString()}, false);
    }
    z << QStringLiteral("</table>");
}

void beitraegeSchreiben(QStringList& z, const TZulagenDaten& d)
{
    const bool vh = d.Verheiratet;
    z << QStringLiteral("<h2><br>") +
             (vh ? QStringLiteral("Eigenbeiträge") : QStringLiteral("Eigenbeitrag")) +
             QStringLiteral(" und staatl. Zulagen p. a.</h2>")
      << tabelleAuf;
    if (vh)
        z << QStringLiteral("<tr><td class=\"tabEB\" colspan=\"2\" width=\"22%\">&#160;</td>")
          << QStringLiteral("<td class=\"tabEBLe\" align=\"center\" width=\"23%\"><b>erste "
                            "Person</b></td>")
          << QStringLiteral("<td class=\"tabEBLe\" align=\"center\" width=\"23%\"><b>zweite "
                            "Person</b></td>")
          << QStringLiteral(
                 "<td class=\"tabEBLe\" align=\"center\" width=\"23%\"><b>gesamt</b></td>")
          << QStringLiteral("<td class=\"tabEB\" width=\"9%\">&#160;</td></tr>");

    const QString eb = QStringLiteral("tabEB");
    const QString strich = wertzelle(eb, nbsp);
    const double g = d.Grundzulage1 + d.Grundzulage2;
    const double k = d.Kinderzulage1 + d.Kinderzulage2;
    if (vh) {
        const QString to = QStringLiteral("tabEBLeToPa"), le = QStringLiteral("tabEBLePa");
        z << vorzeichen(QStringLiteral("tabEBTo"), nbsp)
          << beschriftung(QStringLiteral("tabEBTo"), QStringLiteral("Eigenbeitrag"))
          << wertzelle(to, euro2(d.Eigenbeitrag1)) << wertzelle(to, euro2(d.Eigenbeitrag2))
          << wertzelle(to, euro2(d.Eigenbeitrag)) << fueller;
        z << vorzeichen(eb, QStringLiteral("+")) << beschriftung(eb, QStringLiteral("Grundzulage"))
          << wertzelle(le, euro2(d.Grundzulage1)) << wertzelle(le, euro2(d.Grundzulage2))
          << wertzelle(le, euro2(g)) << fueller;
        z << vorzeichen(eb, QStringLiteral("+")) << beschriftung(eb, QStringLiteral("Kinderzulage"))
          << wertzelle(le, euro2(d.Kinderzulage1)) << wertzelle(le, euro2(d.Kinderzulage2))
          << wertzelle(le, euro2(k)) << fueller;
        z << vorzeichen(eb, QStringLiteral("="))
          << beschriftung(eb, QStringLiteral("Gesamtbeitrag"))
          << wertzelle(le, euro2(d.Eigenbeitrag1 + d.Grundzulage1 + d.Kinderzulage1))
          << wertzelle(le, euro2(d.Eigenbeitrag2 + d.Grundzulage2 + d.Kinderzulage2))
          << wertzelle(le, euro2(d.Eigenbeitrag + g + k)) << fueller;
    } else {
        const QString to = QStringLiteral("tabEBLeToPa"), le = QStringLiteral("tabEBLePa");
        z << vorzeichen(eb, nbsp) << beschriftung(eb, QStringLiteral("Eigenbeitrag"))
          << wertzelle(le, euro2(d.Eigenbeitrag)) << strich << strich << fueller;
        z << vorzeichen(QStringLiteral("tabEBTo"), QStringLiteral("+"))
          << beschriftung(QStringLiteral("tabEBTo"), QStringLiteral("Grundzulage"))
          << wertzelle(to, euro2(d.Grundzulage1)) << strich << strich << fueller;
        z << vorzeichen(eb, QStringLiteral("+")) << beschriftung(eb, QStringLiteral("Kinderzulage"))
          << wertzelle(le, euro2(d.Kinderzulage1)) << strich << strich << fueller;
        z << vorzeichen(eb, QStringLiteral("="))
          << beschriftung(eb, QStringLiteral("Gesamtbeitrag"))
          << wertzelle(le, euro2(d.Eigenbeitrag + d.Grundzulage1 + d.Kinderzulage1)) << strich
          << strich << fueller;
    }
    // The last two rows are fixed pieces with their own attribute order.
    z << QStringLiteral("<tr><td class=\"tabEBTo\" width=\"2%\">&#160;</td>")
      << QStringLiteral(
             "<td class=\"tabEBTo\" align=\"left\" width=\"20%\"><b>Steuerersparnis</b></td>");
    if (vh)
        z << leerzelle(QStringLiteral("tabEBLeTo")) << leerzelle(QStringLiteral("tabEBLeToPa"))
          << wertzelle(QStringLiteral("tabEBLeToPa"), euro2(d.Steuerersparnis));
    else
        z << wertzelle(QStringLiteral("tabEBLeToPa"), euro2(d.Steuerersparnis)) << leerzelle(eb)
          << leerzelle(eb);
    z << fueller;
    z << QStringLiteral("<tr><td class=\"tabEB\" width=\"2%\">&#160;</td>")
      << QStringLiteral("<td class=\"tabEB\" align=\"left\" width=\"20%\"><b>Förderquote</b></td>");
    if (vh)
        z << wertzelle(QStringLiteral("tabEBLePa"), nbsp) << leerzelle(QStringLiteral("tabEBLePa"))
          << wertzelle(QStringLiteral("tabEBLePa"), prozent0(d.Foerderquote));
    else
        z << wertzelle(QStringLiteral("tabEBLePa"), prozent0(d.Foerderquote)) << leerzelle(eb)
          << wertzelle(eb, nbsp);
    z << fueller << QStringLiteral("</table>");
}

void darstellungsHinweise(QStringList& z, const TZulagenDaten& d)
{
    const QString berechnung = QStringLiteral("Berechnung");
    // given contributions stand for themselves, whatever the minimum mode and the slider say
    const bool vorgegeben = d.EigenbeitraegeVorgegeben();
    const bool minBeitrag = d.MinBeitrag && !vorgegeben;
    const bool amMaximum = d.BeitragsPosition == d.BeitragsMax && !vorgegeben;
    const bool einzel = !d.Doppelverdiener;
    if (d.Verheiratet) {
        if (minBeitrag) {
            hinweis(
                z,
                d.TarMindBtr
                    ? QStringLiteral("Dargestellt sind die minimalen Eigen&shy;beiträge (unter "
                                     "Berück&shy;sich&shy;ti&shy;gung der tarif&shy;lichen "
                                     "Mindest&shy;bei&shy;träge), die zur Ge&shy;wäh&shy;rung der "
                                     "vol&shy;len För&shy;de&shy;rung ge&shy;mäß §§83ff&#160;EStG "
                                     "er&shy;bracht werden müssen.")
                    : QStringLiteral(
                          "Dargestellt sind die mini&shy;ma&shy;len Eigen&shy;bei&shy;träge, "
                          "die zur Ge&shy;wäh&shy;rung der vol&shy;len För&shy;de&shy;rung "
                          "ge&shy;mäß §§83ff&#160;EStG er&shy;bracht werden müssen."),
                berechnung);
            // the new rules know no income-based minimum
            if (einzel && !neuesRecht(d))
                hinweis(z, QStringLiteral(
                               "Hinweis: Gemäß §86 Abs.&#160;1 Satz&#160;2 EStG wur&shy;den die "
                               "der zwei&shy;ten Per&shy;son zu&shy;stehen&shy;den "
                               "Zu&shy;la&shy;gen bei der Be&shy;rech&shy;nung des "
                               "Min&shy;dest&shy;ei&shy;gen&shy;bei&shy;trags der "
                               "ers&shy;ten Per&shy;son be&shy;rück&shy;sich&shy;tigt."));
        } else if (amMaximum) {
            hinweis(z,
                    QStringLiteral("Dargestellt sind die maxi&shy;ma&shy;len "
                                   "Ge&shy;samt&shy;be&shy;trä&shy;ge, die gemäß §10a "
                                   "Abs.&#160;1 EStG als Son&shy;der&shy;aus&shy;ga&shy;ben "
                                   "gel&shy;tend ge&shy;macht wer&shy;den kön&shy;nen."),
                    berechnung);
            if (einzel)
                hinweis(z, QStringLiteral("Hinweis: Beim Sonder&shy;aus&shy;gaben&shy;ab&shy;zug "
                                          "wer&shy;den ge&shy;mäß §10a Abs.&#160;3 Satz&#160;2 "
                                          "EStG die Bei&shy;trä&shy;ge bei&shy;der "
                                          "Ver&shy;trä&shy;ge be&shy;rück&shy;sich&shy;tigt."));
        } else {
            hinweis(z,
                    QStringLiteral("Dargestellt sind die in&shy;di&shy;vi&shy;du&shy;ell "
                                   "vor&shy;ge&shy;ge&shy;be&shy;nen Eigen&shy;bei&shy;trä&shy;ge "
                                   "und die sich daraus ge&shy;mäß §§83ff&#160;EStG "
                                   "er&shy;ge&shy;be&shy;nen Zu&shy;la&shy;gen."),
                    berechnung);
        }
    } else if (minBeitrag) {
        hinweis(z, d.TarMindBtr
                       ? QStringLiteral("Dargestellt ist der minimale Eigen&shy;bei&shy;trag "
                                        "(un&shy;ter Berück&shy;sich&shy;ti&shy;gung des "
                                        "tarif&shy;lichen Mindest&shy;bei&shy;trags), der zur "
                                        "Ge&shy;wäh&shy;rung der vol&shy;len För&shy;de&shy;rung "
                                        "ge&shy;mäß §§83ff&#160;EStG er&shy;bracht wer&shy;den "
                                        "muss.")
                       : QStringLiteral("Dargestellt ist der minimale Eigen&shy;bei&shy;trag, der "
                                        "zur Ge&shy;wäh&shy;rung der vol&shy;len "
                                        "För&shy;de&shy;rung ge&shy;mäß §§83ff&#160;EStG "
                                        "er&shy;bracht wer&shy;den muss."));
    } else if (amMaximum) {
        hinweis(z, QStringLiteral("Dargestellt ist der maximale Gesamt&shy;be&shy;trag, der "
                                  "ge&shy;mäß §10a Abs.&#160;1 EStG als "
                                  "Son&shy;der&shy;aus&shy;gaben gel&shy;tend ge&shy;macht "
                                  "wer&shy;den kann."));
    } else {
        hinweis(z, QStringLiteral("Dargestellt ist der in&shy;di&shy;vi&shy;du&shy;ell "
                                  "vor&shy;ge&shy;ge&shy;be&shy;ne Ei&shy;gen&shy;bei&shy;trag und "
                                  "die sich daraus ge&shy;mäß §§83ff&#160;EStG "
                                  "er&shy;ge&shy;be&shy;nen Zu&shy;la&shy;gen."));
    }
    abstand(z);
}

// The surcharge as the notes name it: from 2021 with its Freigrenze.
QString soliText(const TZulagenDaten& d)
{
    if (!soliNachFreigrenze(d))
        return prozent1(d.Soli);
    return prozent1(d.Soli) + QStringLiteral(" mit Frei&shy;gren&shy;ze und "
                                             "Mil&shy;de&shy;rungs&shy;zo&shy;ne");
}

// Whether the career-starter bonus was counted, and for whom.
QString bonusText(const TZulagenDaten& d)
{
    const bool erste = d.VolleBerufseinsteigerbonus1 > 0;
    const bool zweite = d.VolleBerufseinsteigerbonus2 > 0;
    if (!erste && !zweite)
        return QStringLiteral("Dies wur&shy;de bei der Be&shy;rech&shy;nung nicht "
                              "be&shy;rück&shy;sich&shy;tigt.");
    if (!d.Verheiratet)
        return QStringLiteral("Dies wur&shy;de bei der Be&shy;rech&shy;nung "
                              "be&shy;rück&shy;sich&shy;tigt.");
    return QStringLiteral("Dies wur&shy;de bei der Be&shy;rech&shy;nung für %1 "
                          "be&shy;rück&shy;sich&shy;tigt.")
        .arg(erste && zweite ? QStringLiteral("beide Personen")
             : erste         ? QStringLiteral("die erste Person")
                             : QStringLiteral("die zweite Person"));
}

void hinweiseSchreiben(QStringList& z, const TZulagenDaten& d)
{
    z << QStringLiteral("<h2><br>Wichtige Hinweise</h2>") << tabelleAuf;
    darstellungsHinweise(z, d);

    // Tariff minimum, whatever "tarifliche Mindestbeiträge beachten" says.
    if (d.Verheiratet && d.AnzahlFoerderberechtigte == 1) {
        if (d.Eigenbeitrag1 < P::TarifMindestbeitrag ||
            d.Eigenbeitrag2 < mittelbarMindestbeitrag(d)) {
            hinweis(z, QStringLiteral("Mindestens einer der Eigen&shy;bei&shy;träge "
                                      "un&shy;ter&shy;schrei&shy;tet den "
                                      "ta&shy;rif&shy;li&shy;chen Min&shy;dest&shy;eigen&shy;"
                                      "bei&shy;trag."));
            abstand(z);
        }
    } else if (d.Verheiratet) {
        if (d.Eigenbeitrag1 < P::TarifMindestbeitrag || d.Eigenbeitrag2 < P::TarifMindestbeitrag) {
            hinweis(z, QStringLiteral("Mindestens einer der Eigen&shy;bei&shy;trä&shy;ge "
                                      "un&shy;ter&shy;schrei&shy;tet den "
                                      "ta&shy;rif&shy;li&shy;chen Min&shy;dest&shy;eigen&shy;"
                                      "bei&shy;trag."));
            abstand(z);
        }
    } else if (d.Eigenbeitrag1 < P::TarifMindestbeitrag) {
        hinweis(z, QStringLiteral("Der Eigenbeitrag un&shy;ter&shy;schrei&shy;tet den "
                                  "ta&shy;rif&shy;li&shy;chen Min&shy;dest&shy;eigen&shy;bei&shy;"
                                  "trag. Für den Ab&shy;schluss einer "
                                  "Ver&shy;si&shy;che&shy;rung müss&shy;te er auf %1 "
                                  "an&shy;ge&shy;ho&shy;ben wer&shy;den.")
                       .arg(euro0(P::TarifMindestbeitrag)));
        abstand(z);
    }

    if (d.DeltazvE != 0)
        hinweis(z, QStringLiteral("Die zusätz&shy;liche Steu&shy;er&shy;er&shy;spar&shy;nis "
                                  "er&shy;folgt auf Ba&shy;sis des ma&shy;nu&shy;ell "
                                  "an&shy;ge&shy;ge&shy;be&shy;nen zu ver&shy;steu&shy;ern&shy;den "
                                  "Ein&shy;kom&shy;men (%1).")
                       .arg(euro0(d.zvE)));
    else
        hinweis(z, QStringLiteral(
                       "Die zu&shy;sätz&shy;liche Steuer&shy;er&shy;spar&shy;nis kann nur "
                       "nähe&shy;rungs&shy;weise er&shy;mit&shy;telt wer&shy;den, da zur "
                       "ge&shy;nau&shy;en Be&shy;rech&shy;nung das zu ver&shy;steu&shy;ernde "
                       "Ein&shy;kom&shy;men be&shy;nö&shy;tigt wür&shy;de; die&shy;ses kann hier "
                       "nur ge&shy;schätzt wer&shy;den (%1). Zur ge&shy;nau&shy;eren "
                       "Be&shy;rech&shy;nung emp&shy;feh&shy;len wir, einen "
                       "Steu&shy;er&shy;be&shy;ra&shy;ter hin&shy;zu&shy;zu&shy;zie&shy;hen.")
                       .arg(euro0(d.zvE)));
    abstand(z);

    if (d.Soli > 0 || d.KiStSatz > 0) {
        if (d.Soli == 0)
            hinweis(z, QStringLiteral("Bei der Berech&shy;nung der Steu&shy;er&shy;er&shy;spar&shy;"
                                      "nis wur&shy;de die Kir&shy;chen&shy;steu&shy;er (hier %1), "
                                      "aber nicht der Soli&shy;dari&shy;täts&shy;zu&shy;schlag "
                                      "be&shy;rück&shy;sich&shy;tigt.")
                           .arg(prozent1(d.KiStSatz)));
        else if (d.KiStSatz == 0)
            hinweis(z,
                    QStringLiteral("Bei der Be&shy;rech&shy;nung der Steu&shy;er&shy;er&shy;"
                                   "spar&shy;nis wur&shy;de der Soli&shy;dari&shy;täts&shy;zu&shy;"
                                   "schlag (%1) be&shy;rück&shy;sich&shy;tigt, aber kei&shy;ne "
                                   "Kir&shy;chen&shy;steu&shy;er.")
                        .arg(soliText(d)));
        else
            hinweis(z,
                    QStringLiteral("Bei der Berech&shy;nung der Steu&shy;er&shy;er&shy;spar&shy;"
                                   "nis wur&shy;den die Kir&shy;chen&shy;steu&shy;er (hier %1) "
                                   "so&shy;wie der Soli&shy;dari&shy;täts&shy;zu&shy;schlag (%2) "
                                   "be&shy;rück&shy;sich&shy;tigt.")
                        .arg(prozent1(d.KiStSatz), soliText(d)));
        abstand(z);
    } else if (d.Steuerersparnis > 0 && soliNachFreigrenze(d)) {
        // the surcharge by the year's rule, the church tax at 8 %
        // (both computed on the same record, which shows the split's contributions)
        TZulagenDaten ohne = d;
        BerechneSteuerersparnis(ohne);
        TZulagenDaten mit = d;
        mit.Soli = SoliSatz(d.Steuerjahr());
        mit.KiStSatz = 0.08;
        BerechneSteuerersparnis(mit);
        hinweis(z, QStringLiteral("Eine zusätz&shy;liche Er&shy;spar&shy;nis aus der "
                                  "Min&shy;de&shy;rung des Soli&shy;dari&shy;täts&shy;zus&shy;"
                                  "chlags und ggf. der Kir&shy;chen&shy;steu&shy;er wur&shy;de "
                                  "nicht ein&shy;be&shy;zo&shy;gen. Dies wür&shy;de für %1 bei "
                                  "8&#160;% KiSt und dem Soli&shy;dari&shy;täts&shy;zu&shy;schlag "
                                  "mit Frei&shy;gren&shy;ze und Mil&shy;de&shy;rungs&shy;zo&shy;ne "
                                  "einen zu&shy;sätz&shy;lichen Be&shy;trag von %2 "
                                  "aus&shy;machen.")
                       .arg(FormatD(d.Steuerjahr()),
                            euro0(std::max(0.0, mit.Steuerersparnis - ohne.Steuerersparnis))));
        abstand(z);
    } else if (d.Steuerersparnis > 0) {
        hinweis(z, QStringLiteral("Eine zusätz&shy;liche Er&shy;spar&shy;nis aus der "
                                  "Min&shy;de&shy;rung des Soli&shy;dari&shy;täts&shy;zus&shy;"
                                  "chlags und ggf. der Kir&shy;chen&shy;steu&shy;er wur&shy;de "
                                  "nicht ein&shy;be&shy;zo&shy;gen. Dies wür&shy;de für %1 bei "
                                  "5,5&#160;% Soli + 8&#160;% KiSt einen zu&shy;sätz&shy;lichen "
                                  "Be&shy;trag von %2 aus&shy;machen.")
                       .arg(FormatD(d.Steuerjahr()), euro0(d.Steuerersparnis * 0.135)));
        abstand(z);
    }

    const double a = d.Grundzulage1 + d.Kinderzulage1 + d.Grundzulage2 + d.Kinderzulage2;
    hinweis(z, QStringLiteral("Die För&shy;der&shy;quo&shy;te ist die Sum&shy;me aus "
                              "Zu&shy;la&shy;gen und zu&shy;sätz&shy;li&shy;cher "
                              "Steu&shy;er&shy;er&shy;spar&shy;nis (hier %1 + %2 = %3) "
                              "be&shy;zo&shy;gen auf den Ge&shy;samt&shy;bei&shy;trag.")
                   .arg(euro0(a), euro0(d.Steuerersparnis), euro0(a + d.Steuerersparnis)));
    abstand(z);

    // values of the year not enacted, replaced by those in force
    for (const std::string& h : Hinweise(d)) {
        hinweis(z, HtmlMaskieren(QString::fromStdString(h)), QStringLiteral("Rechtsstand"));
        abstand(z);
    }

    hinweis(
        z,
        QStringLiteral("Junge Talven-Sparer (Selbst För&shy;der&shy;be&shy;rech&shy;tig&shy;te, "
                       "die zu Be&shy;ginn des Bei&shy;trags&shy;jah&shy;res das 25. "
                       "Le&shy;bens&shy;jahr noch nicht voll&shy;en&shy;det ha&shy;ben) "
                       "er&shy;hal&shy;ten ein&shy;ma&shy;lig eine um bis zu 200&#160;Euro "
                       "er&shy;höh&shy;te Grund&shy;zu&shy;lage. ") +
            bonusText(d),
        QStringLiteral("Extrazulage"));
    z << QStringLiteral("</table>");
}

} // namespace

QString KeinGrafikBildText()
{
    return QStringLiteral("Die Grafik kann nicht gezeigt werden: Ihr Bild lässt sich in keinem "
                          "Verzeichnis für temporäre Dateien anlegen.");
}

void BerichtSchreiben(QStringList& z, const TZulagenDaten& d, const TBerichtOptionen& o,
                      const TVergleich* vergleich)
{
    SeitenkopfSchreiben(z, o.Firmenlogo, o.LogoDatei);
    z << QStringLiteral("<h1>Staatliche Förderung Ihrer Privat-Rente</h1>")
      << QStringLiteral("<h2>gemäß Altersvermögensgesetz (AVmG)</h2>");
    if (o.Beratungsprotokoll) {
        // Shown only on paper: the name, or a line to write it on.
        const QString name =
            o.Kundenname.isEmpty()
                ? QStringLiteral("<span style=\"width:300pt; border-bottom:1px solid "
                                 "black\">&nbsp;</span>")
                : HtmlMaskieren(o.Kundenname);
        z << QStringLiteral("<h2 class=\"nur_Druck\">erstellt für&nbsp;&nbsp;&nbsp;") + name +
                 QStringLiteral("</h2>");
    }
    eingabenSchreiben(z, d);
    beitraegeSchreiben(z, d);
    hinweiseSchreiben(z, d);
    if (vergleich)
        FoerderrechtsvergleichSchreiben(z, *vergleich);
    if (o.MitGrafik) {
        z << QStringLiteral("<h2><br>Grafische Darstellung</h2>") << tabelleAuf;
        TextzeilenSchreiben(z, nbsp,
                            {o.GrafikDatei.isEmpty()
                                 ? KeinGrafikBildText()
                                 : QStringLiteral("<img src=\"%1\" width=\"100%\">")
                                       .arg(HtmlMaskieren(o.GrafikDatei))},
                            false);
        z << QStringLiteral("</table>");
    }
    SeitenfussSchreiben(z, o.Beratungsprotokoll);
}

} // namespace Fermalin
