// FIFOs and devices for tests of code that must never block on them nor write
// them.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// A character device to point a link at: the null device made in dir (root
// only), else /dev/null itself. Never /dev/null for root, whom nothing would
// stop from replacing it if the code under test went wrong.
inline QString GeraetFuerTest(const QString& dir)
{
    const QString geraet = QDir(dir).filePath(QStringLiteral("geraet"));
    if (::mknod(QFile::encodeName(geraet).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0)
        return geraet;
    return ::geteuid() == 0 ? QString() : QStringLiteral("/dev/null");
}

// Without the mend the code under test would hang on a FIFO for good, so the
// watchdog frees it after a while and the test fails instead of timing out.
class TFifoWaechter
{
public:
    explicit TFifoWaechter(const QByteArray& fifo,
                           std::chrono::milliseconds frist = std::chrono::milliseconds(3000))
        : m_fifo(fifo), m_faden([this, frist] { wachen(frist); })
    {
    }
    ~TFifoWaechter() { beenden(); }
    TFifoWaechter(const TFifoWaechter&) = delete;
    TFifoWaechter& operator=(const TFifoWaechter&) = delete;

    // Ends the watch; true when the code under test blocked and had to be freed.
    bool beenden()
    {
        {
            const std::lock_guard<std::mutex> sperre(m_mutex);
            m_fertig = true;
        }
        m_bedingung.notify_all();
        if (m_faden.joinable())
            m_faden.join();
        return m_eingegriffen;
    }

private:
    void wachen(std::chrono::milliseconds frist)
    {
        std::unique_lock<std::mutex> sperre(m_mutex);
        if (m_bedingung.wait_for(sperre, frist, [this] { return m_fertig; }))
            return;
        // Opening the other end frees a blocked open; closing it ends a blocked read.
        while (!m_fertig) {
            m_eingegriffen = true;
            for (const int art : {O_WRONLY, O_RDONLY}) {
                const int fd = ::open(m_fifo.constData(), art | O_NONBLOCK);
                if (fd >= 0)
                    ::close(fd);
            }
            m_bedingung.wait_for(sperre, std::chrono::milliseconds(50),
                                 [this] { return m_fertig; });
        }
    }

    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_bedingung;
    bool m_fertig = false;
    std::atomic<bool> m_eingegriffen = false;
    std::thread m_faden;
};
