// Comparison page.
#include "Ortavo_Vergleich.h"

#include "Bauteile.h"
#include "FloatDlg.h"
#include "MathUnit.h"
#include "Schrift.h"
#include "Zahlformat.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>

namespace Fermalin {

namespace {

// § 52 Abs. 50a S. 6, 8 EStG and the provider's duty to point it out, § 7d AltZertG.
const QString Warnung = QStringLiteral(
    "Achtung (§ 7d AltZertG): Schließt der Kunde nach dem 31. Dezember 2026 einen neuen "
    "geförderten Altersvorsorgevertrag ab, gilt von da an für alle seine bestehenden Verträge "
    "und für die seines Ehegatten das neue Recht (§ 52 Abs. 50a Satz 6 und 8 EStG). Diese "
    "Umstellung ist endgültig und kann nicht rückgängig gemacht werden.");

// A table field: right-aligned, 0 shown as 0,00 € (the comparison shows what a
// rule set does not pay).
QLineEdit* tabellenfeld(QWidget* eltern, int x, int y, int breite)
{
    QLineEdit* f = ergebnisfeld(eltern, x, y, breite);
    f->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return f;
}

// the table's columns: old rules, new rules, difference
constexpr int Spalte[] = {282, 402, 522};
constexpr int Breite[] = {110, 110, 122};

QString betrag(double wert)
{
    return FormatN(wert, 2) + Euro;
}

QString differenz(double wert)
{
    // the amounts are cents already; a difference of rounding noise is none
    const double d = runden(2, wert);
    const QString zahl = FormatN(std::fabs(d), 2) + Euro;
    return d > 0 ? QStringLiteral("+") + zahl : d < 0 ? QStringLiteral("-") + zahl : zahl;
}

// The subsidy rate in whole per cent, as the input page shows it.
double prozent(double quote)
{
    return runden(0, 100 * quote);
}

void zeile(const std::array<QLineEdit*, 3>& felder, double bisher, double neu, double unterschied)
{
    felder[0]->setText(betrag(bisher));
    felder[1]->setText(betrag(neu));
    felder[2]->setText(differenz(unterschied));
}

void leeren(const std::array<QLineEdit*, 3>& felder)
{
    for (QLineEdit* f : felder)
        f->clear();
}

std::array<QString, 3> texte(const std::array<QLineEdit*, 3>& felder)
{
    return {felder[0]->text(), felder[1]->text(), felder[2]->text()};
}

} // namespace

TSeiteVergleich::TSeiteVergleich(TSeitendienste& dienste, QWidget* parent)
    : QWidget(parent), m_dienste(dienste)
{
    setObjectName(QStringLiteral("TabSheet_Vergleich"));
    Anlegen();
    for (QRadioButton* r : {RadioButton_bisher, RadioButton_neu})
        connect(r, &QRadioButton::toggled, this, [this, r](bool an) {
            if (an)
                m_dienste.Vorgabeaenderung(r);
        });
    connect(CheckBox_Vorgabe, &QCheckBox::toggled, this, [this] { VorgabeClick(); });
    // Only typed contributions are inputs; the split written into the fields while
    // nothing is given is not.
    for (TFloatEdit* e : {Edit_Vergleich1, Edit_Vergleich2})
        connect(e, &QLineEdit::textChanged, this, [this, e] {
            if (CheckBox_Vorgabe->isChecked())
                m_dienste.Vorgabeaenderung(e);
        });
}

// Rows and lines of the page: everything stays above the print group, which the
// frame places at the page's y = 445.
constexpr int ZeileOben = 46;
constexpr int Zeilenabstand = 22;

void TSeiteVergleich::Anlegen()
{
    QGroupBox* g =
        benannt(gruppe(this, QStringLiteral("Eigenbeitrag für den Vergleich (Jahresbeträge)"), 10,
                       6, 658, 74, true),
                "GroupBox_Eigenbeitraege");
    CheckBox_Vorgabe = benannt(
        platziere(new QCheckBox(QStringLiteral("selbst vorgeben, was der Haushalt aufbringen kann "
                                               "(sonst: der Eigenbeitrag der ersten Seite)"),
                                g),
                  12, 20),
        "CheckBox_Vorgabe");
    const auto vertrag = [g](const char* name, int x) {
        TFloatEdit* e = benannt(platziere(new TFloatEdit(g), x, 44, 90, 24), name);
        e->setMaxWert(99999);
        e->setMaxLength(9);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        e->setEnabled(false);
        return e;
    };
    beschriftung(g, QStringLiteral("Vertrag der 1. Person"), 12, 48);
    Edit_Vergleich1 = vertrag("Edit_Vergleich1", 150);
    beschriftung(g, QStringLiteral("€ im Jahr"), 246, 48);
    Label_Vergleich2 = benannt(beschriftung(g, QStringLiteral("Vertrag der 2. Person"), 340, 48),
                               "Label_Vergleich2");
    Edit_Vergleich2 = vertrag("Edit_Vergleich2", 478);
    Label_Euro2 = beschriftung(g, QStringLiteral("€ im Jahr"), 574, 48);
    regulaereSchrift(g);

    GroupBox_Vergleich = benannt(
        gruppe(this, QStringLiteral("Förderung nach bisherigem und neuem Recht (Jahresbeträge)"),
               10, 86, 658, 0, true),
        "GroupBox_Vergleich");
    g = GroupBox_Vergleich;
    // The column headings choose the rules of the results, the chart, the
    // report and the hand-off.
    beschriftung(g, QStringLiteral("Ergebnis, Bericht und Angebot nach:"), 12, 22);
    RadioButton_bisher = benannt(
        platziere(new QRadioButton(QStringLiteral("bisherigem Recht"), g), Spalte[0] - 14, 20),
        "RadioButton_bisher");
    RadioButton_neu =
        benannt(platziere(new QRadioButton(QStringLiteral("neuem Recht"), g), Spalte[1] + 6, 20),
                "RadioButton_neu");
    RadioButton_neu->setChecked(true);
    QLabel* unterschied = beschriftung(g, QStringLiteral("Unterschied"), 0, 22);
    unterschied->move(Spalte[2] + (Breite[2] - unterschied->width()) / 2, 22);

    struct TZeile
    {
        std::array<QLineEdit*, 3>* felder;
        const char* text;
        const char* name;
    };
    const TZeile zeilen[] = {
        {&Zeile_Zulagen1, "Zulagen der 1. Person", "Zulagen1"},
        {&Zeile_Zulagen2, "Zulagen der 2. Person", "Zulagen2"},
        {&Zeile_Zulagen, "Zulagen zusammen", "Zulagen"},
        {&Zeile_Eigenbeitrag, "Eigenbeitrag", "Eigenbeitrag"},
        {&Zeile_Gesamtbeitrag, "Gesamtbeitrag", "Gesamtbeitrag"},
        {&Zeile_Steuerersparnis, "zusätzliche Steuerersparnis", "Steuerersparnis"},
        {&Zeile_Foerderung, "Förderung (Zulagen und Steuerersparnis)", "Foerderung"},
        {&Zeile_Foerderquote, "Förderquote", "Foerderquote"},
    };
    for (const TZeile& z : zeilen) {
        QLabel* l = beschriftung(g, QString::fromUtf8(z.text), 12, 0);
        if (z.felder == &Zeile_Zulagen2)
            Label_Zeile2 = benannt(l, "Label_Zeile2");
        for (size_t i = 0; i < 3; ++i) {
            const QByteArray name = QByteArray("Edit_") + z.name +
                                    (i == 0   ? "_bisher"
                                     : i == 1 ? "_neu"
                                              : "_Unterschied");
            (*z.felder)[i] = tabellenfeld(g, Spalte[i], 0, Breite[i]);
            (*z.felder)[i]->setObjectName(QLatin1String(name));
        }
        m_zeilen.push_back({l, *z.felder});
    }
    Label_Ergebnis = benannt(beschriftung(g, QString(), 12, 0, true), "Label_Ergebnis");
    regulaereSchrift(g);

    Label_Warnung = benannt(new QLabel(Warnung, this), "Label_Warnung");
    Label_Warnung->setFont(ProgrammSchrift(12, true));
    Label_Warnung->setWordWrap(true);
    QPalette p = Label_Warnung->palette();
    p.setColor(QPalette::WindowText, QColor(150, 0, 0));
    Label_Warnung->setPalette(p);
    Label_Hinweise = benannt(new QLabel(this), "Label_Hinweise");
    Label_Hinweise->setFont(ProgrammSchrift(11));
    Label_Hinweise->setWordWrap(true);
    Zeilenlage(true);
}

void TSeiteVergleich::Zeilenlage(bool person2)
{
    // a single person's page has no gap where the second person's row would be
    int y = ZeileOben;
    for (const TTabellenzeile& z : m_zeilen) {
        const bool sichtbar = person2 || z.Beschriftung != Label_Zeile2;
        z.Beschriftung->setVisible(sichtbar);
        for (QLineEdit* f : z.Felder)
            f->setVisible(sichtbar);
        if (!sichtbar)
            continue;
        z.Beschriftung->move(12, y + 3);
        for (QLineEdit* f : z.Felder)
            f->move(f->x(), y);
        y += Zeilenabstand;
    }
    Label_Ergebnis->move(12, y + 4);
    GroupBox_Vergleich->resize(GroupBox_Vergleich->width(), y + 28);
    const int unten = GroupBox_Vergleich->geometry().bottom() + 6;
    // as high as their wrapped lines, whatever the font
    Label_Warnung->setGeometry(16, unten, 648, Label_Warnung->heightForWidth(648));
    const int hinweise = Label_Warnung->geometry().bottom() + 4;
    Label_Hinweise->setGeometry(16, hinweise, 648, Label_Hinweise->heightForWidth(648));
}

void TSeiteVergleich::VorgabeClick()
{
    const bool an = CheckBox_Vorgabe->isChecked();
    // the split the comparison ran at stays in the fields as the start of the
    // adviser's own figures
    Edit_Vergleich1->setEnabled(an);
    Edit_Vergleich2->setEnabled(an);
    m_dienste.Vorgabeaenderung(CheckBox_Vorgabe);
}

void TSeiteVergleich::EingabenLesen(TEingaben& e) const
{
    // e has the year and the family status of the input page
    if (e.Beitragsjahr < ErstesBeitragsjahrNeu) {
        e.Foerderrecht = TFoerderrecht::Bisher;
        return;
    }
    e.Foerderrecht = RadioButton_bisher->isChecked() ? TFoerderrecht::Bisher : TFoerderrecht::Neu;
    if (CheckBox_Vorgabe->isChecked()) {
        e.EigenbeitragVorgabe1 = runden(2, std::max(0.0, Edit_Vergleich1->WertLesen()));
        e.EigenbeitragVorgabe2 =
            e.Verheiratet ? runden(2, std::max(0.0, Edit_Vergleich2->WertLesen())) : -1;
    }
}

void TSeiteVergleich::Zeigen()
{
    const TEingaben e = m_dienste.EingabenLesen();
    const TZulagenDaten& d = m_dienste.Daten();
    Label_Vergleich2->setVisible(e.Verheiratet);
    Edit_Vergleich2->setVisible(e.Verheiratet);
    Label_Euro2->setVisible(e.Verheiratet);
    Zeilenlage(e.Verheiratet);
    const TAufteilung a = Aufteilen(e, d, false);
    if (!CheckBox_Vorgabe->isChecked()) {
        Edit_Vergleich1->WertSetzen(runden(2, a.Eigenbeitrag1));
        Edit_Vergleich2->WertSetzen(runden(2, a.Eigenbeitrag2));
    }
    const std::optional<TVergleich> v = VergleichRechnen(e, d, a);
    Label_Hinweise->setText(HinweiseFuer(d).join(QLatin1Char(' ')));
    Label_Hinweise->resize(Label_Hinweise->width(),
                           Label_Hinweise->heightForWidth(Label_Hinweise->width()));
    if (!v) {
        for (const auto* z :
             {&Zeile_Zulagen1, &Zeile_Zulagen2, &Zeile_Zulagen, &Zeile_Eigenbeitrag,
              &Zeile_Gesamtbeitrag, &Zeile_Steuerersparnis, &Zeile_Foerderung, &Zeile_Foerderquote})
            leeren(*z);
        Label_Ergebnis->clear();
        return;
    }
    const TZulagenDaten& b = v->Bisher;
    const TZulagenDaten& n = v->Neu;
    const TVergleichsDifferenz& x = v->Differenz;
    zeile(Zeile_Zulagen1, Zulagen1(b), Zulagen1(n), x.Zulagen1);
    zeile(Zeile_Zulagen2, Zulagen2(b), Zulagen2(n), x.Zulagen2);
    zeile(Zeile_Zulagen, b.GewaehrteZulagen(), n.GewaehrteZulagen(), x.Zulagen);
    zeile(Zeile_Eigenbeitrag, b.Eigenbeitrag, n.Eigenbeitrag, x.Eigenbeitrag);
    zeile(Zeile_Gesamtbeitrag, b.Gesamtbeitrag, n.Gesamtbeitrag, x.Gesamtbeitrag);
    zeile(Zeile_Steuerersparnis, b.Steuerersparnis, n.Steuerersparnis, x.Steuerersparnis);
    zeile(Zeile_Foerderung, Foerderung(b), Foerderung(n), x.Foerderung);
    const double qb = prozent(b.Foerderquote);
    const double qn = prozent(n.Foerderquote);
    Zeile_Foerderquote[0]->setText(FormatN(qb, 0) + QStringLiteral(" %"));
    Zeile_Foerderquote[1]->setText(FormatN(qn, 0) + QStringLiteral(" %"));
    // the difference of the rates themselves, as the report gives it, not of the
    // two rounded figures beside it
    const long punkte = std::lround(100 * (n.Foerderquote - b.Foerderquote));
    Zeile_Foerderquote[2]->setText((punkte > 0 ? QStringLiteral("+") : QString()) +
                                   QString::number(punkte) + QStringLiteral(" %-Punkte"));
    const double mehr = runden(2, x.Foerderung);
    Label_Ergebnis->setText(
        mehr > 0 ? QStringLiteral("Das neue Recht fördert diesen Haushalt um %1 Euro im Jahr mehr.")
                       .arg(FormatN(mehr, 2))
        : mehr < 0
            ? QStringLiteral("Das bisherige Recht fördert diesen Haushalt um %1 Euro im Jahr "
                             "mehr.")
                  .arg(FormatN(-mehr, 2))
            : QStringLiteral("Beide Rechte fördern diesen Haushalt gleich hoch."));
    Label_Ergebnis->adjustSize();
}

TSeiteVergleich::TAnzeige TSeiteVergleich::Anzeige() const
{
    TAnzeige a;
    a.Vorhanden = !Label_Ergebnis->text().isEmpty();
    a.Gewaehlt = RadioButton_bisher->isChecked() ? TFoerderrecht::Bisher : TFoerderrecht::Neu;
    a.Vorgegeben = CheckBox_Vorgabe->isChecked();
    a.Eigenbeitrag1 = Edit_Vergleich1->text();
    a.Eigenbeitrag2 = Edit_Vergleich2->text();
    a.Person2Sichtbar = !Edit_Vergleich2->isHidden();
    a.Zulagen1 = texte(Zeile_Zulagen1);
    a.Zulagen2 = texte(Zeile_Zulagen2);
    a.Zulagen = texte(Zeile_Zulagen);
    a.Eigenbeitrag = texte(Zeile_Eigenbeitrag);
    a.Gesamtbeitrag = texte(Zeile_Gesamtbeitrag);
    a.Steuerersparnis = texte(Zeile_Steuerersparnis);
    a.Foerderung = texte(Zeile_Foerderung);
    a.Foerderquote = texte(Zeile_Foerderquote);
    a.Ergebnis = Label_Ergebnis->text();
    a.Warnung = Label_Warnung->isHidden() ? QString() : Label_Warnung->text();
    a.Hinweise = Label_Hinweise->text();
    return a;
}

void TSeiteVergleich::FoerderrechtSetzen(TFoerderrecht recht)
{
    (recht == TFoerderrecht::Bisher ? RadioButton_bisher : RadioButton_neu)->setChecked(true);
}

void TSeiteVergleich::BeitraegeSetzen(double eigenbeitrag1, double eigenbeitrag2)
{
    const bool vorgegeben = eigenbeitrag1 >= 0 || eigenbeitrag2 >= 0;
    if (vorgegeben) {
        Edit_Vergleich1->WertSetzen(std::max(0.0, eigenbeitrag1));
        Edit_Vergleich2->WertSetzen(std::max(0.0, eigenbeitrag2));
    }
    CheckBox_Vorgabe->setChecked(vorgegeben);
}

void TSeiteVergleich::EinstellungenSammeln(TEinstellungen& e) const
{
    // the contributions typed stay in the file while an earlier year hides them
    const bool vorgegeben = CheckBox_Vorgabe->isChecked();
    e.Eigenbeitrag1 = vorgegeben ? runden(2, std::max(0.0, Edit_Vergleich1->WertLesen())) : -1;
    e.Eigenbeitrag2 = vorgegeben ? runden(2, std::max(0.0, Edit_Vergleich2->WertLesen())) : -1;
    e.Foerderrecht = QString::fromLatin1(FoerderrechtText(
        RadioButton_bisher->isChecked() ? TFoerderrecht::Bisher : TFoerderrecht::Neu));
}

QWidget* TSeiteVergleich::ErstesFeld() const
{
    return RadioButton_bisher->isChecked() ? RadioButton_bisher : RadioButton_neu;
}

} // namespace Fermalin
