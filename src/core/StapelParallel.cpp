#include "StapelParallel.h"

#include "StapelLesen.h"
#include "StapelStrom.h"

#include <QString>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace Fermalin {

namespace {

// A block is small enough that the threads share the work evenly and large
// enough that handing it over costs nothing beside its lines.
constexpr size_t BlockEingabe = 64 * 1024;
constexpr size_t BlockAusgabe = 1024 * 1024;
constexpr size_t HoechstZeilen = 512;
constexpr size_t MindestZeilen = 8;
// Input kept for blocks not yet written: a run of very long lines does not pile up.
constexpr size_t HoechstEingabeImFlug = 32 * 1024 * 1024;

struct TEintrag
{
    size_t anfang;
    size_t laenge;
    qint64 nummer;
    bool zuLang;
};

struct TBlock
{
    std::vector<char> ein;
    std::vector<TEintrag> zeilen;
    std::vector<char> aus;
    bool fehler = false;
    bool fertig = false;

    void leeren()
    {
        // after a long line the memory goes back, otherwise it is kept for the next block
        if (ein.capacity() > 4 * BlockEingabe)
            std::vector<char>().swap(ein);
        if (aus.capacity() > 4 * BlockAusgabe)
            std::vector<char>().swap(aus);
        ein.clear();
        zeilen.clear();
        aus.clear();
        fehler = false;
        fertig = false;
    }
};

void Rechnen(const TZeilenFunktion& funktion, TBlock& b)
{
    for (const TEintrag& e : b.zeilen) {
        bool fehler = true;
        const QByteArray antwort = e.zuLang
                                       ? ZuLangeZeileObjekt(e.nummer)
                                       : funktion(QByteArrayView(b.ein.data() + e.anfang,
                                                                 static_cast<qsizetype>(e.laenge)),
                                                  fehler, e.nummer);
        b.aus.insert(b.aus.end(), antwort.begin(), antwort.end());
        b.aus.push_back('\n');
        b.fehler = b.fehler || fehler;
    }
}

// The reading thread fills blocks and writes the finished ones in order; the
// workers compute them.
class TParallelLauf
{
public:
    TParallelLauf(const TZeilenFunktion& funktion, int faeden, TStapelAusgabe& aus)
        : m_funktion(funktion), m_aus(aus), m_hoechstImFlug(static_cast<size_t>(4 * faeden)),
          m_aktuell(std::make_unique<TBlock>())
    {
        for (int i = 0; i < faeden; ++i)
            m_faeden.emplace_back([this] { arbeiten(); });
    }

    ~TParallelLauf()
    {
        beenden();
        ::close(m_gemeldet);
    }

    void beenden()
    {
        {
            const std::lock_guard<std::mutex> sperre(m_mutex);
            m_ende = true;
            m_warteschlange.clear();
        }
        m_arbeit.notify_all();
        for (std::thread& t : m_faeden)
            t.join();
        m_faeden.clear();
    }

    void aufnehmen(QByteArrayView zeile, qint64 nummer, bool zuLang)
    {
        TBlock& b = *m_aktuell;
        b.zeilen.push_back({b.ein.size(), static_cast<size_t>(zeile.size()), nummer, zuLang});
        b.ein.insert(b.ein.end(), zeile.begin(), zeile.end());
    }

    bool blockVoll() const
    {
        return m_aktuell->zeilen.size() >= m_zeilenGrenze || m_aktuell->ein.size() >= BlockEingabe;
    }

    // Hands the block being filled to the workers and writes what is finished;
    // waits while too much is in flight. False once the output failed.
    bool abgeben()
    {
        if (!m_aktuell->zeilen.empty()) {
            std::unique_ptr<TBlock> b = std::move(m_aktuell);
            m_aktuell = neuerBlock();
            {
                const std::lock_guard<std::mutex> sperre(m_mutex);
                m_eingabeImFlug += b->ein.size();
                m_warteschlange.push_back(b.get());
                m_imFlug.push_back(std::move(b));
            }
            m_arbeit.notify_one();
        }
        while (!m_imFlug.empty()) {
            const bool voll =
                m_imFlug.size() >= m_hoechstImFlug || m_eingabeImFlug > HoechstEingabeImFlug;
            if (!vordersterSchreiben(voll))
                break;
            if (m_aus.fehlerhaft())
                return false;
        }
        return !m_aus.fehlerhaft();
    }

    // Writes every block handed over, the one being filled included.
    bool alleSchreiben()
    {
        if (!abgeben())
            return false;
        while (!m_imFlug.empty())
            if (vordersterSchreiben(true) && m_aus.fehlerhaft())
                return false;
        return !m_aus.fehlerhaft();
    }

    // Before the reader waits for input: the answers so far go out as soon as
    // they are computed, unless more input comes first, which the reader then
    // takes without waiting.
    void vorDemWarten(int eingabe)
    {
        if (!abgeben())
            return;
        for (;;) {
            while (!m_imFlug.empty() && vordersterSchreiben(false))
                if (m_aus.fehlerhaft())
                    return;
            if (m_imFlug.empty()) {
                m_aus.leeren();
                return;
            }
            pollfd bereit[2] = {{eingabe, POLLIN, 0}, {m_gemeldet, POLLIN, 0}};
            if (::poll(bereit, 2, -1) < 0 && errno != EINTR)
                return;
            if (bereit[1].revents & POLLIN) {
                eventfd_t n;
                eventfd_read(m_gemeldet, &n);
            }
            if (bereit[0].revents)
                return;
        }
    }

