#include "EnhWeb.h"

#include "Berichtsatz.h"
#include "Druckvorschau.h"
#include "HTML_Ausgabe.h"

#include <QIODevice>
#include <QPaintEvent>
#include <QPainter>

namespace Fermalin {

TBerichtAnsicht::TBerichtAnsicht(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
}

void TBerichtAnsicht::setDocument(QTextDocument* dokument)
{
    m_ungelesen = false;
    m_html.clear();
    if (dokument == m_dokument)
        return;
    delete m_dokument;
    m_dokument = dokument;
    if (m_dokument)
        m_dokument->setParent(this);
    update();
}

void TBerichtAnsicht::setHtml(const QString& html)
{
    delete m_dokument;
    m_dokument = nullptr;
    m_html = html;
    m_ungelesen = true;
    update();
}

QTextDocument* TBerichtAnsicht::document() const
{
    if (m_ungelesen) {
        m_ungelesen = false;
        m_dokument = new TBerichtDokument(FuerMedium(m_html, TMedium::Bildschirm),
                                          TMedium::Bildschirm, BilderImDokument(m_html));
        m_dokument->setParent(const_cast<TBerichtAnsicht*>(this));
    }
    return m_dokument;
}

void TBerichtAnsicht::paintEvent(QPaintEvent* event)
{
    if (!document())
        return;
    QPainter p(this);
    m_dokument->setTextWidth(width());
    m_dokument->drawContents(&p, event->rect());
}

TWebBrowserWrapper::TWebBrowserWrapper(TBerichtAnsicht* webBrowser, QObject* parent)
    : QObject(parent), m_browser(webBrowser)
{
    // Offline for good: the documents read no file but their pictures and
    // nothing from the network.
    NavigateAndWait(QStringLiteral("about:blank"));
}

void TWebBrowserWrapper::Zeigen(const QString& html)
{
    m_html = html;
    if (!m_browser)
        return;
    m_browser->setHtml(html);
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
