#include "ColorButton.h"
#include "Schrift.h"
#include "Startfenster.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

#include <functional>

using namespace Fermalin;

namespace {
QImage Bild(QWidget& w)
{
    return w.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QString Klartext(const QLabel* label)
{
    QTextDocument doc;
    doc.setHtml(label->text());
    return doc.toPlainText();
}

// Answers whatever modal window is open, so that no test can hang on one.
void ModalBeantworten(const std::function<void(QWidget*)>& antwort, int nachMs = 0)
{
    QTimer::singleShot(nachMs, qApp, [antwort] {
        if (QWidget* w = QApplication::activeModalWidget())
            antwort(w);
    });
    // the safety net, should the answer not close it
    QTimer::singleShot(3000, qApp, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            d->done(-1);
    });
}

} // namespace

class TstStartfenster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startfenster_Fenster();
    void startfenster_Texte_data();
    void startfenster_Texte();
    void startfenster_Lage_data();
    void startfenster_Lage();
    void startfenster_QuadrateNebenErsterZeile();
    void startfenster_NichtsAbgeschnitten();
    void startfenster_LabelKlickSchaltet();
    void startfenster_Schliessen_data();
    void startfenster_Schliessen();
};

void TstStartfenster::initTestCase()
{
    QApplication::setApplicationDisplayName(QStringLiteral("Fermalin"));
    QApplication::setFont(ProgrammSchrift(13));
}

void TstStartfenster::startfenster_Fenster()
{
    TForm_Startfenster f(2026);
    QCOMPARE(f.windowTitle(), QStringLiteral("Fermalin"));
    QCOMPARE(f.size(), QSize(690, 317));
    QCOMPARE(f.minimumSize(), QSize(690, 317));
    QCOMPARE(f.maximumSize(), QSize(690, 317));
    const Qt::WindowFlags flags = f.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
    QCOMPARE(f.palette().color(QPalette::Window), QColor(196, 211, 236));
    QCOMPARE(f.ColorButton_Abbruch->Color(), QColor(138, 170, 217));
    QCOMPARE(f.font().pixelSize(), 13);

    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.size(), QSize(690, 317));
    const QRect schirm = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint abweichung = f.frameGeometry().center() - schirm.center();
    QVERIFY2(qAbs(abweichung.x()) <= 1 && qAbs(abweichung.y()) <= 1,
             qPrintable(QStringLiteral("%1 %2").arg(abweichung.x()).arg(abweichung.y())));
    // Enter continues
    QVERIFY(f.ColorButton_Abbruch->isDefault());
}

void TstStartfenster::startfenster_Texte_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixel");
    QTest::addColumn<bool>("fett");

    QTest::newRow("the heading") << QStringLiteral("Label_Ueberschrift")
                                 << QStringLiteral("Der Talven-Rechner") << 25 << true;
    QTest::newRow("the lead-in") << QStringLiteral("JvHTLabelRR1")
                                 << QStringLiteral("Der bewährte Talven-Rechner ist jetzt:") << 15
                                 << false;
    QTest::newRow("the two paragraphs with an empty line between")
        << QStringLiteral("JvHTLabelRR2")
        << QStringLiteral("Genauer: Zusätzliche Vorgaben zur noch exakteren Berechnung der "
                          "Steuerersparnis möglich\n\nAnschaulicher: Verbesserte grafische "
                          "Darstellung der Talven-Förderung")
        << 15 << false;
    QTest::newRow("the years the program computes and the one it opens on")
        << QStringLiteral("JvHTLabelRR3")
        << QStringLiteral("Aktueller: Das Recht der Beitragsjahre 2010 bis 2027, eingestellt ist "
                          "2026")
        << 15 << false;
    QTest::newRow("the check box's label")
        << QStringLiteral("Label15") << QStringLiteral("Diesen Hinweis nicht mehr anzeigen") << 13
        << false;
}

