// The batch program's input and output: lines read in large blocks, answers
// written through one large buffer, and every failure of either kept with its
// error number.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>
#include <QString>

#include <functional>
#include <vector>

namespace Fermalin {

// True for a line of nothing but blanks and tabs (and its line end).
bool LeereZeile(QByteArrayView zeile);

// The lines of a file descriptor.
class TZeilenLeser
{
public:
    // Longer lines are not kept (memory stays flat); they are reported as ZuLang.
    static constexpr qsizetype Hoechstlaenge = 16 * 1024 * 1024;

    explicit TZeilenLeser(int fd, qsizetype hoechstlaenge = Hoechstlaenge,
                          qsizetype block = 256 * 1024);

    enum class TErgebnis
    {
        Zeile,  // zeile holds the line with its line end (none at the end of the input)
        ZuLang, // a line beyond the longest one kept, read past
        Ende,
        Fehler // reading failed: fehlernummer()
    };
    // vorDemWarten runs before a read that would have to wait for the writer, so
    // that a caller who sends one line and waits gets its answer.
    TErgebnis naechste(QByteArrayView& zeile, const std::function<void()>& vorDemWarten = {});

    int fehlernummer() const { return m_fehlernummer; }
    int fd() const { return m_fd; }

private:
    bool nachlesen(const std::function<void()>& vorDemWarten);
    TErgebnis ueberspringen(QByteArrayView& zeile, const std::function<void()>& vorDemWarten);

    int m_fd;
    qsizetype m_hoechstlaenge;
    qsizetype m_block;
    std::vector<char> m_puffer;
    qsizetype m_anfang = 0;  // start of the line being read
    qsizetype m_gesucht = 0; // searched for a line end up to here
    qsizetype m_ende = 0;    // bytes read up to here
    bool m_eingabeEnde = false;
    int m_fehlernummer = 0;
};

// The answers on a file descriptor, written in large blocks. After the first
// failed write nothing more is written; fehlerhaft() tells it.
class TStapelAusgabe : public QIODevice
{
public:
    explicit TStapelAusgabe(int fd);
    ~TStapelAusgabe() override;

    // Writes what is buffered. False once any write has failed.
    bool leeren();
    // leeren, then closes the descriptor; false when anything failed.
    bool abschliessen();

    bool fehlerhaft() const { return m_fehlernummer != 0; }
    int fehlernummer() const { return m_fehlernummer; }
    // "Die Ausgabe kann nicht geschrieben werden: <German reason>."
    QString meldung() const;

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* daten, qint64 laenge) override;

private:
    bool schreiben(const char* daten, qsizetype laenge);

    int m_fd;
    // allocated once: a buffer that is freed and grown again at every block costs
    // more than the answers' computation
    std::vector<char> m_puffer;
    qsizetype m_belegt = 0;
    int m_fehlernummer = 0;
    bool m_geschlossen = false;
};

} // namespace Fermalin
