#include "Bilddatei.h"

#include "DateiErsetzen.h"

#include <QBuffer>
#include <QImageReader>
#include <QSize>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <limits>

namespace Fermalin {

namespace {

// No file is larger than its largest picture with 32 bits a point and room.
constexpr qint64 DateiHoechstens = BildHoechstPunkte * 4 + 16 * 1024 * 1024;

// The size a bitmap's header claims, for headers Qt refuses before telling it.
QSize bmpKopfGroesse(const QByteArray& bytes)
{
    if (bytes.size() < 30 || !bytes.startsWith("BM"))
        return {};
    const char* b = bytes.constData();
    const quint32 kopf = qFromLittleEndian<quint32>(b + 14);
    const quint16 ebenen = qFromLittleEndian<quint16>(b + 26);
    const quint16 bits = qFromLittleEndian<quint16>(b + 28);
    const bool bitsGueltig =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (kopf < 40 || kopf > 124 || ebenen != 1 || !bitsGueltig)
        return {};
    const qint32 w = qFromLittleEndian<qint32>(b + 18);
    const qint32 h = qFromLittleEndian<qint32>(b + 22);
    if (w <= 0 || h == 0 || h == std::numeric_limits<qint32>::min())
        return {};
    return QSize(w, h < 0 ? -h : h);
}

// Decoders report damaged data as warnings: an expected condition here,
// answered with the German reason instead.
class TDecoderStumm
{
public:
    TDecoderStumm() : m_vorher(qInstallMessageHandler(&TDecoderStumm::filter))
    {
        s_vorher = m_vorher;
    }
    ~TDecoderStumm()
    {
        qInstallMessageHandler(m_vorher);
        s_vorher = nullptr;
    }
    TDecoderStumm(const TDecoderStumm&) = delete;
    TDecoderStumm& operator=(const TDecoderStumm&) = delete;

private:
    static void filter(QtMsgType art, const QMessageLogContext& ort, const QString& text)
    {
        if (art == QtDebugMsg || art == QtInfoMsg || art == QtWarningMsg)
            return;
        if (s_vorher)
            s_vorher(art, ort, text);
    }
    inline static QtMessageHandler s_vorher = nullptr;
    QtMessageHandler m_vorher;
};

QString zuGross(QSize s)
{
    return QStringLiteral("das Bild ist mit %1 × %2 Punkten zu groß")
        .arg(s.width())
        .arg(s.height());
}

} // namespace

QImage BildLesen(const QString& pfad, const QByteArray& format, QString* grund, bool verkleinern)
{
    QString warum;
    QByteArray bytes;
    switch (DateiLesen(pfad, bytes, &warum, DateiHoechstens)) {
    case TLesen::Gelesen:
        break;
    case TLesen::Fehlt:
        warum = QStringLiteral("die Datei fehlt");
        [[fallthrough]];
    case TLesen::KeineDatei:
    case TLesen::Fehler:
        if (grund)
            *grund = warum;
        return {};
    }
    if (bytes.isEmpty()) {
        if (grund)
            *grund = QStringLiteral("die Datei ist leer");
        return {};
    }
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::ReadOnly);
    QImageReader leser(&puffer, format);
    leser.setAutoTransform(true);
    const TDecoderStumm stumm;
    QSize groesse = leser.size();
    if (!groesse.isValid())
        groesse = bmpKopfGroesse(bytes);
    const qint64 punkte = groesse.isValid() ? qint64(groesse.width()) * groesse.height() : 0;
    if (punkte > BildHoechstPunkte) {
        if (!verkleinern || !leser.size().isValid()) {
            if (grund)
                *grund = zuGross(groesse);
            return {};
        }
        const double f = std::sqrt(static_cast<double>(BildHoechstPunkte) / punkte);
        leser.setScaledSize(QSize(std::max(1, static_cast<int>(groesse.width() * f)),
                                  std::max(1, static_cast<int>(groesse.height() * f))));
    }
    QImage bild = leser.read();
    if (bild.isNull() && grund)
        *grund = QStringLiteral("die Datei enthält kein lesbares Bild");
    return bild;
}

} // namespace Fermalin