void TstStartfenster::startfenster_Texte()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(int, pixel);
    QFETCH(bool, fett);

    TForm_Startfenster f(2026);
    auto* label = f.findChild<QLabel*>(name);
    QVERIFY(label);
    QString ist = Klartext(label);
    ist.replace(QChar::LineSeparator, QLatin1Char('\n'));
    QCOMPARE(ist, text);
    QCOMPARE(label->font().pixelSize(), pixel);
    QCOMPARE(label->font().bold(), fett);
    QCOMPARE(f.ColorButton_Abbruch->text(), QStringLiteral("Weiter"));
    QVERIFY(f.CheckBox_HinweisWeg->text().isEmpty());
}

void TstStartfenster::startfenster_Lage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("lage");

    // a size of 0 means the control sizes itself
    QTest::newRow("heading") << QStringLiteral("Label_Ueberschrift") << QRect(27, 22, 0, 0);
    QTest::newRow("lead-in") << QStringLiteral("JvHTLabelRR1") << QRect(27, 79, 0, 0);
    QTest::newRow("paragraphs") << QStringLiteral("JvHTLabelRR2") << QRect(45, 119, 0, 0);
    QTest::newRow("first square") << QStringLiteral("Shape1") << QRect(29, 125, 7, 7);
    QTest::newRow("second square") << QStringLiteral("Shape2") << QRect(29, 161, 7, 7);
    QTest::newRow("third square") << QStringLiteral("Shape3") << QRect(29, 197, 7, 7);
    QTest::newRow("check box") << QStringLiteral("CheckBox_HinweisWeg") << QRect(27, 264, 0, 0);
    QTest::newRow("button") << QStringLiteral("ColorButton_Abbruch") << QRect(288, 259, 118, 27);
}

void TstStartfenster::startfenster_Lage()
{
    QFETCH(QString, name);
    QFETCH(QRect, lage);

    TForm_Startfenster f(2026);
    auto* w = f.findChild<QWidget*>(name);
    QVERIFY(w);
    QCOMPARE(w->pos(), lage.topLeft());
    if (!lage.size().isNull())
        QCOMPARE(w->size(), lage.size());
}

void TstStartfenster::startfenster_QuadrateNebenErsterZeile()
{
    TForm_Startfenster f(2026);
    const QLabel* label = f.JvHTLabelRR2;

    // lay the text out as the label does (no document margin, no wrapping)
    QTextDocument doc;
    doc.setDefaultFont(label->font());
    doc.setDocumentMargin(0);
    doc.setHtml(label->text());
    QCOMPARE(qRound(doc.size().height()), label->height());

    const QFontMetricsF fm(label->font());
    auto zeilenmitte = [&](const QString& wort) {
        const QTextCursor c = doc.find(wort);
        const QTextBlock block = c.block();
        const QTextLine zeile =
            block.layout()->lineForTextPosition(c.selectionStart() - block.position());
        // the middle of the small letters, where a bullet belongs
        return label->y() + block.layout()->position().y() + zeile.y() + zeile.ascent() -
               fm.xHeight() / 2;
    };
    const double mitte1 = zeilenmitte(QStringLiteral("Genauer"));
    const double mitte2 = zeilenmitte(QStringLiteral("Anschaulicher"));
    const double quadrat1 = f.Shape1->y() + f.Shape1->height() / 2.0;
    const double quadrat2 = f.Shape2->y() + f.Shape2->height() / 2.0;
    QVERIFY2(qAbs(mitte1 - quadrat1) <= 1.5, qPrintable(QString::number(mitte1 - quadrat1)));
    QVERIFY2(qAbs(mitte2 - quadrat2) <= 1.5, qPrintable(QString::number(mitte2 - quadrat2)));

    // plain paragraphs: the words that lead them are not set apart
    for (const QString& wort : {QStringLiteral("Genauer:"), QStringLiteral("Anschaulicher:"),
                                QStringLiteral("Verbesserte")})
        QVERIFY(!doc.find(wort).charFormat().font().bold());

    // the squares are navy and stand left of the text
    QCOMPARE(f.Shape1->palette().color(QPalette::Window), QColor(0, 0, 128));
    QVERIFY(f.Shape1->geometry().right() < label->x());
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QImage bild = Bild(f);
    QCOMPARE(QColor(bild.pixel(f.Shape2->geometry().center())), QColor(0, 0, 128));
}

