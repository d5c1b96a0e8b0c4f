#include "Druckvorschau.h"

#include "Bauteile.h"
#include "Berichtsatz.h"
#include "ColorButton.h"
#include "ColorMsg.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace Fermalin {

namespace {

const QColor leistenFarbe(0xc4, 0xd3, 0xec);
const QColor knopfFarbeLeiste(0x8a, 0xaa, 0xd9);
constexpr int rand = 10; // around every page

// The pages one below the other at the chosen zoom, each with its frame:
// 1 px left and top, 4 px right and bottom.
class TSeitenflaeche : public QWidget
{
public:
    TSeitenflaeche(const TBerichtSeiten& seiten, const double& zoom, QWidget* parent)
        : QWidget(parent), m_seiten(seiten), m_zoom(zoom)
    {
    }

    QSizeF seite() const { return m_seiten.SeitenGroesse() * m_zoom; }
    QSize sizeHint() const override
    {
        const QSizeF s = seite();
        const int n = std::max(1, m_seiten.Seitenzahl());
        return QSize(qCeil(s.width()) + 2 * rand + 5, n * (qCeil(s.height()) + 2 * rand + 5));
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        const QSizeF s = seite();
        const double x = std::max(double(rand), (width() - s.width() - 5) / 2);
        for (int i = 1; i <= m_seiten.Seitenzahl(); ++i) {
            const double y = rand + (i - 1) * (qCeil(s.height()) + 2 * rand + 5);
            const QRectF r(x, y, s.width(), s.height());
            if (!event->rect().intersects(r.adjusted(-1, -1, 4, 4).toAlignedRect()))
                continue;
            p.fillRect(QRectF(r.left() - 1, r.top() - 1, r.width() + 5, r.height() + 5), Qt::black);
            p.save();
            p.translate(r.topLeft());
            p.scale(m_zoom, m_zoom);
            p.setClipRect(QRectF(QPointF(0, 0), m_seiten.SeitenGroesse()));
            m_seiten.SeiteZeichnen(p, i);
            p.restore();
        }
    }

private:
    const TBerichtSeiten& m_seiten;
    const double& m_zoom;
};

TColorButton* leistenKnopf(const QString& text, QWidget* eltern)
{
    auto* k = new TColorButton(text, eltern);
    k->setColor(knopfFarbeLeiste);
    k->setMinimumWidth(k->fontMetrics().horizontalAdvance(text) + 24);
    return k;
}

} // namespace

TDruckvorschau::TDruckvorschau(const QString& html, QWidget* parent)
    : QWidget(parent, Qt::Window), m_html(html), m_seiten(std::make_unique<TBerichtSeiten>(html))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Druckvorschau"));
    setWindowTitle(QStringLiteral("Druckvorschau"));

    Leiste = new QFrame(this);
    Leiste->setObjectName(QStringLiteral("ui"));
    Leiste->setFixedHeight(36);
    Leiste->setAutoFillBackground(true);
    QPalette lp = Leiste->palette();
    lp.setColor(QPalette::Window, leistenFarbe);
    Leiste->setPalette(lp);
    QFont schrift(QStringLiteral("Verdana"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSize(10);
    Leiste->setFont(schrift);
    auto* zeile = new QHBoxLayout(Leiste);
    zeile->setContentsMargins(5, 5, 5, 5);
    zeile->setSpacing(0);
    const auto abstand = [&](int blanks) {
        zeile->addSpacing(blanks * Leiste->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    };
    abstand(2);
    zeile->addWidget(new QLabel(QStringLiteral("Zoom"), Leiste));
    abstand(1);
    ComboBox_Zoom = new QComboBox(Leiste);
    for (int z = 50; z <= 100; z += 10)
        ComboBox_Zoom->addItem(QStringLiteral("%1%").arg(z), z);
    ComboBox_Zoom->setCurrentIndex(ComboBox_Zoom->count() - 1);
    QPalette zp = ComboBox_Zoom->palette();
    zp.setColor(QPalette::Base, Qt::white);
    zp.setColor(QPalette::Button, Qt::white);
    ComboBox_Zoom->setPalette(zp);
    zeile->addWidget(ComboBox_Zoom);
    abstand(4);
    Button_Drucken = leistenKnopf(QStringLiteral("Drucken..."), Leiste);
    zeile->addWidget(Button_Drucken);
    abstand(4);
    Button_Abbruch = leistenKnopf(QStringLiteral("Abbruch"), Leiste);
    zeile->addWidget(Button_Abbruch);
    abstand(4);
    Button_Pdf = leistenKnopf(QStringLiteral("Als PDF speichern..."), Leiste);
    zeile->addWidget(Button_Pdf);
    zeile->addStretch(1);

    Seitenbereich = new QScrollArea(this);
    Seitenbereich->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    Seitenbereich->setBackgroundRole(QPalette::Dark);
    Seitenbereich->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_flaeche = new TSeitenflaeche(*m_seiten, m_zoom, Seitenbereich);
    m_flaeche->resize(m_flaeche->sizeHint());
    Seitenbereich->setWidget(m_flaeche);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    spalte->addWidget(Leiste);
    spalte->addWidget(Seitenbereich, 1);

    connect(ComboBox_Zoom, &QComboBox::currentIndexChanged, this,
            [this](int i) { ZoomAendern(i); });
    connect(Button_Drucken, &QPushButton::clicked, this, [this] { DruckenClick(); });
    connect(Button_Abbruch, &QPushButton::clicked, this, &QWidget::close);
    connect(Button_Pdf, &QPushButton::clicked, this, [this] { PdfClick(); });
    ComboBox_Zoom->setFocus();
}

TDruckvorschau::~TDruckvorschau() = default;

int TDruckvorschau::Seitenzahl() const
{
    return m_seiten->Seitenzahl();
}

bool TDruckvorschau::ToolInfoFehlt() const
{
    return m_seiten->ToolInfoFehlt();
}

void TDruckvorschau::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_gezeigt) {
        m_gezeigt = true;
        if (ToolInfoFehlt())
            QTimer::singleShot(0, this, [this] { Hinweis(TBerichtSeiten::ToolInfoFehltText()); });
    }
}

