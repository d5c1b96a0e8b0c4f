#include "EkSteuer.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Zahlformat.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QHBoxLayout>
#include <QMenu>
#include <QMessageBox>
#include <QMetaProperty>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <cmath>
#include <limits>

using namespace Fermalin;

namespace {

// A window with two fields, the way the input page has them side by side.
struct TFenster
{
    QWidget w;
    TFloatEdit* a;
    TFloatEdit* b;

    TFenster()
    {
        auto* layout = new QHBoxLayout(&w);
        a = new TFloatEdit(&w);
        b = new TFloatEdit(&w);
        a->setObjectName(QStringLiteral("a"));
        b->setObjectName(QStringLiteral("b"));
        for (TFloatEdit* e : {a, b}) {
            e->setIntOnly(true);
            e->setMaxWert(999999);
            layout->addWidget(e);
        }
    }

    bool Aktivieren()
    {
        w.show();
        QApplication::setActiveWindow(&w);
        w.activateWindow();
        return QTest::qWaitForWindowActive(&w);
    }
};

// Keys as words: a single character is typed as it is, <...> names an editing key.
void Tippen(QWidget* ziel, const QString& tasten)
{
    for (const QString& t : tasten.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (t == QLatin1String("<links>"))
            QTest::keyClick(ziel, Qt::Key_Left);
        else if (t == QLatin1String("<pos1>"))
            QTest::keyClick(ziel, Qt::Key_Home);
        else if (t == QLatin1String("<entf>"))
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_Delete, QString(QChar(0x7f)),
                                Qt::NoModifier);
        else if (t == QStringLiteral("<rück>"))
            QTest::keyClick(ziel, Qt::Key_Backspace);
        else if (t == QLatin1String("<strg+a>"))
            QTest::keyClick(ziel, Qt::Key_A, Qt::ControlModifier);
        else if (t == QLatin1String("<leer>"))
            QTest::keyClick(ziel, Qt::Key_Space);
        else if (t == QLatin1String("<bel>"))
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(QChar(7)),
                                Qt::NoModifier);
        else if (t == QLatin1String("<tab-zeichen>"))
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, QString(QChar(9)),
                                Qt::NoModifier);
        else
            QTest::sendKeyEvent(QTest::Click, ziel, Qt::Key_unknown, t, Qt::NoModifier);
    }
}

} // namespace

class TstFloatEdit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void formatG_data();
    void formatG();
    void neuesFeld();
    void tippen_data();
    void tippen();
    void einfuegen_data();
    void einfuegen();
    void dialogtastenImVollenFeld_data();
    void dialogtastenImVollenFeld();
    void ganzeZahlen_data();
    void ganzeZahlen();
    void laengengrenze_data();
    void laengengrenze();
    void wertLesen_data();
    void wertLesen();
    void wertSetzen_data();
    void wertSetzen();
    void aenderungFeuertFuerGetipptUndGesetzt();
    void verlassen_data();
    void verlassen();
    void abgelehntAufJedemWeg_data();
    void abgelehntAufJedemWeg();
    void zweiFalscheFelderSpielenKeinPingPong();
    void fehlerboxErscheintEinmal();
    void fensterwechselVerlaesstDasFeldNicht();
    void wertImBereichAusDemProgramm();
    void ausnahmeGehtAnDieFehleranzeige();

private:
    QStringList m_meldungen;
};

void TstFloatEdit::initTestCase()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Fermalin"));
}

void TstFloatEdit::init()
{
    m_meldungen.clear();
    setzeFehleranzeige([this](const QString& m) { m_meldungen << m; });
}

void TstFloatEdit::cleanup()
{
    setzeFehleranzeige({});
}

