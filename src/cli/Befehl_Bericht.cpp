// "bericht": the printed report of a household as its HTML document, or with
// --pdf as the PDF the print preview would print. Builds the document with the
// window's own function.
#include "Befehle.h"

#include "Bericht.h"
#include "Berichtsatz.h"
#include "Bilddatei.h"
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

struct TBerichtEingabe
{
    TEingaben Eingaben;  // the household and the print options
    TZulagenDaten Daten; // computed from them
};

QString OhnePdfKeinBildText()
{
    return QStringLiteral("\"MitGrafik\": true geht nur mit --pdf: Das HTML-Dokument nennt das "
                          "Bild der Grafik nur und enthält es nicht.");
}

// Once per run: lines are read on several threads, and Qt fills its record of
// the program's path at the first call without a lock.
const QString& LogoDatei()
{
    static const QString datei = ProgrammOrteErmitteln(QCoreApplication::applicationFilePath(),
                                                       QProcessEnvironment::systemEnvironment())
                                     .LogoDatei;
    return datei;
}

// Reads and computes one line; the message of a refused line in fehler.
// pdf: the line becomes a PDF, which alone can carry the chart's picture.
std::optional<TBerichtEingabe> BerichtLesen(QByteArrayView zeile, qint64 nummer, bool pdf,
                                            QString& fehler)
{
    using N = TSchluesselNr;
    TLeser l(StapelBefehl::Bericht, nummer);
    if (!l.lesen(zeile)) {
        fehler = l.fehler();
        return std::nullopt;
    }
    const THaushaltEingabe h = HaushaltLesen(l);
    TBerichtEingabe e;
    e.Eingaben = EingabenAus(h.Daten, h.Verteilung);
    TBerichtOptionen& o = e.Eingaben.Druck;
    o.Beratungsprotokoll = l.wahr(N::Beratungsprotokoll);
    o.Kundenname = l.text(N::Kundenname);
    o.MitGrafik = l.wahr(N::MitGrafik);
    o.Firmenlogo = l.wahr(N::Firmenlogo);
    // A document per line cannot name a picture of its own: the one picture in
    // the temporary folder belongs to the window and would show another
    // household's chart.
    if (o.MitGrafik && !pdf)
        l.melde(OhnePdfKeinBildText());
    if (l.fehlerhaft()) {
        fehler = l.fehler();
        return std::nullopt;
    }
    QString ablehnung;
    e.Daten = HaushaltRechnen(e.Eingaben, &ablehnung);
    if (!ablehnung.isEmpty()) {
        l.melde(ablehnung);
        fehler = l.fehler();
        return std::nullopt;
    }
    o.LogoDatei = LogoDatei();
    return e;
}

QByteArray BerichtZeile(QByteArrayView zeile, bool& fehlerhaft, qint64 nummer)
{
    fehlerhaft = true;
    QString fehler;
    std::optional<TBerichtEingabe> e = BerichtLesen(zeile, nummer, false, fehler);
    if (!e)
        return fehlerObjekt(fehler);
    QByteArray aus;
    TJsonSchreiber o(aus);
    o.text("Bericht", BerichtText(BerichtZeilen(e->Eingaben, e->Daten)));
    o.schliessen();
    fehlerhaft = false;
    return aus;
}

// The chart picture as the chart page writes it: the pie at the chart's
// design size, stored at 87 % of it.
bool TortenBildSchreiben(const TZulagenDaten& d, const QString& pfad)
{
    const QSize chart(619, 329);
    const QSize ziel = GrafikBildGroesse(chart);
    return GrafikBildSchreiben(pfad, TortenBerichtsbild(TortenStuecke(d), chart, 1.0, ziel), ziel);
}

