#include "Bericht.h"
#include "HTML_Ausgabe.h"
#include "Haushaltsrechnung.h"
#include "Zahlformat.h"
#include "Zulagen.h"

#include "../Testhaushalt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Fermalin;

namespace {

QString dokument(const TZulagenDaten& d, const TBerichtOptionen& o = {})
{
    QStringList z;
    BerichtSchreiben(z, d, o);
    return BerichtText(z);
}

// The record as the report shows it: computed, with the report-mode split's
// contracts and total.
TZulagenDaten gesplittet(const TEingaben& e)
{
    TZulagenDaten d = HaushaltRechnen(e);
    const TAufteilung a = Aufteilen(e, d, false);
    d.Eigenbeitrag1 = a.Eigenbeitrag1;
    d.Eigenbeitrag2 = a.Eigenbeitrag2;
    d.Eigenbeitrag = a.Eigenbeitrag;
    return d;
}

TZulagenDaten haushalt(bool verheiratet, bool doppel, double e1, double e2, QList<int> kinder = {})
{
    return gesplittet(
        Testhaushalt<TEingaben>(verheiratet, doppel, e1, e2, KinderVonPerson1(kinder)));
}

// The row of the inputs table that holds text, up to its end.
QString zeileMit(const QString& doc, const QString& text)
{
    const qsizetype i = doc.indexOf(text);
    if (i < 0)
        return QString();
    const qsizetype anfang = doc.lastIndexOf(QStringLiteral("<tr"), i);
    const qsizetype ende = doc.indexOf(QStringLiteral("</tr>"), i);
    return doc.mid(anfang, ende - anfang);
}

} // namespace

class TstBericht : public QObject
{
    Q_OBJECT

private slots:
    void rahmenEndetMitHtmlUndCrLf()
    {
        QStringList z{QStringLiteral("alt")};
        SeitenkopfSchreiben(z, false, QString());
        SeitenfussSchreiben(z, false);
        const QString text = BerichtText(z);
        QVERIFY(text.startsWith(QStringLiteral("<html>\r\n<head>\r\n<title>Fermalin</title>\r\n")));
        QVERIFY(text.endsWith(QStringLiteral("</body>\r\n</html>\r\n")));
        QVERIFY(text.contains(
            QStringLiteral("</SCRIPT>\r\n</head>\r\n\r\n<body ONLOAD=\"Init()\">\r\n")));
        QVERIFY(!text.contains(QStringLiteral("alt\r\n"))); // the head clears the list
        QVERIFY(text.contains(QStringLiteral("@media print  {.nur_Screen {display:none}} @media "
                                             "screen {.nur_Druck {display:none}}")));
        QVERIFY(text.contains(QStringLiteral(
            ".leri2to { border-left-width:1px; border-left-style:solid; border-left-color:black; "
            "border-right-width:2px; border-right-style:solid; border-right-color:black; "
            "border-top-width:1px; border-top-style:solid; border-top-color:black; }")));
        QVERIFY(text.contains(QStringLiteral(
            ".tabEBLeToPa { padding-right:25px; height:36px; border-top-width:1px;")));
        QCOMPARE(BerichtText({QStringLiteral("Förderquote §")}),
                 QStringLiteral("Förderquote §\r\n"));
    }

