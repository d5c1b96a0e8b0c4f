// A household of the tests: the family status, the incomes and the children as
// (birth year, person); everything else as a first start has it. Fills the
// inputs of a record or of the one computation alike, their names are shared.
#pragma once

#include "ZulagenDaten.h"

#include <QList>
#include <QPair>

template <class T>
T Testhaushalt(bool verheiratet, bool beide, double einkommen1, double einkommen2,
               const QList<QPair<int, int>>& kinder = {})
{
    T h;
    h.Verheiratet = verheiratet;
    h.Doppelverdiener = beide;
    h.Einkommen1 = einkommen1;
    h.Einkommen2 = einkommen2;
    h.Kinderzahl = static_cast<int>(kinder.size());
    for (qsizetype i = 0; i < kinder.size(); ++i) {
        h.KindGebJahr[static_cast<size_t>(i)] = kinder.at(i).first;
        h.KindPerson[static_cast<size_t>(i)] = kinder.at(i).second;
    }
    return h;
}

// Children all counted for person 1, by their birth years.
inline QList<QPair<int, int>> KinderVonPerson1(const QList<int>& jahre)
{
    QList<QPair<int, int>> kinder;
    for (const int jahr : jahre)
        kinder.append({jahr, 1});
    return kinder;
}
