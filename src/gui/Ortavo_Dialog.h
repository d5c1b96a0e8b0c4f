// The main window: a three-page wizard (input and results, chart, offer) over
// one household computation.
#pragma once

#include "Druckregeln.h"
#include "LayoutDaten.h"
#include "Programmorte.h"
#include "TortenDiagramm.h"
#include "ZulagenDaten.h"

#include <QDate>
#include <QList>
#include <QProcessEnvironment>
#include <QStringList>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QScrollArea;

namespace Fermalin {

struct TEKAngaben;
class TColorButton;
class TDruckvorschau;
class TEKDialog;
class TFloatEdit;
class TSchieberegler;
class TSeitenreiter;
class TSpinEdit;
class TStrecker;
class TBerichtAnsicht;
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

class THauptformular : public QWidget
{
    Q_OBJECT

public:
    explicit THauptformular(const TProgrammUmgebung& umgebung, QWidget* parent = nullptr);
    ~THauptformular() override;

    // Main-window fields
    bool StartfensterAnzeigen = true;
    bool Einzelversion = true;
    bool BeendenBestaetigt = false;
    bool Initialisiert = false;
    QString PruvexPfad;
    QString GrafikDatei;
    int StartBreite = 0, StartHoehe = 0;
    int ChartStartBreite = 0, ChartStartHoehe = 0;
    double Seitenverhaeltnis = 0;
    TZulagenDaten Daten; // EinkommenNR1/2, DeltazvE, Soli, Bundesland, KiStSatz live here
    QStringList BerichtZeilen;
    TLayoutDaten LayoutDaten;

    QString Einstellungsdatei() const;
    QString Uebergabedatei() const;

    // Handlers
    void Vorgabeaenderung(QObject* sender);
    void GebJahreAnzeigen();
    void Edit_GebJahreExit();
    void BerechneZulagen();
    void ZeigeBetrag(QLineEdit* feld, int nachkomma, double wert, const QString& suffix);
    void Button_WeiterClick();
    void Button_AbbruchClick();
    void EinstellungenLaden();
    // False when the file could not be written; fehler then holds the message.
    bool EinstellungenSpeichern(QString* fehler = nullptr);

    // chart page (Ortavo_Grafik.cpp) and report (Ortavo_Bericht.cpp)
    void BerichtErstellen();
    // False when the report's picture could not be written.
    bool GrafikZeichnen();
    void GrafikZeichnenWennSichtbar();

    // offer page (Ortavo_Angebot.cpp)
    void EigenbeitragAufteilen(bool fuerAngebot);
    void Angebotaenderung();
    void KindZuordnen();
    void Kind_verschoben(QRadioButton* knopf);
    // False when the hand-off file could not be written; the window then stays.
    bool Button_AngebotClick(QObject* sender);
    // eligibility checker (Pruefprogramm.cpp)
    void Button_Pruvex1Click();

    // Report and printing (Ortavo_Bericht.cpp)
    void BerichtAnlegen();
    // Null when the engine is refused; the window is placed and shown.
    TDruckvorschau* DruckvorschauAnzeigen();
    TWebBrowserWrapper* BrowserWrapper = nullptr; // a child of the window
    TBerichtAnsicht* WebBrowser = nullptr;        // the hidden view in Panel_WebBrowser
    // The rendering engine's version; tests give their own.
    std::function<TBrowserVersion()> BrowserDateiversion;

    // Taxable-income dialog (made once at start-up), settings dialog, help.
    TEKDialog* EKDialog = nullptr;
    void Button_DetailsClick();
    void EKAngabenUebernehmen(const TEKAngaben& a);
    void ColorButton_EinstellungenClick();
    void Button_HilfeClick();

    // Controls (named as in the window layout)
    TSeitenreiter* PageControl;
    QWidget* TabSheet_Vorgabe;
    QWidget* TabSheet_Grafik;
    QWidget* TabSheet_Angebot;
    QFrame* Panel_Steuerung;
    TColorButton* ColorButton_Einstellungen;
    TColorButton* Button_Abbruch;
    TColorButton* Button_Hilfe;
    TColorButton* Button_Weiter;
    QFrame* Panel_WebBrowser;
    QFrame* Panel_Drucken;
    QGroupBox* GroupBox_Drucken;
    TColorButton* Button_Drucken;
    QCheckBox* CheckBox_Beratungsprotokol;
    QCheckBox* CheckBox_MitGrafik;
    QLabel* Label_Kundenname;
    QLineEdit* Edit_Druck_Name;

