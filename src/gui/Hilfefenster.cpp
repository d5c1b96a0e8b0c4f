#include "Hilfefenster.h"

#include "Bauteile.h"
#include "ColorButton.h"
#include "Schrift.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QStringDecoder>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace Fermalin {

namespace {

const QString Schema = QStringLiteral("hilfe");

QPointer<THilfeFenster>& hilfefenster()
{
    static QPointer<THilfeFenster> fenster;
    return fenster;
}

QString meldungsseite(const QString& text)
{
    return QStringLiteral("<html><head><title>Hilfe</title></head><body><p>%1</p></body></html>")
        .arg(text.toHtmlEscaped());
}

} // namespace

THilfeBrowser::THilfeBrowser(QWidget* parent) : QTextBrowser(parent)
{
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &THilfeBrowser::LinkGeklickt);
}

QUrl THilfeBrowser::Adresse(const QString& innererPfad)
{
    QUrl url;
    url.setScheme(Schema);
    const qsizetype raute = innererPfad.indexOf(QLatin1Char('#'));
    QString pfad = raute < 0 ? innererPfad : innererPfad.left(raute);
    if (!pfad.startsWith(QLatin1Char('/')))
        pfad.prepend(QLatin1Char('/'));
    url.setPath(pfad);
    if (raute >= 0)
        url.setFragment(innererPfad.mid(raute + 1));
    return url;
}

void THilfeBrowser::DateiSetzen(const QString& datei)
{
    const bool andere =
        QFileInfo(datei).absoluteFilePath() != QFileInfo(m_datei.pfad()).absoluteFilePath();
    m_lesbar = m_datei.oeffnen(datei);
    if (andere)
        clearHistory();
}

QVariant THilfeBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() != Schema)
        return QVariant();
    if (!m_lesbar) {
        if (type != QTextDocument::HtmlResource)
            return QVariant();
        return meldungsseite(
            QStringLiteral("Die Hilfedatei \"%1\" kann nicht gelesen werden.").arg(m_datei.pfad()));
    }
    const std::optional<QByteArray> daten = m_datei.lesen(url.path());
    if (type == QTextDocument::HtmlResource) {
        if (!daten)
            return meldungsseite(
                QStringLiteral("Das Thema \"%1\" ist in der Hilfedatei nicht enthalten.")
                    .arg(url.path()));
        // the page names its code page (ours: UTF-8); one Qt cannot decode reads as Latin-1
        QStringDecoder decoder = QStringDecoder::decoderForHtml(*daten);
        if (!decoder.isValid())
            decoder = QStringDecoder(QStringDecoder::Latin1);
        return QString(decoder.decode(*daten));
    }
    if (!daten)
        return QVariant();
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(*daten);
    return *daten;
}

void THilfeBrowser::LinkGeklickt(const QUrl& url)
{
    const QUrl ziel = url.isRelative() ? source().resolved(url) : url;
    if (ziel.scheme() == Schema)
        setSource(ziel);
    else
        QDesktopServices::openUrl(ziel);
}

THilfeFenster::THilfeFenster(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("Hilfefenster"));
    // an open help window does not keep the program running once the main
    // window has closed; the main window's end closes it
    setAttribute(Qt::WA_QuitOnClose, false);
    setWindowTitle(QStringLiteral("Hilfe"));
    setFont(ProgrammSchrift(13));
    QPalette p = palette();
    p.setColor(QPalette::Window, hintergrund());
    setPalette(p);
    setAutoFillBackground(true);

    auto* leiste = new QHBoxLayout;
    Button_Zurueck = knopf(this, QStringLiteral("< Zurück"), 0, 0, 85, 25);
    Button_Vor = knopf(this, QStringLiteral("Vorwärts >"), 0, 0, 85, 25);
    Button_Zurueck->setFixedSize(85, 25);
    Button_Vor->setFixedSize(85, 25);
    Button_Zurueck->setEnabled(false);
    Button_Vor->setEnabled(false);
    leiste->addWidget(Button_Zurueck);
    leiste->addWidget(Button_Vor);
    leiste->addStretch();
    Browser = new THilfeBrowser(this);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->addLayout(leiste);
    spalte->addWidget(Browser);
    resize(640, 560);

    connect(Button_Zurueck, &QPushButton::clicked, Browser, &QTextBrowser::backward);
    connect(Button_Vor, &QPushButton::clicked, Browser, &QTextBrowser::forward);
    connect(Browser, &QTextBrowser::backwardAvailable, Button_Zurueck, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::forwardAvailable, Button_Vor, &QWidget::setEnabled);
    connect(Browser, &QTextBrowser::sourceChanged, this, [this] {
        const QString titel = Browser->documentTitle();
        setWindowTitle(titel.isEmpty() ? QStringLiteral("Hilfe")
                                       : QStringLiteral("Hilfe - ") + titel);
    });
}

QRect HilfefensterPlatz(const QRect& hauptfenster, const QSize& groesse,
                        const QRect& arbeitsflaeche)
{
    const QSize g = groesse.boundedTo(arbeitsflaeche.size());
    const int oben = std::clamp(hauptfenster.isValid() ? hauptfenster.top() : arbeitsflaeche.top(),
                                arbeitsflaeche.top(), arbeitsflaeche.bottom() + 1 - g.height());
    int links = arbeitsflaeche.right() + 1 - g.width();
    if (hauptfenster.isValid()) {
        if (arbeitsflaeche.right() - hauptfenster.right() >= g.width())
            links = hauptfenster.right() + 1;
        else if (hauptfenster.left() - arbeitsflaeche.left() >= g.width())
            links = hauptfenster.left() - g.width();
    }
    return QRect(QPoint(links, oben), g);
}

void THilfeFenster::ThemaZeigen(const QString& datei, const QString& innererPfad,
                                const QWidget* neben)
{
    Browser->DateiSetzen(datei);
    const QUrl ziel = THilfeBrowser::Adresse(innererPfad);
    // the same topic again is shown afresh: the file may have been replaced
    if (Browser->source() == ziel)
        Browser->reload();
    else
        Browser->setSource(ziel, QTextDocument::HtmlResource);
    // Placed only when it opens: a help window the user has moved stays put.
    if (!isVisible()) {
        if (!neben || neben == this)
            neben = QApplication::activeWindow();
        if (neben == this)
            neben = nullptr;
        QScreen* bildschirm = neben ? neben->screen() : QGuiApplication::primaryScreen();
        if (bildschirm) {
            // the frame is known only once the window manager has put one on; the
            // main window's stands in for it
            const QSize rahmen = neben ? neben->frameGeometry().size() - neben->size() : QSize();
            const QRect platz = HilfefensterPlatz(neben ? neben->frameGeometry() : QRect(),
                                                  size() + rahmen, bildschirm->availableGeometry());
            resize(platz.size() - rahmen);
            move(platz.topLeft());
        }
    }
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void HtmlHilfeAnzeigen(const QString& datei, const QString& innererPfad, const QWidget* neben)
{
    QPointer<THilfeFenster>& fenster = hilfefenster();
    if (!fenster)
        fenster = new THilfeFenster;
    fenster->ThemaZeigen(datei, innererPfad, neben);
}

void HtmlHilfeFreigeben()
{
    QPointer<THilfeFenster>& fenster = hilfefenster();
    delete fenster.data();
    fenster = nullptr;
}

THilfeFenster* HtmlHilfeFenster()
{
    return hilfefenster().data();
}

} // namespace Fermalin