void TstFloatEdit::formatG_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("ganze Zahl ohne Tausenderpunkt") << 2000.0 << QStringLiteral("2000");
    QTest::newRow("ein halb mit Dezimalkomma") << 0.5 << QStringLiteral("0,5");
    QTest::newRow("eine Million bleibt ausgeschrieben") << 1e6 << QStringLiteral("1000000");
    QTest::newRow("15 Stellen bleiben ausgeschrieben")
        << 999999999999999.0 << QStringLiteral("999999999999999");
    QTest::newRow("ab 16 Stellen wissenschaftlich") << 1e15 << QStringLiteral("1E15");
    QTest::newRow("1E20 ohne Plus und führende Nullen") << 1e20 << QStringLiteral("1E20");
    QTest::newRow("Mantisse mit Komma")
        << 123456789012345678.0 << QStringLiteral("1,23456789012346E17");
    QTest::newRow("negativ") << -12.5 << QStringLiteral("-12,5");
    QTest::newRow("0,1 + 0,2 auf 15 Stellen") << 0.1 + 0.2 << QStringLiteral("0,3");
    QTest::newRow("ein Drittel hat 15 Stellen") << 1.0 / 3 << QStringLiteral("0,333333333333333");
    QTest::newRow("0,0001 noch ausgeschrieben") << 0.0001 << QStringLiteral("0,0001");
    QTest::newRow("darunter wissenschaftlich") << 0.00001 << QStringLiteral("1E-5");
    QTest::newRow("kleine Zahl mit Komma") << -1.5e-7 << QStringLiteral("-1,5E-7");
    QTest::newRow("Null") << 0.0 << QStringLiteral("0");
    QTest::newRow("negative Null ohne Vorzeichen") << -0.0 << QStringLiteral("0");
    QTest::newRow("Rundung an der 15. Stelle trägt über")
        << 9.9999999999999999e14 << QStringLiteral("1E15");
    QTest::newRow("unendlich") << std::numeric_limits<double>::infinity() << QStringLiteral("INF");
}

void TstFloatEdit::formatG()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(FormatG(wert), text);
}

void TstFloatEdit::neuesFeld()
{
    TFloatEdit feld;
    QCOMPARE(feld.text(), QStringLiteral("0"));
    QCOMPARE(feld.WertLesen(), 0.0);

    // The defaults as a form description sees them.
    const struct
    {
        const char* name;
        QVariant wert;
    } vorgaben[] = {{"NumInputOnly", true}, {"PunktinKomma", true},
                    {"RangeCheck", true},   {"AutoRangeCorrect", false},
                    {"IntOnly", false},     {"MinWert", 0.0},
                    {"MaxWert", 0.0},       {"Wert", 0.0}};
    for (const auto& v : vorgaben) {
        const int index = feld.metaObject()->indexOfProperty(v.name);
        QVERIFY2(index >= 0, v.name);
        QVERIFY2(feld.metaObject()->property(index).isStored(), v.name);
        QCOMPARE(feld.property(v.name), v.wert);
    }

    QVERIFY(feld.setProperty("MinWert", 1984.0));
    QVERIFY(feld.setProperty("MaxWert", 2009.0));
    QVERIFY(feld.setProperty("Wert", 2000.0));
    QCOMPARE(feld.text(), QStringLiteral("2000"));
    QCOMPARE(feld.property("Wert").toDouble(), 2000.0);
}

void TstFloatEdit::tippen_data()
{
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<bool>("intOnly");
    QTest::addColumn<double>("minWert");
    QTest::addColumn<bool>("punktInKomma");
    QTest::addColumn<bool>("nurZahlen");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");

    const QString k125 = QStringLiteral("1 2 . 5");
    QTest::newRow("der Punkt wird zum Komma")
        << k125 << false << 0.0 << true << true << QStringLiteral("12,5") << 12.5;
    QTest::newRow("IntOnly verwirft den Punkt")
        << k125 << true << 0.0 << true << true << QStringLiteral("125") << 125.0;
    QTest::newRow("IntOnly verwirft das Komma mit den Ziffern danach")
        << QStringLiteral("1 2 , 5") << true << 0.0 << true << true << QStringLiteral("12") << 12.0;
    QTest::newRow("Minus abgewiesen, solange MinWert nicht negativ ist")
        << QStringLiteral("- 5") << false << 0.0 << true << true << QStringLiteral("5") << 5.0;
    QTest::newRow("Minus erlaubt bei negativem MinWert")
        << QStringLiteral("- 5") << false << -10.0 << true << true << QStringLiteral("-5") << -5.0;
    QTest::newRow("Buchstaben fallen weg") << QStringLiteral("1 a B 2 x") << true << 0.0 << true
                                           << true << QStringLiteral("12") << 12.0;
    QTest::newRow("Leerzeichen, Euro und Schrägstrich fallen weg")
        << QStringLiteral("1 <leer> € / 2") << true << 0.0 << true << true << QStringLiteral("12")
        << 12.0;
    QTest::newRow("Steuerzeichen fallen weg")
        << QStringLiteral("1 <bel> <tab-zeichen> 2") << true << 0.0 << true << true
        << QStringLiteral("12") << 12.0;
    QTest::newRow("das Semikolon geht durch, der Text ist keine Zahl")
        << QStringLiteral("1 ; 2") << true << 0.0 << true << true << QStringLiteral("1;2") << 0.0;
    QTest::newRow("ohne PunktinKomma bleibt der Punkt und liest sich als 0")
        << k125 << false << 0.0 << false << true << QStringLiteral("12.5") << 0.0;
    QTest::newRow("ohne NumInputOnly geht alles durch, der Punkt wird trotzdem Komma")
        << QStringLiteral("a 1 . b") << false << 0.0 << true << false << QStringLiteral("a1,b")
        << 0.0;
    QTest::newRow("die Rücktaste löscht") << QStringLiteral("1 2 3 <rück>") << true << 0.0 << true
                                          << true << QStringLiteral("12") << 12.0;
    QTest::newRow("mit der Pfeiltaste in die Mitte")
        << QStringLiteral("1 5 <links> 2") << true << 0.0 << true << true << QStringLiteral("125")
        << 125.0;
    QTest::newRow("Entf löscht hinter dem Cursor")
        << QStringLiteral("1 2 3 <pos1> <entf>") << true << 0.0 << true << true
        << QStringLiteral("23") << 23.0;
    QTest::newRow("Strg+A markiert alles und die Ziffer ersetzt es")
        << QStringLiteral("1 2 3 <strg+a> 7") << true << 0.0 << true << true << QStringLiteral("7")
        << 7.0;
}

