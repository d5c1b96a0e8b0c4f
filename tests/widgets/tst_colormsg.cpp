#include "ColorButton.h"
#include "ColorMsg.h"
#include "Schrift.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

using namespace Fermalin;

Q_DECLARE_METATYPE(Fermalin::TMeldungsart)

namespace {

const QColor Hintergrund = FarbeAusWert(FarbwertHintergrund);
const QColor Knopf = FarbeAusWert(FarbwertKnopf);

// What a hook saw of the shown dialog; hooks only record and answer, since a failed
// check inside them would leave the dialog open.
struct TBefund
{
    QString titel;
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    QSize groesse;
    QRect meldung;
    int textbreite = 0;
    QPoint mitte;
    int schriftgroesse = 0;
    QStringList beschriftungen;
    QList<QColor> knopffarben;
    QList<QRect> knopfgeometrien;
    QList<int> knopftextbreiten;
    int fremdeKnoepfe = 0;
    QColor hintergrund;
    bool fuelltHintergrund = false;
    QString fokus;
    QString vorgabe;
    QImage bild;
};

TBefund Befunden(QMessageBox& dialog)
{
    TBefund b;
    b.titel = dialog.windowTitle();
    b.symbol = dialog.icon();
    b.groesse = dialog.size();
    b.mitte = dialog.frameGeometry().center();
    b.schriftgroesse = dialog.font().pointSize();
    if (auto* m = dialog.findChild<QLabel*>(QStringLiteral("Message"))) {
        b.meldung = m->geometry();
        b.textbreite = m->fontMetrics().horizontalAdvance(m->text());
    }
    for (QAbstractButton* k : dialog.buttons()) {
        auto* farbknopf = qobject_cast<TColorButton*>(k);
        if (!farbknopf) {
            ++b.fremdeKnoepfe;
            continue;
        }
        b.beschriftungen << k->text();
        b.knopffarben << farbknopf->Color();
        b.knopfgeometrien << farbknopf->geometry();
        b.knopftextbreiten << farbknopf->fontMetrics().horizontalAdvance(
            QString(k->text()).remove(QLatin1Char('&')));
        if (farbknopf->isDefault())
            b.vorgabe = k->text();
    }
    // Buttons are listed in the order of the screen, left to right.
    std::vector<int> ordnung(b.knopfgeometrien.size());
    for (int i = 0; i < int(ordnung.size()); ++i)
        ordnung[i] = i;
    std::sort(ordnung.begin(), ordnung.end(),
              [&](int a, int c) { return b.knopfgeometrien[a].x() < b.knopfgeometrien[c].x(); });
    TBefund sortiert = b;
    sortiert.beschriftungen.clear();
    sortiert.knopffarben.clear();
    sortiert.knopfgeometrien.clear();
    sortiert.knopftextbreiten.clear();
    for (int i : ordnung) {
        sortiert.knopftextbreiten << b.knopftextbreiten[i];
        sortiert.beschriftungen << b.beschriftungen[i];
        sortiert.knopffarben << b.knopffarben[i];
        sortiert.knopfgeometrien << b.knopfgeometrien[i];
    }
    b = sortiert;
    b.hintergrund = dialog.palette().color(QPalette::Window);
    b.fuelltHintergrund = dialog.autoFillBackground();
    if (auto* f = qobject_cast<QAbstractButton*>(dialog.focusWidget()))
        b.fokus = f->text();
    b.bild = dialog.grab().toImage();
    return b;
}

enum class TAntwort
{
    Enter,
    Schliessfeld,
    Escape,
    NeinKlicken,
    TasteN
};

void Antworten(QMessageBox& dialog, TAntwort antwort)
{
    switch (antwort) {
    case TAntwort::Enter:
        QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_Return);
        break;
    case TAntwort::Schliessfeld:
        dialog.close();
        break;
    case TAntwort::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case TAntwort::TasteN:
        QTest::keyClick(&dialog, Qt::Key_N);
        break;
    case TAntwort::NeinKlicken:
        for (QAbstractButton* k : dialog.buttons()) {
            if (k->text() == QStringLiteral("&Nein"))
                QTest::mouseClick(k, Qt::LeftButton);
        }
        break;
    }
}

