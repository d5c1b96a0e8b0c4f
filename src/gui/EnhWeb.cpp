#include "EnhWeb.h"

#include "Berichtsatz.h"
#include "Druckvorschau.h"
#include "HTML_Ausgabe.h"

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
    // nothing from the network; the view starts blank.
    LoadFromString(QString());
}

void TWebBrowserWrapper::LoadFromString(const QString& html)
{
    // No detour through bytes: the text is the document.
    m_html = html;
    if (m_browser)
        m_browser->setHtml(html);
}

TDruckvorschau* TWebBrowserWrapper::PrintPreview()
{
    return new TDruckvorschau(m_html);
}

} // namespace Fermalin
