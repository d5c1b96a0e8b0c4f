// Any text as the birth-years list: at most nine years, each in range, and the
// normal form reads back to the same years.
#include "GebJahre.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Fermalin;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TJahrBereich bereich = GebJahrBereich(QDate(2009, 1, 1));
    const QList<int> jahre = GebJahreLesen(text, bereich);
    if (jahre.size() > MaxKinder)
        std::abort();
    for (int j : jahre)
        if (j < bereich.Min || j > bereich.Max)
            std::abort();
    if (GebJahreLesen(GebJahreText(jahre), bereich) != jahre)
        std::abort();
    return 0;
}
