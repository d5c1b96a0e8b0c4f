#include "EnhWeb.h"

#include "Berichtsatz.h"
#include "Druckvorschau.h"
#include "HTML_Ausgabe.h"

#include <QIODevice>
#include <QTextBrowser>

namespace Fermalin {

TWebBrowserWrapper::TWebBrowserWrapper(QTextBrowser* webBrowser, QObject* parent)
    : QObject(parent), m_browser(webBrowser)
{
    if (m_browser) {
        // Offline for good: no link is followed, nothing is looked up on disk.
        m_browser->setOpenLinks(false);
        m_browser->setOpenExternalLinks(false);
        m_browser->setSearchPaths({});
    }
    NavigateAndWait(QStringLiteral("about:blank"));
}

void TWebBrowserWrapper::Zeigen(const QString& html)
{
    m_html = html;
    if (!m_browser)
        return;
    QTextDocument* alt = m_browser->document();
    auto* neu = new TBerichtDokument(FuerMedium(html, TMedium::Bildschirm), TMedium::Bildschirm,
                                     BilderImDokument(html), m_browser);
    m_browser->setDocument(neu);
    if (alt && alt->parent() == m_browser)
        alt->deleteLater();
    m_browser->clearHistory();
}

bool TWebBrowserWrapper::NavigateAndWait(const QString& url)
{
    m_flags = NavigationsFlags(url);
    if (url.compare(QStringLiteral("about:blank"), Qt::CaseInsensitive) != 0)
        return false;
    Zeigen(QString());
    return true;
}

void TWebBrowserWrapper::LoadStreamIntoDocument(QIODevice& strom)
{
    Zeigen(AusWindows1252(strom.readAll()));
}

void TWebBrowserWrapper::LoadFromStream(QIODevice& strom)
{
    NavigateAndWait(QStringLiteral("about:blank"));
    LoadStreamIntoDocument(strom);
}

void TWebBrowserWrapper::LoadFromString(const QString& html)
{
    // No detour through bytes: the text is the document.
    NavigateAndWait(QStringLiteral("about:blank"));
    Zeigen(html);
}

TDruckvorschau* TWebBrowserWrapper::PrintPreview(const QString& vorlageUrl)
{
    auto* vorschau = new TDruckvorschau(m_html);
    vorschau->setProperty("Vorlage", vorlageUrl);
    return vorschau;
}

} // namespace Fermalin
