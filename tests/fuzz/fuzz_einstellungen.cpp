// Any bytes as a settings file: reading, writing back and reading again must
// neither crash nor change what was read.
#include "Einstellungsdatei.h"
#include "IniDatei.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Fermalin;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    TIniDatei ini = TIniDatei::ausBytes(bytes);
    const TEinstellungen e = EinstellungenLesen(ini, 700, 600);
    EinstellungenSchreiben(e, ini);
    const QByteArray geschrieben = ini.alsBytes();
    TIniDatei wieder = TIniDatei::ausBytes(geschrieben);
    const TEinstellungen g = EinstellungenLesen(wieder, 700, 600);
    EinstellungenSchreiben(g, wieder);
    if (wieder.alsBytes() != geschrieben)
        std::abort();
    return 0;
}
