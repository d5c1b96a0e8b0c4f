#include "Bericht.h"
#include "Berichtsatz.h"
#include "HTML_Ausgabe.h"
#include "Haushaltsrechnung.h"
#include "Zulagen.h"

#include "../Testhaushalt.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

#include "../Sonderdateien.h"

#include <algorithm>
#include <csignal>
#include <sys/resource.h>

using namespace Fermalin;

namespace {

// What was painted: texts with their place, pictures with their target rectangle.
struct TAufnahme
{
    struct TText
    {
        QString text;
        QPointF ort;
    };
    QList<TText> texte;
    QList<QRectF> bilder;

    QString alles() const
    {
        QString s;
        for (const TText& t : texte)
            s += t.text + QLatin1Char('|');
        return s;
    }
};

// A paint engine that records instead of painting.
class TAufzeichnung : public QPaintEngine, public TAufnahme
{
public:
    TAufzeichnung() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& s) override
    {
        if (s.state() & QPaintEngine::DirtyTransform)
            m_transform = s.transform();
    }
    void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override
    {
        bilder << m_transform.mapRect(r);
    }
    void drawImage(const QRectF& r, const QImage&, const QRectF&, Qt::ImageConversionFlags) override
    {
        bilder << m_transform.mapRect(r);
    }
    void drawPath(const QPainterPath&) override {}
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
    void drawTextItem(const QPointF& p, const QTextItem& t) override
    {
        texte << TText{t.text(), m_transform.map(p)};
    }
    Type type() const override { return QPaintEngine::User; }

private:
    QTransform m_transform;
};

class TSeitenAufnahme : public QPaintDevice
{
public:
    TAufzeichnung engine;
    QPaintEngine* paintEngine() const override { return const_cast<TAufzeichnung*>(&engine); }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth:
            return 794;
        case PdmHeight:
            return 1123;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return 1 * QPaintDevice::devicePixelRatioFScale();
        default:
            return 1000;
        }
    }
};

TAufnahme seiteAufnehmen(const TBerichtSeiten& s, int i)
{
    TSeitenAufnahme geraet;
    QPainter p(&geraet);
    s.SeiteZeichnen(p, i);
    p.end();
    return static_cast<const TAufnahme&>(geraet.engine);
}

// The couple with children, the supplement and a customer name: two pages.
QString zweiseitig(const QString& logo = QString(), bool protokoll = true)
{
    TEingaben e = Testhaushalt<TEingaben>(true, true, 42000, 28000, {{2005, 1}, {2009, 1}});
    e.Druck.Beratungsprotokoll = protokoll;
    e.Druck.Kundenname = QStringLiteral("Müller & <Söhne>");
    e.Druck.Firmenlogo = !logo.isEmpty();
    e.Druck.LogoDatei = logo;
    return BerichtText(BerichtZeilen(e, HaushaltRechnen(e)));
}

// Everything the document holds, drawn once without pages.
TAufnahme dokumentAufnehmen(const TBerichtSeiten& s)
{
    TSeitenAufnahme geraet;
    QPainter p(&geraet);
    s.Dokument()->documentLayout()->draw(&p, QAbstractTextDocumentLayout::PaintContext());
    p.end();
    return static_cast<const TAufnahme&>(geraet.engine);
}

QString bildSchreiben(const QTemporaryDir& dir, const QString& name, QSize groesse)
{
    QImage bild(groesse, QImage::Format_RGB888);
    bild.fill(QColor(0, 51, 102));
    const QString pfad = dir.filePath(name);
    bild.save(pfad, "BMP");
    return pfad;
}

} // namespace

