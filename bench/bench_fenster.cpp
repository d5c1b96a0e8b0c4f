// The main window's responsiveness: time from process start to the shown
// window, and from one keystroke in the income field to all result fields
// updated (median and maximum of 200 keystrokes), then the same with "Mit
// grafischer Darstellung" ticked: fields, report document and chart picture;
// and from 2027 a keystroke in a contribution of the comparison page, which
// computes both rule sets.
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <unistd.h>
#include <vector>

using namespace Fermalin;

namespace {

// Milliseconds since the kernel started this process.
double msSeitProzessstart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    QFile uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray s = stat.readAll();
    const QList<QByteArray> felder = s.mid(s.lastIndexOf(')') + 2).split(' ');
    const double start = felder.value(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
    const double jetzt = uptime.readAll().split(' ').value(0).toDouble();
    return (jetzt - start) * 1000;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TProgrammUmgebung u;
    u.ProgrammPfad = dir.filePath(QStringLiteral("fermalin"));
    u.Argumente = {u.ProgrammPfad};
    u.Heute = QDate::currentDate();
    auto* f = new THauptformular(u);
    f->show();
    if (!QTest::qWaitForWindowExposed(f))
        return 1;
    std::printf("Prozessstart bis Hauptfenster gezeigt: %.0f ms (Auflösung 10 ms)\n",
                msSeitProzessstart());

    // Typing alternately a digit and taking it back: 30000..30009, 3000.
    auto* einkommen = f->findChild<QLineEdit*>(QStringLiteral("Edit_Einkommen1"));
    auto* mitGrafik = f->findChild<QCheckBox*>(QStringLiteral("CheckBox_MitGrafik"));
    if (!einkommen || !mitGrafik)
        return 3;
    const auto tippen = [f](QLineEdit* feld, const char* wie, const QString& anfang,
                            const std::function<bool()>& gesehen) {
        feld->setFocus();
        feld->setText(anfang);
        feld->setCursorPosition(static_cast<int>(anfang.size()));
        std::vector<double> zeiten;
        for (int i = 0; i < 200; ++i) {
            const bool loeschen = i % 2 == 1;
            QElapsedTimer t;
            t.start();
            if (loeschen)
                QTest::keyClick(feld, Qt::Key_Backspace);
            else
                QTest::keyClick(feld, static_cast<char>('0' + (i / 2) % 10));
            zeiten.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
            if (!loeschen && !gesehen())
                return false; // the computation did not see the keystroke
        }
        std::sort(zeiten.begin(), zeiten.end());
        std::printf("Tastendruck bis %s: Median %.3f ms, 90 %% %.3f ms, Maximum %.3f ms "
                    "(200 Tastendrücke)\n",
                    wie, zeiten[zeiten.size() / 2], zeiten[zeiten.size() * 9 / 10], zeiten.back());
        return true;
    };
    const auto einkommenGesehen = [f] { return f->Daten().Einkommen1 >= 30000; };
    if (!tippen(einkommen, "Ergebnisfelder", QStringLiteral("3000"), einkommenGesehen))
        return 2;
    mitGrafik->setChecked(true);
    if (!tippen(einkommen, "Ergebnisfelder, Bericht und Grafikbild", QStringLiteral("3000"),
                einkommenGesehen))
        return 2;
    mitGrafik->setChecked(false);

    auto* jahr = f->findChild<QComboBox*>(QStringLiteral("ComboBox_Beitragsjahr"));
    auto* vorgabe = f->findChild<QCheckBox*>(QStringLiteral("CheckBox_Vorgabe"));
    auto* beitrag = f->findChild<QLineEdit*>(QStringLiteral("Edit_Vergleich1"));
    if (!jahr || !vorgabe || !beitrag)
        return 3;
    jahr->setCurrentIndex(jahr->findData(2027));
    f->SeiteZeigen(THauptformular::TSeite::Vergleich);
    vorgabe->setChecked(true);
    if (!tippen(beitrag, "Vergleich bisher / neu (2027)", QStringLiteral("12"),
                [f] { return f->EingabenLesen().EigenbeitragVorgabe1 >= 120; }))
        return 2;
    f->BeendenBestaetigt = true;
    delete f;
    return 0;
}
