#include "ColorMsg.h"
#include "Druckgruppe.h"
#include "Fehleranzeige.h"
#include "FloatDlg.h"
#include "Ortavo_Dialog.h"
#include "Ortavo_Grafik.h"
#include "Ortavo_Vorgabe.h"
#include "Schieberegler.h"
#include "Seitenreiter.h"
#include "SpinEdit.h"
#include "TestProgramm.h"
#include "Torte.h"
#include "TortenDiagramm.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Fermalin;
using namespace Qt::StringLiterals;

namespace {

// Program directory and temporary directory of their own per test.
struct TGrafikprogramm
{
    QTemporaryDir dir;
    QTemporaryDir temp;

    QString grafik() const { return temp.filePath(u"G_Ortavo.Bmp"_s); }
    std::unique_ptr<THauptformular> fenster() const
    {
        TProgrammUmgebung u;
        u.ProgrammPfad = dir.filePath(u"fermalin"_s);
        u.Argumente = {u.ProgrammPfad};
        u.Heute = QDate(2009, 6, 1);
        u.Umgebung = QProcessEnvironment();
        u.Umgebung.insert(u"temp"_s, temp.path());
        return std::make_unique<THauptformular>(u);
    }
};

// Width, height and bits per pixel from a BMP file's header.
struct TBmpKopf
{
    quint32 breite = 0, hoehe = 0, bits = 0;
};

TBmpKopf bmpKopf(const QString& pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.read(30);
    if (b.size() < 30 || !b.startsWith("BM"))
        return {};
    const auto le = [&b](int i, int n) {
        quint32 w = 0;
        for (int k = n - 1; k >= 0; --k)
            w = (w << 8) | static_cast<quint8>(b[i + k]);
        return w;
    };
    return {le(18, 4), le(22, 4), le(28, 2)};
}

double wert(const THauptformular& f, const QString& beschriftung)
{
    for (const TTortenStueck& s : f.Grafik().Anzeige().Stuecke)
        if (s.Beschriftung == beschriftung)
            return s.Wert;
    return -1;
}

QStringList beschriftungen(const THauptformular& f)
{
    QStringList t;
    for (const TTortenStueck& s : f.Grafik().Anzeige().Stuecke)
        t << s.Beschriftung;
    return t;
}

void paarMitZweiKindern(THauptformular& f)
{
    element<QRadioButton>(f, "RadioButton_verheiratet")->setChecked(true);
    element<QRadioButton>(f, "RadioButton_Doppelverdiener")->setChecked(true);
    f.Vorgabe().EinkommenSetzen(35000, 20000);
    f.Vorgabe().KinderzahlSetzen(2);
    element<TFloatEdit>(f, "FloatEdit_Kind1")->WertSetzen(2001);
    element<TFloatEdit>(f, "FloatEdit_Kind2")->WertSetzen(2008);
}

TSchieberegler* schieber(const THauptformular& f, const char* name)
{
    return element<TSchieberegler>(f, name);
}

void zurGrafik(THauptformular& f)
{
    f.SeiteZeigen(THauptformular::TSeite::Grafik);
}

TTortenDiagramm* chart(const THauptformular& f)
{
    return element<TTortenDiagramm>(f, "Chart1");
}

} // namespace

class TstGrafikseite : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void seiteBetretenZeichnet();
    void ergebnisfelderAufJederSeite();
    void gekuerzt();
    void schieberRastetEin_data();
    void schieberRastetEin();
    void gespiegelteSchieberOhneSchleife();
    void kinderzahlGespiegelt();
    void radienAusDerBreite();
    void bildBleibtBeimVergroessern();
    void bildNichtSchreibbar();
    void verborgeneGrafikKostetKeinenTastendruck();

private:
    QStringList m_fehler;
};

void TstGrafikseite::init()
{
    m_fehler.clear();
    setzeFehleranzeige([this](const QString& m) { m_fehler << m; });
    MeldungsHakenSetzen([this](QMessageBox& dialog) {
        m_fehler << dialog.text();
        dialog.reject();
    });
}

void TstGrafikseite::cleanup()
{
    setzeFehleranzeige({});
    MeldungsHakenSetzen({});
}

void TstGrafikseite::seiteBetretenZeichnet()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    paarMitZweiKindern(*f);
    zurGrafik(*f);

    QCOMPARE(f->Grafik().Anzeige().Kinderzahl, 2);
    QCOMPARE(schieber(*f, "TrackBar_gesB2")->value(), schieber(*f, "TrackBar_gesB1")->value());
    QCOMPARE(schieber(*f, "TrackBar_gesB2")->SelEnd(), schieber(*f, "TrackBar_gesB1")->SelEnd());
    const QList<TTortenStueck> s = f->Grafik().Anzeige().Stuecke;
    QCOMPARE(beschriftungen(*f).mid(0, 2), (QStringList{u"Grundzulagen:"_s, u"Kinderzulagen:"_s}));
    QCOMPARE(s[0].Wert, 308.0);
    QCOMPARE(s[1].Wert, f->Daten().Kinderzulage1 + f->Daten().Kinderzulage2);
    QVERIFY(s[1].Wert >= 2 * 185.0);
    QCOMPARE(beschriftungen(*f).last(), u"nicht ausgeschöpft:"_s);
    QCOMPARE(s.last().Wert, 4200 - f->Daten().Gesamtbeitrag);

    const TBmpKopf k = bmpKopf(p.grafik());
    QCOMPARE(k.breite, 539u);
    QCOMPARE(k.hoehe, 286u);
    QCOMPARE(k.bits, 24u);
    QVERIFY(m_fehler.isEmpty());

    // the window's end takes its picture along
    f->BeendenBestaetigt = true;
    f.reset();
    QVERIFY(!QFile::exists(p.grafik()));
}