class TstBerichtsatz : public QObject
{
    Q_OBJECT

private slots:
    void medienklassen()
    {
        const QString html = zweiseitig();
        const QString druck = FuerMedium(html, TMedium::Druck);
        const QString schirm = FuerMedium(html, TMedium::Bildschirm);
        QVERIFY(druck.contains(QStringLiteral("erstellt für")));
        QVERIFY(druck.contains(QStringLiteral("Ergänzung zum Beratungsprotokoll")));
        QVERIFY(!schirm.contains(QStringLiteral("erstellt für")));
        QVERIFY(!schirm.contains(QStringLiteral("Beratungsprotokoll")));
        // only the supplement went: the body still ends as it did
        QVERIFY(schirm.endsWith(QStringLiteral("</body>\r\n</html>\r\n")));
        QVERIFY(schirm.contains(QStringLiteral("Extrazulage")));
        QVERIFY(!schirm.contains(QStringLiteral("<table width=\"99%\"")));
        QVERIFY(!schirm.contains(QStringLiteral("</div>")));
        // nested elements of the same name are removed to their own end
        const QString verschachtelt = FuerMedium(
            QStringLiteral("<p>a</p><div class=\"x nur_Screen\"><div>b</div>c</div><p>d</p>"),
            TMedium::Druck);
        QCOMPARE(verschachtelt, QStringLiteral("<p>a</p><p>d</p>"));
        QVERIFY(!druck.contains(QStringLiteral("visibility:hidden")));
        QVERIFY(!druck.contains(QStringLiteral("border-bottom:1px solid black\">&nbsp;")));
        QVERIFY(druck.contains(QStringLiteral("<span style=\"text-decoration:underline\">&nbsp;")));
    }

    void zweiSeitenMitFusszeilen()
    {
        const TBerichtSeiten s(zweiseitig());
        QVERIFY(!s.ToolInfoFehlt());
        QCOMPARE(s.Seitenzahl(), 2);
        const TAufnahme eins = seiteAufnehmen(s, 1);
        const TAufnahme zwei = seiteAufnehmen(s, 2);
        QVERIFY(eins.alles().contains(QStringLiteral("|Seite 1 von 2|")));
        QVERIFY(zwei.alles().contains(QStringLiteral("|Seite 2 von 2|")));
        QVERIFY(eins.alles().contains(QStringLiteral("| Fermalin Version 4.1|")));
        QVERIFY(zwei.alles().contains(QStringLiteral("| Fermalin Version 4.1|")));
        // the name as typed, on paper
        QVERIFY(eins.alles().contains(QStringLiteral("Müller & <Söhne>")));
        // the supplement stays together on one page, with its signature lines
        QVERIFY(!eins.alles().contains(QStringLiteral("Ergänzung")));
        QVERIFY(zwei.alles().contains(QStringLiteral("Ergänzung zum Beratungsprotokoll")));
        QVERIFY(zwei.alles().contains(QStringLiteral("Unterschrift\u00A0Kunde")));
        QVERIFY(zwei.alles().contains(QStringLiteral("Unterschrift\u00A0Vermittler")));
        // nothing outside the page's printable band: content between header and
        // footer, within the left and right edges of the layout rectangle
        const TSeitenGeometrie& g = s.Geometrie();
        const QRectF inhalt(g.Inhalt.left() * 0.96, g.Inhalt.top() * 0.96, g.Inhalt.width() * 0.96,
                            g.Inhalt.height() * 0.96);
        const QRectF fuss(g.Fuss.left() * 0.96, g.Fuss.top() * 0.96, g.Fuss.width() * 0.96,
                          g.Fuss.height() * 0.96);
        for (const TAufnahme& seite : {eins, zwei})
            for (const auto& t : seite.texte)
                QVERIFY2(inhalt.adjusted(-1, -1, 1, 1).contains(t.ort) ||
                             fuss.adjusted(-1, -1, 1, 1).contains(t.ort),
                         qPrintable(t.text));
    }

    void logoOnEveryPage()
    {
        QTemporaryDir dir;
        const QString logo = bildSchreiben(dir, QStringLiteral("logo.bmp"), QSize(300, 70));
        const TBerichtSeiten mit(zweiseitig(logo));
        const double rechts = (mit.Geometrie().Kopf.right()) * 0.96;
        for (int i = 1; i <= 2; ++i) {
            const TAufnahme a = seiteAufnehmen(mit, i);
            QCOMPARE(a.bilder.size(), 1);
            const QRectF r = a.bilder.first();
            QVERIFY(qAbs(r.right() - rechts) < 0.5);                    // top right of the header
            QVERIFY(r.bottom() <= mit.Geometrie().Inhalt.top() * 0.96); // above the report
            QVERIFY(r.width() <= 300.5);
        }
        // logo switch off: every header is empty
        const TBerichtSeiten ohne(zweiseitig());
        QVERIFY(seiteAufnehmen(ohne, 1).bilder.isEmpty());
        QVERIFY(seiteAufnehmen(ohne, 2).bilder.isEmpty());
    }