struct TLauf
{
    QMessageBox::StandardButton ergebnis = QMessageBox::NoButton;
    TBefund befund;
};

TLauf Zeigen(const QString& text, TMeldungsart art, QMessageBox::StandardButtons knoepfe,
             const QFont* schrift, TAntwort antwort = TAntwort::Enter)
{
    TLauf lauf;
    // Should an answer fail to close the dialog, the test fails instead of hanging.
    QTimer notbremse;
    notbremse.setSingleShot(true);
    QObject::connect(&notbremse, &QTimer::timeout, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    notbremse.start(5000);
    MeldungsHakenSetzen([&](QMessageBox& dialog) {
        lauf.befund = Befunden(dialog);
        Antworten(dialog, antwort);
    });
    auto weg = qScopeGuard([] { MeldungsHakenSetzen({}); });
    lauf.ergebnis =
        ColorMessageDlg(text, art, knoepfe, schrift, QMessageBox::Yes, Hintergrund, Knopf);
    return lauf;
}

const QString Frage = QStringLiteral("Wollen Sie das Programm wirklich beenden?");

int Gerundet(double x)
{
    return int(std::nearbyint(x));
}

// Pixels inside r close to this colour (the caption is antialiased).
int Anzahl(const QImage& bild, const QRect& r, const QColor& farbe)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            const int d = std::abs(c.red() - farbe.red()) + std::abs(c.green() - farbe.green()) +
                          std::abs(c.blue() - farbe.blue());
            n += d <= 30;
        }
    }
    return n;
}

} // namespace

class TstColorMsg : public QObject
{
    Q_OBJECT
private slots:
    void farbwerte_data();
    void farbwerte();
    void antworten_data();
    void antworten();
    void titelUndSymbol_data();
    void titelUndSymbol();
    void knoepfe_data();
    void knoepfe();
    void vorgabeHatDenFokus();
    void farbenUndMitte();
    void kleinereSchriftBehaeltGroesse_data();
    void kleinereSchriftBehaeltGroesse();
    void groessereSchriftVergroessert();
    void pixelschriftDesFensters_data();
    void pixelschriftDesFensters();
    void gesperrterKnopfBehaeltFarbe();
    void zeichenereignis();
    void doppelklickSindZweiKlicks_data();
    void doppelklickSindZweiKlicks();
    void aktivFolgtDemFokus_data();
    void aktivFolgtDemFokus();
    void deutscheUebersetzung();
    void bilder();
};

void TstColorMsg::farbwerte_data()
{
    QTest::addColumn<quint32>("wert");
    QTest::addColumn<QColor>("farbe");
    QTest::newRow("Knöpfe des Hauptfensters") << FarbwertKnopf << QColor(102, 164, 210);
    QTest::newRow("Knöpfe des Startfensters") << FarbwertKnopfHell << QColor(138, 170, 217);
    QTest::newRow("Hintergrund der Meldungen") << FarbwertHintergrund << QColor(199, 212, 236);
    QTest::newRow("Rot steht im untersten Byte") << quint32(0x0000FF) << QColor(255, 0, 0);
    QTest::newRow("Blau steht im dritten Byte") << quint32(0xFF0000) << QColor(0, 0, 255);
}

void TstColorMsg::farbwerte()
{
    QFETCH(quint32, wert);
    QFETCH(QColor, farbe);
    QCOMPARE(FarbeAusWert(wert), farbe);
    QCOMPARE(WertAusFarbe(farbe), wert);
}

void TstColorMsg::antworten_data()
{
    QTest::addColumn<int>("antwort");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("Enter auf der Vorgabe Ja antwortet Ja")
        << int(TAntwort::Enter) << int(QMessageBox::Yes);
    QTest::newRow("das Schließfeld bricht ab")
        << int(TAntwort::Schliessfeld) << int(QMessageBox::Cancel);
    QTest::newRow("Escape bricht ab, statt Nein zu wählen")
        << int(TAntwort::Escape) << int(QMessageBox::Cancel);
    QTest::newRow("ein Klick auf Nein antwortet Nein")
        << int(TAntwort::NeinKlicken) << int(QMessageBox::No);
    QTest::newRow("die Zugriffstaste N antwortet Nein")
        << int(TAntwort::TasteN) << int(QMessageBox::No);
}

