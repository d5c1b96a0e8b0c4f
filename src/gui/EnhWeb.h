// The hidden view of the report: shows an HTML text that exists only in memory,
// without a file and without the network, and opens the print preview of it.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QIODevice;
class QTextBrowser;

namespace Fermalin {

class TDruckvorschau;

class TWebBrowserWrapper : public QObject
{
    Q_OBJECT

public:
    // The view belongs to the main window; the wrapper only serves it.
    explicit TWebBrowserWrapper(QTextBrowser* webBrowser, QObject* parent = nullptr);

    // Replaces the document; the view keeps no history of reports.
    void LoadFromString(const QString& html);
    // HTML bytes in Windows-1252.
    void LoadFromStream(QIODevice& strom);
    void LoadStreamIntoDocument(QIODevice& strom);
    // Only the blank page can be navigated to: nothing is fetched from anywhere.
    // False for any other address.
    bool NavigateAndWait(const QString& url);
    // Opens a new, modeless preview of the current document; the caller places it.
    TDruckvorschau* PrintPreview(const QString& vorlageUrl);

    const QString& Html() const { return m_html; }
    int LetzteFlags() const { return m_flags; }

private:
    void Zeigen(const QString& html);

    QPointer<QTextBrowser> m_browser;
    QString m_html;
    int m_flags = 0;
};

} // namespace Fermalin