void TstStartfenster::startfenster_NichtsAbgeschnitten()
{
    TForm_Startfenster f(2026);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    const QRect innen = f.rect();
    for (QWidget* w : f.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        QVERIFY2(innen.contains(w->geometry()), qPrintable(w->objectName()));
        if (auto* label = qobject_cast<QLabel*>(w)) {
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(w->objectName()));
            QVERIFY2(label->height() >= label->sizeHint().height(), qPrintable(w->objectName()));
        }
    }
    // the check box's label stands beside the box, level with it
    const QRect kasten = f.CheckBox_HinweisWeg->geometry();
    const QRect text = f.Label15->geometry();
    QVERIFY(text.left() > kasten.right());
    QVERIFY(text.left() - kasten.right() < 12);
    QVERIFY(qAbs(text.center().y() - kasten.center().y()) <= 2);
    // and neither overlaps the button
    QVERIFY(!text.intersects(f.ColorButton_Abbruch->geometry()));
}

void TstStartfenster::startfenster_LabelKlickSchaltet()
{
    TForm_Startfenster f(2026);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QSignalSpy spy(f.CheckBox_HinweisWeg, &QCheckBox::toggled);
    QVERIFY(f.HinweisWiederAnzeigen());

    QTest::mouseClick(f.Label15, Qt::LeftButton, {}, f.Label15->rect().center());
    QVERIFY(f.CheckBox_HinweisWeg->isChecked());
    QVERIFY(!f.HinweisWiederAnzeigen());
    QTest::mouseClick(f.Label15, Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!f.CheckBox_HinweisWeg->isChecked());
    QVERIFY(f.HinweisWiederAnzeigen());
    QCOMPARE(spy.count(), 2);

    // the box itself works as usual
    QTest::mouseClick(f.CheckBox_HinweisWeg, Qt::LeftButton, {},
                      f.CheckBox_HinweisWeg->rect().center());
    QVERIFY(!f.HinweisWiederAnzeigen());
    // the right button is no click
    QTest::mouseClick(f.Label15, Qt::RightButton, {}, f.Label15->rect().center());
    QVERIFY(!f.HinweisWiederAnzeigen());
}

void TstStartfenster::startfenster_Schliessen_data()
{
    QTest::addColumn<QString>("wie");
    QTest::addColumn<bool>("ankreuzen");

    QTest::newRow("Weiter with the box left empty") << QStringLiteral("Weiter") << false;
    QTest::newRow("Weiter with the box ticked") << QStringLiteral("Weiter") << true;
    QTest::newRow("the close box with the box left empty")
        << QStringLiteral("Schliessfeld") << false;
    QTest::newRow("the close box with the box ticked") << QStringLiteral("Schliessfeld") << true;
    QTest::newRow("Escape with the box ticked") << QStringLiteral("Escape") << true;
    QTest::newRow("Enter with the box ticked") << QStringLiteral("Enter") << true;
}

void TstStartfenster::startfenster_Schliessen()
{
    QFETCH(QString, wie);
    QFETCH(bool, ankreuzen);

    QPointer<TForm_Startfenster> f = new TForm_Startfenster(2026);
    ModalBeantworten(
        [wie, ankreuzen](QWidget* w) {
            auto* fenster = qobject_cast<TForm_Startfenster*>(w);
            if (!fenster) {
                static_cast<QDialog*>(w)->done(-1);
                return;
            }
            if (ankreuzen)
                QTest::mouseClick(fenster->Label15, Qt::LeftButton, {},
                                  fenster->Label15->rect().center());
            if (wie == QStringLiteral("Weiter"))
                QTest::mouseClick(fenster->ColorButton_Abbruch, Qt::LeftButton);
            else if (wie == QStringLiteral("Escape"))
                QTest::keyClick(fenster, Qt::Key_Escape);
            else if (wie == QStringLiteral("Enter"))
                QTest::keyClick(fenster, Qt::Key_Return);
            else
                fenster->close();
        },
        50);
    const int ergebnis = f->exec();
    QCOMPARE(ergebnis, int(QDialog::Accepted));
    QVERIFY(!f->isVisible());
    QCOMPARE(f->HinweisWiederAnzeigen(), !ankreuzen);
    delete f;
}

// ---------------------------------------------------------------------------
QTEST_MAIN(TstStartfenster)
#include "tst_startfenster.moc"
