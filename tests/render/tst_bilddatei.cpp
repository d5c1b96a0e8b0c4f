// Pictures from files the user put there: read without blocking, too large
// ones refused before decoding, each failure with a German reason and no
// warning of Qt's on the terminal.
#include "Bilddatei.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "../Sonderdateien.h"

using namespace Fermalin;

namespace {

QStringList s_warnungen;

void aufzeichnen(QtMsgType art, const QMessageLogContext&, const QString& text)
{
    if (art != QtDebugMsg)
        s_warnungen << text;
}

// A 24-bit bitmap header claiming w x h points, with as many bytes of data as given.
QByteArray bmpKopf(qint32 w, qint32 h, qsizetype daten)
{
    QByteArray b(54, '\0');
    b[0] = 'B';
    b[1] = 'M';
    qToLittleEndian<quint32>(static_cast<quint32>(54 + daten), b.data() + 2);
    qToLittleEndian<quint32>(54, b.data() + 10);
    qToLittleEndian<quint32>(40, b.data() + 14);
    qToLittleEndian<qint32>(w, b.data() + 18);
    qToLittleEndian<qint32>(h, b.data() + 22);
    qToLittleEndian<quint16>(1, b.data() + 26);
    qToLittleEndian<quint16>(24, b.data() + 28);
    return b + QByteArray(daten, '\x40');
}

// The first half of a valid picture file.
QByteArray abgeschnitten(const char* format)
{
    QImage bild(50, 50, QImage::Format_RGB32);
    bild.fill(Qt::red);
    QByteArray b;
    QBuffer puffer(&b);
    puffer.open(QIODevice::WriteOnly);
    bild.save(&puffer, format);
    return b.left(b.size() / 2);
}

} // namespace

class TstBilddatei : public QObject
{
    Q_OBJECT
private slots:
    void init() { s_warnungen.clear(); }
    void fehlerMitDeutschemGrund_data();
    void fehlerMitDeutschemGrund();
    void grossesFotoWirdVerkleinertGelesen();
};

void TstBilddatei::fehlerMitDeutschemGrund_data()
{
    QTest::addColumn<QByteArray>("inhalt"); // "FIFO", "fehlt" or the file's bytes
    QTest::addColumn<QString>("grund");     // empty: a picture of 2 x 2 points
    QTest::newRow("ein gültiges Bild wird gelesen") << bmpKopf(2, 2, 16) << QString();
    QTest::newRow("eine leere Datei") << QByteArray("") << QStringLiteral("die Datei ist leer");
    QTest::newRow("eine beschädigte Datei")
        << QByteArray("BM\x10\x00garbage").repeated(20)
        << QStringLiteral("die Datei enthält kein lesbares Bild");
    QTest::newRow("ein abgeschnittenes JPEG")
        << abgeschnitten("jpeg") << QStringLiteral("die Datei enthält kein lesbares Bild");
    QTest::newRow("ein abgeschnittenes PNG")
        << abgeschnitten("png") << QStringLiteral("die Datei enthält kein lesbares Bild");
    QTest::newRow("ein Bild von 20 000 × 20 000 Punkten")
        << bmpKopf(20000, 20000, 64)
        << QStringLiteral("das Bild ist mit 20000 × 20000 Punkten zu groß");
    QTest::newRow("ein Bild von 5000 × 5000 Punkten")
        << bmpKopf(5000, 5000, 64)
        << QStringLiteral("das Bild ist mit 5000 × 5000 Punkten zu groß");
    QTest::newRow("ein FIFO blockiert nicht")
        << QByteArray("FIFO") << QStringLiteral("das ist keine gewöhnliche Datei");
    QTest::newRow("eine fehlende Datei")
        << QByteArray("fehlt") << QStringLiteral("die Datei fehlt");
}

void TstBilddatei::fehlerMitDeutschemGrund()
{
    QFETCH(QByteArray, inhalt);
    QFETCH(QString, grund);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("logo.bmp"));
    if (inhalt == "FIFO") {
        QCOMPARE(::mkfifo(QFile::encodeName(pfad).constData(), 0600), 0);
    } else if (inhalt != "fehlt") {
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    const QtMessageHandler vorher = qInstallMessageHandler(aufzeichnen);
    TFifoWaechter waechter(QFile::encodeName(pfad));
    QString warum;
    const QImage bild = BildLesen(pfad, {}, &warum);
    const bool blockiert = waechter.beenden();
    qInstallMessageHandler(vorher);
    QVERIFY2(!blockiert, "blockierte auf dem FIFO");
    QCOMPARE(s_warnungen, QStringList());
    if (grund.isEmpty()) {
        QCOMPARE(bild.size(), QSize(2, 2));
    } else {
        QVERIFY(bild.isNull());
        QCOMPARE(warum, grund);
    }
}

// A photo chosen as the logo's source may be large: decoded shrunk into the
// limit, in its proportions, where a logo of that size is refused.
void TstBilddatei::grossesFotoWirdVerkleinertGelesen()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("foto.jpg"));
    QImage foto(6000, 3000, QImage::Format_RGB32);
    foto.fill(Qt::darkBlue);
    QVERIFY(foto.save(pfad, "jpeg"));
    QString grund;
    QVERIFY(BildLesen(pfad, "jpeg", &grund).isNull());
    QCOMPARE(grund, QStringLiteral("das Bild ist mit 6000 × 3000 Punkten zu groß"));
    const QImage klein = BildLesen(pfad, "jpeg", &grund, true);
    QVERIFY2(!klein.isNull(), qPrintable(grund));
    QVERIFY(qint64(klein.width()) * klein.height() <= BildHoechstPunkte);
    QVERIFY(klein.width() > 5000 / 2);
    QCOMPARE(klein.width() / 2, klein.height());
}

QTEST_MAIN(TstBilddatei)
#include "tst_bilddatei.moc"
