#include "Torte.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

#include <cstring>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

using TStuecke = QList<TTortenStueck>;

TStuecke ledig()
{
    return {{u"Grundzulage:"_s, 154, FarbeZulagen},
            {u"Steuerersparnis:"_s, 312, FarbeSteuerersparnis},
            {u"Eigenbeitrag:"_s, 1046, FarbeEigenbeitrag},
            {u"nicht ausgeschöpft:"_s, 900, FarbeNichtAusgeschoepft}};
}

TStuecke gekuerztPaar()
{
    return {{u"Grundzulagen\r(gekürzt!):"_s, 154, FarbeZulagen},
            {u"Kinderzulagen\r(gekürzt!):"_s, 242.5, FarbeZulagen},
            {u"Steuerersparnis:"_s, 12, FarbeSteuerersparnis},
            {u"Eigenbeitrag:"_s, 500, FarbeEigenbeitrag},
            {u"nicht ausgeschöpft:"_s, 3291.5, FarbeNichtAusgeschoepft}};
}

quint32 le(const QByteArray& b, int stelle, int laenge)
{
    quint32 w = 0;
    for (int i = laenge - 1; i >= 0; --i)
        w = (w << 8) | static_cast<quint8>(b[stelle + i]);
    return w;
}

} // namespace

Q_DECLARE_METATYPE(TStuecke)

class TstTorte : public QObject
{
    Q_OBJECT
private slots:
    void radien_data();
    void radien();
    void markenPassen_data();
    void markenPassen();
    void entwurfsgroesseHaeltDieRadien();
    void weissesStueckHatUmriss_data();
    void weissesStueckHatUmriss();
    void bitmapSkalierenMittelt();
    void bmpDatei_data();
    void bmpDatei();
    void nichtSchreibbar();
    void gepflanzteVerknuepfungen();
};

void TstTorte::radien_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<QSize>("radien");
    QTest::newRow("600") << 600 << QSize(171, 150);
    QTest::newRow("Entwurf 619") << 619 << QSize(176, 154);
    QTest::newRow("1,5fach 928") << 928 << QSize(265, 232);
    QTest::newRow("abgeschnitten 7") << 7 << QSize(2, 1);
    QTest::newRow("0") << 0 << QSize(0, 0);
}

void TstTorte::radien()
{
    QFETCH(int, breite);
    QFETCH(QSize, radien);
    QCOMPARE(TortenRadien(breite), radien);
}

void TstTorte::markenPassen_data()
{
    QTest::addColumn<TStuecke>("stuecke");
    QTest::addColumn<QSizeF>("groesse");
    QTest::addColumn<double>("schrift");

    const QSizeF entwurf(619, 329), bericht(539, 286), gross(928.5, 493.5);
    QTest::newRow("ledig, Entwurf") << ledig() << entwurf << 1.0;
    QTest::newRow("ledig, Bericht") << ledig() << bericht << 1.0;
    QTest::newRow("ledig, 1,5fach") << ledig() << gross << 1.5;
    QTest::newRow("gekürzt, Entwurf") << gekuerztPaar() << entwurf << 1.0;
    QTest::newRow("gekürzt, 1,5fach") << gekuerztPaar() << gross << 1.5;
    QTest::newRow("gekürzt, klein") << gekuerztPaar() << QSizeF(300, 160) << 1.0;
    QTest::newRow("flach und breit") << gekuerztPaar() << QSizeF(2000, 120) << 1.0;
    // Three tiny slices in a row beside a big one crowd one spot.
    QTest::newRow("winzige Stücke")
        << TStuecke{{u"Grundzulage:"_s, 5, FarbeZulagen},
                    {u"Kinderzulage:"_s, 3, FarbeZulagen},
                    {u"Steuerersparnis:"_s, 1, FarbeSteuerersparnis},
                    {u"Eigenbeitrag:"_s, 2000, FarbeEigenbeitrag},
                    {u"nicht ausgeschöpft:"_s, 2, FarbeNichtAusgeschoepft}}
        << entwurf << 1.0;
    QTest::newRow("alles null") << TStuecke{{u"Grundzulage\r(gekürzt!):"_s, 0, FarbeZulagen},
                                            {u"Eigenbeitrag:"_s, 0, FarbeEigenbeitrag},
                                            {u"nicht ausgeschöpft:"_s, 2100, 0xFFFFFF}}
                                << entwurf << 1.0;
    QTest::newRow("große Schrift") << gekuerztPaar() << entwurf << 2.0;
    QTest::newRow("leer") << TStuecke{} << entwurf << 1.0;
}