    bool irgendeinFehler() const { return m_irgendeinFehler; }

private:
    void arbeiten()
    {
        for (;;) {
            TBlock* b;
            {
                std::unique_lock<std::mutex> sperre(m_mutex);
                m_arbeit.wait(sperre, [this] { return m_ende || !m_warteschlange.empty(); });
                if (m_warteschlange.empty())
                    return;
                b = m_warteschlange.front();
                m_warteschlange.pop_front();
            }
            Rechnen(m_funktion, *b);
            {
                const std::lock_guard<std::mutex> sperre(m_mutex);
                b->fertig = true;
            }
            m_fertig.notify_one();
            eventfd_write(m_gemeldet, 1);
        }
    }

    // Writes the oldest block when it is finished, or waits for it; false when
    // it was not finished and warten was false.
    bool vordersterSchreiben(bool warten)
    {
        std::unique_ptr<TBlock> b;
        {
            std::unique_lock<std::mutex> sperre(m_mutex);
            TBlock& vorn = *m_imFlug.front();
            if (!vorn.fertig && !warten)
                return false;
            m_fertig.wait(sperre, [&vorn] { return vorn.fertig; });
            b = std::move(m_imFlug.front());
            m_imFlug.pop_front();
            m_eingabeImFlug -= b->ein.size();
        }
        m_aus.write(b->aus.data(), static_cast<qint64>(b->aus.size()));
        m_irgendeinFehler = m_irgendeinFehler || b->fehler;
        // answers of a size that fills about one output block
        const size_t proZeile = std::max<size_t>(1, b->aus.size() / b->zeilen.size());
        m_zeilenGrenze = std::clamp(BlockAusgabe / proZeile, MindestZeilen, HoechstZeilen);
        b->leeren();
        m_frei.push_back(std::move(b));
        return true;
    }

    std::unique_ptr<TBlock> neuerBlock()
    {
        if (m_frei.empty())
            return std::make_unique<TBlock>();
        std::unique_ptr<TBlock> b = std::move(m_frei.back());
        m_frei.pop_back();
        return b;
    }

    const TZeilenFunktion& m_funktion;
    TStapelAusgabe& m_aus;
    const size_t m_hoechstImFlug;
    size_t m_zeilenGrenze = HoechstZeilen;
    bool m_irgendeinFehler = false;
    std::unique_ptr<TBlock> m_aktuell;
    std::vector<std::unique_ptr<TBlock>> m_frei;

    std::mutex m_mutex;
    std::condition_variable m_arbeit;
    std::condition_variable m_fertig;
    // guarded by m_mutex: the queue, the finished flags, the input in flight;
    // m_imFlug changes only on the reading thread, under the mutex
    std::deque<TBlock*> m_warteschlange;
    std::deque<std::unique_ptr<TBlock>> m_imFlug;
    size_t m_eingabeImFlug = 0;
    bool m_ende = false;
    // counts finished blocks, for a reader that waits on its input at the same time
    const int m_gemeldet = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);

    std::vector<std::thread> m_faeden; // last: started once everything else is there
};

} // namespace

QByteArray ZuLangeZeileObjekt(qint64 nummer)
{
    return fehlerObjekt(QStringLiteral("Zeile %1: die Zeile ist länger als 16 MiB (%2 Bytes).")
                            .arg(nummer)
                            .arg(TZeilenLeser::Hoechstlaenge));
}

int StapelFaeden()
{
    bool ok = false;
    const int vorgabe = qEnvironmentVariableIntValue("FERMALIN_FAEDEN", &ok);
    if (ok && vorgabe >= 1 && vorgabe <= 64)
        return vorgabe;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

int StapelParallelLaufen(const TZeilenFunktion& funktion, TZeilenLeser& ein, TStapelAusgabe& aus,
                         int faeden)
{
    TParallelLauf lauf(funktion, faeden, aus);
    // Before the reader waits for the writer, the answers so far go out.
    const std::function<void()> vorDemWarten = [&lauf, &ein] { lauf.vorDemWarten(ein.fd()); };
    qint64 nummer = 0;
    QByteArrayView zeile;
    for (;;) {
        const TZeilenLeser::TErgebnis ergebnis = ein.naechste(zeile, vorDemWarten);
        if (aus.fehlerhaft())
            return 2;
        if (ergebnis == TZeilenLeser::TErgebnis::Ende)
            break;
        if (ergebnis == TZeilenLeser::TErgebnis::Fehler) {
            // the answers before the unreadable part still go out
            lauf.alleSchreiben();
            return 2;
        }
        ++nummer;
        const bool zuLang = ergebnis == TZeilenLeser::TErgebnis::ZuLang;
        if (!zuLang && LeereZeile(zeile))
            continue;
        lauf.aufnehmen(zuLang ? QByteArrayView() : zeile, nummer, zuLang);
        if (lauf.blockVoll() && !lauf.abgeben())
            return 2;
    }
    if (!lauf.alleSchreiben() || !aus.leeren())
        return 2;
    return lauf.irgendeinFehler() ? 1 : 0;
}

} // namespace Fermalin
