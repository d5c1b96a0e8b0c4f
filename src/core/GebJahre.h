// The free-text list of the children's birth years on the input page.
#pragma once

#include "ZulagenDaten.h"

#include <QDate>
#include <QList>
#include <QString>

namespace Fermalin {

struct TJahrBereich
{
    int Min = 0;
    int Max = 0;
};

// Birth years a child may have: the last 25 years up to today's year, which is
// taken as at least the income year.
TJahrBereich GebJahrBereich(const QDate& heute);

// Birth years a child may have in a contribution year: the 25 years before it and
// the year itself (a child of 25 or more at its start brings no allowance).
TJahrBereich GebJahrBereichFuer(int beitragsjahr);

// Reads at most nine years: any character other than "0".."9" separates them, a
// number takes at most five digits (a sixth starts the next one), and each is
// forced into the range.
QList<int> GebJahreLesen(QStringView text, TJahrBereich bereich);

// The normal form: the years joined by "; ".
QString GebJahreText(const QList<int>& jahre);

} // namespace Fermalin
