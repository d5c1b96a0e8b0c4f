// The main window: a three-page wizard (input and results, chart, offer) over
// one household computation. The frame creates the pages, the button bar and
// the print group and wires them; what is shown and written comes from the one
// computation of Haushaltsrechnung.h over the pages' inputs.
#pragma once

#include "Druckregeln.h"
#include "Haushaltsrechnung.h"
#include "LayoutDaten.h"
#include "Programmorte.h"
#include "Seitendienste.h"

#include <QDate>
#include <QProcessEnvironment>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QFrame;

namespace Fermalin {

class TBerichtAnsicht;
class TColorButton;
class TDruckgruppe;
class TDruckvorschau;
class TEKDialog;
class TSeitenreiter;
class TSeiteAngebot;
class TSeiteGrafik;
class TSeiteVergleich;
class TSeiteVorgabe;
class TStrecker;
class TWebBrowserWrapper;

// What the window takes from its surroundings; tests give their own.
struct TProgrammUmgebung
{
    QString ProgrammPfad;  // decides with Umgebung where the program's files lie
    QStringList Argumente; // as QCoreApplication::arguments(): the program path first
    QDate Heute;           // today's date
    QProcessEnvironment Umgebung = QProcessEnvironment::systemEnvironment();

    static TProgrammUmgebung AusAnwendung();
    TProgrammOrte Orte() const { return ProgrammOrteErmitteln(ProgrammPfad, Umgebung); }
};

class THauptformular : public QWidget, public TSeitendienste
{
    Q_OBJECT

public:
    enum class TSeite
    {
        Vorgabe,
        Grafik,
        Angebot,
        Vergleich // from contribution year 2027, after the input page
    };

    struct TAnzeige
    {
        TSeite Seite = TSeite::Vorgabe;
        bool AngebotsseiteSichtbar = false;
        bool WeiterAktiv = false;
        bool HilfeSichtbar = false;
        bool VergleichsseiteSichtbar = false;
    };

    explicit THauptformular(const TProgrammUmgebung& umgebung, QWidget* parent = nullptr);
    ~THauptformular() override;

    // Main-window fields
    bool StartfensterAnzeigen = true;
    bool Einzelversion = true;
    bool BeendenBestaetigt = false;
    QString PruvexPfad;
    QString GrafikDatei;
    int StartBreite = 0, StartHoehe = 0;
    double Seitenverhaeltnis = 0;
    TLayoutDaten LayoutDaten;
    // The rendering engine's version; tests give their own.
    std::function<TBrowserVersion()> BrowserDateiversion;

    QString Einstellungsdatei() const;
    QString Uebergabedatei() const;

    TSeiteVorgabe& Vorgabe() const { return *m_vorgabe; }
    TSeiteGrafik& Grafik() const { return *m_grafik; }
    TSeiteAngebot& Angebot() const { return *m_angebot; }
    TSeiteVergleich& Vergleich() const { return *m_vergleich; }
    TDruckgruppe& Druckgruppe() const { return *m_druck; }
    TEKDialog& EKDialog();
    TStrecker* Strecker() const { return m_strecker.get(); }

    // Every page's inputs as they are now, and the record of the last computation.
    TEingaben EingabenLesen() const override;
    const TZulagenDaten& Daten() const override { return m_daten; }
    // The report document as the hidden view and the preview have it.
    const QStringList& BerichtZeilen() const { return m_berichtZeilen; }
    QString BerichtHtml() const;
    TAnzeige Anzeige() const;

    // Handlers
    void SeiteZeigen(TSeite seite);
    void Button_WeiterClick();
    void Button_AbbruchClick();
    void ColorButton_EinstellungenClick();
    void Button_HilfeClick();
    void Button_DetailsClick() override;
    void Button_Pruvex1Click() override;
    void BerichtErstellen() override;
    // Null when the engine is refused; the window is placed and shown.
    TDruckvorschau* DruckvorschauAnzeigen() override;
    // False when the hand-off file could not be written; the window then stays.
    bool Button_AngebotClick(int person) override;
    void EinstellungenLaden();
    // False when the file could not be written; fehler then holds the message.
    bool EinstellungenSpeichern(QString* fehler = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormDestroy();
    void GroesstmassSetzen();
    // Once the window manager has framed the window: the largest size and the
    // design place, moved into the work area as far as the frame needs.
    void ImArbeitsbereichPlatzieren();
    void PageControlChanging(int alteSeite);
    void PageControlChange(int neueSeite);
    void SignaleVerbinden();
    void BerichtAnlegen();
    // The record of every page's inputs as they are now; an input unchanged
    // since the last computation costs nothing.
    TZulagenDaten Rechnen() override;
    QList<int> GebJahre(int n) const override;
    void GebJahreSetzen(const QList<int>& jahre) override;
    void KinderZuPerson2() override;
    void BeitragsjahrGewechselt(int jahr) override;
    void Berechnet(const TZulagenDaten& d) override;
    void BeitragGefolgt(int position) override;
    void BeitragSetzen(int position) override;
    void KinderzahlSetzen(int n) override;
    void Vorgabeaenderung(QObject* sender) override;
    QWidget* SeitenWidget(TSeite seite) const;
    TSeite SeiteVon(const QWidget* seite) const;

    TProgrammUmgebung m_umgebung;
    TProgrammOrte m_orte; // decided once, so a run saves where it loaded
    std::unique_ptr<TStrecker> m_strecker;
    bool m_initialisiert = false;

    TSeitenreiter* PageControl;
    TSeiteVorgabe* m_vorgabe;
    TSeiteGrafik* m_grafik;
    TSeiteAngebot* m_angebot;
    TSeiteVergleich* m_vergleich;
    TDruckgruppe* m_druck;
    QFrame* Panel_Steuerung;
    TColorButton* ColorButton_Einstellungen;
    TColorButton* Button_Abbruch;
    TColorButton* Button_Hilfe;
    TColorButton* Button_Weiter;
    QFrame* Panel_WebBrowser;
    TBerichtAnsicht* WebBrowser = nullptr;
    TWebBrowserWrapper* BrowserWrapper = nullptr;
    TEKDialog* m_ekDialog = nullptr;

    TZulagenDaten m_daten;                  // the last computation
    std::optional<TEingaben> m_gerechnet;   // its inputs
    QString m_gemeldet;                     // the refusal last shown
    bool m_stillRechnen = false;            // a recalculation no user action caused
    std::optional<TEingaben> m_berichtFuer; // the inputs of the report in the view
    QStringList m_berichtZeilen;

    int m_aktiveSeite = 0;
    bool m_gezeigt = false;
    bool m_zerstoert = false;
    bool m_groesseAnpassen = false;
    bool m_ortPruefen = false;
};

} // namespace Fermalin