void TstColorMsg::antworten()
{
    QFETCH(int, antwort);
    QFETCH(int, ergebnis);
    const TLauf lauf = Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No,
                              nullptr, TAntwort(antwort));
    QCOMPARE(int(lauf.ergebnis), ergebnis);
}

void TstColorMsg::titelUndSymbol_data()
{
    QTest::addColumn<TMeldungsart>("art");
    QTest::addColumn<QString>("titel");
    QTest::addColumn<int>("symbol");
    QTest::newRow("Warnung") << TMeldungsart::Warnung << QStringLiteral("Warnung")
                             << int(QMessageBox::Warning);
    QTest::newRow("Fehler") << TMeldungsart::Fehler << QStringLiteral("Fehler")
                            << int(QMessageBox::Critical);
    QTest::newRow("Information") << TMeldungsart::Information << QStringLiteral("Informationen")
                                 << int(QMessageBox::Information);
    QTest::newRow("Bestätigung") << TMeldungsart::Bestaetigung << QStringLiteral("Bestätigen")
                                 << int(QMessageBox::Question);
    QTest::newRow("eigene Meldung trägt den Namen des Programms")
        << TMeldungsart::Eigene << QStringLiteral("Fermalin Test") << int(QMessageBox::NoIcon);
}

void TstColorMsg::titelUndSymbol()
{
    QFETCH(TMeldungsart, art);
    QFETCH(QString, titel);
    QFETCH(int, symbol);
    QApplication::setApplicationDisplayName(QStringLiteral("Fermalin Test"));
    const TLauf lauf = Zeigen(QStringLiteral("Text"), art, QMessageBox::Ok, nullptr);
    QCOMPARE(lauf.befund.titel, titel);
    QCOMPARE(MeldungsTitel(art), titel);
    QCOMPARE(int(lauf.befund.symbol), symbol);
    QCOMPARE(lauf.ergebnis, QMessageBox::Ok);
}

void TstColorMsg::knoepfe_data()
{
    QTest::addColumn<int>("knoepfe");
    QTest::addColumn<QStringList>("beschriftungen");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("Ja und Nein, Enter auf Ja")
        << int(QMessageBox::Yes | QMessageBox::No)
        << QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein")} << int(QMessageBox::Yes);
    QTest::newRow("nur OK, Enter auf OK")
        << int(QMessageBox::Ok) << QStringList{QStringLiteral("OK")} << int(QMessageBox::Ok);
    QTest::newRow("ohne Knopf kommt OK dazu")
        << int(QMessageBox::NoButton) << QStringList{QStringLiteral("OK")} << int(QMessageBox::Ok);
}

void TstColorMsg::knoepfe()
{
    QFETCH(int, knoepfe);
    QFETCH(QStringList, beschriftungen);
    QFETCH(int, ergebnis);
    const TLauf lauf =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::StandardButtons(knoepfe), nullptr);
    QCOMPARE(lauf.befund.beschriftungen, beschriftungen);
    QCOMPARE(lauf.befund.fremdeKnoepfe, 0);
    for (const QColor& f : lauf.befund.knopffarben)
        QCOMPARE(f, Knopf);
    QCOMPARE(int(lauf.ergebnis), ergebnis);
}

void TstColorMsg::vorgabeHatDenFokus()
{
    const TLauf lauf =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    QCOMPARE(lauf.befund.vorgabe, QStringLiteral("&Ja"));
    QCOMPARE(lauf.befund.fokus, QStringLiteral("&Ja"));
}