// Written by every computation, also while the input page is shown.
void TstGrafikseite::ergebnisfelderAufJederSeite()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    QCOMPARE(f->Anzeige().Seite, THauptformular::TSeite::Vorgabe);
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(30000);
    QCOMPARE(f->Grafik().Anzeige().Gesamtbeitrag.trimmed(), u"1.200,00 \u20AC"_s);
    QCOMPARE(f->Grafik().Anzeige().Foerderquote.trimmed(),
             f->Vorgabe().Anzeige().Foerderquote.trimmed());
    QCOMPARE(f->Grafik().Anzeige().Gesamtfoerderung.trimmed(), u"349,00 \u20AC"_s); // 154 + 195
    f->Vorgabe().TarMindBtrSetzen(false);
    schieber(*f, "TrackBar_gesB1")->setValue(0);
    QVERIFY(f->Grafik().Anzeige().Gesamtbeitrag.isEmpty());
    QVERIFY(f->Grafik().Anzeige().Foerderquote.isEmpty());
}

void TstGrafikseite::gekuerzt()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    paarMitZweiKindern(*f);
    f->Vorgabe().MinBeitragSetzen(false);
    f->Vorgabe().TarMindBtrSetzen(false);
    zurGrafik(*f);
    schieber(*f, "TrackBar_gesB2")->setValue(10);
    QCOMPARE(schieber(*f, "TrackBar_gesB1")->value(), 10);
    QVERIFY(f->Daten().Grundzulage1 < f->Daten().VolleGrundzulage1);
    QCOMPARE(beschriftungen(*f).mid(0, 2),
             (QStringList{u"Grundzulagen\r(gekürzt!):"_s, u"Kinderzulagen\r(gekürzt!):"_s}));
    QCOMPARE(f->Grafik().Anzeige().Stuecke[0].Wert,
             f->Daten().Grundzulage1 + f->Daten().Grundzulage2);
    QCOMPARE(f->Grafik().Anzeige().Stuecke[1].Wert,
             f->Daten().Kinderzulage1 + f->Daten().Kinderzulage2);
}

void TstGrafikseite::schieberRastetEin_data()
{
    QTest::addColumn<bool>("tarifMindestbeitrag");
    QTest::newRow("Tarif-Mindestbeitrag") << true;
    QTest::newRow("ohne") << false;
}

// With the box ticked the chart's slider cannot go below the tariff minimum.
void TstGrafikseite::schieberRastetEin()
{
    QFETCH(bool, tarifMindestbeitrag);
    TGrafikprogramm p;
    auto f = p.fenster();
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(40000);
    f->Vorgabe().MinBeitragSetzen(false);
    const int tarif = f->Daten().PositionTarMindBtr;
    QVERIFY(tarif > 1);
    f->Vorgabe().TarMindBtrSetzen(tarifMindestbeitrag);
    zurGrafik(*f);
    schieber(*f, "TrackBar_gesB2")->setValue(1);
    const int erwartet = tarifMindestbeitrag ? tarif : 1;
    QCOMPARE(schieber(*f, "TrackBar_gesB2")->value(), erwartet);
    QCOMPARE(schieber(*f, "TrackBar_gesB1")->value(), erwartet);
    QCOMPARE(f->Daten().BeitragsPosition, erwartet);
    if (tarifMindestbeitrag)
        QCOMPARE(f->Daten().Eigenbeitrag, 120.0);
    QCOMPARE(wert(*f, u"Eigenbeitrag:"_s), f->Daten().Eigenbeitrag);
}

// Each slider fires once per move, however the other one answers.
void TstGrafikseite::gespiegelteSchieberOhneSchleife()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(30000); // minimum mode: both at 29
    zurGrafik(*f);
    QCOMPARE(schieber(*f, "TrackBar_gesB2")->value(), 29);
    QSignalSpy b1(schieber(*f, "TrackBar_gesB1"), &QSlider::valueChanged);
    QSignalSpy b2(schieber(*f, "TrackBar_gesB2"), &QSlider::valueChanged);
    schieber(*f, "TrackBar_gesB2")->setValue(35);
    QCOMPARE(schieber(*f, "TrackBar_gesB1")->value(), 35);
    QVERIFY(!f->Vorgabe().Anzeige().MinBeitrag);
    QCOMPARE(b1.count(), 1);
    QCOMPARE(b2.count(), 1);
    QCOMPARE(f->Daten().Gesamtbeitrag, wert(*f, u"Grundzulage:"_s) + wert(*f, u"Eigenbeitrag:"_s));

    // back into minimum mode: the input page pulls both to the minimum
    f->Vorgabe().MinBeitragSetzen(true);
    QCOMPARE(schieber(*f, "TrackBar_gesB1")->value(), 29);
    QCOMPARE(schieber(*f, "TrackBar_gesB2")->value(), 29);
    QCOMPARE(b1.count(), 2);
    QCOMPARE(b2.count(), 2);
    QCOMPARE(wert(*f, u"Eigenbeitrag:"_s), 1200.0 - 154);
}

