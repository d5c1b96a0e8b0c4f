// What the pages of the main window need of each other and of the frame. The
// frame provides it; a page calls only what its handlers need, and nobody
// reaches into another page's controls.
#pragma once

#include "Haushaltsrechnung.h"

#include <QList>

class QObject;

namespace Fermalin {

class TDruckvorschau;

class TSeitendienste
{
public:
    // Computes the record from every page's inputs as they are now; the record
    // of the last computation; the inputs as they are now.
    virtual TZulagenDaten Rechnen() = 0;
    virtual const TZulagenDaten& Daten() const = 0;
    virtual TEingaben EingabenLesen() const = 0;

    // The offer page's children: the birth years of the first n, setting them,
    // and every child to the second person (as choosing "verheiratet" does).
    virtual QList<int> GebJahre(int n) const = 0;
    virtual void GebJahreSetzen(const QList<int>& jahre) = 0;
    virtual void KinderZuPerson2() = 0;
    // The input page's year changed: the children's years into its range, the
    // comparison page shown exactly from 2027.
    virtual void BeitragsjahrGewechselt(int jahr) = 0;

    // The input page after a computation; the chart page shows its figures.
    virtual void Berechnet(const TZulagenDaten& d) = 0;
    // The input page's slider followed the minimum; the chart's follows it.
    virtual void BeitragGefolgt(int position) = 0;
    // The chart page's mirrors set the input page's slider and children.
    virtual void BeitragSetzen(int position) = 0;
    virtual void KinderzahlSetzen(int n) = 0;
    // The input page's recalculation driver, run by a child's button.
    virtual void Vorgabeaenderung(QObject* sender) = 0;

    virtual void BerichtErstellen() = 0;
    virtual TDruckvorschau* DruckvorschauAnzeigen() = 0;
    virtual void Button_DetailsClick() = 0;
    virtual void Button_Pruvex1Click() = 0;
    virtual bool Button_AngebotClick(int person) = 0;

protected:
    ~TSeitendienste() = default;
};

} // namespace Fermalin