void TstFloatEdit::tippen()
{
    QFETCH(QString, tasten);
    QFETCH(bool, intOnly);
    QFETCH(double, minWert);
    QFETCH(bool, punktInKomma);
    QFETCH(bool, nurZahlen);
    QFETCH(QString, text);
    QFETCH(double, wert);

    TFenster f;
    f.a->setIntOnly(intOnly);
    f.a->setMinWert(minWert);
    f.a->setPunktinKomma(punktInKomma);
    f.a->setNumInputOnly(nurZahlen);
    f.a->clear();
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    Tippen(f.a, tasten);
    QCOMPARE(f.a->text(), text);
    QCOMPARE(f.a->WertLesen(), wert);
}

void TstFloatEdit::laengengrenze_data()
{
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("tasten");
    QTest::addColumn<QString>("ablage"); // pasted after the keys, when not empty
    QTest::addColumn<QString>("text");

    QTest::newRow("die siebte Ziffer wird nicht getippt")
        << QString() << QStringLiteral("1 2 3 4 5 6 7") << QString() << QStringLiteral("123456");
    QTest::newRow("die Rücktaste löscht auch im vollen Feld")
        << QStringLiteral("123456") << QStringLiteral("<rück> <rück> 9") << QString()
        << QStringLiteral("12349");
    QTest::newRow("über die Markierung wird weiter getippt")
        << QStringLiteral("123456") << QStringLiteral("<strg+a> 9") << QString()
        << QStringLiteral("9");
    QTest::newRow("was passt, wird eingefügt")
        << QStringLiteral("1234") << QString() << QStringLiteral("56") << QStringLiteral("123456");
    QTest::newRow("was nicht passt, wird abgewiesen statt abgeschnitten")
        << QStringLiteral("1234") << QString() << QStringLiteral("567") << QStringLiteral("1234");
}

