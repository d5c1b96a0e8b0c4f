// Raising the offer program's window on an X server of the test's own: a
// virtual one started here, with small helper windows titled by hand.
#include "Fensterheber.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
// Xlib's short macro names clash with Qt's generated code.
#undef Bool
#undef Status
#undef None
#undef Always
#undef Success
#undef KeyPress
#undef KeyRelease
#undef FocusIn
#undef FocusOut
#undef Expose
#undef Unsorted

using namespace Fermalin;

class TstFensterheber : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void ohneXServerNichts();
    void nachVorneOhneFensterverwaltung_data();
    void nachVorneOhneFensterverwaltung();
    void aktivierungUeberDieFensterverwaltung();

private:
    Window fenster(const char* wmName, const QByteArray& netWmName = {});
    QList<Window> stapel(); // bottom to top
    bool anzeigeStarten();

    QProcess m_xvfb;
    QByteArray m_anzeige;
    Display* m_d = nullptr;
};

bool TstFensterheber::anzeigeStarten()
{
    // A server of our own: the test must not raise windows on a real desktop.
    m_xvfb.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("640x480x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!m_xvfb.waitForStarted(5000))
        return false;
    QElapsedTimer uhr;
    uhr.start();
    QByteArray nummer;
    while (!nummer.contains('\n') && uhr.elapsed() < 10000 && m_xvfb.state() == QProcess::Running)
        if (m_xvfb.waitForReadyRead(500))
            nummer += m_xvfb.readAllStandardOutput();
    if (!nummer.contains('\n'))
        return false;
    m_anzeige = ':' + nummer.trimmed();
    return true;
}

void TstFensterheber::initTestCase()
{
    if (!anzeigeStarten())
        QSKIP("Xvfb kann nicht gestartet werden: das Heben von Fenstern unter X11 ist nicht "
              "geprüft.");
    m_d = XOpenDisplay(m_anzeige.constData());
    QVERIFY2(m_d, m_anzeige.constData());
}

void TstFensterheber::cleanupTestCase()
{
    if (m_d)
        XCloseDisplay(m_d);
    if (m_xvfb.state() != QProcess::NotRunning) {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(5000);
    }
}

void TstFensterheber::init()
{
    if (!m_d)
        QSKIP("kein X-Server");
}

void TstFensterheber::cleanup()
{
    if (!m_d)
        return;
    // every helper window and root property goes before the next case
    const Window wurzel = DefaultRootWindow(m_d);
    for (const char* name : {"_NET_CLIENT_LIST", "_NET_SUPPORTED"})
        XDeleteProperty(m_d, wurzel, XInternAtom(m_d, name, False));
    for (Window w : stapel())
        XDestroyWindow(m_d, w);
    XSelectInput(m_d, wurzel, 0);
    XSync(m_d, True);
}

Window TstFensterheber::fenster(const char* wmName, const QByteArray& netWmName)
{
    const Window w = XCreateSimpleWindow(m_d, DefaultRootWindow(m_d), 10, 10, 200, 100, 0, 0, 0);
    XStoreName(m_d, w, wmName);
    if (!netWmName.isNull())
        XChangeProperty(m_d, w, XInternAtom(m_d, "_NET_WM_NAME", False),
                        XInternAtom(m_d, "UTF8_STRING", False), 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(netWmName.constData()),
                        static_cast<int>(netWmName.size()));
    XMapWindow(m_d, w);
    XSync(m_d, False);
    return w;
}

QList<Window> TstFensterheber::stapel()
{
    Window r = 0, eltern = 0;
    Window* kinder = nullptr;
    unsigned int n = 0;
    QList<Window> liste;
    XSync(m_d, False);
    if (XQueryTree(m_d, DefaultRootWindow(m_d), &r, &eltern, &kinder, &n) && kinder)
        for (unsigned int i = 0; i < n; ++i)
            liste << kinder[i];
    if (kinder)
        XFree(kinder);
    return liste;
}

void TstFensterheber::ohneXServerNichts()
{
    // The tests run offscreen: no X server for this program's own windows.
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    const Window w = fenster("KORVANEL  Angebotsprogramm");
    const Window oben = fenster("Anderes Programm");
    QCOMPARE(FensterNachVorne(AngebotsprogrammTitel), false);
    QCOMPARE(stapel().last(), oben);
    QVERIFY(stapel().contains(w));
    // a display that does not exist
    QCOMPARE(FensterNachVorneAuf(":4711", AngebotsprogrammTitel), false);
}

void TstFensterheber::nachVorneOhneFensterverwaltung_data()
{
    QTest::addColumn<QByteArray>("wmName");
    QTest::addColumn<QByteArray>("netWmName");
    QTest::addColumn<bool>("gefunden");
    QTest::newRow("WM_NAME") << QByteArray("KORVANEL  Angebotsprogramm") << QByteArray() << true;
    QTest::newRow("_NET_WM_NAME vor WM_NAME")
        << QByteArray("etwas anderes") << QByteArray("KORVANEL  Angebotsprogramm") << true;
    QTest::newRow("ein Blank") << QByteArray("KORVANEL Angebotsprogramm") << QByteArray() << false;
    QTest::newRow("länger") << QByteArray("KORVANEL  Angebotsprogramm - Kunde") << QByteArray()
                            << false;
    QTest::newRow("klein geschrieben")
        << QByteArray("korvanel  angebotsprogramm") << QByteArray() << false;
}

void TstFensterheber::nachVorneOhneFensterverwaltung()
{
    QFETCH(QByteArray, wmName);
    QFETCH(QByteArray, netWmName);
    QFETCH(bool, gefunden);
    const Window ziel = fenster(wmName.constData(), netWmName);
    const Window oben = fenster("Fermalin");
    QCOMPARE(stapel().last(), oben);
    QCOMPARE(FensterNachVorneAuf(m_anzeige, AngebotsprogrammTitel), gefunden);
    QCOMPARE(stapel().last(), gefunden ? ziel : oben);
}

void TstFensterheber::aktivierungUeberDieFensterverwaltung()
{
    // The test plays the window manager: it announces the client list and
    // _NET_ACTIVE_WINDOW and takes the redirected requests on the root.
    const Window andere = fenster("KORVANEL  Angebotsprogramm"); // not a managed client
    const Window ziel = fenster("x", "KORVANEL  Angebotsprogramm");
    const Window oben = fenster("Fermalin");
    const Window wurzel = DefaultRootWindow(m_d);
    const Atom aktiv = XInternAtom(m_d, "_NET_ACTIVE_WINDOW", False);
    const unsigned long unterstuetzt[] = {XInternAtom(m_d, "_NET_WM_NAME", False), aktiv};
    XChangeProperty(m_d, wurzel, XInternAtom(m_d, "_NET_SUPPORTED", False), XA_ATOM, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(unterstuetzt), 2);
    const unsigned long klienten[] = {oben, ziel};
    XChangeProperty(m_d, wurzel, XInternAtom(m_d, "_NET_CLIENT_LIST", False), XA_WINDOW, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(klienten), 2);
    XSelectInput(m_d, wurzel, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(m_d, True);

    QVERIFY(FensterNachVorneAuf(m_anzeige, AngebotsprogrammTitel));

    bool angefragt = false;
    QElapsedTimer uhr;
    uhr.start();
    while (!angefragt && uhr.elapsed() < 5000) {
        XSync(m_d, False);
        while (XPending(m_d)) {
            XEvent e;
            XNextEvent(m_d, &e);
            if (e.type == ClientMessage && e.xclient.message_type == aktiv) {
                QCOMPARE(e.xclient.window, ziel);
                QCOMPARE(e.xclient.data.l[0], 2L);
                angefragt = true;
            }
        }
    }
    QVERIFY(angefragt);
    // the window manager decides about the stacking, not the request
    QCOMPARE(stapel().last(), oben);
    QVERIFY(andere != ziel);
}

QTEST_MAIN(TstFensterheber)
#include "tst_fensterheber.moc"
