#include "GebJahre.h"

#include "FoerderParameter.h"

#include <algorithm>

namespace Fermalin {

TJahrBereich GebJahrBereich(const QDate& heute)
{
    const int jahr = std::max(heute.year(), TFoerderParameter::Einkommensjahr);
    return {jahr - 25, jahr};
}

TJahrBereich GebJahrBereichFuer(int beitragsjahr)
{
    return {beitragsjahr - 25, beitragsjahr};
}

QList<int> GebJahreLesen(QStringView text, TJahrBereich bereich)
{
    const auto ziffer = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); };
    QList<int> jahre;
    qsizetype p = 0;
    while (p < text.size() && jahre.size() < MaxKinder) {
        while (p < text.size() && !ziffer(text[p]))
            ++p;
        if (p >= text.size())
            break;
        int n = 0;
        qsizetype q = p;
        while (q < text.size() && q - p < 5 && ziffer(text[q]))
            n = n * 10 + (text[q++].unicode() - '0');
        int v = n;
        if (v < bereich.Min)
            v = bereich.Min;
        if (v > bereich.Max)
            v = bereich.Max;
        jahre.append(v);
        p = q;
    }
    return jahre;
}

QString GebJahreText(const QList<int>& jahre)
{
    QString text;
    for (qsizetype i = 0; i < jahre.size(); ++i) {
        if (i > 0)
            text += QStringLiteral("; ");
        text += QString::number(jahre.at(i));
    }
    return text;
}

} // namespace Fermalin