// Every mark inside the picture, none on another or on the pie.
void TstTorte::markenPassen()
{
    QFETCH(TStuecke, stuecke);
    QFETCH(QSizeF, groesse);
    QFETCH(double, schrift);
    const QRectF flaeche(QPointF(3, 5), groesse);
    const TTortenAnordnung a = TorteAnordnen(flaeche, stuecke, schrift);
    QVERIFY(a.Passt);
    QCOMPARE(a.Marken.size(), stuecke.size());
    QVERIFY(a.Schriftpixel >= 6);
    QVERIFY(flaeche.contains(a.Koerper.boundingRect()));
    for (int i = 0; i < a.Marken.size(); ++i) {
        const QRectF k = a.Marken[i];
        QVERIFY2(flaeche.contains(k), qPrintable(QString::number(i)));
        QVERIFY2(!a.Koerper.intersects(k), qPrintable(QString::number(i)));
        for (int j = i + 1; j < a.Marken.size(); ++j)
            QVERIFY2(!k.intersects(a.Marken[j]), qPrintable(u"%1 %2"_s.arg(i).arg(j)));
    }
}

// With the usual marks the design size has room for the radii's width and for
// the marks at full size.
void TstTorte::entwurfsgroesseHaeltDieRadien()
{
    for (const TStuecke& s : {ledig(), gekuerztPaar()}) {
        const TTortenAnordnung a = TorteAnordnen(QRectF(0, 0, 619, 329), s);
        QCOMPARE(a.Deckel.width(), 2 * 176.0);
        QCOMPARE(a.Schriftpixel, 11.0);
    }
}

// The white slice stands out from the white ground by its outline; also where
// the painter is scaled (a page, a printer), which paints the light per slice.
void TstTorte::weissesStueckHatUmriss_data()
{
    QTest::addColumn<double>("massstab");
    QTest::newRow("Bildpunkte") << 1.0;
    QTest::newRow("skalierter Maler") << 0.5;
}

void TstTorte::weissesStueckHatUmriss()
{
    QFETCH(double, massstab);
    const auto bild = [massstab](const TStuecke& s) {
        QImage b(619, 329, QImage::Format_RGB32);
        b.fill(Qt::white);
        QPainter p(&b);
        p.scale(massstab, massstab);
        TorteZeichnen(p, QRectF(0, 0, 619 / massstab, 329 / massstab), s, 1 / massstab);
        return b;
    };
    const TStuecke weiss{{u"nicht ausgeschöpft:"_s, 2100, FarbeNichtAusgeschoepft}};
    const QImage b1 = bild(weiss);
    const TTortenAnordnung a =
        TorteAnordnen(QRectF(0, 0, 619 / massstab, 329 / massstab), weiss, 1 / massstab);
    const QRectF deckel(a.Deckel.topLeft() * massstab, a.Deckel.size() * massstab);
    const int y = qRound(deckel.center().y());
    int dunkel = 0;
    for (int x = qRound(deckel.left()) - 2; x <= qRound(deckel.left()) + 2; ++x)
        dunkel = std::max(dunkel, 255 - qGray(b1.pixel(x, y)));
    QVERIFY2(dunkel > 80, qPrintable(QString::number(dunkel)));

    // a blue slice is blue, lit towards the upper left
    const QImage b2 = bild({{u"Grundzulage:"_s, 154, FarbeZulagen}});
    const QColor mitte = b2.pixelColor(deckel.center().toPoint());
    QVERIFY(mitte.blue() > mitte.red() + 60);
    const QColor hell = b2.pixelColor(
        (deckel.center() - QPointF(0.3 * deckel.width() / 2, 0.4 * deckel.height() / 2)).toPoint());
    const QColor rand =
        b2.pixelColor((deckel.center() + QPointF(0.9 * deckel.width() / 2, 0)).toPoint());
    QVERIFY2(hell.lightness() > rand.lightness() + 20,
             qPrintable(u"%1 %2"_s.arg(hell.lightness()).arg(rand.lightness())));
}

// Alternating black and white columns become an even grey, not a pattern.
void TstTorte::bitmapSkalierenMittelt()
{
    QImage streifen(200, 100, QImage::Format_RGB32);
    for (int x = 0; x < 200; ++x)
        for (int y = 0; y < 100; ++y)
            streifen.setPixel(x, y, x % 2 ? 0xFFFFFFFF : 0xFF000000);
    const QImage klein = BitmapSkalieren(streifen, QRect(0, 0, 100, 50));
    QCOMPARE(klein.size(), QSize(100, 50));
    QCOMPARE(klein.depth(), 24);
    for (const QPoint p : {QPoint(10, 10), QPoint(50, 25), QPoint(90, 40)})
        QVERIFY2(std::abs(qGray(klein.pixel(p)) - 128) < 20,
                 qPrintable(QString::number(qGray(klein.pixel(p)))));
    QCOMPARE(streifen.pixel(1, 0), 0xFFFFFFFFu); // the source stays
}