void TstColorMsg::farbenUndMitte()
{
    const TLauf lauf =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    QCOMPARE(lauf.befund.hintergrund, Hintergrund);
    QVERIFY(lauf.befund.fuelltHintergrund);
    // A corner of the dialog shows the dialog colour.
    QCOMPARE(lauf.befund.bild.pixelColor(2, 2), Hintergrund);
    const QPoint mitte = QGuiApplication::primaryScreen()->geometry().center();
    QVERIFY2(
        (lauf.befund.mitte - mitte).manhattanLength() <= 2,
        qPrintable(
            QStringLiteral("Mitte %1,%2").arg(lauf.befund.mitte.x()).arg(lauf.befund.mitte.y())));
}

void TstColorMsg::kleinereSchriftBehaeltGroesse_data()
{
    QTest::addColumn<int>("unterschied");
    QTest::newRow("gleich groß") << 0;
    QTest::newRow("einen Punkt kleiner") << -1;
    QTest::newRow("drei Punkte kleiner") << -3;
}

void TstColorMsg::kleinereSchriftBehaeltGroesse()
{
    QFETCH(int, unterschied);
    const TLauf ohne =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    QFont schrift = QApplication::font();
    schrift.setPointSize(ohne.befund.schriftgroesse + unterschied);
    schrift.setItalic(true);
    const TLauf mit =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, &schrift);
    QCOMPARE(mit.befund.groesse, ohne.befund.groesse);
    QCOMPARE(mit.befund.knopfgeometrien, ohne.befund.knopfgeometrien);
    QCOMPARE(mit.befund.meldung, ohne.befund.meldung);
    QCOMPARE(mit.befund.schriftgroesse, schrift.pointSize());
    QCOMPARE(mit.ergebnis, QMessageBox::Yes);
}

void TstColorMsg::groessereSchriftVergroessert()
{
    const TLauf ohne =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    const int s = ohne.befund.schriftgroesse;
    QVERIFY(s > 0);
    const int groesse = s + 5;
    QFont schrift = QApplication::font();
    schrift.setPointSize(groesse);
    const TLauf mit =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, &schrift);

    const QSize erwartet(ohne.befund.groesse.width() * groesse / s,
                         ohne.befund.groesse.height() * groesse / s);
    QCOMPARE(mit.befund.groesse, erwartet);
    QCOMPARE(mit.befund.schriftgroesse, groesse);

    // The message label: one point more than the rest, integer division.
    QCOMPARE(mit.befund.meldung.width(), ohne.befund.meldung.width() * (groesse + 1) / s);
    QVERIFY(mit.befund.meldung.width() > ohne.befund.meldung.width() * groesse / s);

    // The rest grows by the stretcher's factor.
    const double f = std::min(double(erwartet.width()) / ohne.befund.groesse.width(),
                              double(erwartet.height()) / ohne.befund.groesse.height());
    QCOMPARE(mit.befund.meldung.x(), Gerundet(f * ohne.befund.meldung.x()));
    QCOMPARE(mit.befund.knopfgeometrien.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QRect vorher = ohne.befund.knopfgeometrien[i];
        const QRect nachher = mit.befund.knopfgeometrien[i];
        QCOMPARE(nachher.width(), Gerundet(f * vorher.width()));
        QCOMPARE(nachher.height(), Gerundet(f * vorher.height()));
    }
    // Nothing is pushed out of the grown dialog.
    const QRect innen(QPoint(0, 0), mit.befund.groesse);
    for (const QRect& k : mit.befund.knopfgeometrien)
        QVERIFY(innen.contains(k));
    // The label may reach past the edge (it is wider than in proportion), its text not.
    QVERIFY(mit.befund.meldung.x() + mit.befund.textbreite <= mit.befund.groesse.width());
    QVERIFY(mit.befund.textbreite > ohne.befund.textbreite);
    QCOMPARE(mit.ergebnis, QMessageBox::Yes);
}

void TstColorMsg::pixelschriftDesFensters_data()
{
    QTest::addColumn<double>("faktor");
    QTest::newRow("Entwurfsgröße") << 1.0;
    QTest::newRow("8 % größer") << 1.08;
    QTest::newRow("1,4fach") << 1.4;
    QTest::newRow("1,5fach") << 1.5;
}

