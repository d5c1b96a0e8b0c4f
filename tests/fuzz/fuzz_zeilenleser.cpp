// Any bytes as the batch input, read in blocks of any size with a small longest
// line: the reader gives exactly the lines between the LFs, each with its LF,
// reports every longer line that is not blank as too long and reads past it.
#include "StapelStrom.h"

#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// blanks and tabs before the line end, which may be CR LF
bool leer(QByteArrayView zeile)
{
    if (zeile.endsWith('\n'))
        zeile.chop(1);
    if (zeile.endsWith('\r'))
        zeile.chop(1);
    for (const char c : zeile)
        if (c != ' ' && c != '\t')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace Fermalin;
    if (size < 2)
        return 0;
    const qsizetype block = 1 + data[0] % 64;
    const qsizetype hoechstlaenge = data[1] % 48;
    const QByteArrayView eingabe(data + 2, static_cast<qsizetype>(size - 2));

    static const int fd = memfd_create("zeilen", 0);
    if (fd < 0 || ftruncate(fd, 0) != 0 ||
        pwrite(fd, eingabe.data(), eingabe.size(), 0) != eingabe.size() ||
        lseek(fd, 0, SEEK_SET) != 0)
        std::abort();

    TZeilenLeser leser(fd, hoechstlaenge, block);
    qsizetype pos = 0;
    QByteArrayView zeile;
    for (;;) {
        const TZeilenLeser::TErgebnis r = leser.naechste(zeile);
        if (r == TZeilenLeser::TErgebnis::Fehler)
            std::abort();
        // the next line as the input holds it
        const qsizetype lf = eingabe.sliced(pos).indexOf('\n');
        const qsizetype laenge = lf >= 0 ? lf + 1 : eingabe.size() - pos;
        const QByteArrayView soll = eingabe.sliced(pos, laenge);
        const qsizetype inhalt = soll.endsWith('\n') ? laenge - 1 : laenge;
        if (r == TZeilenLeser::TErgebnis::Ende) {
            // only a blank line too long to keep may vanish at the end
            if (pos != eingabe.size() && !(inhalt > hoechstlaenge && leer(soll) && lf < 0))
                std::abort();
            break;
        }
        if (pos >= eingabe.size())
            std::abort();
        if (inhalt > hoechstlaenge && !leer(soll)) {
            if (r != TZeilenLeser::TErgebnis::ZuLang)
                std::abort();
        } else if (r != TZeilenLeser::TErgebnis::Zeile ||
                   (inhalt > hoechstlaenge ? !leer(zeile) : zeile != soll)) {
            std::abort();
        }
        pos += laenge;
    }
    return 0;
}
