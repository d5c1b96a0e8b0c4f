// "bericht": the printed report of a household as its HTML document, or with
// --pdf as the PDF the print preview would print. Builds the document with the
// window's own function.
#include "Befehle.h"

#include "Bericht.h"
#include "Berichtsatz.h"
#include "Bilddatei.h"
#include "EkSteuer.h"
#include "HTML_Ausgabe.h"
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

struct TBerichtEingabe
{
    TZulagenDaten Daten;
    TBerichtOptionen Optionen;
    int Verteilung = 0;
};

QString OhnePdfKeinBildText()
{
    return QStringLiteral("\"MitGrafik\": true geht nur mit --pdf: Das HTML-Dokument nennt das "
                          "Bild der Grafik nur und enthält es nicht.");
}

// Reads and computes one line; the message of a refused line in fehler.
// pdf: the line becomes a PDF, which alone can carry the chart's picture.
std::optional<TBerichtEingabe> BerichtLesen(QByteArrayView zeile, qint64 nummer, bool pdf,
                                            QString& fehler)
{
    const std::optional<QJsonObject> obj = leseObjekt(zeile, fehler, nummer);
    if (!obj)
        return std::nullopt;
    TLeser l(*obj, nummer);
    const THaushaltEingabe h = HaushaltLesen(*obj, l, BerichtSchluessel());
    TBerichtEingabe e;
    e.Daten = h.Daten;
    e.Verteilung = h.Verteilung;
    e.Optionen.Beratungsprotokoll = l.bool_(QStringLiteral("Beratungsprotokoll"), false);
    const QJsonValue name = l.wert(QStringLiteral("Kundenname"));
    if (name.isString())
        e.Optionen.Kundenname = name.toString();
    else if (!name.isUndefined())
        l.melde(QStringLiteral("\"Kundenname\" muss eine Zeichenkette sein."));
    e.Optionen.MitGrafik = l.bool_(QStringLiteral("MitGrafik"), false);
    e.Optionen.Firmenlogo = l.bool_(QStringLiteral("Firmenlogo"), false);
    // A document per line cannot name a picture of its own: the one picture in
    // the temporary folder belongs to the window and would show another
    // household's chart.
    if (e.Optionen.MitGrafik && !pdf)
        l.melde(OhnePdfKeinBildText());
    if (l.fehlerhaft()) {
        fehler = l.fehler();
        return std::nullopt;
    }
    if (!HaushaltBerechnen(e.Daten, l)) {
        fehler = l.fehler();
        return std::nullopt;
    }
    e.Optionen.LogoDatei = ProgrammOrteErmitteln(QCoreApplication::applicationFilePath(),
                                                 QProcessEnvironment::systemEnvironment())
                               .LogoDatei;
    return e;
}

QByteArray BerichtZeile(QByteArrayView zeile, bool& fehlerhaft, qint64 nummer)
{
    fehlerhaft = true;
    QString fehler;
    std::optional<TBerichtEingabe> e = BerichtLesen(zeile, nummer, false, fehler);
    if (!e)
        return fehlerObjekt(fehler);
    BerichtAufteilen(e->Daten, e->Verteilung);
    QStringList zeilen;
    BerichtSchreiben(zeilen, e->Daten, e->Optionen);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.text("Bericht", BerichtText(zeilen));
    o.schliessen();
    fehlerhaft = false;
    return aus;
}

// The chart picture as the chart page writes it: the pie at the chart's
// design size, stored at 87 % of it.
bool TortenBildSchreiben(const TZulagenDaten& d, const QString& pfad)
{
    const QSize chart(619, 329);
    return GrafikBildSchreiben(pfad, TortenBild(TortenStuecke(d), chart), GrafikBildGroesse(chart));
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
    std::optional<TBerichtEingabe> e = BerichtLesen(zeile, zeilennummer, true, fehler);
    const auto ablehnen = [&](const QString& text) {
        aus.write(fehlerObjekt(QStringLiteral("Zeile %1: %2").arg(zeilennummer).arg(text)) + '\n');
        return 1;
    };
    if (!e) {
        aus.write(fehlerObjekt(fehler) + '\n');
        return 1;
    }
    // A logo that is there but cannot be printed refuses the line; without a
    // logo file the report has no logo, as in the window.
    if (e->Optionen.Firmenlogo) {
        const QFileInfo logo(e->Optionen.LogoDatei);
        QString grund;
        if ((logo.exists() || logo.isSymLink()) &&
            BildLesen(e->Optionen.LogoDatei, "bmp", &grund).isNull())
            return ablehnen(QStringLiteral("Das Firmen-Logo \"%1\" kann nicht gedruckt werden: %2.")
                                .arg(e->Optionen.LogoDatei, grund));
    }
    // The chart picture lives only while the PDF is written, in a folder of
    // its own inside the temporary folder.
    const QString temp = TemporaeresVerzeichnis(QProcessEnvironment::systemEnvironment());
    std::optional<QTemporaryDir> tmp;
    if (e->Optionen.MitGrafik) {
        if (temp.isEmpty())
            return ablehnen(QStringLiteral("\"MitGrafik\" geht nicht: Es gibt kein nutzbares "
                                           "Verzeichnis für temporäre Dateien (temp, TEMP, TMP, "
                                           "TMPDIR oder /tmp)."));
        tmp.emplace(QDir(temp).filePath(QStringLiteral("fermalin-XXXXXX")));
        e->Optionen.GrafikDatei = tmp->filePath(QStringLiteral("G_Ortavo.Bmp"));
        if (!tmp->isValid() || !TortenBildSchreiben(e->Daten, e->Optionen.GrafikDatei))
            return ablehnen(
                QStringLiteral("\"MitGrafik\" geht nicht: Das Bild der Grafik lässt sich in %1 "
                               "nicht anlegen.")
                    .arg(temp));
    }
    BerichtAufteilen(e->Daten, e->Verteilung);
    QStringList zeilen;
    BerichtSchreiben(zeilen, e->Daten, e->Optionen);
    const TBerichtSeiten seiten(BerichtText(zeilen));
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
        "Druckvorschau sie druckt; Ausgabe {\"PDF\": Pfad, \"Seiten\": Anzahl}. Die PDF-Datei\n"
        "wird erst ersetzt, wenn sie ganz geschrieben ist; sonst bleibt eine vorhandene,\n"
        "wie sie war. MitGrafik true geht nur mit --pdf (das HTML-Dokument nennt das Bild\n"
        "nur) und braucht ein nutzbares Verzeichnis für temporäre Dateien; sonst wird die\n"
        "Zeile abgelehnt. Firmenlogo true: fehlt \"logo.bmp\", ist der Ausdruck ohne Logo;\n"
        "ist die Datei da, aber leer, beschädigt, unlesbar, keine gewöhnliche Datei oder\n"
        "größer als 4096 x 4096 Punkte, wird die Zeile mit {\"Fehler\": ...} abgelehnt, das\n"
        "den Namen der Logo-Datei nennt.\n");
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
        // Without a session Qt makes a runtime folder of its own below TMPDIR,
        // and below the root when TMPDIR is unusable: a private one in the
        // temporary folder instead, gone at the end.
        static std::optional<QTemporaryDir> laufzeit;
        const QString temp = TemporaeresVerzeichnis(QProcessEnvironment::systemEnvironment());
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && !temp.isEmpty()) {
            laufzeit.emplace(QDir(temp).filePath(QStringLiteral("fermalin-laufzeit-XXXXXX")));
            if (laufzeit->isValid())
                qputenv("XDG_RUNTIME_DIR", QFile::encodeName(laufzeit->path()));
        }
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace Fermalin