// The main window's font is pixel-sized and grows with the window: the dialog
// grows with it, and neither the question nor a button caption is cut off.
void TstColorMsg::pixelschriftDesFensters()
{
    QFETCH(double, faktor);
    const QString text = QStringLiteral("Soll das Programm wirklich beendet werden?");
    const TLauf ohne =
        Zeigen(text, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    QFont schrift = ProgrammSchrift(13);
    schrift.setPixelSize(int(13 * faktor));
    QCOMPARE(schrift.pointSize(), -1);
    const TLauf mit =
        Zeigen(text, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, &schrift);

    QCOMPARE(mit.ergebnis, QMessageBox::Yes);
    if (QFontInfo(schrift).pixelSize() > QFontInfo(QApplication::font()).pixelSize())
        QVERIFY(mit.befund.groesse.width() > ohne.befund.groesse.width());
    const QRect innen(QPoint(0, 0), mit.befund.groesse);
    QVERIFY2(mit.befund.meldung.x() + mit.befund.textbreite <= innen.width(),
             qPrintable(QStringLiteral("Text %1 + %2 in %3")
                            .arg(mit.befund.meldung.x())
                            .arg(mit.befund.textbreite)
                            .arg(innen.width())));
    QVERIFY(mit.befund.textbreite <= mit.befund.meldung.width());
    QCOMPARE(mit.befund.knopfgeometrien.size(), 2);
    for (int i = 0; i < 2; ++i) {
        QVERIFY(innen.contains(mit.befund.knopfgeometrien[i]));
        QVERIFY(mit.befund.knopftextbreiten[i] < mit.befund.knopfgeometrien[i].width());
    }
}

void TstColorMsg::gesperrterKnopfBehaeltFarbe()
{
    QWidget fenster;
    auto* layout = new QVBoxLayout(&fenster);
    auto* knopf = new TColorButton(QStringLiteral("HHHH"));
    knopf->setColor(Knopf);
    knopf->setFixedSize(120, 40);
    layout->addWidget(knopf);
    fenster.show();

    knopf->setEnabled(false);
    const QImage gesperrt = knopf->grab().toImage();
    // Away from the caption and the frame the face is the button's colour.
    QCOMPARE(gesperrt.pixelColor(10, 20), Knopf);
    QCOMPARE(gesperrt.pixelColor(110, 20), Knopf);
    // Embossed: a grey caption with a light shadow, no caption in the text colour.
    const QRect schrift(30, 8, 60, 24);
    const QPalette pal = knopf->palette();
    QVERIFY(Anzahl(gesperrt, schrift, pal.color(QPalette::Active, QPalette::Dark)) > 0);
    QVERIFY(Anzahl(gesperrt, schrift, pal.color(QPalette::Active, QPalette::Light)) > 0);
    QCOMPARE(Anzahl(gesperrt, schrift, pal.color(QPalette::Active, QPalette::ButtonText)), 0);

    knopf->setEnabled(true);
    const QImage frei = knopf->grab().toImage();
    QCOMPARE(frei.pixelColor(10, 20), Knopf);
    QVERIFY(Anzahl(frei, schrift, knopf->palette().color(QPalette::ButtonText)) > 0);
}

void TstColorMsg::zeichenereignis()
{
    TColorButton knopf(QStringLiteral("OK"));
    knopf.resize(100, 30);
    QList<TKnopfZustaende> zustaende;
    QList<QRect> flaechen;
    knopf.OnDrawButton = [&](TColorButton* sender, QRect r, TKnopfZustaende z) {
        if (sender == &knopf) {
            zustaende << z;
            flaechen << r;
        }
    };
    knopf.grab();
    QCOMPARE(zustaende.size(), 1);
    QCOMPARE(zustaende.last(), TKnopfZustaende());
    QVERIFY(knopf.rect().contains(flaechen.last()));
    QVERIFY(flaechen.last().width() < knopf.width());

    knopf.setDown(true);
    knopf.grab();
    QVERIFY(zustaende.last().testFlag(TKnopfZustand::Gedrueckt));
    // Pressed: a 1-pixel rectangle, then the face moved one pixel to the lower right.
    QCOMPARE(flaechen.last().topLeft(), QPoint(2, 2));
    QCOMPARE(flaechen.last().bottomRight(), knopf.rect().bottomRight());
    knopf.setDown(false);

    knopf.setEnabled(false);
    knopf.grab();
    QCOMPARE(zustaende.last(), TKnopfZustaende(TKnopfZustand::Gesperrt));
}

void TstColorMsg::doppelklickSindZweiKlicks_data()
{
    // D: press, U: release, 2: double click
    QTest::addColumn<QString>("folge");
    QTest::addColumn<int>("klicks");
    QTest::newRow("der zweite Druck kommt nur als Doppelklick") << QStringLiteral("DU2U") << 2;
    QTest::newRow("der zweite Druck kommt als Druck und Doppelklick")
        << QStringLiteral("DUD2U") << 2;
    QTest::newRow("ein einfacher Klick bleibt einer") << QStringLiteral("DU") << 1;
}

void TstColorMsg::doppelklickSindZweiKlicks()
{
    QFETCH(QString, folge);
    QFETCH(int, klicks);
    TColorButton knopf(QStringLiteral("OK"));
    knopf.resize(100, 30);
    knopf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&knopf));
    QSignalSpy geklickt(&knopf, &QAbstractButton::clicked);
    QSignalSpy gedrueckt(&knopf, &QAbstractButton::pressed);

    const QPointF p(50, 15);
    const QPointF g = knopf.mapToGlobal(p);
    for (QChar c : folge) {
        const QEvent::Type t = c == u'D'   ? QEvent::MouseButtonPress
                               : c == u'2' ? QEvent::MouseButtonDblClick
                                           : QEvent::MouseButtonRelease;
        const bool los = t == QEvent::MouseButtonRelease;
        QMouseEvent e(t, p, g, Qt::LeftButton, los ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&knopf, &e);
    }
    QCOMPARE(geklickt.size(), klicks);
    QCOMPARE(gedrueckt.size(), klicks);
}

