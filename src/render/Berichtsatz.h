// The report set in pages: the HTML document over Qt's rich-text engine, laid
// out on A4 with the logo header and the footer of every page, painted alike
// into the preview, onto paper and into a PDF.
#pragma once

#include "Druckregeln.h"
#include "HTML_Ausgabe.h"

#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTextDocument>

#include <memory>
#include <optional>

class QPagedPaintDevice;
class QPainter;

namespace Fermalin {

enum class TMedium
{
    Bildschirm, // shows what is of class nur_Screen
    Druck       // shows what is of class nur_Druck
};

// The document as the engine should see it for one medium: the elements of the
// other medium's class removed, and what the engine lacks (hidden spacer
// pictures, underlined blanks of a width, cell heights, borders) expressed in
// what it has. The document text itself stays as built.
QString FuerMedium(const QString& html, TMedium medium);

// A rich-text document that reads nothing but the pictures it was given: no
// network, no other file. A picture that is missing shows as nothing.
class TBerichtDokument : public QTextDocument
{
public:
    // bilder: the picture files the document may show (chart, logo).
    TBerichtDokument(const QString& html, TMedium medium, const QStringList& bilder,
                     QObject* parent = nullptr);

protected:
    QVariant loadResource(int type, const QUrl& name) override;
};

// A4 in hundredths of an inch.
inline constexpr QSizeF A4Hundertstel{21000 / 25.4, 29700 / 25.4};

// The pages of one report: what the print layout makes of the document.
class TBerichtSeiten
{
public:
    // seite and rand in hundredths of an inch (the printer's unprintable margins).
    explicit TBerichtSeiten(const QString& html, QSizeF seite = A4Hundertstel,
                            TUnbedruckbar rand = {});
    ~TBerichtSeiten();

    // The document has no ToolInfo: nothing is laid out.
    bool ToolInfoFehlt() const { return !m_info.has_value(); }
    static QString ToolInfoFehltText() { return QStringLiteral("Fehler: Toolinfos fehlen"); }

    int Seitenzahl() const;
    // The page in pixels of 1/96 inch, the unit SeiteZeichnen paints in.
    QSizeF SeitenGroesse() const;
    // Paints page i (1-based) with its origin at the page's top left corner.
    void SeiteZeichnen(QPainter& p, int i) const;
    const QTextDocument* Dokument() const { return m_dok.get(); }
    const TSeitenGeometrie& Geometrie() const { return m_g; }

private:
    void Umbrechen();
    // The consultation supplement starts a new page when it would not fit whole.
    void ErgaenzungZusammenhalten();
    // Cuts every paragraph that runs on over a page's end, so that each line is
    // painted on one page only, and never after the first part of a hyphenated word.
    void SeitenwechselZwischenBloecken();

    std::optional<TToolInfo> m_info;
    std::unique_ptr<TBerichtDokument> m_dok;
    TSeitenGeometrie m_g;
    QImage m_logo;
};

// Paints the given pages (1-based, in order) onto a paged device, one sheet each.
// The device's painter origin is the paper's corner (full page).
bool SeitenAusgeben(const TBerichtSeiten& seiten, QPagedPaintDevice& geraet,
                    const QList<int>& folge);

// Writes the pages of folge (1-based, in order; empty: every page once) as PDF
// on paper of the given layout. The file is replaced only once the whole
// document is written; a link to an ordinary file replaces that file, anything
// else that is not an ordinary file is refused. False with a German message
// (and the previous file untouched) when it cannot.
bool PdfSchreiben(const TBerichtSeiten& seiten, const QString& datei, QString* fehler = nullptr,
                  const QList<int>& folge = {},
                  const QPageLayout& papier = QPageLayout(QPageSize(QPageSize::A4),
                                                          QPageLayout::Portrait, QMarginsF()));

// The file names of the pictures a report document names: the chart picture
// (img src) and the company logo of its ToolInfo.
QStringList BilderImDokument(const QString& html);

} // namespace Fermalin