    void ohneToolInfoKeineSeiten()
    {
        const TBerichtSeiten s(QStringLiteral("<html><body><p>x</p></body></html>"));
        QVERIFY(s.ToolInfoFehlt());
        QCOMPARE(s.Seitenzahl(), 0);
        QCOMPARE(TBerichtSeiten::ToolInfoFehltText(), QStringLiteral("Fehler: Toolinfos fehlen"));
    }

    void nurGenannteBilder()
    {
        QTemporaryDir dir;
        const QString erlaubt = bildSchreiben(dir, QStringLiteral("G_Ortavo.Bmp"), QSize(40, 20));
        const QString fremd = bildSchreiben(dir, QStringLiteral("fremd.bmp"), QSize(50, 50));
        TBerichtDokument doc(QStringLiteral("<img src=\"%1\"><img src=\"%2\"><img "
                                            "src=\"https://example.org/x.png\">")
                                 .arg(erlaubt, fremd),
                             TMedium::Druck, {erlaubt});
        QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(erlaubt)).value<QImage>().size(),
                 QSize(40, 20));
        QCOMPARE(doc.resource(QTextDocument::ImageResource, QUrl(fremd)).value<QImage>().size(),
                 QSize(1, 1));
        QCOMPARE(doc.resource(QTextDocument::ImageResource,
                              QUrl(QStringLiteral("https://example.org/x.png")))
                     .value<QImage>()
                     .size(),
                 QSize(1, 1));
        QCOMPARE(BilderImDokument(QStringLiteral("<img src=\"/a&amp;b.bmp\" width=\"100%\">")),
                 QStringList{QStringLiteral("/a&b.bmp")});
    }

    void diagrammFuelltSeineZelle()
    {
        QTemporaryDir dir;
        TBerichtOptionen o;
        o.MitGrafik = true;
        o.GrafikDatei = bildSchreiben(dir, QStringLiteral("G & O.Bmp"), QSize(539, 286));
        TZulagenDaten d;
        d.Einkommen1 = 30000;
        BerechneHaushalt(d);
        QStringList z;
        BerichtSchreiben(z, d, o);
        const TBerichtSeiten s(BerichtText(z));
        bool gefunden = false;
        for (QTextBlock b = s.Dokument()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                    gefunden = true;
                    const double zelle = s.Geometrie().Inhalt.width() * 0.96 * 0.78;
                    QVERIFY(f.width() > zelle - 12 && f.width() <= zelle);
                    QVERIFY(qAbs(f.height() - f.width() * 286 / 539) < 0.01);
                }
        QVERIFY(gefunden);
    }

    void jedeZeileAufGenauEinerSeite_data()
    {
        QTest::addColumn<bool>("verheiratet");
        QTest::addColumn<double>("einkommen1");
        QTest::addColumn<double>("einkommen2");
        QTest::addColumn<QList<int>>("kinder");
        QTest::addColumn<bool>("grafik");
        QTest::newRow("Ehepaar ohne Kinder mit Grafik")
            << true << 35000.0 << 20000.0 << QList<int>{} << true;
        QTest::newRow("Ehepaar ohne Kinder ohne Grafik")
            << true << 35000.0 << 20000.0 << QList<int>{} << false;
        QTest::newRow("Ehepaar mit zwei Kindern ohne Grafik")
            << true << 42000.0 << 28000.0 << QList<int>{2005, 2009} << false;
        QTest::newRow("Ehepaar mit zwei Kindern mit Grafik")
            << true << 42000.0 << 28000.0 << QList<int>{2005, 2009} << true;
        QTest::newRow("Startzustand: ledig ohne Einkommen")
            << false << 0.0 << 0.0 << QList<int>{} << false;
        QTest::newRow("Alleinstehend mit einem Kind und Grafik")
            << false << 30000.0 << 0.0 << QList<int>{2008} << true;
    }

    // The supplement with customer names of one to four lines moves the page's end
    // through the notes: wherever it falls, every line is painted on one page
    // only, visibly, and no page ends after the first part of a hyphenated word.
    void jedeZeileAufGenauEinerSeite()
    {
        QFETCH(bool, verheiratet);
        QFETCH(double, einkommen1);
        QFETCH(double, einkommen2);
        QFETCH(QList<int>, kinder);
        QFETCH(bool, grafik);
        QTemporaryDir dir;
        TEingaben e = Testhaushalt<TEingaben>(verheiratet, verheiratet, einkommen1, einkommen2,
                                              KinderVonPerson1(kinder));
        const TZulagenDaten d = HaushaltRechnen(e);
        TBerichtOptionen& o = e.Druck;
        o.Beratungsprotokoll = true;
        o.MitGrafik = grafik;
        o.GrafikDatei = bildSchreiben(dir, QStringLiteral("G_Ortavo.Bmp"), QSize(539, 286));
        const QStringList namen =
            QStringLiteral("Maximiliane Müller-Lüdenscheidt-Hohenzollern und "
                           "Friedrich-Wilhelm von Schwarzenberg-Hallerstein zu "
                           "Oberammergau-Partenkirchen, vertreten durch Karl-Theodor "
                           "Freiherr von und zu Guttenberg-Rosenheim")
                .split(QLatin1Char(' '));
        int zweiseitig = 0;
        for (qsizetype n = 1; n <= namen.size(); ++n) {
            o.Kundenname = namen.mid(0, n).join(QLatin1Char(' '));
            const TBerichtSeiten s(BerichtText(BerichtZeilen(e, d)));
            const TSeitenGeometrie& g = s.Geometrie();
            const QRectF inhalt(g.Inhalt.left() * 0.96, g.Inhalt.top() * 0.96,
                                g.Inhalt.width() * 0.96, g.Inhalt.height() * 0.96);
            const double fuss = g.Fuss.top() * 0.96;
            zweiseitig += s.Seitenzahl() > 1;
            // cutting paragraphs costs no page: the supplement still fits on the second
            QVERIFY(s.Seitenzahl() <= 2);
            QStringList gemalt;
            qsizetype bilder = 0;
            for (int i = 1; i <= s.Seitenzahl(); ++i) {
                const TAufnahme seite = seiteAufnehmen(s, i);
                bilder += seite.bilder.size();
                // the lowest line of every column on the page
                QMap<int, TAufnahme::TText> unten;
                for (const auto& t : seite.texte) {
                    if (t.ort.y() >= fuss)
                        continue; // the footer
                    gemalt << t.text;
                    QVERIFY2(
                        t.ort.y() > inhalt.top() && t.ort.y() <= inhalt.bottom(),
                        qPrintable(QStringLiteral("Seite %1, Kundenname bis Wort %2, außerhalb: %3")
                                       .arg(i)
                                       .arg(n)
                                       .arg(t.text)));
                    const int spalte = qRound(t.ort.x());
                    if (!unten.contains(spalte) || unten[spalte].ort.y() < t.ort.y())
                        unten[spalte] = t;
                }
                if (i == s.Seitenzahl())
                    continue;
                for (const auto& t : std::as_const(unten)) {
                    const QString zeile = t.text.trimmed();
                    if (!zeile.endsWith(QLatin1Char('-')) && !zeile.endsWith(QChar(0x00AD)))
                        continue;
                    // allowed only for the first line of a row, beside its label,
                    // which must not be left behind alone
                    const bool nebenBeschriftung =
                        std::any_of(seite.texte.cbegin(), seite.texte.cend(), [&](const auto& l) {
                            return l.ort.x() < t.ort.x() && qAbs(l.ort.y() - t.ort.y()) < 1 &&
                                   !l.text.trimmed().isEmpty();
                        });
                    QVERIFY2(nebenBeschriftung,
                             qPrintable(QStringLiteral("Seite %1, Kundenname bis Wort %2, endet "
                                                       "getrennt: %3")
                                            .arg(i)
                                            .arg(n)
                                            .arg(t.text)));
                }
            }
            const TAufnahme ganz = dokumentAufnehmen(s);
            QStringList erwartet;
            for (const auto& t : ganz.texte)
                erwartet << t.text;
            gemalt.sort();
            erwartet.sort();
            QCOMPARE(gemalt, erwartet);
            QCOMPARE(bilder, ganz.bilder.size());
        }
        QVERIFY(zweiseitig > 0);
    }

    void pdfDatei()
    {
        QTemporaryDir dir;
        const TBerichtSeiten s(zweiseitig());
        const QString datei = dir.filePath(QStringLiteral("bericht.pdf"));
        QString fehler;
        QVERIFY(PdfSchreiben(s, datei, &fehler));
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(
            pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 2);
        QVERIFY(!PdfSchreiben(s, dir.filePath(QStringLiteral("fehlt/x.pdf")), &fehler));
        QCOMPARE(fehler, QStringLiteral("Die PDF-Datei \"x.pdf\" kann nicht geschrieben werden: "
                                        "Datei oder Verzeichnis nicht gefunden."));
    }

    // A PDF that cannot be written whole is reported, and the previous one stays.
    void pdfWirdNurGanzErsetzt_data()
    {
        QTest::addColumn<QString>("fall");
        QTest::addColumn<QString>("grund");
        QTest::newRow("unter einer Größengrenze bleibt die alte Datei")
            << QStringLiteral("grenze") << QStringLiteral("die Datei wird zu groß");
        QTest::newRow("ein Gerät wird nicht beschrieben")
            << QStringLiteral("/dev/full") << QStringLiteral("das ist keine gewöhnliche Datei");
        QTest::newRow("eine Verknüpfung auf ein Gerät wird nicht beschrieben")
            << QStringLiteral("geraet") << QStringLiteral("das ist keine gewöhnliche Datei");
        QTest::newRow("eine Verknüpfung auf eine Datei ersetzt deren Inhalt")
            << QStringLiteral("verknuepfung") << QString();
    }

    void pdfWirdNurGanzErsetzt()
    {
        QFETCH(QString, fall);
        QFETCH(QString, grund);
        QTemporaryDir dir;
        const TBerichtSeiten s(zweiseitig());
        QString datei = dir.filePath(QStringLiteral("bericht.pdf"));
        const QString alt = dir.filePath(QStringLiteral("alt.pdf"));
        {
            QFile f(alt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("%PDF-1.4 der alte Bericht");
        }
        if (fall == QLatin1String("grenze") || fall == QLatin1String("verknuepfung")) {
            QVERIFY(QFile::copy(alt, datei));
        } else if (fall == QLatin1String("geraet")) {
            const QString geraet = GeraetFuerTest(dir.path());
            if (geraet.isEmpty())
                QSKIP("hier lässt sich kein Gerät gefahrlos verknüpfen");
            QVERIFY(QFile::link(geraet, datei));
        } else {
            datei = fall;
        }
        if (fall == QLatin1String("verknuepfung"))
            QVERIFY(QFile::remove(datei) && QFile::link(alt, datei));
        const QString geraetVorher = QFileInfo(dir.filePath(QStringLiteral("geraet"))).filePath();

        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const auto signal = std::signal(SIGXFSZ, SIG_IGN);
        if (fall == QLatin1String("grenze")) {
            rlimit eng = vorher;
            eng.rlim_cur = 4096;
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &eng), 0);
        }
        QString fehler;
        const bool ok = PdfSchreiben(s, datei, &fehler);
        setrlimit(RLIMIT_FSIZE, &vorher);
        std::signal(SIGXFSZ, signal);

        QFile f(fall == QLatin1String("verknuepfung") ? alt : datei);
        if (grund.isEmpty()) {
            QVERIFY2(ok, qPrintable(fehler));
            QVERIFY(QFileInfo(datei).isSymLink());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.readAll().contains("%%EOF"));
            return;
        }
        QVERIFY(!ok);
        QCOMPARE(fehler, QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2.")
                             .arg(QFileInfo(datei).fileName(), grund));
        if (fall == QLatin1String("grenze")) {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), QByteArray("%PDF-1.4 der alte Bericht"));
        } else if (fall == QLatin1String("geraet")) {
            QVERIFY(!QFileInfo(geraetVorher).isFile());
        }
        QCOMPARE(QDir(dir.path())
                     .entryList(QDir::Files | QDir::Hidden)
                     .filter(QStringLiteral("bericht.pdf.")),
                 QStringList());
    }

    // Pictures the document names are read without blocking: a FIFO where the
    // chart picture or the logo should be is simply no picture.
    void fifoAlsBildBlockiertNicht()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath(QStringLiteral("logo.bmp"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QString html = zweiseitig(bildSchreiben(dir, QStringLiteral("echt.bmp"), QSize(30, 10)));
        html.replace(dir.filePath(QStringLiteral("echt.bmp")), fifo);
        html.replace(QStringLiteral("</body>"),
                     QStringLiteral("<img src=\"%1\" width=\"100%\"></body>").arg(fifo));
        QVERIFY(html.contains(fifo));
        TFifoWaechter waechter(QFile::encodeName(fifo));
        const TBerichtSeiten s(html);
        QVERIFY2(!waechter.beenden(), "der Bericht blockierte auf dem FIFO");
        QCOMPARE(s.Seitenzahl(), 2);
    }
};

QTEST_MAIN(TstBerichtsatz)
#include "tst_berichtsatz.moc"
