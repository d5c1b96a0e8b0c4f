// A program directory of its own per test, with the settings file beside the
// program and today's date pinned; and the controls of a window found by their
// names, as a user finds them on screen.
#pragma once

#include "Ortavo_Dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Fermalin {

// The control of that name; a test that names a missing one stops at once.
template <class T = QWidget> T* element(const QWidget& fenster, const char* name)
{
    T* w = fenster.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("Kein Steuerelement %s", name);
    return w;
}

struct TProgramm
{
    QTemporaryDir dir;
    QStringList args;
    // contribution year 2010, the first the program computes, whatever the clock says
    QDate heute = QDate(2009, 6, 1);

    QString pfad() const { return dir.filePath(QStringLiteral("fermalin")); }
    QString ini() const { return dir.filePath(QStringLiteral("fermalin.ini")); }
    void iniSchreiben(const QByteArray& inhalt) const
    {
        QFile f(ini());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(inhalt);
    }
    QByteArray iniLesen() const
    {
        QFile f(ini());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<THauptformular> fenster() const
    {
        TProgrammUmgebung u;
        u.ProgrammPfad = pfad();
        u.Argumente = QStringList{pfad()} + args;
        u.Heute = heute;
        return std::make_unique<THauptformular>(u);
    }
};

} // namespace Fermalin