void TDruckvorschau::keyPressEvent(QKeyEvent* event)
{
    // reaches the window only when no control used it (an open zoom list closes first)
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TDruckvorschau::Hinweis(const QString& text)
{
    // the preview stays on top: the message must stay above it
    ColorMessageDlg(text, TMeldungsart::Eigene, QMessageBox::Ok, nullptr, QMessageBox::Ok,
                    hintergrund(), knopfFarbe(), this);
}

void TDruckvorschau::ZoomAendern(int index)
{
    m_zoom = ComboBox_Zoom->itemData(index).toInt() / 100.0;
    m_flaeche->resize(m_flaeche->sizeHint());
    m_flaeche->update();
}

QString TDruckvorschau::Drucken(QPrinter& drucker, TDruckAuswahl auswahl, int von, int bis)
{
    if (ToolInfoFehlt())
        return TBerichtSeiten::ToolInfoFehltText();
    drucker.setDocName(DruckauftragName);
    drucker.setFullPage(true);
    // The copies are made here, page by page or set by set.
    const int kopien = drucker.copyCount();
    const bool sortiert = drucker.collateCopies();
    drucker.setCopyCount(1);
    // The page as this printer has it, with its unprintable margins.
    QPageLayout layout = drucker.pageLayout();
    layout.setUnits(QPageLayout::Inch);
    const QMarginsF m = layout.minimumMargins();
    const TBerichtSeiten seiten(m_html, layout.fullRect(QPageLayout::Inch).size() * 100,
                                {m.left() * 100, m.top() * 100, m.right() * 100, m.bottom() * 100});
    const TDruckbereich bereich = Druckbereich(auswahl, von, bis, seiten.Seitenzahl());
    if (!bereich.Fehler.isEmpty() || bereich.Seiten.isEmpty())
        return bereich.Fehler;
    const QList<int> folge = DruckReihenfolge(bereich.Seiten, kopien, sortiert);
    // Printing into a file is a save like "Als PDF speichern...": written whole
    // or not at all, never a broken file reported as printed.
    if (drucker.outputFormat() == QPrinter::PdfFormat && !drucker.outputFileName().isEmpty()) {
        QString fehler;
        if (!PdfSchreiben(seiten, drucker.outputFileName(), &fehler, folge, drucker.pageLayout()))
            return fehler;
        return QString();
    }
    if (!SeitenAusgeben(seiten, drucker, folge))
        return QStringLiteral("Der Druck konnte nicht ausgeführt werden.");
    return QString();
}

void TDruckvorschau::DruckenClick()
{
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setDocName(DruckauftragName);
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange |
                      QAbstractPrintDialog::PrintCurrentPage |
                      QAbstractPrintDialog::PrintCollateCopies);
    dialog.setMinMax(1, std::max(1, Seitenzahl()));
    if (dialog.exec() != QDialog::Accepted)
        return;
    TDruckAuswahl auswahl = TDruckAuswahl::Alle;
    if (drucker.printRange() == QPrinter::PageRange)
        auswahl = TDruckAuswahl::Bereich;
    else if (drucker.printRange() == QPrinter::CurrentPage)
        auswahl = TDruckAuswahl::AktuelleSeite;
    const QString fehler = Drucken(drucker, auswahl, drucker.fromPage(), drucker.toPage());
    if (!fehler.isEmpty())
        Hinweis(fehler);
}

bool TDruckvorschau::AlsPdfSpeichern(const QString& datei)
{
    QString fehler;
    if (ToolInfoFehlt())
        fehler = TBerichtSeiten::ToolInfoFehltText();
    else if (PdfSchreiben(*m_seiten, datei, &fehler))
        return true;
    Hinweis(fehler);
    return false;
}

void TDruckvorschau::PdfClick()
{
    QString datei = QFileDialog::getSaveFileName(
        this, QStringLiteral("Als PDF speichern"),
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(QStringLiteral("Fermalin.pdf")),
        QStringLiteral("PDF-Dateien (*.pdf)"));
    if (datei.isEmpty())
        return;
    if (!datei.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        datei += QStringLiteral(".pdf");
    AlsPdfSpeichern(datei);
}

} // namespace Fermalin