void TstColorMsg::aktivFolgtDemFokus_data()
{
    QTest::addColumn<bool>("dialog");
    // In a dialog the default flag itself moves with the focus; in a plain window
    // it stays, and only the button's own bookkeeping repaints it.
    QTest::newRow("im Dialog") << true;
    QTest::newRow("in einem einfachen Fenster") << false;
}

void TstColorMsg::aktivFolgtDemFokus()
{
    QFETCH(bool, dialog);
    std::unique_ptr<QWidget> fensterZeiger(dialog ? new QDialog : new QWidget);
    QWidget& fenster = *fensterZeiger;
    auto* layout = new QVBoxLayout(&fenster);
    auto* feld = new QLineEdit;
    auto* vorgabe = new TColorButton(QStringLiteral("&Ja"));
    auto* anderer = new TColorButton(QStringLiteral("&Nein"));
    layout->addWidget(feld);
    layout->addWidget(vorgabe);
    layout->addWidget(anderer);
    vorgabe->setDefault(true);
    int vorgabeGezeichnet = 0;
    vorgabe->OnDrawButton = [&](TColorButton*, QRect, TKnopfZustaende) { ++vorgabeGezeichnet; };

    feld->setFocus();
    fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    QTRY_VERIFY(feld->hasFocus());
    QVERIFY(vorgabe->Aktiv());
    QVERIFY(!anderer->Aktiv());

    QTRY_VERIFY(vorgabeGezeichnet > 0);
    const int vorher = vorgabeGezeichnet;
    anderer->setFocus();
    QTRY_VERIFY(anderer->hasFocus());
    QVERIFY(!vorgabe->Aktiv());
    QVERIFY(anderer->Aktiv());
    // The old default button is drawn again without its frame.
    QTRY_VERIFY(vorgabeGezeichnet > vorher);

    feld->setFocus();
    QTRY_VERIFY(feld->hasFocus());
    QVERIFY(vorgabe->Aktiv());
    QVERIFY(!anderer->Aktiv());
}