int BerichtPdf(const QStringList& dateien, const QString& pdf, TStapelAusgabe& aus)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        Melden(QStringLiteral("Die PDF-Ausgabe braucht die grafische Anwendung."));
        return 2;
    }
    TEingabe eingabe;
    if (!KeineUnbekannteOption(dateien) || !eingabe.oeffnen(dateien))
        return 2;
    TZeilenLeser ein(eingabe.fd());
    QByteArray zeile;
    qint64 nummer = 0, zeilennummer = 0;
    int gefunden = 0;
    bool zuLang = false;
    QByteArrayView z;
    for (TZeilenLeser::TErgebnis r; (r = ein.naechste(z)) != TZeilenLeser::TErgebnis::Ende;) {
        if (r == TZeilenLeser::TErgebnis::Fehler) {
            eingabe.leseFehlerMelden(ein.fehlernummer());
            return 2;
        }
        ++nummer;
        if (r == TZeilenLeser::TErgebnis::Zeile && LeereZeile(z))
            continue;
        if (++gefunden == 1) {
            zeile = z.toByteArray();
            zeilennummer = nummer;
            zuLang = r == TZeilenLeser::TErgebnis::ZuLang;
        }
    }
    if (gefunden != 1) {
        Melden(QStringLiteral("Mit --pdf wird genau eine Eingabezeile erwartet."));
        return 2;
    }
    QString fehler = QStringLiteral("Zeile %1: die Zeile ist länger als 16 MiB (%2 Bytes).")
                         .arg(zeilennummer)
                         .arg(TZeilenLeser::Hoechstlaenge);
    std::optional<TBerichtEingabe> e;
    if (!zuLang)
        e = BerichtLesen(zeile, zeilennummer, true, fehler);
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
    if (e->Eingaben.Druck.Firmenlogo) {
        const QFileInfo logo(e->Eingaben.Druck.LogoDatei);
        QString grund;
        if ((logo.exists() || logo.isSymLink()) &&
            BildLesen(e->Eingaben.Druck.LogoDatei, "bmp", &grund).isNull())
            return ablehnen(QStringLiteral("Das Firmen-Logo \"%1\" kann nicht gedruckt werden: %2.")
                                .arg(e->Eingaben.Druck.LogoDatei, grund));
    }
    // The chart picture lives only while the PDF is written, in a folder of
    // its own inside the temporary folder.
    const QString temp = TemporaeresVerzeichnis(QProcessEnvironment::systemEnvironment());
    std::optional<QTemporaryDir> tmp;
    if (e->Eingaben.Druck.MitGrafik) {
        if (temp.isEmpty())
            return ablehnen(QStringLiteral("\"MitGrafik\" geht nicht: Es gibt kein nutzbares "
                                           "Verzeichnis für temporäre Dateien (temp, TEMP, TMP, "
                                           "TMPDIR oder /tmp)."));
        tmp.emplace(QDir(temp).filePath(QStringLiteral("fermalin-XXXXXX")));
        e->Eingaben.Druck.GrafikDatei = tmp->filePath(QStringLiteral("G_Ortavo.Bmp"));
        if (!tmp->isValid() || !TortenBildSchreiben(e->Daten, e->Eingaben.Druck.GrafikDatei))
            return ablehnen(
                QStringLiteral("\"MitGrafik\" geht nicht: Das Bild der Grafik lässt sich in %1 "
                               "nicht anlegen.")
                    .arg(temp));
    }
    const TBerichtSeiten seiten(BerichtText(BerichtZeilen(e->Eingaben, e->Daten)));
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

int BerichtBefehl(const QStringList& argumente, TStapelAusgabe& aus)
{
    QStringList args = argumente;
    const std::optional<QString> pdf = PdfZiel(args);
    if (!pdf) {
        Melden(
            QStringLiteral("Nach --pdf fehlt der Name der PDF-Datei. Hilfe: fermalin-cli --help"));
        return 2;
    }
    if (pdf->isEmpty())
        return ZeilenLaufen(args, BerichtZeile, aus);
    if (!KeineUnbekannteOption(args))
        return 2;
    if (args.size() > 1) {
        Melden(QStringLiteral("Zu viele Argumente. Hilfe: fermalin-cli --help"));
        return 2;
    }
    return BerichtPdf(args, *pdf, aus);
}

QString BerichtHilfe()
{
    return QStringLiteral(
               "bericht [DATEI] [--pdf PDF]: der Ausdruck eines Haushalts. Schlüssel wie bei\n"
               "berechne, dazu (Vorgabe):\n"
               "%1"
               "Ausgabe je Zeile {\"Bericht\": TEXT}, TEXT das HTML-Dokument (jeder Eintrag mit CR "
               "LF\n"
               "abgeschlossen). Mit --pdf PDF wird die eine Eingabezeile als PDF-Datei "
               "geschrieben,\n"
               "wie die Druckvorschau sie druckt; Ausgabe {\"PDF\": Pfad, \"Seiten\": Anzahl}. "
               "Die\n"
               "PDF-Datei wird erst ersetzt, wenn sie ganz geschrieben ist; sonst bleibt eine\n"
               "vorhandene, wie sie war. MitGrafik true geht nur mit --pdf (das HTML-Dokument "
               "nennt\n"
               "das Bild nur) und braucht ein nutzbares Verzeichnis für temporäre Dateien; sonst "
               "wird\n"
               "die Zeile abgelehnt. Firmenlogo true: fehlt \"logo.bmp\", ist der Ausdruck ohne "
               "Logo;\n"
               "ist die Datei da, aber leer, beschädigt, unlesbar, keine gewöhnliche Datei oder\n"
               "größer als 4096 x 4096 Punkte, wird die Zeile mit {\"Fehler\": ...} abgelehnt, "
               "das\n"
               "den Namen der Logo-Datei nennt.\n")
        .arg(SchluesselHilfe(StapelBefehl::Bericht, StapelBefehl::Berechne));
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
