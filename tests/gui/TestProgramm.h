// A program directory of its own per test, with the settings file beside the
// program and today's date pinned.
#pragma once

#include "Ortavo_Dialog.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace Fermalin {

struct TProgramm
{
    QTemporaryDir dir;
    QStringList args;
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