// The limit keeps the typing short; a value set from code is shown whole.
void TstFloatEdit::laengengrenze()
{
    QFETCH(QString, vorher);
    QFETCH(QString, tasten);
    QFETCH(QString, ablage);
    QFETCH(QString, text);

    TFenster f;
    f.a->setIntOnly(false);
    f.a->setMaxLength(6);
    f.a->setText(vorher);
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    f.a->end(false);
    Tippen(f.a, tasten);
    if (!ablage.isEmpty()) {
        QGuiApplication::clipboard()->setText(ablage);
        QTest::keyClick(f.a, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(f.a->text(), text);

    f.a->WertSetzen(35000.55);
    QCOMPARE(f.a->text(), QStringLiteral("35000,55"));
    QCOMPARE(f.a->WertLesen(), 35000.55);
}

void TstFloatEdit::einfuegen_data()
{
    QTest::addColumn<int>("weg");
    QTest::addColumn<QString>("ablage");
    QTest::addColumn<bool>("intOnly");
    QTest::addColumn<QString>("text");

    enum
    {
        StrgV,
        UmschaltEinfg,
        Kontextmenue
    };
    QTest::newRow("Strg+V: Ziffern werden eingefügt")
        << int(StrgV) << QStringLiteral("2500") << true << QStringLiteral("12500");
    QTest::newRow("Strg+V: Leerraum um die Zahl fällt weg")
        << int(StrgV) << QStringLiteral(" 2500\n") << true << QStringLiteral("12500");
    QTest::newRow("Strg+V: der Punkt wird Komma wie beim Tippen")
        << int(StrgV) << QStringLiteral("2.5") << false << QStringLiteral("12,5");
    QTest::newRow("Strg+V: 1.50 in ein ganzzahliges Feld wird abgewiesen")
        << int(StrgV) << QStringLiteral("1.50") << true << QStringLiteral("1");
    QTest::newRow("Strg+V: Text mit Buchstaben wird ganz abgewiesen")
        << int(StrgV) << QStringLiteral("25 €") << true << QStringLiteral("1");
    QTest::newRow("Umschalt+Einfg nimmt denselben Weg")
        << int(UmschaltEinfg) << QStringLiteral("1.50") << true << QStringLiteral("1");
    QTest::newRow("Kontextmenü: Ziffern werden eingefügt")
        << int(Kontextmenue) << QStringLiteral("2500") << true << QStringLiteral("12500");
    QTest::newRow("Kontextmenü: Buchstaben werden abgewiesen")
        << int(Kontextmenue) << QStringLiteral("abc") << true << QStringLiteral("1");
}

void TstFloatEdit::einfuegen()
{
    QFETCH(int, weg);
    QFETCH(QString, ablage);
    QFETCH(bool, intOnly);
    QFETCH(QString, text);

    TFenster f;
    f.a->setIntOnly(intOnly);
    f.a->setText(QStringLiteral("1"));
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    f.a->end(false);
    QGuiApplication::clipboard()->setText(ablage);
    QCOMPARE(QGuiApplication::clipboard()->text(), ablage);

    switch (weg) {
    case 0:
        QTest::keyClick(f.a, Qt::Key_V, Qt::ControlModifier);
        break;
    case 1:
        QTest::keyClick(f.a, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    default: {
        QContextMenuEvent ev(QContextMenuEvent::Mouse, QPoint(2, 2),
                             f.a->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(f.a, &ev);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QAction* aktion = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste"))
                aktion = a;
        QVERIFY(aktion);
        aktion->trigger();
        menu->close();
        break;
    }
    }
    QCOMPARE(f.a->text(), text);
}

void TstFloatEdit::dialogtastenImVollenFeld_data()
{
    QTest::addColumn<int>("taste");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("Escape bricht den Dialog ab") << int(Qt::Key_Escape) << int(QDialog::Rejected);
    QTest::newRow("Enter im vollen Feld drückt OK")
        << int(Qt::Key_Return) << int(QDialog::Accepted);
    QTest::newRow("Enter des Ziffernblocks im vollen Feld drückt OK")
        << int(Qt::Key_Enter) << int(QDialog::Accepted);
}

// Backspace and Enter are no inserted characters: the length limit leaves them alone.
void TstFloatEdit::dialogtastenImVollenFeld()
{
    QFETCH(int, taste);
    QFETCH(int, ergebnis);
    QDialog dialog;
    auto* feld = new TFloatEdit(&dialog);
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    feld->setIntOnly(true);
    feld->setMaxWert(999999);
    feld->setMaxLength(6);
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    feld->setFocus();
    feld->clear();
    Tippen(feld, QStringLiteral("1 2 3 4 5 6"));
    QCOMPARE(feld->text(), QStringLiteral("123456"));
    QTest::keyClick(feld, static_cast<Qt::Key>(taste),
                    taste == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), ergebnis);
}

void TstFloatEdit::ganzeZahlen_data()
{
    QTest::addColumn<QString>("tasten"); // typed when not empty
    QTest::addColumn<QString>("ablage"); // pasted after the keys, when not empty
    QTest::addColumn<bool>("intOnly");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hinweis");

    QTest::newRow("getippt: 1.000,50 im Euro-Feld bleibt 1000")
        << QStringLiteral("1 . 0 0 0 , 5 0") << QString() << true << QStringLiteral("1000") << true;
    QTest::newRow("eingefügt: 1.000,50 im Euro-Feld wird 1000")
        << QString() << QStringLiteral("1.000,50") << true << QStringLiteral("1000") << true;
    QTest::newRow("getippt: der Tausenderpunkt fällt ohne Hinweis weg")
        << QStringLiteral("1 . 5 0 0") << QString() << true << QStringLiteral("1500") << false;
    QTest::newRow("eingefügt: 1.234.567 verliert seine Tausenderpunkte")
        << QString() << QStringLiteral("1.234.567") << true << QStringLiteral("1234567") << false;
    QTest::newRow("eingefügt: 1.5 ist kein Tausenderpunkt und wird abgewiesen")
        << QStringLiteral("7") << QStringLiteral("1.5") << true << QStringLiteral("7") << false;
    QTest::newRow("eingefügt: Cent mit Buchstaben wird ganz abgewiesen")
        << QStringLiteral("7") << QStringLiteral("1,5a") << true << QStringLiteral("7") << false;
    QTest::newRow("getippt: mit dem Cursor endet das Abweisen der Cent")
        << QStringLiteral("1 0 0 0 , 5 <pos1> 2") << QString() << true << QStringLiteral("21000")
        << true;
    QTest::newRow("getippt: im Dezimalfeld bleibt das Komma")
        << QStringLiteral("1 2 , 5") << QString() << false << QStringLiteral("12,5") << false;
    QTest::newRow("eingefügt: im Dezimalfeld wird 1.000,50 zu 1000,50")
        << QString() << QStringLiteral("1.000,50") << false << QStringLiteral("1000,50") << false;
    QTest::newRow("eingefügt: im Dezimalfeld bleibt 2.5 ein Dezimalbruch")
        << QString() << QStringLiteral("2.5") << false << QStringLiteral("2,5") << false;
}

void TstFloatEdit::ganzeZahlen()
{
    QFETCH(QString, tasten);
    QFETCH(QString, ablage);
    QFETCH(bool, intOnly);
    QFETCH(QString, text);
    QFETCH(bool, hinweis);

    TFenster f;
    f.a->setIntOnly(intOnly);
    f.a->setMaxWert(9999999);
    f.a->clear();
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    Tippen(f.a, tasten);
    if (!ablage.isEmpty()) {
        QGuiApplication::clipboard()->setText(ablage);
        QTest::keyClick(f.a, Qt::Key_V, Qt::ControlModifier);
    }
    QCOMPARE(f.a->text(), text);
    QCOMPARE(QToolTip::isVisible(), hinweis);
    if (hinweis)
        QCOMPARE(QToolTip::text(), QStringLiteral("Hier sind nur ganze Zahlen möglich; die "
                                                  "Nachkommastellen werden nicht übernommen."));
}

void TstFloatEdit::wertLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("wert");
    QTest::newRow("Dezimalkomma") << QStringLiteral("12,5") << 12.5;
    QTest::newRow("ganze Zahl") << QStringLiteral("2009") << 2009.0;
    QTest::newRow("negativ") << QStringLiteral("-3,25") << -3.25;
    QTest::newRow("Leerraum ringsum") << QStringLiteral(" 42 ") << 42.0;
    QTest::newRow("Exponent") << QStringLiteral("1E5") << 1e5;
    QTest::newRow("Komma am Anfang") << QStringLiteral(",5") << 0.5;
    QTest::newRow("Komma am Ende") << QStringLiteral("12,") << 12.0;
    QTest::newRow("Pluszeichen") << QStringLiteral("+7") << 7.0;
    QTest::newRow("leer") << QString() << 0.0;
    QTest::newRow("Fragezeichen eines Wertes außerhalb") << QStringLiteral("???") << 0.0;
    QTest::newRow("Tausenderpunkt") << QStringLiteral("1.000") << 0.0;
    QTest::newRow("Dezimalpunkt") << QStringLiteral("12.5") << 0.0;
    QTest::newRow("Buchstaben") << QStringLiteral("abc") << 0.0;
    QTest::newRow("Zahl mit Buchstaben dahinter") << QStringLiteral("12a") << 0.0;
    QTest::newRow("Leerzeichen in der Zahl") << QStringLiteral("1 000") << 0.0;
    QTest::newRow("Semikolon") << QStringLiteral("1;2") << 0.0;
    QTest::newRow("nur ein Komma") << QStringLiteral(",") << 0.0;
    QTest::newRow("nur ein Minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("Exponent ohne Ziffern") << QStringLiteral("1E") << 0.0;
    QTest::newRow("Überlauf") << QStringLiteral("1E999") << 0.0;
    QTest::newRow("arabisch-indische Ziffer") << QStringLiteral("\u0663") << 0.0;
}

void TstFloatEdit::wertLesen()
{
    QFETCH(QString, text);
    QFETCH(double, wert);
    TFloatEdit feld;
    feld.setText(text);
    QCOMPARE(feld.WertLesen(), wert);
    QCOMPARE(feld.text(), text);
}

void TstFloatEdit::wertSetzen_data()
{
    QTest::addColumn<double>("minWert");
    QTest::addColumn<double>("maxWert");
    QTest::addColumn<bool>("korrigieren");
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("gelesen");

    const double nan = std::numeric_limits<double>::quiet_NaN();
    QTest::newRow("1000000 über dem Einkommensbereich zeigt ???")
        << 0.0 << 999999.0 << false << 1e6 << QStringLiteral("???") << 0.0;
    QTest::newRow("negativ unter dem Einkommensbereich zeigt ???")
        << 0.0 << 999999.0 << false << -1.0 << QStringLiteral("???") << 0.0;
    QTest::newRow("die obere Grenze gehört dazu")
        << 0.0 << 999999.0 << false << 999999.0 << QStringLiteral("999999") << 999999.0;
    QTest::newRow("2000 ohne Tausenderpunkt")
        << 0.0 << 999999.0 << false << 2000.0 << QStringLiteral("2000") << 2000.0;
    QTest::newRow("ein halb") << 0.0 << 1.0 << false << 0.5 << QStringLiteral("0,5") << 0.5;
    QTest::newRow("1950 im Jahrgangsfeld wird 1984")
        << 1984.0 << 2009.0 << true << 1950.0 << QStringLiteral("1984") << 1984.0;
    QTest::newRow("2030 im Jahrgangsfeld wird 2009")
        << 1984.0 << 2009.0 << true << 2030.0 << QStringLiteral("2009") << 2009.0;
    QTest::newRow("ein Jahr im Bereich bleibt")
        << 1984.0 << 2009.0 << true << 2000.0 << QStringLiteral("2000") << 2000.0;
    QTest::newRow("große Zahl in wissenschaftlicher Form")
        << -1e30 << 1e30 << false << 1e20 << QStringLiteral("1E20") << 1e20;
    QTest::newRow("NaN liegt nie im Bereich")
        << 0.0 << 999999.0 << false << nan << QStringLiteral("???") << 0.0;
    QTest::newRow("NaN auch nicht mit Korrektur")
        << 1984.0 << 2009.0 << true << nan << QStringLiteral("???") << 0.0;
}

void TstFloatEdit::wertSetzen()
{
    QFETCH(double, minWert);
    QFETCH(double, maxWert);
    QFETCH(bool, korrigieren);
    QFETCH(double, wert);
    QFETCH(QString, text);
    QFETCH(double, gelesen);

    TFloatEdit feld;
    feld.setMinWert(minWert);
    feld.setMaxWert(maxWert);
    feld.setAutoRangeCorrect(korrigieren);
    feld.WertSetzen(wert);
    QCOMPARE(feld.text(), text);
    QCOMPARE(feld.WertLesen(), gelesen);
}

void TstFloatEdit::aenderungFeuertFuerGetipptUndGesetzt()
{
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    QSignalSpy aenderung(f.a, &QLineEdit::textChanged);
    Tippen(f.a, QStringLiteral("5"));
    QCOMPARE(aenderung.size(), 1);
    QCOMPARE(aenderung.last().first().toString(), QStringLiteral("05"));
    Tippen(f.a, QStringLiteral("x"));
    QCOMPARE(aenderung.size(), 1);
    f.a->WertSetzen(7);
    QCOMPARE(aenderung.size(), 2);
    QCOMPARE(aenderung.last().first().toString(), QStringLiteral("7"));
}

void TstFloatEdit::verlassen_data()
{
    QTest::addColumn<double>("minWert");
    QTest::addColumn<double>("maxWert");
    QTest::addColumn<bool>("pruefen");
    QTest::addColumn<bool>("korrigieren");
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("danach");
    QTest::addColumn<QString>("meldung");

    QTest::newRow("2030 im Jahrgangsfeld wird beim Verlassen 2009")
        << 1984.0 << 2009.0 << true << true << QStringLiteral("2030") << QStringLiteral("2009")
        << QString();
    QTest::newRow("1950 im Jahrgangsfeld wird beim Verlassen 1984")
        << 1984.0 << 2009.0 << true << true << QStringLiteral("1950") << QStringLiteral("1984")
        << QString();
    QTest::newRow("ein leeres Jahrgangsfeld wird 1984")
        << 1984.0 << 2009.0 << true << true << QString() << QStringLiteral("1984") << QString();
    QTest::newRow("ein Einkommen im Bereich darf gehen")
        << 0.0 << 999999.0 << true << false << QStringLiteral("25000") << QStringLiteral("25000")
        << QString();
    QTest::newRow("ein leeres Einkommensfeld gilt als 0 und darf gehen")
        << 0.0 << 999999.0 << true << false << QString() << QString() << QString();
    QTest::newRow("1000000 im Einkommensfeld wird abgewiesen")
        << 0.0 << 999999.0 << true << false << QStringLiteral("1000000")
        << QStringLiteral("1000000")
        << QStringLiteral("Der Wert 1000000 liegt nicht im Bereich [0; 999999].");
    QTest::newRow("die Meldung schreibt Dezimalkomma")
        << -10.0 << 10.5 << true << false << QStringLiteral("-12,5") << QStringLiteral("-12,5")
        << QStringLiteral("Der Wert -12,5 liegt nicht im Bereich [-10; 10,5].");
    QTest::newRow("ohne RangeCheck darf auch 1000000 gehen")
        << 0.0 << 999999.0 << false << false << QStringLiteral("1000000")
        << QStringLiteral("1000000") << QString();
}

void TstFloatEdit::verlassen()
{
    QFETCH(double, minWert);
    QFETCH(double, maxWert);
    QFETCH(bool, pruefen);
    QFETCH(bool, korrigieren);
    QFETCH(QString, getippt);
    QFETCH(QString, danach);
    QFETCH(QString, meldung);

    TFenster f;
    f.a->setIntOnly(false);
    f.a->setMinWert(minWert);
    f.a->setMaxWert(maxWert);
    f.a->setRangeCheck(pruefen);
    f.a->setAutoRangeCorrect(korrigieren);
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    QVERIFY(f.a->hasFocus());
    f.a->clear();
    QTest::keyClicks(f.a, getippt);
    QCOMPARE(f.a->text(), getippt);

    QSignalSpy exit(f.a, &TCustomFloatEdit::Exit);
    QTest::keyClick(f.a, Qt::Key_Tab);
    QCOMPARE(f.a->text(), danach);

    if (meldung.isEmpty()) {
        QCOMPARE(exit.size(), 1);
        QVERIFY(f.b->hasFocus());
        QTest::qWait(20);
        QVERIFY(f.b->hasFocus());
        QVERIFY(m_meldungen.isEmpty());
    } else {
        QCOMPARE(exit.size(), 0);
        QTRY_COMPARE(m_meldungen, QStringList{meldung});
        QVERIFY(f.a->hasFocus());
        QCOMPARE(f.a->selectedText(), danach);
        QCOMPARE(exit.size(), 0);
    }
}

void TstFloatEdit::abgelehntAufJedemWeg_data()
{
    QTest::addColumn<int>("weg");
    QTest::newRow("mit Tab") << 0;
    QTest::newRow("mit Umschalt+Tab") << 1;
    QTest::newRow("mit einem Mausklick ins andere Feld") << 2;
    QTest::newRow("mit setFocus aus dem Programm") << 3;
}

void TstFloatEdit::abgelehntAufJedemWeg()
{
    QFETCH(int, weg);
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    f.a->clear();
    QTest::keyClicks(f.a, QStringLiteral("1000000"));
    QSignalSpy exitA(f.a, &TCustomFloatEdit::Exit);
    QSignalSpy exitB(f.b, &TCustomFloatEdit::Exit);
    switch (weg) {
    case 0:
        QTest::keyClick(f.a, Qt::Key_Tab);
        break;
    case 1:
        QTest::keyClick(f.a, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    case 2:
        QTest::mouseClick(f.b, Qt::LeftButton);
        break;
    default:
        f.b->setFocus();
        break;
    }
    QTRY_COMPARE(m_meldungen.size(), 1);
    QCOMPARE(m_meldungen.first(),
             QStringLiteral("Der Wert 1000000 liegt nicht im Bereich [0; 999999]."));
    QVERIFY(f.a->hasFocus());
    QCOMPARE(f.a->selectedText(), QStringLiteral("1000000"));
    QTest::qWait(50);
    QCOMPARE(m_meldungen.size(), 1);
    QCOMPARE(exitA.size(), 0);
    QCOMPARE(exitB.size(), 0);
    QVERIFY(f.a->hasFocus());
}

void TstFloatEdit::zweiFalscheFelderSpielenKeinPingPong()
{
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.a->setText(QStringLiteral("1000000"));
    f.b->setText(QStringLiteral("2000000"));
    f.a->setFocus();
    QSignalSpy exitA(f.a, &TCustomFloatEdit::Exit);
    QSignalSpy exitB(f.b, &TCustomFloatEdit::Exit);

    QTest::keyClick(f.a, Qt::Key_Tab);
    QTRY_COMPARE(m_meldungen.size(), 1);
    QTest::qWait(100);
    QCOMPARE(m_meldungen,
             QStringList{QStringLiteral("Der Wert 1000000 liegt nicht im Bereich [0; 999999].")});
    QVERIFY(f.a->hasFocus());
    QCOMPARE(exitA.size(), 0);
    QCOMPARE(exitB.size(), 0);

    // Once the first field is put right, the second one gets its turn.
    f.a->setText(QStringLiteral("5"));
    QTest::keyClick(f.a, Qt::Key_Tab);
    QCOMPARE(exitA.size(), 1);
    QVERIFY(f.b->hasFocus());
    QTest::keyClick(f.b, Qt::Key_Tab);
    QTRY_COMPARE(m_meldungen.size(), 2);
    QCOMPARE(m_meldungen.last(),
             QStringLiteral("Der Wert 2000000 liegt nicht im Bereich [0; 999999]."));
    QTest::qWait(100);
    QCOMPARE(m_meldungen.size(), 2);
    QVERIFY(f.b->hasFocus());
    QCOMPARE(exitB.size(), 0);
}

void TstFloatEdit::fehlerboxErscheintEinmal()
{
    setzeFehleranzeige({});
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.a->setText(QStringLiteral("1000000"));
    f.a->setFocus();
    QSignalSpy exitA(f.a, &TCustomFloatEdit::Exit);

    struct Box
    {
        QString titel, text;
        QMessageBox::Icon symbol;
        int knoepfe;
    };
    QList<Box> boxen;
    QTimer beantworter;
    QObject::connect(&beantworter, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        boxen << Box{box->windowTitle(), box->text(), box->icon(), int(box->buttons().size())};
        box->button(QMessageBox::Ok)->click();
    });
    beantworter.start(20);

    QTest::keyClick(f.a, Qt::Key_Tab);
    QTRY_COMPARE(boxen.size(), 1);
    QTest::qWait(300);
    beantworter.stop();
    QCOMPARE(boxen.size(), 1);
    QCOMPARE(boxen.first().text,
             QStringLiteral("Der Wert 1000000 liegt nicht im Bereich [0; 999999]."));
    QCOMPARE(boxen.first().titel, QApplication::applicationDisplayName());
    QCOMPARE(boxen.first().symbol, QMessageBox::Critical);
    QCOMPARE(boxen.first().knoepfe, 1);
    QCOMPARE(f.w.focusWidget(), f.a);
    QCOMPARE(exitA.size(), 0);
}

void TstFloatEdit::fensterwechselVerlaesstDasFeldNicht()
{
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.a->setFocus();
    f.a->setText(QStringLiteral("1000000"));
    QSignalSpy exitA(f.a, &TCustomFloatEdit::Exit);

    QWidget anderes;
    anderes.show();
    anderes.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&anderes));
    QVERIFY(!f.a->hasFocus());
    QVERIFY(f.Aktivieren());
    QVERIFY(f.a->hasFocus());
    QTest::qWait(20);
    QVERIFY(m_meldungen.isEmpty());
    QCOMPARE(exitA.size(), 0);
    QCOMPARE(f.a->text(), QStringLiteral("1000000"));
}

void TstFloatEdit::wertImBereichAusDemProgramm()
{
    TFenster f;
    QVERIFY(f.Aktivieren());
    f.b->setFocus();
    f.a->setText(QStringLiteral("1000000"));
    QSignalSpy exitB(f.b, &TCustomFloatEdit::Exit);

    QVERIFY(f.a->WertImBereich(999999));
    QVERIFY(f.b->hasFocus());
    QVERIFY(!f.a->WertImBereich(1e6));
    // The field has the focus at once; the message follows in the event loop.
    QVERIFY(f.a->hasFocus());
    QCOMPARE(f.a->selectedText(), QStringLiteral("1000000"));
    QVERIFY(!f.b->WertImBereich(-1));
    QTRY_COMPARE(m_meldungen.size(), 1);
    QTest::qWait(50);
    QCOMPARE(m_meldungen,
             QStringList{QStringLiteral("Der Wert 1000000 liegt nicht im Bereich [0; 999999].")});
    QVERIFY(f.a->hasFocus());
    QCOMPARE(exitB.size(), 0);

    f.a->setRangeCheck(false);
    QVERIFY(!f.a->WertImBereich(1e6));
    QTest::qWait(20);
    QCOMPARE(m_meldungen.size(), 1);
}

void TstFloatEdit::ausnahmeGehtAnDieFehleranzeige()
{
    QVERIFY(MitFehleranzeige([] {}));
    QVERIFY(m_meldungen.isEmpty());
    QVERIFY(!MitFehleranzeige(
        [] { throw EVorsorgeFehler("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten"); }));
    QCOMPARE(m_meldungen,
             QStringList{QStringLiteral("Vorsorgeaufwendungen: Bei Ledigen muss Lohn2=0 gelten")});

    QStringList andere;
    const TFehleranzeige vorher = setzeFehleranzeige([&andere](const QString& m) { andere << m; });
    ZeigeFehler(QStringLiteral("zweite"));
    QCOMPARE(andere, QStringList{QStringLiteral("zweite")});
    QCOMPARE(m_meldungen.size(), 1);
    setzeFehleranzeige(vorher);
    ZeigeFehler(QStringLiteral("dritte"));
    QCOMPARE(m_meldungen.size(), 2);
}

QTEST_MAIN(TstFloatEdit)
#include "tst_floatedit.moc"