    void toolInfoSkript()
    {
        QStringList z;
        ToolInfoSchreiben(z, false, QString());
        QCOMPARE(z.size(), 1);
        const QStringList zeilen = z.first().split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 19);
        QCOMPARE(zeilen.at(0), QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">"));
        QCOMPARE(zeilen.at(4), QStringLiteral("document.ToolInfo.VeltoName = new Object();"));
        QCOMPARE(zeilen.at(10), QStringLiteral("document.ToolInfo.VeltoName = \"\";"));
        QCOMPARE(zeilen.at(11), QStringLiteral("document.ToolInfo.Variante = \"NEUTRAL\";"));
        QCOMPARE(zeilen.at(12), QStringLiteral("document.ToolInfo.ToolName = \"Fermalin\";"));
        QCOMPARE(zeilen.at(13), QStringLiteral("document.ToolInfo.FirmenLogoPfad = \"\";"));
        QCOMPARE(zeilen.at(14), QStringLiteral("document.ToolInfo.ToolVersion = \"Version 4.1\";"));
        QCOMPARE(zeilen.at(15), QStringLiteral("document.ToolInfo.IE8 = \"False\";"));
        QCOMPARE(zeilen.at(16), QString());
        QCOMPARE(zeilen.at(18), QStringLiteral("</SCRIPT>"));
    }

    void logoPfadNurMitSchalterUndDatei()
    {
        QTemporaryDir tmp;
        // A directory name with backslashes and an ampersand shows both escapes.
        QVERIFY(QDir(tmp.path()).mkpath(QStringLiteral("A\\B & C")));
        const QString logo = tmp.filePath(QStringLiteral("A\\B & C/logo.bmp"));
        const auto zuweisung = [&](bool schalter) {
            QStringList z;
            ToolInfoSchreiben(z, schalter, logo);
            const QString s = z.first();
            const qsizetype i = s.indexOf(QStringLiteral("FirmenLogoPfad = \""));
            return s.mid(i, s.indexOf(QLatin1Char('\n'), i) - i - 1);
        };
        QCOMPARE(zuweisung(true), QStringLiteral("FirmenLogoPfad = \"\";")); // file absent
        QFile f(logo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(zuweisung(false), QStringLiteral("FirmenLogoPfad = \"\";")); // switch off
        QString erwartet = tmp.path() + QStringLiteral("/A\\\\B &amp; C/logo.bmp");
        QCOMPARE(zuweisung(true), QStringLiteral("FirmenLogoPfad = \"%1\";").arg(erwartet));
        // The print layout reads back the real path.
        QStringList z;
        SeitenkopfSchreiben(z, true, logo);
        const auto info = ToolInfoLesen(BerichtText(z));
        QVERIFY(info);
        QCOMPARE(info->FirmenLogoPfad, logo);
        QCOMPARE(info->ToolName, QStringLiteral("Fermalin"));
        QCOMPARE(info->Variante, QStringLiteral("NEUTRAL"));
        QVERIFY(!ToolInfoLesen(QStringLiteral("<html><body>x</body></html>")));
    }

    void zeilenbausteine()
    {
        QStringList z;
        TextzeilenSchreiben(z, QStringLiteral("K"), {QStringLiteral("a")}, false);
        QCOMPARE(z, QStringList({QStringLiteral("<tr>"),
                                 QStringLiteral("<td width=\"22%\" class=\"links\" "
                                                "rowspan=\"1\">K</td>"),
                                 QStringLiteral("<td width=\"78%\" class=\"mitte\">a</td></tr>")}));
        z.clear();
        TextzeilenSchreiben(z, QString(),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}, true);
        QCOMPARE(z.size(), 7);
        QCOMPARE(z.at(0), QStringLiteral("<tr class=\"nur_Druck\">"));
        QCOMPARE(z.at(1), QStringLiteral("<td width=\"22%\" class=\"links\" rowspan=\"3\"></td>"));
        QCOMPARE(z.at(3), QStringLiteral("<tr class=\"nur_Druck\">"));
        z.clear();
        WertzeilenSchreiben(z, QString(),
                            {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")},
                            {QString(), QStringLiteral("1"), QStringLiteral("2")}, false);
        QCOMPARE(z,
                 QStringList({
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"22%\" class=\"links\" rowspan=\"3\"></td>"),
                     QStringLiteral("<td width=\"78%\" class=\"mitte\" colspan=\"2\">a</td></tr>"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"53%\" class=\"mitte\">b</td>"),
                     QStringLiteral("<td width=\"24%\" class=\"rechts\">1</td></tr>"),
                     QStringLiteral("<tr>"),
                     QStringLiteral("<td width=\"53%\" class=\"mitte\">c</td>"),
                     QStringLiteral("<td width=\"24%\" class=\"rechts\">2</td></tr>"),
                 }));
        z.clear();
        WertzeilenSchreiben(z, QString(), {QStringLiteral("a"), QStringLiteral("b")},
                            {QStringLiteral("1")}, false);
        QCOMPARE(z.last(),
                 QStringLiteral("<td width=\"78%\" class=\"mitte\" colspan=\"2\">b</td></tr>"));
        z.clear();
        LeerzeileSchreiben(z, false);
        QCOMPARE(z.first(), QStringLiteral("<tr><td class=\"links\">&nbsp;</td><td "
                                           "class=\"mitte\">&nbsp;</td></tr>"));
    }

    void maskierung()
    {
        QCOMPARE(HtmlMaskieren(QStringLiteral("Müller & <Söhne> \"GbR\"")),
                 QStringLiteral("Müller &amp; &lt;Söhne&gt; &quot;GbR&quot;"));
        // Beyond the code page: a numeric reference, never a lost character.
        QCOMPARE(HtmlMaskieren(QStringLiteral("Łukasz €")), QStringLiteral("&#321;ukasz €"));
        TBerichtOptionen o;
        o.Beratungsprotokoll = true;
        o.Kundenname = QStringLiteral("Müller & <Söhne>");
        o.MitGrafik = true;
        o.GrafikDatei = QStringLiteral("/tmp/a\"b&c/G_Ortavo.Bmp");
        const QString doc = dokument(haushalt(false, false, 30000, 0), o);
        QVERIFY(doc.contains(
            QStringLiteral("<h2 class=\"nur_Druck\">erstellt für&nbsp;&nbsp;&nbsp;Müller &amp; "
                           "&lt;Söhne&gt;</h2>\r\n")));
        QVERIFY(doc.contains(QStringLiteral(
            "<td width=\"22%\" class=\"links\" rowspan=\"1\">&#160;</td>\r\n<td width=\"78%\" "
            "class=\"mitte\"><img src=\"/tmp/a&quot;b&amp;c/G_Ortavo.Bmp\" "
            "width=\"100%\"></td></tr>")));
    }

    // Without a picture (no usable temporary folder) the report says so and
    // names no file, least of all one in the current folder.
    void ohneGrafikBildSagtEsDerBericht()
    {
        TBerichtOptionen o;
        o.MitGrafik = true;
        const QString doc = dokument(haushalt(false, false, 30000, 0), o);
        QVERIFY(doc.contains(QStringLiteral("<h2><br>Grafische Darstellung</h2>")));
        QVERIFY(doc.contains(QStringLiteral("class=\"mitte\">") + KeinGrafikBildText() +
                             QStringLiteral("</td></tr>")));
        QVERIFY(!doc.contains(QStringLiteral("<img")));
    }

    void ledigOhneKinder()
    {
        const QString doc = dokument(haushalt(false, false, 30000, 0));
        QVERIFY(
            zeileMit(doc, QStringLiteral("Familienstand")).contains(QStringLiteral(">ledig</td>")));
        QVERIFY(zeileMit(doc, QStringLiteral("Jahres&shy;ein&shy;kommen in 2009"))
                    .contains(QStringLiteral(">30.000&#160; Euro</td>")));
        QVERIFY(zeileMit(doc, QStringLiteral("berech&shy;tigter Kinder"))
                    .contains(QStringLiteral(">keine Kinder</td>")));
        QVERIFY(!doc.contains(QStringLiteral("geboren")));
        QVERIFY(!doc.contains(QStringLiteral("Ehe&shy;partner")));
        QVERIFY(!doc.contains(QStringLiteral("erste Person")));
        QVERIFY(
            doc.contains(QStringLiteral("<h2><br>Eigenbeitrag und staatl. Zulagen p. a.</h2>")));
        // 4 % of 30000 less 154 = 1046 own contribution
        QVERIFY(doc.contains(QStringLiteral(
            "<tr><td class=\"tabEB\" width=\"2%\">&#160;</td>\r\n<td align=\"left\" "
            "class=\"tabEB\" "
            "width=\"20%\"><b>Eigenbeitrag</b></td>\r\n<td align=\"right\" class=\"tabEBLePa\" "
            "width=\"23%\">1.046,00&#160;Euro</td>\r\n<td align=\"right\" class=\"tabEB\" "
            "width=\"23%\">&#160;</td>\r\n<td align=\"right\" class=\"tabEB\" "
            "width=\"23%\">&#160;</td>\r\n<td class=\"tabEB\" width=\"9%\">&#160;</td></tr>")));
        QVERIFY(doc.contains(QStringLiteral(
            "<td align=\"right\" class=\"tabEBLeToPa\" width=\"23%\">154,00&#160;Euro</td>")));
        QVERIFY(!doc.contains(QStringLiteral("Grafische Darstellung")));
        QVERIFY(!doc.contains(QStringLiteral("Beratungsprotokoll")));
        QVERIFY(!doc.contains(QStringLiteral("nur_Druck\">erstellt")));
    }

    void ehepaarMitZweiEinkommen()
    {
        const TZulagenDaten d = haushalt(true, true, 30000, 20000);
        const QString doc = dokument(d);
        QVERIFY(doc.contains(QStringLiteral(
            "<tr>\r\n<td width=\"22%\" class=\"links\" rowspan=\"3\"></td>\r\n<td width=\"78%\" "
            "class=\"mitte\" colspan=\"2\">renten&shy;ver&shy;sicherungs&shy;pflichtiges "
            "Jahres&shy;ein&shy;kommen in 2009</td></tr>\r\n<tr>\r\n<td width=\"53%\" "
            "class=\"mitte\">der ersten Person</td>\r\n<td width=\"24%\" "
            "class=\"rechts\">30.000&#160;Euro</td></tr>\r\n<tr>\r\n<td width=\"53%\" "
            "class=\"mitte\">der zweiten Person</td>\r\n<td width=\"24%\" "
            "class=\"rechts\">20.000&#160;Euro</td></tr>")));
        QVERIFY(
            zeileMit(doc, QStringLiteral("Ehe&shy;partner")).contains(QStringLiteral(">beide<")));
        QVERIFY(
            doc.contains(QStringLiteral("<h2><br>Eigenbeiträge und staatl. Zulagen p. a.</h2>")));
        QVERIFY(doc.contains(QStringLiteral(
            "<td class=\"tabEBLe\" align=\"center\" width=\"23%\"><b>zweite Person</b></td>")));
        // the sums are the report's own: own contribution plus both allowances
        const double gesamt = d.Eigenbeitrag + d.Grundzulage1 + d.Grundzulage2;
        QVERIFY(
            doc.contains(QStringLiteral("<td align=\"right\" class=\"tabEBLePa\" width=\"23%\">") +
                         FormatN(gesamt, 2) +
                         QStringLiteral("&#160;Euro</td>\r\n<td class=\"tabEB\" width=\"9%\">")));
        QVERIFY(doc.contains(QStringLiteral(
            "<tr><td class=\"tabEBTo\" width=\"2%\">&#160;</td>\r\n<td class=\"tabEBTo\" "
            "align=\"left\" width=\"20%\"><b>Steuerersparnis</b></td>\r\n<td class=\"tabEBLeTo\" "
            "width=\"23%\">&#160;</td>\r\n<td class=\"tabEBLeToPa\" width=\"23%\">&#160;</td>")));
        QVERIFY(doc.contains(QStringLiteral(
            "<td class=\"tabEB\" align=\"left\" width=\"20%\"><b>Förderquote</b></td>\r\n<td "
            "align=\"right\" class=\"tabEBLePa\" width=\"23%\">&#160;</td>\r\n<td "
            "class=\"tabEBLePa\" width=\"23%\">&#160;</td>")));
    }

    void kinderzeile_data()
    {
        QTest::addColumn<QList<int>>("jahre");
        QTest::addColumn<QString>("text");
        QTest::newRow("2005, 2009, 2010")
            << QList<int>{2005, 2009, 2010} << "(davon 1 vor 2008 geboren)";
        QTest::newRow("zwei 2006") << QList<int>{2006, 2006} << "(beide vor 2008 geboren)";
        QTest::newRow("zwei 2008") << QList<int>{2008, 2008} << "(beide nach 2007 geboren)";
        QTest::newRow("drei 2009") << QList<int>{2009, 2009, 2009} << "(alle nach 2007 geboren)";
        QTest::newRow("drei 2000") << QList<int>{2000, 2001, 2002} << "(alle vor 2008 geboren)";
        QTest::newRow("eins 2007") << QList<int>{2007} << "(geboren vor 2008)";
        QTest::newRow("eins 2008") << QList<int>{2008} << "(geboren nach 2007)";
    }
    void kinderzeile()
    {
        QFETCH(QList<int>, jahre);
        QFETCH(QString, text);
        const QString doc = dokument(haushalt(false, false, 30000, 0, jahre));
        QVERIFY(zeileMit(doc, QStringLiteral("berech&shy;tigter Kinder"))
                    .contains(QStringLiteral(">%1</td>").arg(jahre.size())));
        QVERIFY2(doc.contains(QStringLiteral("<td width=\"78%\" class=\"mitte\" colspan=\"2\">") +
                              text + QStringLiteral("</td></tr>")),
                 qPrintable(text));
    }

    void tarifhinweis_data()
    {
        QTest::addColumn<bool>("verheiratet");
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<double>("e1");
        QTest::addColumn<double>("e2");
        QTest::addColumn<QString>("hinweis");
        const QString einer =
            QStringLiteral("Mindestens einer der Eigen&shy;bei&shy;träge un&shy;");
        const QString beide = QStringLiteral("Mindestens einer der Eigen&shy;bei&shy;trä&shy;ge");
        const QString ledig = QStringLiteral("müss&shy;te er auf 120&#160;Euro an&shy;ge&shy;ho");
        QTest::newRow("einer, E2 29,99") << true << false << 120.0 << 29.99 << einer;
        QTest::newRow("einer, 120 und 30") << true << false << 120.0 << 30.0 << QString();
        QTest::newRow("einer, E1 119,99") << true << false << 119.99 << 30.0 << einer;
        QTest::newRow("beide, E2 119,99") << true << true << 500.0 << 119.99 << beide;
        QTest::newRow("beide, 120 und 120") << true << true << 120.0 << 120.0 << QString();
        QTest::newRow("ledig, 0") << false << false << 0.0 << 0.0 << ledig;
        QTest::newRow("ledig, 120") << false << false << 120.0 << 0.0 << QString();
    }
    void tarifhinweis()
    {
        QFETCH(bool, verheiratet);
        QFETCH(bool, doppel);
        QFETCH(double, e1);
        QFETCH(double, e2);
        QFETCH(QString, hinweis);
        TZulagenDaten d;
        d.Verheiratet = verheiratet;
        d.Doppelverdiener = doppel;
        d.AnzahlFoerderberechtigte = verheiratet && doppel ? 2 : 1;
        d.Eigenbeitrag1 = e1;
        d.Eigenbeitrag2 = e2;
        const QString doc = dokument(d);
        const bool einer = doc.contains(QStringLiteral("Mindestens einer"));
        const bool ledig = doc.contains(QStringLiteral("Der Eigenbeitrag un&shy;ter"));
        if (hinweis.isEmpty()) {
            QVERIFY(!einer && !ledig);
        } else {
            QVERIFY(doc.contains(hinweis));
            QCOMPARE(doc.count(QStringLiteral("Mindestens einer")) + (ledig ? 1 : 0), 1);
        }
    }

    void ledigAmReglerNull()
    {
        // Without the tariff rule the contribution stays 0 and the note asks for 120;
        // with it the split has raised it to 120 and the note is gone.
        for (const bool tarif : {false, true}) {
            TEingaben e;
            e.Einkommen1 = 30000;
            e.MinBeitrag = false;
            e.TarMindBtr = tarif;
            e.BeitragsPosition = 0;
            const TZulagenDaten d = gesplittet(e);
            QCOMPARE(d.Eigenbeitrag1, tarif ? 120.0 : 0.0);
            QCOMPARE(dokument(d).contains(QStringLiteral("an&shy;ge&shy;ho&shy;ben")), !tarif);
        }
    }

    void darstellungshinweis_data()
    {
        QTest::addColumn<bool>("verheiratet");
        QTest::addColumn<bool>("doppel");
        QTest::addColumn<bool>("minimal");
        QTest::addColumn<bool>("tarif");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("anfang");
        QTest::addColumn<bool>("zusatz"); // the second note of a one-earner couple
        QTest::newRow("Paar min tarif")
            << true << false << true << true << 0
            << "Dargestellt sind die minimalen Eigen&shy;beiträge (unter" << true;
        QTest::newRow("Paar min") << true << true << true << false << 0
                                  << "Dargestellt sind die mini&shy;ma&shy;len" << false;
        QTest::newRow("Paar max") << true << false << false << true << 50
                                  << "Dargestellt sind die maxi&shy;ma&shy;len" << true;
        QTest::newRow("Paar indiv") << true << false << false << true << 20
                                    << "Dargestellt sind die in&shy;di&shy;vi" << false;
        QTest::newRow("ledig min tarif")
            << false << false << true << true << 0
            << "Dargestellt ist der minimale Eigen&shy;bei&shy;trag (un" << false;
        QTest::newRow("ledig min")
            << false << false << true << false << 0
            << "Dargestellt ist der minimale Eigen&shy;bei&shy;trag, der" << false;
        QTest::newRow("ledig max")
            << false << false << false << true << 50 << "Dargestellt ist der maximale" << false;
        QTest::newRow("ledig indiv") << false << false << false << true << 10
                                     << "Dargestellt ist der in&shy;di&shy;vi" << false;
    }
    void darstellungshinweis()
    {
        QFETCH(bool, verheiratet);
        QFETCH(bool, doppel);
        QFETCH(bool, minimal);
        QFETCH(bool, tarif);
        QFETCH(int, position);
        QFETCH(QString, anfang);
        QFETCH(bool, zusatz);
        TZulagenDaten d;
        d.Verheiratet = verheiratet;
        d.Doppelverdiener = doppel;
        d.MinBeitrag = minimal;
        d.TarMindBtr = tarif;
        d.BeitragsPosition = position;
        const QString doc = dokument(d);
        const QString kopf = verheiratet ? QStringLiteral("rowspan=\"1\">Berechnung</td>\r\n"
                                                          "<td width=\"78%\" class=\"mitte\">")
                                         : QStringLiteral("rowspan=\"1\"></td>\r\n<td "
                                                          "width=\"78%\" class=\"mitte\">");
        QVERIFY2(doc.contains(kopf + anfang), qPrintable(anfang));
        QCOMPARE(doc.count(QStringLiteral("Dargestellt")), 1);
        QCOMPARE(doc.contains(QStringLiteral(">Hinweis: ")), zusatz);
    }

    void steuerhinweise()
    {
        TZulagenDaten d;
        d.Soli = 0.055;
        d.KiStSatz = 0.09;
        QVERIFY(dokument(d).contains(
            QStringLiteral("Kir&shy;chen&shy;steu&shy;er (hier 9,0&#160;%) so&shy;wie der "
                           "Soli&shy;dari&shy;täts&shy;zu&shy;schlag (5,5&#160;%) be&shy;rück")));
        d.Soli = 0;
        QVERIFY(dokument(d).contains(QStringLiteral("(hier 9,0&#160;%), aber nicht der Soli")));
        d.KiStSatz = 0;
        d.Soli = 0.055;
        QVERIFY(dokument(d).contains(QStringLiteral("zu&shy;schlag (5,5&#160;%) be&shy;rück&shy;"
                                                    "sich&shy;tigt, aber kei&shy;ne")));
        d.Soli = 0;
        d.Steuerersparnis = 400;
        QVERIFY(dokument(d).contains(
            QStringLiteral("Dies wür&shy;de für 2010 bei 5,5&#160;% Soli + 8&#160;% KiSt einen "
                           "zu&shy;sätz&shy;lichen Be&shy;trag von 54&#160;Euro aus&shy;machen.")));
        // neither surcharge and no saving: no note, and no spacer for it
        d.Steuerersparnis = 0;
        const QString ohne = dokument(d);
        QVERIFY(!ohne.contains(QStringLiteral("Soli")));
        const qsizetype zve = ohne.indexOf(QStringLiteral("hin&shy;zu&shy;zu&shy;zie&shy;hen."));
        const qsizetype quote = ohne.indexOf(QStringLiteral("Die För&shy;der&shy;quo&shy;te"));
        QCOMPARE(ohne.mid(zve, quote - zve).count(QStringLiteral("class=\"links\">&nbsp;")), 1);
        // the manual taxable income
        d.DeltazvE = -500;
        d.zvE = 25500;
        QVERIFY(dokument(d).contains(QStringLiteral("Ein&shy;kom&shy;men (25.500&#160;Euro).")));
    }

    void foerderquoteUndExtrazulage()
    {
        const TZulagenDaten d = haushalt(false, false, 80000, 0, {2009});
        const QString doc = dokument(d);
        // 154 + 300 allowances
        QVERIFY(d.Steuerersparnis > 0);
        QVERIFY(doc.contains(
            QStringLiteral("(hier 454&#160;Euro + %1&#160;Euro = %2&#160;Euro)")
                .arg(FormatN(d.Steuerersparnis, 0), FormatN(454 + d.Steuerersparnis, 0))));
        QVERIFY(doc.contains(QStringLiteral("rowspan=\"1\">Extrazulage</td>")));
        const qsizetype extra = doc.indexOf(QStringLiteral("Extrazulage"));
        // no spacer after it: the table closes
        const qsizetype ende = doc.indexOf(QStringLiteral("</table>"), extra);
        QVERIFY(ende > extra);
        QVERIFY(!doc.mid(extra, ende - extra).contains(QStringLiteral("<tr")));
    }

    void beratungsprotokollOhneName()
    {
        TBerichtOptionen o;
        o.Beratungsprotokoll = true;
        const QString doc = dokument(TZulagenDaten(), o);
        QVERIFY(doc.contains(QStringLiteral(
            "<h2 class=\"nur_Druck\">erstellt für&nbsp;&nbsp;&nbsp;<span style=\"width:300pt; "
            "border-bottom:1px solid black\">&nbsp;</span></h2>")));
        QVERIFY(doc.contains(QStringLiteral("<h2>Ergänzung zum Beratungsprotokoll</h2>")));
        QVERIFY(
            doc.contains(QStringLiteral("<div class=\"nur_Druck\" style=\"position:relative\">")));
        QVERIFY(doc.contains(QStringLiteral("Datum,&#160;Unterschrift&#160;Vermittler")));
        QVERIFY(doc.endsWith(QStringLiteral("</table></div></div>\r\n</body>\r\n</html>\r\n")));
        QCOMPARE(doc.count(QStringLiteral("class=\"bo\"")), 5);
    }
};

QTEST_GUILESS_MAIN(TstBericht)
#include "tst_bericht.moc"