void TstColorMsg::deutscheUebersetzung()
{
    // The set-up installs qt6-translations-l10n; without it the dialogs speak English.
    QVERIFY2(LadeQtUebersetzung(*qApp), "qtbase_de.qm fehlt (Paket qt6-translations-l10n)");
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

// With FERMALIN_BILDER set, writes pictures to /tmp/shots/ to look at by eye.
void TstColorMsg::bilder()
{
    if (qEnvironmentVariableIsEmpty("FERMALIN_BILDER"))
        QSKIP("nur mit FERMALIN_BILDER");
    const QString ordner = QStringLiteral("/tmp/shots");
    QVERIFY(QDir().mkpath(ordner));

    QDialog fenster;
    QPalette pal = fenster.palette();
    pal.setColor(QPalette::Window, Hintergrund);
    fenster.setPalette(pal);
    fenster.setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(&fenster);
    auto* frei = new TColorButton(QStringLiteral("&Weiter"));
    auto* gesperrt = new TColorButton(QStringLiteral("&Drucken"));
    auto* fokus = new TColorButton(QStringLiteral("&Einstellungen"));
    auto* hell = new TColorButton(QStringLiteral("&Beenden"));
    for (TColorButton* k : {frei, gesperrt, fokus, hell}) {
        k->setColor(Knopf);
        k->setFixedSize(140, 32);
        layout->addWidget(k);
    }
    hell->setColor(FarbeAusWert(FarbwertKnopfHell));
    gesperrt->setEnabled(false);
    fenster.show();
    QVERIFY(QTest::qWaitForWindowActive(&fenster));
    // Reached by Tab, so the style shows the focus rectangle; Tab skips the disabled one.
    frei->setFocus();
    QTest::keyClick(frei, Qt::Key_Tab);
    QTRY_VERIFY(fokus->hasFocus());
    QVERIFY(frei->grab().save(ordner + QStringLiteral("/knopf_frei.png")));
    QVERIFY(gesperrt->grab().save(ordner + QStringLiteral("/knopf_gesperrt.png")));
    QVERIFY(fokus->grab().save(ordner + QStringLiteral("/knopf_fokus.png")));
    QVERIFY(fenster.grab().save(ordner + QStringLiteral("/knoepfe.png")));
    frei->setDown(true);
    QVERIFY(frei->grab().save(ordner + QStringLiteral("/knopf_gedrueckt.png")));
    frei->setDown(false);
    // Four times enlarged, to see the frame pixel by pixel.
    frei->setDown(true);
    const QImage gedrueckt = frei->grab().toImage();
    frei->setDown(false);
    QVERIFY(gedrueckt.scaled(gedrueckt.size() * 4)
                .save(ordner + QStringLiteral("/x4_Weiter_gedrueckt.png")));
    for (TColorButton* k : {frei, gesperrt, fokus}) {
        const QImage bild = k->grab().toImage();
        QVERIFY(bild.scaled(bild.size() * 4)
                    .save(ordner + QStringLiteral("/x4_") + k->text().remove(u'&') +
                          QStringLiteral(".png")));
    }

    const TLauf frage =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, nullptr);
    QVERIFY(frage.befund.bild.save(ordner + QStringLiteral("/meldung_frage.png")));
    QFont gross = QApplication::font();
    gross.setPointSize(frage.befund.schriftgroesse * 3 / 2);
    const TLauf vergroessert =
        Zeigen(Frage, TMeldungsart::Bestaetigung, QMessageBox::Yes | QMessageBox::No, &gross);
    QVERIFY(vergroessert.befund.bild.save(ordner + QStringLiteral("/meldung_gross.png")));
    const TLauf fehler = Zeigen(QStringLiteral("Das Logo kann nicht angezeigt werden."),
                                TMeldungsart::Fehler, QMessageBox::Ok, nullptr);
    QVERIFY(fehler.befund.bild.save(ordner + QStringLiteral("/meldung_fehler.png")));
}

QTEST_MAIN(TstColorMsg)
#include "tst_colormsg.moc"
