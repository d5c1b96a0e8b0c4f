#include "DruckLayout.h"

#include "Bilddatei.h"
#include "DateiErsetzen.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "ColorMsg.h"
#include "Firmenlogo.h"
#include "Schrift.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QTreeView>

namespace Fermalin {

namespace {

void meldeFehler(const QString& text)
{
    ColorMessageDlg(text, TMeldungsart::Fehler, QMessageBox::Ok, nullptr, QMessageBox::Ok,
                    hintergrund(), knopfFarbe());
}

// The picture format by the extension, in any case; anything unknown is a bitmap.
QByteArray formatFuer(const QString& pfad)
{
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("jpg") || endung == QLatin1String("jpeg"))
        return "jpeg";
    if (endung == QLatin1String("gif"))
        return "gif";
    if (endung == QLatin1String("png"))
        return "png";
    return "bmp";
}

} // namespace

bool LogoSchreiben(const QString& bildPfad, const QString& logoPfad)
{
    const QImage bild = BildLesen(bildPfad, formatFuer(bildPfad), nullptr, true);
    if (bild.isNull() || bild.width() <= 0 || bild.height() <= 0)
        return false;
    // transparent parts of GIF and PNG pictures print on white paper
    QImage weiss(bild.size(), QImage::Format_RGB32);
    weiss.fill(Qt::white);
    {
        QPainter maler(&weiss);
        maler.drawImage(0, 0, bild);
    }
    const QSize ziel = LogoZielgroesse(weiss.size());
    // SmoothTransformation averages the covered source area when shrinking
    if (ziel != weiss.size())
        weiss = weiss.scaled(ziel, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage bitmap = weiss.convertToFormat(QImage::Format_RGB888);
    QByteArray bmp;
    QBuffer puffer(&bmp);
    if (!puffer.open(QIODevice::WriteOnly) || !bitmap.save(&puffer, "BMP"))
        return false;
    // A link at the logo's name is replaced, its target left alone: the backup
    // keeps the link, so that "Abbruch" can bring back exactly what was there.
    return DateiEintragErsetzen(logoPfad, bmp, true);
}

TFrameDruckLayout::TFrameDruckLayout(const QString& logoDatei, const QString& logoSicherung,
                                     QWidget* parent)
    : QWidget(parent), m_logo(logoDatei), m_sicherung(logoSicherung)
{
    setObjectName(QStringLiteral("TFrameDruckLayout1"));
    setProperty("Rahmen", true);
    resize(640, 278);

    GroupBox2 = gruppe(this, QString(), 9, 13, 622, 252, false);
    JvHTLabel_L_Info1 = new QLabel(GroupBox2);
    JvHTLabel_L_Info1->setWordWrap(true);
    JvHTLabel_L_Info1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    JvHTLabel_L_Info1->setText(
        QStringLiteral("Sie können den Ausdruck der Ergebnisdarstellung mit Ihrem eigenen "
                       "Firmen-Logo versehen.\n\nIhr Firmen-Logo wird dabei gegebenenfalls "
                       "automatisch auf die richtige Größe herunterskaliert."));
    JvHTLabel_L_Info1->setGeometry(20, 22, 557, 49);
    auto* linie = new QFrame(GroupBox2);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    linie->setGeometry(20, 81, 582, 2);

    Label1 = beschriftung(GroupBox2, QStringLiteral("Vorschau:"), 294, 105);
    Panel1 = new QFrame(GroupBox2);
    Panel1->setFrameShape(QFrame::Box);
    Panel1->setFrameShadow(QFrame::Plain);
    Panel1->setGeometry(294, 125, 304, 104);
    Image_L_LOGO = new QLabel(Panel1);
    Image_L_LOGO->setAlignment(Qt::AlignCenter);
    Image_L_LOGO->setGeometry(2, 2, 300, 100);

    CheckBox_L_DruckMitLogo = platziere(
        new QCheckBox(QStringLiteral("Ausdruck mit eigenem Firmen-Logo"), GroupBox2), 20, 137);
    ColorButton_L_LOGO_WAEHLEN =
        knopf(GroupBox2, QStringLiteral("Firmen-Logo auswählen"), 40, 187, 217, 25);
    ColorButton_L_LOGO_WAEHLEN->setColor(FarbeAusWert(FarbwertKnopfHell));

    connect(CheckBox_L_DruckMitLogo, &QCheckBox::clicked, this,
            [this] { CheckBox_L_DruckMitLogoClick(); });
    connect(ColorButton_L_LOGO_WAEHLEN, &QPushButton::clicked, this,
            [this] { ColorButton_L_LOGO_WAEHLENClick(); });
    BildWaehlen = [this](const QString& start) { return LogoBildDialog(this, start); };
}

TFrameDruckLayout::~TFrameDruckLayout() = default;

void TFrameDruckLayout::LayoutUebernehmen(const TLayoutDaten& daten)
{
    // 1
    m_daten = TLayoutDaten();
    m_daten.setFirmenlogo(daten.Firmenlogo());
    m_daten.setFirmenlogoDateipfad(daten.FirmenlogoDateipfad());
    // 2
    LogoBackup();
    // 3
    CheckBox_L_DruckMitLogo->setEnabled(true);
    Image_L_LOGO->clear();
    // 4: anything but an ordinary file (a FIFO, a device) counts as missing and
    // is never opened
    const QFileInfo logo(m_logo);
    if (logo.isFile()) {
        LogoAnzeigen();
    } else {
        if (logo.exists())
            meldeFehler(QStringLiteral("Fehler beim Anzeigen des Firmen-Logos."));
        if (QFileInfo(m_daten.FirmenlogoDateipfad()).isFile())
            LogoAnpassen();
        else
            CheckBox_L_DruckMitLogo->setEnabled(false);
    }
    // 5
    if (CheckBox_L_DruckMitLogo->isEnabled())
        CheckBox_L_DruckMitLogo->setChecked(m_daten.Firmenlogo());
}

bool TFrameDruckLayout::LogoAnpassen()
{
    const QString bild = m_daten.FirmenlogoDateipfad();
    if (!QFileInfo(bild).isFile())
        return false;
    if (!LogoSchreiben(bild, m_logo)) {
        meldeFehler(QStringLiteral("Fehler beim Anpassen des Firmen-Logos."));
        return false;
    }
    LogoAnzeigen();
    CheckBox_L_DruckMitLogo->setEnabled(true);
    return true;
}

void TFrameDruckLayout::LogoAnzeigen()
{
    const QImage bild = BildLesen(m_logo, "bmp");
    if (bild.isNull()) {
        meldeFehler(QStringLiteral("Fehler beim Anzeigen des Firmen-Logos."));
        return;
    }
    Image_L_LOGO->setPixmap(QPixmap::fromImage(bild));
}

void TFrameDruckLayout::LogoBackup()
{
    Fermalin::LogoBackup(m_logo, m_sicherung);
}

void TFrameDruckLayout::LogoWiederherstellen()
{
    Fermalin::LogoWiederherstellen(m_logo, m_sicherung);
}

void TFrameDruckLayout::BackupLoeschen()
{
    Fermalin::BackupLoeschen(m_sicherung);
}

void TFrameDruckLayout::CheckBox_L_DruckMitLogoClick()
{
    if (CheckBox_L_DruckMitLogo->isChecked()) {
        m_daten.setFirmenlogo(true);
        if (QFileInfo(m_logo).isFile())
            LogoAnzeigen();
    } else {
        m_daten.setFirmenlogo(false);
    }
}

void TFrameDruckLayout::ColorButton_L_LOGO_WAEHLENClick()
{
    // 2: start where the last picture was
    QString start;
    const QFileInfo bisher(m_daten.FirmenlogoDateipfad());
    if (!m_daten.FirmenlogoDateipfad().isEmpty() && bisher.dir().exists())
        start = bisher.isFile() ? bisher.absoluteFilePath() : bisher.absolutePath();
    const QString gewaehlt = BildWaehlen ? BildWaehlen(start) : QString();
    // 3
    if (gewaehlt.isEmpty() || !QFileInfo(gewaehlt).isFile())
        return;
    // A picture that cannot be used changes nothing: path, tick and logo stay.
    const TLayoutDaten vorher = m_daten;
    m_daten.setFirmenlogoDateipfad(gewaehlt);
    if (!LogoAnpassen()) {
        m_daten = vorher;
        return;
    }
    CheckBox_L_DruckMitLogo->setChecked(true);
    m_daten.setFirmenlogo(true);
}

std::unique_ptr<QFileDialog> LogoBildDialogAnlegen(QWidget* eltern, const QString& start)
{
    auto dialog = std::make_unique<QFileDialog>(eltern, QStringLiteral("Firmen-Logo auswählen"));
    // Qt's own dialog: translated with the program, and room for the preview
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setViewMode(QFileDialog::Detail);
    QStringList muster;
    for (const char* endung : {"bmp", "jpg", "jpeg", "gif", "png"}) {
        muster << QStringLiteral("*.") + QLatin1String(endung)
               << QStringLiteral("*.") + QString::fromLatin1(endung).toUpper();
    }
    dialog->setNameFilter(QStringLiteral("Bilddateien (%1)").arg(muster.join(QLatin1Char(' '))));
    const QFileInfo info(start);
    if (!start.isEmpty()) {
        if (info.isFile()) {
            dialog->setDirectory(info.absolutePath());
            dialog->selectFile(info.fileName());
        } else if (info.isDir()) {
            dialog->setDirectory(info.absoluteFilePath());
        }
    }
    auto* vorschau = new QLabel(dialog.get());
    vorschau->setFixedSize(160, 120);
    vorschau->setAlignment(Qt::AlignCenter);
    vorschau->setFrameShape(QFrame::StyledPanel);
    if (auto* raster = qobject_cast<QGridLayout*>(dialog->layout()))
        raster->addWidget(vorschau, 1, raster->columnCount(), 2, 1);
    QObject::connect(
        dialog.get(), &QFileDialog::currentChanged, vorschau, [vorschau](const QString& p) {
            const QImage bild = BildLesen(p, formatFuer(p), nullptr, true);
            vorschau->setPixmap(bild.isNull()
                                    ? QPixmap()
                                    : QPixmap::fromImage(bild.scaled(vorschau->size() - QSize(4, 4),
                                                                     Qt::KeepAspectRatio,
                                                                     Qt::SmoothTransformation)));
        });
    // The preview takes width from the file list: size, type and date keep the
    // width their contents need, the names take what is left and elide.
    if (auto* liste = dialog->findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* kopf = liste->header();
        kopf->setStretchLastSection(false);
        kopf->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int spalte = 1; spalte < kopf->count(); ++spalte)
            kopf->setSectionResizeMode(spalte, QHeaderView::ResizeToContents);
        kopf->setMinimumSectionSize(kopf->fontMetrics().horizontalAdvance(QStringLiteral("Name")) +
                                    2 * kopf->style()->pixelMetric(QStyle::PM_HeaderMargin));
    }
    // room for about 40 characters of a name beside the other columns and the
    // preview, as far as the screen allows
    const QFontMetrics fm(dialog->font());
    QSize groesse(std::max(dialog->width(), fm.averageCharWidth() * 150),
                  std::max(dialog->height(), fm.height() * 28));
    if (const QScreen* bildschirm = eltern ? eltern->screen() : QGuiApplication::primaryScreen())
        groesse = groesse.boundedTo(bildschirm->availableGeometry().size() * 0.9);
    dialog->resize(groesse);
    return dialog;
}

QString LogoBildDialog(QWidget* eltern, const QString& start)
{
    const std::unique_ptr<QFileDialog> dialog = LogoBildDialogAnlegen(eltern, start);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return QString();
    return dialog->selectedFiles().constFirst();
}

} // namespace Fermalin
