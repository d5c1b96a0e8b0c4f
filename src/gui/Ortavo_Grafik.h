// The chart page: the pie of where the yearly total contribution comes from,
// the key results, and mirrors of the number of children and the contribution
// slider of the input page. Each drawing also writes the report's picture.
#pragma once

#include "Seitendienste.h"
#include "Tortenstuecke.h"
#include "ZulagenDaten.h"

#include <QSize>
#include <QString>
#include <QWidget>

class QGroupBox;
class QLineEdit;

namespace Fermalin {

class TSchieberegler;
class TSpinEdit;
class TTortenDiagramm;

class TSeiteGrafik : public QWidget
{
    Q_OBJECT

public:
    struct TAnzeige
    {
        QString Gesamtbeitrag, Foerderquote, Gesamtfoerderung; // as shown, padded
        int Kinderzahl = 0;
        int Beitrag = 0, BeitragVolleZulagen = 0;
        QList<TTortenStueck> Stuecke;
    };

    explicit TSeiteGrafik(TSeitendienste& dienste, QWidget* parent = nullptr);

    // The report's picture; empty: no picture is written.
    void setGrafikDatei(const QString& pfad) { m_grafikDatei = pfad; }
    // The page is the one shown; a hidden chart is drawn when it is entered.
    void setAktiv(bool an) { m_aktiv = an; }

    // Handlers. False when the report's picture could not be written.
    bool GrafikZeichnen();
    void TrackBar_gesB2Change();
    void SpinEdit_Kinderzahl2Change();

    // Every computation rewrites the three result fields and the slider's mark.
    void ErgebnisZeigen(const TZulagenDaten& d);
    // Entering the page: the mirrors take the input page's values (their
    // handlers run), then the chart is drawn.
    void Betreten(int kinderzahl, int beitrag);
    // The input page's slider moved to follow the minimum.
    void BeitragFolgen(int position);

    TAnzeige Anzeige() const;
    QWidget* ErstesFeld() const;

private:
    void GrafikZeichnenWennSichtbar();

    TSeitendienste& m_dienste;
    QString m_grafikDatei;
    QSize m_chartStart; // Chart1's size right after creation; the picture keeps 87 % of it
    bool m_aktiv = false;
    // The picture last written: the same slices at the same size are not
    // written again.
    QList<TTortenStueck> m_bildStuecke;
    QSize m_bildGroesse;
    double m_bildSchrift = 0;

    QGroupBox* GroupBox_Torte;
    QLineEdit* Edit_Grafik_Spar;
    QLineEdit* Edit_Grafik_Quote;
    QLineEdit* Edit_Grafik_gesFoerderung;
    TSpinEdit* SpinEdit_Kinderzahl2;
    TTortenDiagramm* Chart1;
    TSchieberegler* TrackBar_gesB2;
};

} // namespace Fermalin
