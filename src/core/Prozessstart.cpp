#include "Prozessstart.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace Fermalin {

namespace {

// The start buffers hold 1024 characters with the closing zero.
constexpr qsizetype PufferZeichen = 1023;

} // namespace

QString PruvexPfadFuer(const QString& programmPfad)
{
    const QDir dir = QFileInfo(programmPfad).dir();
    QString pfad = QDir::cleanPath(dir.filePath(QStringLiteral("../Talven_Pruvex/Pruvex.exe")));
    if (!QFileInfo::exists(pfad))
        pfad = dir.filePath(QStringLiteral("Pruvex.exe"));
    if (!QFileInfo::exists(pfad))
        return QString();
    if (pfad.contains(QLatin1Char(' ')))
        pfad = QLatin1Char('"') + pfad + QLatin1Char('"');
    return pfad;
}

std::optional<TProzessAufruf> ProzessAufrufBauen(const QString& befehl, const QString& parameter,
                                                 const QString& verzeichnis)
{
    if (befehl.trimmed().isEmpty())
        return std::nullopt;
    const QString zeile = befehl + QLatin1Char(' ') + parameter;
    QString dir = verzeichnis;
    if (dir.size() > 1 && (dir.endsWith(QLatin1Char('/')) || dir.endsWith(QLatin1Char('\\'))))
        dir.chop(1);
    if (zeile.size() > PufferZeichen || dir.size() > PufferZeichen)
        return std::nullopt;
    const QStringList teile = QProcess::splitCommand(zeile);
    if (teile.isEmpty() || teile.first().isEmpty())
        return std::nullopt;
    return TProzessAufruf{teile.first(), teile.mid(1), dir};
}

std::unique_ptr<QProcess> StarteProzess(const QString& befehl, const QString& parameter,
                                        const QString& verzeichnis)
{
    const std::optional<TProzessAufruf> aufruf = ProzessAufrufBauen(befehl, parameter, verzeichnis);
    if (!aufruf)
        return nullptr;
    auto p = std::make_unique<QProcess>();
    // The checker talks to the user in its own window, not through our streams.
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    p->setInputChannelMode(QProcess::ForwardedInputChannel);
    if (!aufruf->Verzeichnis.isEmpty())
        p->setWorkingDirectory(aufruf->Verzeichnis);
    p->start(aufruf->Programm, aufruf->Argumente);
    if (!p->waitForStarted(-1))
        return nullptr;
    return p;
}

int StarteUndWarte(const QString& befehl, const QString& parameter, const QString& verzeichnis,
                   const std::function<void(QProcess&)>& warten)
{
    const std::unique_ptr<QProcess> p = StarteProzess(befehl, parameter, verzeichnis);
    if (!p)
        return -1;
    if (warten)
        warten(*p);
    else
        p->waitForFinished(-1);
    if (p->state() != QProcess::NotRunning)
        p->waitForFinished(-1);
    return p->exitStatus() == QProcess::NormalExit ? p->exitCode() : -1;
}

} // namespace Fermalin