    // input page
    TColorButton* Button_Pruvex;
    QGroupBox* GroupBox_Anspruchsberechtigung;
    QRadioButton* RadioButton_ledig;
    QRadioButton* RadioButton_verheiratet;
    QRadioButton* RadioButton_Doppelverdiener;
    QRadioButton* RadioButton_Einzelverdiener;
    TSpinEdit* SpinEdit_Kinderzahl;
    QLineEdit* Edit_GebJahre;
    QLabel* Label_Einkommen;
    QLabel* Label_Pers2;
    TFloatEdit* Edit_Einkommen1;
    TFloatEdit* Edit_Einkommen2;
    TColorButton* Button_Details;
    QLabel* Label_EKnr;
    QLabel* Label_EKnr1;
    QLabel* Label_EKnr2;
    QGroupBox* GroupBox_Foerderung;
    QCheckBox* CheckBox_minBeitrag;
    TSchieberegler* TrackBar_gesB1;
    QCheckBox* CheckBox_tarMindBtr;
    QLineEdit* Edit_e;
    QLineEdit* Edit_g;
    QLineEdit* Edit_k;
    QLineEdit* Edit_s;
    QLineEdit* Edit_z;
    QLineEdit* Edit_q;
    QLabel* Label_Fussnote;

    // chart page
    QGroupBox* GroupBox_Torte;
    QLabel* Label_Einkommen2;
    QLineEdit* Edit_Grafik_Spar;
    QLineEdit* Edit_Grafik_Quote;
    QLineEdit* Edit_Grafik_gesFoerderung;
    TSpinEdit* SpinEdit_Kinderzahl2;
    QFrame* Panel_Chart;
    TTortenDiagramm* Chart1;
    TSchieberegler* TrackBar_gesB2;
    void TrackBar_gesB2Change();
    void SpinEdit_Kinderzahl2Change();

    // offer page
    QGroupBox* GroupBox_Aufteilung;
    QLabel* Label_Person1;
    QLabel* Label_Person2;
    QScrollArea* ScrollBox_Kinder;
    std::array<QLabel*, MaxKinder> Label_Kind{};
    std::array<TFloatEdit*, MaxKinder> FloatEdit_Kind{};
    std::array<QFrame*, MaxKinder> Panel_Kind{};
    std::array<QRadioButton*, MaxKinder> RadioButton_1p{};
    std::array<QRadioButton*, MaxKinder> RadioButton_2p{};
    QPlainTextEdit* Memo_Info;
    QLineEdit* Edit_EB1;
    QLineEdit* Edit_EB2;
    TSchieberegler* TrackBar_Verteilung;
    QLabel* Label_Hinweis;
    QRadioButton* RadioButton_konservativ1;
    QRadioButton* RadioButton_wachstum1;
    QRadioButton* RadioButton_risiko1;
    QRadioButton* RadioButton_konservativ2;
    QRadioButton* RadioButton_wachstum2;
    QRadioButton* RadioButton_risiko2;
    TColorButton* Button_Angebot1;
    TColorButton* Button_Angebot2;

    TStrecker* Strecker() const { return m_strecker.get(); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void GroesstmassSetzen();
    void FormDestroy();
    void PageControlChanging(int alteSeite);
    void PageControlChange(int neueSeite);
    void DruckSteuerungSetzen();
    void SeiteVorgabeAnlegen();
    void SeiteGrafikAnlegen();
    void SeiteAngebotAnlegen();
    void AngebotVerbinden();
    void KinderBereichSetzen();
    void DruckgruppeAnlegen();
    void SignaleVerbinden();
    void EingabenUebernehmen();
    // The inputs of the pages' controls into a record.
    void EingabenLesen(TZulagenDaten& d) const;

    TProgrammUmgebung m_umgebung;
    TProgrammOrte m_orte; // decided once, so a run saves where it loaded
    std::unique_ptr<TStrecker> m_strecker;
    int m_aktiveSeite = 0;
    bool m_gezeigt = false;
    bool m_zerstoert = false;
    bool m_groesseAnpassen = false;
    int m_tiefe = 0;             // nesting of Vorgabeaenderung
    bool m_stillRechnen = false; // a recalculation no user action caused
    QString m_gemeldet;          // the refusal already shown in this user action
};

} // namespace Fermalin
