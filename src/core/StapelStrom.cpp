#include "StapelStrom.h"

#include "Systemfehler.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace Fermalin {

namespace {

constexpr qsizetype AusgabeBlock = 256 * 1024;

} // namespace

TZeilenLeser::TZeilenLeser(int fd, qsizetype hoechstlaenge, qsizetype block)
    : m_fd(fd), m_hoechstlaenge(hoechstlaenge), m_block(block), m_puffer(static_cast<size_t>(block))
{
}

bool TZeilenLeser::nachlesen(const std::function<void()>& vorDemWarten)
{
    if (vorDemWarten) {
        pollfd bereit{m_fd, POLLIN, 0};
        if (poll(&bereit, 1, 0) == 0)
            vorDemWarten();
    }
    // room for a block behind what is kept; the buffer shrinks back after a long line
    if (m_anfang > 0) {
        std::memmove(m_puffer.data(), m_puffer.data() + m_anfang,
                     static_cast<size_t>(m_ende - m_anfang));
        m_ende -= m_anfang;
        m_gesucht -= m_anfang;
        m_anfang = 0;
    }
    const qsizetype noetig = std::max(m_ende + m_block, m_block);
    if (static_cast<qsizetype>(m_puffer.size()) > 4 * noetig)
        std::vector<char>(m_puffer.begin(), m_puffer.begin() + m_ende).swap(m_puffer);
    if (static_cast<qsizetype>(m_puffer.size()) < noetig)
        m_puffer.resize(static_cast<size_t>(
            std::min(std::max(noetig, static_cast<qsizetype>(m_puffer.size()) * 2),
                     m_hoechstlaenge + 2 * m_block)));
    ssize_t n;
    for (;;) {
        n = ::read(m_fd, m_puffer.data() + m_ende, m_puffer.size() - static_cast<size_t>(m_ende));
        if (n >= 0 || errno != EINTR) {
            if (n >= 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
                break;
            // a caller may hand over a non-blocking pipe: wait as a blocking read would
            pollfd bereit{m_fd, POLLIN, 0};
            poll(&bereit, 1, -1);
        }
    }
    if (n < 0) {
        m_fehlernummer = errno;
        return false;
    }
    if (n == 0)
        m_eingabeEnde = true;
    m_ende += n;
    return true;
}

bool LeereZeile(QByteArrayView zeile)
{
    // Only blanks and tabs before the line end make a blank line; any other
    // byte, a control byte too, gets its output line.
    qsizetype n = zeile.size();
    if (n > 0 && zeile[n - 1] == '\n')
        --n;
    if (n > 0 && zeile[n - 1] == '\r')
        --n;
    for (qsizetype i = 0; i < n; ++i)
        if (zeile[i] != ' ' && zeile[i] != '\t')
            return false;
    return true;
}

TZeilenLeser::TErgebnis TZeilenLeser::naechste(QByteArrayView& zeile,
                                               const std::function<void()>& vorDemWarten)
{
    for (;;) {
        const char* anfang = m_puffer.data();
        const void* lf =
            std::memchr(anfang + m_gesucht, '\n', static_cast<size_t>(m_ende - m_gesucht));
        if (lf) {
            const qsizetype laenge = static_cast<const char*>(lf) - (anfang + m_anfang) + 1;
            zeile = QByteArrayView(anfang + m_anfang, laenge);
            m_anfang += laenge;
            m_gesucht = m_anfang;
            return laenge - 1 > m_hoechstlaenge && !LeereZeile(zeile) ? TErgebnis::ZuLang
                                                                      : TErgebnis::Zeile;
        }
        m_gesucht = m_ende;
        if (m_ende - m_anfang > m_hoechstlaenge)
            return ueberspringen(zeile, vorDemWarten);
        if (m_eingabeEnde) {
            if (m_anfang == m_ende)
                return TErgebnis::Ende;
            zeile = QByteArrayView(anfang + m_anfang, m_ende - m_anfang);
            m_anfang = m_gesucht = m_ende;
            return TErgebnis::Zeile;
        }
        if (!nachlesen(vorDemWarten))
            return TErgebnis::Fehler;
    }
}

// Reads past the rest of a line too long to keep. A line of nothing but blanks
// and tabs stays a blank line, however long.
TZeilenLeser::TErgebnis TZeilenLeser::ueberspringen(QByteArrayView& zeile,
                                                    const std::function<void()>& vorDemWarten)
{
    bool leer = true;
    bool cr = false; // a CR counts as the line end's only before the LF
    for (;;) {
        const char* p = m_puffer.data() + m_anfang;
        const char* ende = m_puffer.data() + m_ende;
        for (; p < ende; ++p) {
            if (*p == '\n') {
                m_anfang = m_gesucht = p + 1 - m_puffer.data();
                static const char blank[] = "\n";
                zeile = QByteArrayView(blank, 1);
                return leer ? TErgebnis::Zeile : TErgebnis::ZuLang;
            }
            leer = leer && !cr && (*p == ' ' || *p == '\t' || *p == '\r');
            cr = *p == '\r';
        }
        m_anfang = m_gesucht = m_ende;
        if (m_eingabeEnde) {
            static const char blank[] = "";
            zeile = QByteArrayView(blank, 0);
            return leer ? TErgebnis::Ende : TErgebnis::ZuLang;
        }
        if (!nachlesen(vorDemWarten))
            return TErgebnis::Fehler;
    }
}

TStapelAusgabe::TStapelAusgabe(int fd) : m_fd(fd), m_puffer(static_cast<size_t>(AusgabeBlock))
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

TStapelAusgabe::~TStapelAusgabe()
{
    leeren();
}

qint64 TStapelAusgabe::writeData(const char* daten, qint64 laenge)
{
    if (fehlerhaft() || m_geschlossen)
        return -1;
    const auto platz = static_cast<qsizetype>(m_puffer.size());
    if (m_belegt + laenge > platz && !leeren())
        return -1;
    if (laenge >= platz) {
        // larger than the buffer (a long answer, the help): straight out
        if (!schreiben(daten, laenge))
            return -1;
    } else {
        std::memcpy(m_puffer.data() + m_belegt, daten, static_cast<size_t>(laenge));
        m_belegt += laenge;
    }
    return laenge;
}

bool TStapelAusgabe::leeren()
{
    const qsizetype belegt = m_belegt;
    m_belegt = 0;
    return schreiben(m_puffer.data(), belegt);
}

bool TStapelAusgabe::schreiben(const char* p, qsizetype rest)
{
    while (rest > 0 && !fehlerhaft() && !m_geschlossen) {
        const ssize_t n = ::write(m_fd, p, static_cast<size_t>(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // a non-blocking pipe that is full: wait until the reader has taken some
            pollfd bereit{m_fd, POLLOUT, 0};
            poll(&bereit, 1, -1);
            continue;
        }
        if (n <= 0)
            m_fehlernummer = n < 0 ? errno : EIO;
        else {
            p += n;
            rest -= n;
        }
    }
    return !fehlerhaft();
}

bool TStapelAusgabe::abschliessen()
{
    if (m_geschlossen)
        return !fehlerhaft();
    leeren();
    m_geschlossen = true;
    if (::close(m_fd) != 0 && !fehlerhaft() && errno != EINTR)
        m_fehlernummer = errno;
    return !fehlerhaft();
}

QString TStapelAusgabe::meldung() const
{
    return QStringLiteral("Die Ausgabe kann nicht geschrieben werden: %1.")
        .arg(Systemgrund(m_fehlernummer));
}

} // namespace Fermalin
