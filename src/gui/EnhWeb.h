// The hidden view of the report: shows an HTML text that exists only in memory,
// without a file and without the network, and opens the print preview of it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

class QTextDocument;

namespace Fermalin {

class TDruckvorschau;

// The view the report is loaded into. It reads the HTML into a document only
// when the document is asked for or painted: hidden beneath the pages, the
// view never paints, so a keystroke pays for the report's text alone.
class TBerichtAnsicht : public QWidget
{
    Q_OBJECT

public:
    explicit TBerichtAnsicht(QWidget* parent = nullptr);
    // The document of the last text set, read on first use.
    QTextDocument* document() const;
    // Replaces the document by this report text, read when first needed.
    void setHtml(const QString& html);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    mutable QTextDocument* m_dokument = nullptr;
    QString m_html;
    mutable bool m_ungelesen = false;
};

class TWebBrowserWrapper : public QObject
{
    Q_OBJECT

public:
    // The view belongs to the main window; the wrapper only serves it.
    explicit TWebBrowserWrapper(TBerichtAnsicht* webBrowser, QObject* parent = nullptr);

    // Replaces the document; the view keeps no history of reports.
    void LoadFromString(const QString& html);
    // Opens a new, modeless preview of the current document, laid out by the
    // program's own print layout; the caller places it.
    TDruckvorschau* PrintPreview();

    const QString& Html() const { return m_html; }

private:
    QPointer<TBerichtAnsicht> m_browser;
    QString m_html;
};

} // namespace Fermalin