void TstTorte::bmpDatei_data()
{
    QTest::addColumn<QSize>("gezeichnet");
    QTest::newRow("Entwurf") << QSize(619, 329);
    QTest::newRow("vergrößert") << QSize(928, 493);
    QTest::newRow("verkleinert") << QSize(300, 160);
}

// 24 bits, 539 × 286, whatever size the pie was drawn at.
void TstTorte::bmpDatei()
{
    QFETCH(QSize, gezeichnet);
    QTemporaryDir dir;
    const QString pfad = dir.filePath(u"G_Ortavo.Bmp"_s);
    QFile alt(pfad);
    QVERIFY(alt.open(QIODevice::WriteOnly));
    alt.write(QByteArray(100000, 'x')); // a longer old file must not leave a tail
    alt.close();

    QVERIFY(GrafikBildSchreiben(pfad, TortenBild(gekuerztPaar(), gezeichnet), QSize(539, 286)));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray b = f.readAll();
    QCOMPARE(b.left(2), QByteArray("BM"));
    QCOMPARE(le(b, 2, 4), static_cast<quint32>(b.size()));
    QCOMPARE(le(b, 18, 4), 539u);
    QCOMPARE(le(b, 22, 4), 286u);
    QCOMPARE(le(b, 28, 2), 24u);
    const quint32 zeile = (539 * 3 + 3) / 4 * 4;
    QCOMPARE(static_cast<quint32>(b.size()), le(b, 10, 4) + zeile * 286);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{u"G_Ortavo.Bmp"_s});
    const QImage gelesen(pfad);
    QCOMPARE(gelesen.size(), QSize(539, 286));
}

// Nothing written reports false and leaves no file and no remnant.
void TstTorte::nichtSchreibbar()
{
    QTemporaryDir dir;
    const QImage bild = TortenBild(ledig(), QSize(619, 329));
    QVERIFY(!GrafikBildSchreiben(dir.filePath(u"fehlt/G_Ortavo.Bmp"_s), bild, QSize(539, 286)));
    QVERIFY(QDir(dir.path()).mkdir(u"ordner"_s));
    QVERIFY(!GrafikBildSchreiben(dir.filePath(u"ordner"_s), bild, QSize(539, 286)));
    QVERIFY(QFileInfo(dir.filePath(u"ordner"_s)).isDir());
    QVERIFY(!GrafikBildSchreiben(dir.filePath(u"a.bmp"_s), QImage(), QSize(539, 286)));
    QVERIFY(!GrafikBildSchreiben(dir.filePath(u"b.bmp"_s), bild, QSize(0, 286)));
    QVERIFY(!GrafikBildSchreiben(QString(), bild, QSize(539, 286)));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList{u"ordner"_s});
}

// The shared temporary folder: a link planted under any name the program uses
// there never leads the picture onto another file.
void TstTorte::gepflanzteVerknuepfungen()
{
    QTemporaryDir dir;
    const QString pfad = dir.filePath(u"G_Ortavo.Bmp"_s);
    const QString opfer = dir.filePath(u"opfer"_s);
    const QString opfer2 = dir.filePath(u"opfer2"_s);
    for (const QString& o : {opfer, opfer2}) {
        QFile f(o);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("wichtig");
    }
    QVERIFY(QFile::link(opfer, pfad));
    // the names a predictable temporary file would have had
    const QString pid = QString::number(QCoreApplication::applicationPid());
    for (const QString& name :
         {pfad + u".neu"_s, pfad + u"."_s + pid + u".neu"_s, pfad + u".tmp"_s, pfad + u"~"_s})
        QVERIFY(QFile::link(opfer2, name));

    QVERIFY(GrafikBildSchreiben(pfad, TortenBild(ledig(), QSize(619, 329)), QSize(539, 286)));
    QVERIFY(!QFileInfo(pfad).isSymLink());
    QCOMPARE(QImage(pfad).size(), QSize(539, 286));
    for (const QString& o : {opfer, opfer2}) {
        QFile f(o);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("wichtig"));
    }
}

QTEST_MAIN(TstTorte)
#include "tst_torte.moc"
