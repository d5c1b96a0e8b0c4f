// "bericht": the printed report of a household as its HTML document, or with
// --pdf as the PDF the print preview would print. Builds the document with the
// window's own function.
#include "Befehle.h"

#include "Bericht.h"
#include "Berichtsatz.h"
#include "HTML_Ausgabe.h"
#include "Haushaltsrechnung.h"
#include "Programmorte.h"
#include "StapelLesen.h"
#include "Startregeln.h"
#include "Torte.h"
#include "Tortenstuecke.h"
#include "Zulagen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

namespace Fermalin {

namespace {

const QList<QLatin1String>& BerichtSchluessel()
{
    static const QList<QLatin1String> s = {QLatin1String("Beratungsprotokoll"),
                                           QLatin1String("Kundenname"), QLatin1String("MitGrafik"),
                                           QLatin1String("Firmenlogo")};
    return s;
}

// Reads one line; the message of a refused line in fehler.
std::optional<TEingaben> BerichtLesen(QByteArrayView zeile, qint64 nummer, QString& fehler)
{
    const std::optional<QJsonObject> obj = leseObjekt(zeile, fehler, nummer);
    if (!obj)
        return std::nullopt;
    TLeser l(*obj, nummer);
    const THaushaltEingabe h = HaushaltLesen(*obj, l, BerichtSchluessel());
    TEingaben e = EingabenAus(h.Daten, h.Verteilung);
    TBerichtOptionen& o = e.Druck;
    o.Beratungsprotokoll = l.bool_(QStringLiteral("Beratungsprotokoll"), false);
    const QJsonValue name = l.wert(QStringLiteral("Kundenname"));
    if (name.isString())
        o.Kundenname = name.toString();
    else if (!name.isUndefined())
        l.melde(QStringLiteral("\"Kundenname\" muss eine Zeichenkette sein."));
    o.MitGrafik = l.bool_(QStringLiteral("MitGrafik"), false);
    o.Firmenlogo = l.bool_(QStringLiteral("Firmenlogo"), false);
    if (l.fehlerhaft()) {
        fehler = l.fehler();
        return std::nullopt;
    }
    // The picture and the logo as the window names them.
    o.GrafikDatei = GrafikDateiPfad(QProcessEnvironment::systemEnvironment());
    o.LogoDatei = ProgrammOrteErmitteln(QCoreApplication::applicationFilePath(),
                                        QProcessEnvironment::systemEnvironment())
                      .LogoDatei;
    return e;
}

// The report of a line read; nothing when the estimate refuses the household.
std::optional<TRechnung> BerichtRechnen(const TEingaben& e, qint64 nummer, QString& fehler)
{
    TRechnung r = Rechnen(e, Teil_Bericht | Teil_Torte);
    if (r.Ablehnung.isEmpty())
        return r;
    fehler = nummer > 0 ? QStringLiteral("Zeile %1: %2").arg(nummer).arg(r.Ablehnung) : r.Ablehnung;
    return std::nullopt;
}

QByteArray BerichtZeile(QByteArrayView zeile, bool& fehlerhaft, qint64 nummer)
{
    fehlerhaft = true;
    QString fehler;
    const std::optional<TEingaben> e = BerichtLesen(zeile, nummer, fehler);
    if (!e)
        return fehlerObjekt(fehler);
    const std::optional<TRechnung> r = BerichtRechnen(*e, nummer, fehler);
    if (!r)
        return fehlerObjekt(fehler);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.text("Bericht", BerichtText(r->Bericht));
    o.schliessen();
    fehlerhaft = false;
    return aus;
}

// The chart picture as the chart page writes it: the pie at the chart's
// design size, stored at 87 % of it.
bool TortenBildSchreiben(const QList<TTortenStueck>& stuecke, const QString& pfad)
{
    const QSize chart(619, 329);
    const QSize ziel = GrafikBildGroesse(chart);
    return GrafikBildSchreiben(pfad, TortenBerichtsbild(stuecke, chart, 1.0, ziel), ziel);
}

int BerichtPdf(const QStringList& dateien, const QString& pdf, QIODevice& aus)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        std::fputs("Die PDF-Ausgabe braucht die grafische Anwendung.\n", stderr);
        return 2;
    }
    QFile ein;
    if (!EingabeOeffnen(dateien, ein))
        return 2;
    QByteArray zeile;
    qint64 nummer = 0, zeilennummer = 0;
    int gefunden = 0;
    for (QByteArray z; !(z = ein.readLine()).isEmpty();) {
        ++nummer;
        if (LeereZeile(z))
            continue;
        if (++gefunden == 1) {
            zeile = z;
            zeilennummer = nummer;
        }
    }
    if (gefunden != 1) {
        std::fputs("Mit --pdf wird genau eine Eingabezeile erwartet.\n", stderr);
        return 2;
    }
    QString fehler;
    std::optional<TEingaben> e = BerichtLesen(zeile, zeilennummer, fehler);
    if (!e) {
        aus.write(fehlerObjekt(fehler) + '\n');
        return 1;
    }
    // The chart picture lives only while the PDF is written.
    QTemporaryDir tmp;
    if (e->Druck.MitGrafik)
        e->Druck.GrafikDatei = tmp.filePath(QStringLiteral("G_Ortavo.Bmp"));
    const std::optional<TRechnung> r = BerichtRechnen(*e, zeilennummer, fehler);
    if (!r) {
        aus.write(fehlerObjekt(fehler) + '\n');
        return 1;
    }
    if (e->Druck.MitGrafik) // a failure leaves no picture
        TortenBildSchreiben(r->Torte, e->Druck.GrafikDatei);
    const TBerichtSeiten seiten(BerichtText(r->Bericht));
    if (!PdfSchreiben(seiten, pdf, &fehler)) {
        aus.write(fehlerObjekt(fehler) + '\n');
        return 1;
    }
    QByteArray ergebnis;
    TJsonSchreiber o(ergebnis);
    o.text("PDF", QDir::cleanPath(QFileInfo(pdf).absoluteFilePath()));
    o.zahl("Seiten", seiten.Seitenzahl());
    o.schliessen();
    aus.write(ergebnis + '\n');
    return 0;
}

