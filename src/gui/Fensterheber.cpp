#include "Fensterheber.h"

#include <QGuiApplication>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <vector>

namespace Fermalin {

namespace {

// A window may vanish between listing and reading it; such errors are no
// reason to end the program, as Xlib's default handler would.
int FehlerUebergehen(Display*, XErrorEvent*)
{
    return 0;
}

std::vector<Window> FensterEigenschaft(Display* d, Window w, Atom name)
{
    std::vector<Window> liste;
    Atom typ = None;
    int format = 0;
    unsigned long anzahl = 0, rest = 0;
    unsigned char* daten = nullptr;
    if (XGetWindowProperty(d, w, name, 0, 1 << 16, False, AnyPropertyType, &typ, &format, &anzahl,
                           &rest, &daten) == Success &&
        daten && format == 32) {
        const auto* werte = reinterpret_cast<const unsigned long*>(daten);
        liste.assign(werte, werte + anzahl);
    }
    if (daten)
        XFree(daten);
    return liste;
}

QString Titel(Display* d, Window w, Atom netWmName, Atom utf8)
{
    Atom typ = None;
    int format = 0;
    unsigned long anzahl = 0, rest = 0;
    unsigned char* daten = nullptr;
    QString titel;
    bool gefunden = false;
    if (XGetWindowProperty(d, w, netWmName, 0, 1024, False, utf8, &typ, &format, &anzahl, &rest,
                           &daten) == Success &&
        daten && typ == utf8 && format == 8) {
        titel =
            QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(anzahl));
        gefunden = true;
    }
    if (daten)
        XFree(daten);
    if (gefunden)
        return titel;
    XTextProperty text{};
    if (XGetWMName(d, w, &text) && text.value) {
        char** liste = nullptr;
        int n = 0;
        if (Xutf8TextPropertyToTextList(d, &text, &liste, &n) >= Success && liste && n > 0)
            titel = QString::fromUtf8(liste[0]);
        else if (text.encoding == XA_STRING)
            titel = QString::fromLatin1(reinterpret_cast<const char*>(text.value),
                                        static_cast<qsizetype>(text.nitems));
        if (liste)
            XFreeStringList(liste);
    }
    if (text.value)
        XFree(text.value);
    return titel;
}

// The top-level windows: the window manager's client list, or without one the
// root's children and, for a frame without that list, the frame's children.
std::vector<Window> Kandidaten(Display* d, Window wurzel)
{
    std::vector<Window> liste =
        FensterEigenschaft(d, wurzel, XInternAtom(d, "_NET_CLIENT_LIST", False));
    if (!liste.empty())
        return liste;
    const auto kinder = [d](Window w) {
        std::vector<Window> k;
        Window r = 0, eltern = 0;
        Window* feld = nullptr;
        unsigned int n = 0;
        if (XQueryTree(d, w, &r, &eltern, &feld, &n) && feld)
            k.assign(feld, feld + n);
        if (feld)
            XFree(feld);
        return k;
    };
    // from the top of the stack down
    const std::vector<Window> oben = kinder(wurzel);
    for (auto it = oben.rbegin(); it != oben.rend(); ++it) {
        liste.push_back(*it);
        const std::vector<Window> innen = kinder(*it);
        liste.insert(liste.end(), innen.rbegin(), innen.rend());
    }
    return liste;
}

} // namespace

bool FensterNachVorne(const QString& titel)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return false;
    return FensterNachVorneAuf(QByteArray(), titel);
}

bool FensterNachVorneAuf(const QByteArray& anzeige, const QString& titel)
{
    Display* d = XOpenDisplay(anzeige.isEmpty() ? nullptr : anzeige.constData());
    if (!d)
        return false;
    const auto vorher = XSetErrorHandler(FehlerUebergehen);
    const Window wurzel = DefaultRootWindow(d);
    const Atom netWmName = XInternAtom(d, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    const Atom aktiv = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);

    Window ziel = None;
    for (const Window w : Kandidaten(d, wurzel))
        if (Titel(d, w, netWmName, utf8) == titel) {
            ziel = w;
            break;
        }
    if (ziel != None) {
        const std::vector<Window> unterstuetzt =
            FensterEigenschaft(d, wurzel, XInternAtom(d, "_NET_SUPPORTED", False));
        if (std::find(unterstuetzt.begin(), unterstuetzt.end(), aktiv) != unterstuetzt.end()) {
            // The window manager activates it (restoring it when minimised);
            // source 2 is a request on the user's behalf, as a task bar makes.
            XEvent e{};
            e.xclient.type = ClientMessage;
            e.xclient.window = ziel;
            e.xclient.message_type = aktiv;
            e.xclient.format = 32;
            e.xclient.data.l[0] = 2;
            e.xclient.data.l[1] = CurrentTime;
            XSendEvent(d, wurzel, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
        } else {
            XMapRaised(d, ziel);
        }
        XSync(d, False);
    }
    XSetErrorHandler(vorher);
    XCloseDisplay(d);
    return ziel != None;
}

} // namespace Fermalin
