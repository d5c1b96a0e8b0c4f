#include "Berichtsatz.h"

#include "Bilddatei.h"
#include "DateiErsetzen.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace Fermalin {

namespace {

// Layout unit: the pixel of the document's style sheet, 1/96 inch. A fixed
// device makes preview, paper and PDF break the pages alike on every screen.
QPaintDevice* pixelGeraet()
{
    static QImage geraet = [] {
        QImage bild(1, 1, QImage::Format_ARGB32);
        bild.setDotsPerMeterX(3780); // 96 dpi
        bild.setDotsPerMeterY(3780);
        return bild;
    }();
    return &geraet;
}

constexpr double px(double hundertstel)
{
    return hundertstel * 96.0 / 100.0;
}

bool istLeerElement(const QString& name)
{
    static const QStringList leer = {QStringLiteral("img"), QStringLiteral("br"),
                                     QStringLiteral("hr"), QStringLiteral("meta"),
                                     QStringLiteral("input")};
    return leer.contains(name.toLower());
}

// Removes every element whose class list holds klasse, with its content.
QString elementeEntfernen(QString html, const QString& klasse)
{
    static const QRegularExpression start(
        QStringLiteral("<(\\w+)\\b[^>]*\\bclass=\"([^\"]*)\"[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    qsizetype pos = 0;
    for (;;) {
        const QRegularExpressionMatch m = start.match(html, pos);
        if (!m.hasMatch())
            break;
        if (!m.captured(2).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(klasse)) {
            pos = m.capturedEnd();
            continue;
        }
        const QString name = m.captured(1);
        qsizetype ende = m.capturedEnd();
        if (!istLeerElement(name)) {
            const QRegularExpression tag(QStringLiteral("<(/?)%1\\b[^>]*>").arg(name),
                                         QRegularExpression::CaseInsensitiveOption);
            int tiefe = 1;
            auto it = tag.globalMatch(html, ende);
            while (tiefe > 0 && it.hasNext()) {
                const QRegularExpressionMatch t = it.next();
                tiefe += t.captured(1).isEmpty() ? 1 : -1;
                if (tiefe == 0)
                    ende = t.capturedEnd();
            }
            if (tiefe > 0)
                ende = m.capturedEnd(); // unclosed: only the tag goes
        }
        html.remove(m.capturedStart(), ende - m.capturedStart());
        pos = m.capturedStart();
    }
    return html;
}

// What the engine understands of the style sheet's cells: the 36 px row height
// as padding around a 16 px line, and the cell borders per side.
const QString ergaenzendeRegeln = QStringLiteral(
    "td.tabEB, td.tabEBLe, td.tabEBTo, td.tabEBLeTo, td.tabEBPa, td.tabEBLePa, td.tabEBToPa, "
    "td.tabEBLeToPa { padding-top:10px; padding-bottom:10px; vertical-align:middle; }\r\n"
    "td { padding-top:1px; padding-bottom:1px; }\r\n");

// The engine matches every rule against every element; the document's sheet
// has many border classes that the report never uses. Only the rules that can
// match stay; the media rules are applied by removing elements instead.
QString stilKuerzen(const QString& stil, const QString& html)
{
    static const QRegularExpression klassen(QStringLiteral("class=\"([^\"]*)\""));
    QSet<QString> benutzt;
    for (auto it = klassen.globalMatch(html); it.hasNext();)
        for (const QString& k : it.next().captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            benutzt.insert(k);
    static const QRegularExpression medien(
        QStringLiteral("@media[^{]*\\{[^{}]*\\{[^{}]*\\}\\s*\\}"));
    QString rest = stil;
    rest.remove(medien);
    static const QRegularExpression regel(QStringLiteral("([^{}]+)\\{([^{}]*)\\}"));
    QString aus;
    for (auto it = regel.globalMatch(rest); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        bool passt = false;
        for (const QString& sel : m.captured(1).split(QLatin1Char(','))) {
            const QString s = sel.trimmed();
            const qsizetype punkt = s.indexOf(QLatin1Char('.'));
            passt = passt || punkt < 0 || benutzt.contains(s.mid(punkt + 1));
        }
        if (passt)
            aus += m.captured(0).trimmed() + QStringLiteral("\r\n");
    }
    return aus;
}

// The line's text without the blanks and line breaks at its end.
QString zeilenText(const QTextBlock& b, const QTextLine& zeile)
{
    QString text = b.text().mid(zeile.textStart(), zeile.textLength());
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// No page may end with this line: it is empty, or broken after the first part
// of a hyphenated word (a typed hyphen or a soft one).
bool bleibtBeimNaechsten(const QTextBlock& b, const QTextLine& zeile)
{
    const QString text = zeilenText(b, zeile);
    return text.isEmpty() || text.back() == u'-' || text.back() == QChar(0x00AD) ||
           text.back() == QChar(0x2010);
}

// Whether the block may go to the next page on its own. Not when it opens a
// table cell beside another cell with text: the row's label would stay behind.
// Nor when its cell is alone in its row: the engine then moves the row to the
// next page and breaks once more there. A row cannot be moved as a whole.
bool alleinVerschiebbar(const QTextBlock& b)
{
    auto* tabelle = qobject_cast<QTextTable*>(QTextCursor(b).currentFrame());
    if (!tabelle)
        return true;
    const QTextTableCell zelle = tabelle->cellAt(b.position());
    if (!zelle.isValid() || zelle.firstPosition() != b.position())
        return true;
    bool nachbar = false;
    for (int spalte = 0; spalte < tabelle->columns(); ++spalte) {
        const QTextTableCell andere = tabelle->cellAt(zelle.row(), spalte);
        if (!andere.isValid() || andere == zelle)
            continue;
        QTextCursor inhalt = andere.firstCursorPosition();
        inhalt.setPosition(andere.lastPosition(), QTextCursor::KeepAnchor);
        if (!inhalt.selectedText().trimmed().isEmpty())
            return false;
        nachbar = true;
    }
    return nachbar;
}

// The first block that has lines on two pages, with the line at which it must
// be cut: 0 when the block as a whole belongs on the next page.
struct TSchnitt
{
    QTextBlock block;
    int zeile = -1;
};

TSchnitt ersterSchnitt(const QTextDocument& dok)
{
    const double h = dok.pageSize().height();
    const QAbstractTextDocumentLayout* layout = dok.documentLayout();
    for (QTextBlock b = dok.begin(); b.isValid(); b = b.next()) {
        const QTextLayout* zeilen = b.layout();
        if (!zeilen || zeilen->lineCount() < 2)
            continue;
        const double oben = layout->blockBoundingRect(b).top();
        // a line's page is where its top lies; a line never crosses a page's end
        const auto seite = [&](int k) {
            return static_cast<int>(std::floor((oben + zeilen->lineAt(k).y() + 0.5) / h));
        };
        for (int k = 1; k < zeilen->lineCount(); ++k) {
            if (seite(k) == seite(k - 1))
                continue;
            int schnitt = k;
            while (schnitt > 0 && bleibtBeimNaechsten(b, zeilen->lineAt(schnitt - 1)))
                --schnitt;
            // Where the paragraph cannot go on as a whole, the page ends where it
            // falls: a separated row label is worse than a divided word.
            const bool amSeitenanfang =
                b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore;
            if (schnitt == 0 && (amSeitenanfang || !alleinVerschiebbar(b)))
                schnitt = k;
            return {b, schnitt};
        }
    }
    return {};
}

} // namespace

QString FuerMedium(const QString& html, TMedium medium)
{
    QString s = elementeEntfernen(html, medium == TMedium::Druck ? QStringLiteral("nur_Screen")
                                                                 : QStringLiteral("nur_Druck"));
    // Pictures that only hold space: the engine would show a placeholder.
    static const QRegularExpression versteckt(
        QStringLiteral("<img\\b[^>]*visibility:\\s*hidden[^>]*>"),
        QRegularExpression::CaseInsensitiveOption);
    s.remove(versteckt);
    // A blank of a given width with a line under it: underlined no-break blanks.
    static const QRegularExpression linie(
        QStringLiteral("<span style=\"width:(\\d+)pt; border-bottom:1px solid "
                       "black\">&nbsp;</span>"));
    for (QRegularExpressionMatch m = linie.match(s); m.hasMatch(); m = linie.match(s)) {
        const int breite = m.captured(1).toInt();
        // a no-break blank is about a third of an em wide; 4 pt keeps the line
        // within its width in the 12 pt heading as in the 10 pt text
        const int blanks = std::max(1, static_cast<int>(std::lround(breite / 4.0)));
        s.replace(m.capturedStart(), m.capturedLength(),
                  QStringLiteral("<span style=\"text-decoration:underline\">") +
                      QStringLiteral("&nbsp;").repeated(blanks) + QStringLiteral("</span>"));
    }
    // A width on a cell spanning columns: the engine gives it to the first
    // column alone and squeezes the next one.
    static const QRegularExpression spannend(
        QStringLiteral("(<td\\b[^>]*\\bcolspan=\"\\d+\"[^>]*?) width=\"\\d+%\""));
    static const QRegularExpression spannend2(
        QStringLiteral("(<td\\b[^>]*?) width=\"\\d+%\"([^>]*\\bcolspan=\"\\d+\")"));
    s.replace(spannend, QStringLiteral("\\1"));
    s.replace(spannend2, QStringLiteral("\\1\\2"));
    // "</br>" is a line break to the browser the document was written for.
    s.replace(QStringLiteral("</br>"), QStringLiteral("<br>"));
    const qsizetype stilAnfang = s.indexOf(QStringLiteral("<style type=\"text/css\">"));
    const qsizetype stilEnde = s.indexOf(QStringLiteral("</style>"));
    if (stilAnfang >= 0 && stilEnde > stilAnfang) {
        const qsizetype innen = stilAnfang + 23;
        const QString stil =
            stilKuerzen(s.mid(innen, stilEnde - innen), s.mid(stilEnde)) + ergaenzendeRegeln;
        s.replace(innen, stilEnde - innen, stil);
    }
    return s;
}

TBerichtDokument::TBerichtDokument(const QString& html, TMedium medium, const QStringList& bilder,
                                   QObject* parent)
    : QTextDocument(parent)
{
    Q_UNUSED(medium);
    documentLayout()->setPaintDevice(pixelGeraet());
    setDocumentMargin(0);
    for (const QString& datei : bilder) {
        QImage bild = BildLesen(datei);
        if (!bild.isNull()) {
            bild.setDevicePixelRatio(1);
            addResource(QTextDocument::ImageResource, QUrl(datei), bild);
        }
    }
    setHtml(html);
}

QVariant TBerichtDokument::loadResource(int type, const QUrl& name)
{
    Q_UNUSED(name);
    // Nothing from the network or the disk beyond the pictures given: a
    // missing picture is a transparent dot, not the engine's placeholder.
    if (type == QTextDocument::ImageResource) {
        QImage leer(1, 1, QImage::Format_ARGB32);
        leer.fill(Qt::transparent);
        return leer;
    }
    return QVariant();
}

QStringList BilderImDokument(const QString& html)
{
    QStringList bilder;
    static const QRegularExpression img(QStringLiteral("<img\\b[^>]*\\bsrc=\"([^\"]*)\""),
                                        QRegularExpression::CaseInsensitiveOption);
    for (auto it = img.globalMatch(html); it.hasNext();) {
        QString src = it.next().captured(1);
        src.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        bilder << src;
    }
    if (const auto info = ToolInfoLesen(html); info && !info->FirmenLogoPfad.isEmpty())
        bilder << info->FirmenLogoPfad;
    return bilder;
}

TBerichtSeiten::TBerichtSeiten(const QString& html, QSizeF seite, TUnbedruckbar rand)
    : m_info(ToolInfoLesen(html))
{
    if (!m_info)
        return;
    m_g = SeitenGeometrie(seite, rand);
    m_dok = std::make_unique<TBerichtDokument>(FuerMedium(html, TMedium::Druck), TMedium::Druck,
                                               BilderImDokument(html));
    m_dok->setPageSize(QSizeF(px(m_g.Inhalt.width()), px(m_g.Inhalt.height())));
    if (!m_info->FirmenLogoPfad.isEmpty())
        m_logo = BildLesen(m_info->FirmenLogoPfad, "bmp");
    Umbrechen();
}

TBerichtSeiten::~TBerichtSeiten() = default;

void TBerichtSeiten::Umbrechen()
{
    // Pictures of width 100 % fill their cell: the engine takes the number as pixels.
    const double breite = m_dok->pageSize().width();
    QTextCursor c(m_dok.get());
    for (QTextBlock b = m_dok->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (!f.charFormat().isImageFormat())
                continue;
            QTextImageFormat bild = f.charFormat().toImageFormat();
            const QImage quelle =
                m_dok->resource(QTextDocument::ImageResource, QUrl(bild.name())).value<QImage>();
            if (quelle.width() <= 1)
                continue;
            // the picture cell: 78 % of the table, less its border and padding
            const double w = std::min(breite * 0.78 - 8, static_cast<double>(quelle.width() * 4));
            bild.setWidth(w);
            bild.setHeight(w * quelle.height() / quelle.width());
            c.setPosition(f.position());
            c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
            c.setCharFormat(bild);
        }
    }
    // The supplement's place depends on the paragraphs cut before it, and cutting
    // may push it on: each step once more after the other.
    ErgaenzungZusammenhalten();
    SeitenwechselZwischenBloecken();
    ErgaenzungZusammenhalten();
    SeitenwechselZwischenBloecken();
}

void TBerichtSeiten::ErgaenzungZusammenhalten()
{
    // The consultation supplement stays on one page: 450 px are reserved for it,
    // and it moves to the next page when less remains.
    const double h = m_dok->pageSize().height();
    const QList<QTextFrame*> rahmen = m_dok->rootFrame()->childFrames();
    for (QTextFrame* f : rahmen) {
        auto* t = qobject_cast<QTextTable*>(f);
        if (!t)
            continue;
        QTextCursor anfang = t->firstCursorPosition();
        anfang.setPosition(t->lastPosition(), QTextCursor::KeepAnchor);
        if (!anfang.selectedText().contains(QStringLiteral("Ergänzung zum Beratungsprotokoll")))
            continue;
        const QRectF r = m_dok->documentLayout()->frameBoundingRect(t);
        const double versatz = std::fmod(r.top(), h);
        const double noetig = std::min(h, std::max(450.0, r.height()));
        if (versatz > 0 && h - versatz < noetig) {
            QTextTableFormat format = t->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            t->setFormat(format);
        }
    }
}

void TBerichtSeiten::SeitenwechselZwischenBloecken()
{
    // The engine draws a paragraph that runs on over a page's end with one line
    // of the previous page above the clip: invisible on paper, but the PDF's
    // text would hold it twice. Paragraphs are therefore cut where the page
    // ends, so that every line is drawn on its own page only.
    for (int runde = 0; runde < 200; ++runde) {
        const TSchnitt s = ersterSchnitt(*m_dok);
        if (!s.block.isValid())
            return;
        QTextCursor c(s.block);
        if (s.zeile == 0) {
            // no line of it may end the page: the whole paragraph goes on
            QTextBlockFormat format = s.block.blockFormat();
            format.setPageBreakPolicy(format.pageBreakPolicy() |
                                      QTextFormat::PageBreak_AlwaysBefore);
            c.setBlockFormat(format);
            continue;
        }
        // The two parts lie flush on each other: no paragraph spacing, no indent.
        QTextBlockFormat erster = s.block.blockFormat();
        QTextBlockFormat zweiter = erster;
        erster.setBottomMargin(0);
        zweiter.setTopMargin(0);
        zweiter.setTextIndent(0);
        zweiter.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
        c.setPosition(s.block.position() + s.block.layout()->lineAt(s.zeile).textStart());
        c.beginEditBlock();
        c.setBlockFormat(erster);
        // a forced line break there becomes the paragraph's end
        if (c.positionInBlock() > 0 &&
            s.block.text().at(c.positionInBlock() - 1) == QChar::LineSeparator)
            c.deletePreviousChar();
        c.insertBlock(zweiter);
        c.endEditBlock();
    }
}

int TBerichtSeiten::Seitenzahl() const
{
    return m_dok ? m_dok->pageCount() : 0;
}

QSizeF TBerichtSeiten::SeitenGroesse() const
{
    return QSizeF(px(m_g.Seite.width()), px(m_g.Seite.height()));
}

void TBerichtSeiten::SeiteZeichnen(QPainter& p, int i) const
{
    p.save();
    p.fillRect(QRectF(QPointF(0, 0), SeitenGroesse()), Qt::white);
    if (!m_dok) {
        p.restore();
        return;
    }
    const QRectF inhalt(px(m_g.Inhalt.left()), px(m_g.Inhalt.top()), px(m_g.Inhalt.width()),
                        px(m_g.Inhalt.height()));
    const double h = m_dok->pageSize().height();

    p.save();
    p.translate(inhalt.topLeft());
    p.setClipRect(QRectF(0, 0, inhalt.width(), inhalt.height()));
    p.translate(0, -(i - 1) * h);
    QAbstractTextDocumentLayout::PaintContext ctx;
    // Half a pixel in from the page's ends: what only touches the next page's
    // start or the previous page's end is not drawn on this one.
    ctx.clip = QRectF(0, (i - 1) * h + 0.5, inhalt.width(), h - 1);
    ctx.palette.setColor(QPalette::Text, Qt::black);
    m_dok->documentLayout()->draw(&p, ctx);
    p.restore();

    // Fonts in points of the page, whatever the device's resolution.
    const double dpi = p.device() ? p.device()->logicalDpiY() : 96;
    const auto schrift = [dpi](double punkt) {
        QFont f(QStringLiteral("Verdana"));
        f.setStyleHint(QFont::SansSerif);
        f.setPointSizeF(punkt * 96.0 / dpi);
        return f;
    };

    // Header: the company logo at the top right, never enlarged, within the header.
    if (!m_logo.isNull()) {
        const double oben = px(m_g.Kopf.top()) + 0.5 / 2.54 * 96;
        const double breite = px(m_g.Kopf.width());
        const double hoehe = std::max(1.0, inhalt.top() - oben - 2);
        QSizeF groesse = m_logo.size();
        if (groesse.width() > breite || groesse.height() > hoehe)
            groesse.scale(breite, hoehe, Qt::KeepAspectRatio);
        const QRectF ziel(px(m_g.Kopf.left()) + breite - groesse.width(), oben, groesse.width(),
                          groesse.height());
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(ziel, m_logo);
    }

    // Footer: name and version in 6 pt on the left, "Seite i von n" in 8 pt on the right.
    const QRectF fuss(px(m_g.Fuss.left()), px(m_g.Fuss.top()) + 32, px(m_g.Fuss.width()),
                      px(m_g.Fuss.height()) - 32);
    p.setPen(Qt::black);
    p.setFont(schrift(6));
    p.drawText(fuss, Qt::AlignLeft | Qt::AlignVCenter,
               FussLinks(m_info->VeltoName, m_info->ToolName, m_info->ToolVersion));
    p.setFont(schrift(8));
    p.drawText(fuss, Qt::AlignRight | Qt::AlignVCenter, FussRechts(i, Seitenzahl()));
    p.restore();
}

bool SeitenAusgeben(const TBerichtSeiten& seiten, QPagedPaintDevice& geraet,
                    const QList<int>& folge)
{
    QPainter p;
    if (!p.begin(&geraet))
        return false;
    const double skala = geraet.logicalDpiX() / 96.0;
    for (qsizetype k = 0; k < folge.size(); ++k) {
        if (k > 0 && !geraet.newPage())
            return false;
        p.save();
        p.scale(skala, skala);
        seiten.SeiteZeichnen(p, folge.at(k));
        p.restore();
    }
    return p.end();
}

bool PdfSchreiben(const TBerichtSeiten& seiten, const QString& datei, QString* fehler,
                  const QList<int>& folge, const QPageLayout& papier)
{
    const auto melden = [&](const QString& grund) {
        if (fehler)
            *fehler = QStringLiteral("Die PDF-Datei \"%1\" kann nicht geschrieben werden: %2.")
                          .arg(QFileInfo(datei).fileName(), grund);
        return false;
    };
    // Set in memory first, then written beside the target under a fresh name
    // and renamed over it: a failure leaves the previous file as it was.
    QByteArray inhalt;
    {
        QBuffer puffer(&inhalt);
        puffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&puffer);
        pdf.setPageLayout(QPageLayout(papier.pageSize(), papier.orientation(), QMarginsF()));
        pdf.setResolution(600);
        pdf.setTitle(ToolName + QStringLiteral(" Ausdruck"));
        pdf.setCreator(ToolName + QLatin1Char(' ') + ToolVersion);
        QList<int> alle = folge;
        if (alle.isEmpty())
            for (int i = 1; i <= seiten.Seitenzahl(); ++i)
                alle << i;
        if (alle.isEmpty())
            return melden(QStringLiteral("der Bericht hat keine Seiten"));
        if (!SeitenAusgeben(seiten, pdf, alle))
            return melden(QStringLiteral("die Seiten lassen sich nicht setzen"));
    }
    QString grund;
    if (!DateiErsetzen(datei, inhalt, false, &grund))
        return melden(grund);
    return true;
}

} // namespace Fermalin