// Splits off "--pdf DATEI"; nothing when the call is wrong.
std::optional<QString> PdfZiel(QStringList& args)
{
    const qsizetype i = args.indexOf(QStringLiteral("--pdf"));
    if (i < 0)
        return QString();
    if (i + 1 >= args.size() || args.at(i + 1).isEmpty())
        return std::nullopt;
    const QString ziel = args.at(i + 1);
    args.remove(i, 2);
    return ziel;
}

} // namespace

int BerichtBefehl(const QStringList& argumente, QIODevice& aus)
{
    QStringList args = argumente;
    const std::optional<QString> pdf = PdfZiel(args);
    if (!pdf) {
        std::fputs("Nach --pdf fehlt der Name der PDF-Datei. Hilfe: fermalin-cli --help\n", stderr);
        return 2;
    }
    if (pdf->isEmpty())
        return ZeilenLaufen(args, BerichtZeile, aus);
    if (args.size() > 1) {
        std::fputs("Zu viele Argumente. Hilfe: fermalin-cli --help\n", stderr);
        return 2;
    }
    return BerichtPdf(args, *pdf, aus);
}

QString BerichtHilfe()
{
    return QStringLiteral(
        "bericht [DATEI] [--pdf PDF]: der Ausdruck eines Haushalts. Schlüssel wie bei\n"
        "berechne, dazu (Vorgabe): Beratungsprotokoll true/false (false), Kundenname\n"
        "Zeichenkette (\"\"), MitGrafik true/false (false), Firmenlogo true/false (false;\n"
        "das Logo \"logo.bmp\" von fermalin, siehe fermalin(1)). Ausgabe je Zeile\n"
        "{\"Bericht\": TEXT}, TEXT das HTML-Dokument (jeder Eintrag mit CR LF abgeschlossen).\n"
        "Mit --pdf PDF wird die eine Eingabezeile als PDF-Datei geschrieben, wie die\n"
        "Druckvorschau sie druckt; Ausgabe {\"PDF\": Pfad, \"Seiten\": Anzahl}.\n");
}

std::unique_ptr<QCoreApplication> AnwendungErzeugen(int& argc, char** argv)
{
    // Only the PDF needs fonts and painting; it runs without a display.
    bool pdf = false;
    for (int i = 1; i < argc; ++i)
        pdf = pdf || QByteArrayView(argv[i]) == "--pdf";
    if (argc > 1 && QByteArrayView(argv[1]) == "bericht" && pdf) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace Fermalin