void TstGrafikseite::kinderzahlGespiegelt()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(30000);
    zurGrafik(*f);
    QCOMPARE(beschriftungen(*f), (QStringList{u"Grundzulage:"_s, u"Steuerersparnis:"_s,
                                              u"Eigenbeitrag:"_s, u"nicht ausgeschöpft:"_s}));
    element<TSpinEdit>(*f, "SpinEdit_Kinderzahl2")->setValue(1);
    QCOMPARE(f->Vorgabe().Anzeige().Kinderzahl, 1);
    QCOMPARE(f->Daten().Kinderzahl, 1);
    QCOMPARE(beschriftungen(*f).at(1), u"Kinderzulage:"_s);
    element<TSpinEdit>(*f, "SpinEdit_Kinderzahl2")->setValue(3);
    QCOMPARE(f->Daten().Kinderzahl, 3);
    QCOMPARE(beschriftungen(*f).at(1), u"Kinderzulagen:"_s);
}

void TstGrafikseite::radienAusDerBreite()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    QCOMPARE(chart(*f)->size(), QSize(619, 329));
    QCOMPARE(chart(*f)->XRadius(), 176);
    QCOMPARE(chart(*f)->YRadius(), 154);
    chart(*f)->resize(600, 100); // the height does not enter
    QCOMPARE(chart(*f)->XRadius(), 171);
    QCOMPARE(chart(*f)->YRadius(), 150);
}

// The picture keeps 87 % of the start size; the chart and its marks grow.
void TstGrafikseite::bildBleibtBeimVergroessern()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(30000);
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    zurGrafik(*f);
    QCOMPARE(bmpKopf(p.grafik()).breite, 539u);

    f->resize(f->StartBreite * 3 / 2, f->StartHoehe * 3 / 2);
    const double k = f->Strecker()->Faktor();
    QVERIFY(k > 1.1);
    QVERIFY(chart(*f)->width() > 619 * 1.1);
    QCOMPARE(chart(*f)->XRadius(), TortenRadien(chart(*f)->width()).width());
    QCOMPARE(chart(*f)->Schriftfaktor(), std::nearbyint(8 * k) / 8);
    QFile::remove(p.grafik());
    schieber(*f, "TrackBar_gesB2")->setValue(40);
    const TBmpKopf kopf = bmpKopf(p.grafik());
    QCOMPARE(kopf.breite, 539u);
    QCOMPARE(kopf.hoehe, 286u);
    QCOMPARE(kopf.bits, 24u);

    f->BeendenBestaetigt = true;
}

// A picture that cannot be written is passed over without a message.
void TstGrafikseite::bildNichtSchreibbar()
{
    TGrafikprogramm p;
    QVERIFY(QDir().mkpath(p.grafik())); // a directory where the picture should be
    auto f = p.fenster();
    zurGrafik(*f);
    schieber(*f, "TrackBar_gesB2")->setValue(30);
    QCOMPARE(schieber(*f, "TrackBar_gesB1")->value(), 30);
    QVERIFY(QFileInfo(p.grafik()).isDir());
    QCOMPARE(QDir(p.temp.path()).entryList(QDir::Files), QStringList());
    QVERIFY(m_fehler.isEmpty());
    QCOMPARE(wert(*f, u"Eigenbeitrag:"_s), f->Daten().Eigenbeitrag);
}

// Typing on the input page moves the chart's slider too; the hidden chart is not
// drawn for it, and the report that shows the chart still gets its picture.
void TstGrafikseite::verborgeneGrafikKostetKeinenTastendruck()
{
    TGrafikprogramm p;
    auto f = p.fenster();
    QFile::remove(p.grafik());
    const int vorher = schieber(*f, "TrackBar_gesB2")->value();
    element<TFloatEdit>(*f, "Edit_Einkommen1")->WertSetzen(45000);
    QVERIFY(schieber(*f, "TrackBar_gesB2")->value() != vorher);
    QVERIFY(!QFile::exists(p.grafik()));

    element<QCheckBox>(*f, "CheckBox_MitGrafik")->setChecked(true);
    QVERIFY(QFile::exists(p.grafik()));
    QCOMPARE(bmpKopf(p.grafik()).breite, 539u);
    f->BeendenBestaetigt = true;
}

QTEST_MAIN(TstGrafikseite)
#include "tst_grafikseite.moc"
