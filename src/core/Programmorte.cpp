#include "Programmorte.h"

#include "Startregeln.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace Fermalin {

namespace {

const QString Installationsordner = QStringLiteral("share/fermalin");

} // namespace

TProgrammOrte ProgrammOrteFuer(const TOrtsangaben& angaben)
{
    TProgrammOrte o;
    const QFileInfo programm(angaben.ProgrammPfad);
    const QString ordner = programm.path();
    o.Installiert =
        angaben.InstallationDa && QFileInfo(QDir::cleanPath(ordner)).fileName() == u"bin";
    if (o.Installiert) {
        o.Hilfeordner = QDir::cleanPath(ordner + QStringLiteral("/../") + Installationsordner);
        // XDG Base Directory: a relative value is invalid and ignored.
        const QString basis = QDir::isAbsolutePath(angaben.XdgConfigHome)
                                  ? angaben.XdgConfigHome
                                  : angaben.Heimatverzeichnis + QStringLiteral("/.config");
        o.Datenordner = QDir::cleanPath(basis + QStringLiteral("/fermalin"));
    } else {
        o.Datenordner = ordner;
    }
    const QDir daten(o.Datenordner);
    const QString name = daten.filePath(programm.fileName());
    o.Einstellungsdatei = PfadMitEndung(name, QStringLiteral(".ini"));
    o.Uebergabedatei = PfadMitEndung(name, QStringLiteral(".dat"));
    o.LogoDatei = daten.filePath(QStringLiteral("logo.bmp"));
    o.LogoSicherung = o.LogoDatei + QLatin1Char('$');
    return o;
}

TOrtsangaben OrtsangabenErmitteln(const QString& programmPfad, const QProcessEnvironment& umgebung)
{
    TOrtsangaben a;
    a.ProgrammPfad = programmPfad;
    a.InstallationDa =
        QFileInfo(QFileInfo(programmPfad).path() + QStringLiteral("/../") + Installationsordner)
            .isDir();
    a.XdgConfigHome = umgebung.value(QStringLiteral("XDG_CONFIG_HOME"));
    a.Heimatverzeichnis = umgebung.value(QStringLiteral("HOME"));
    if (!QDir::isAbsolutePath(a.Heimatverzeichnis))
        a.Heimatverzeichnis = QDir::homePath();
    return a;
}

bool DatenordnerAnlegen(const TProgrammOrte& orte)
{
    if (!orte.Installiert || QFileInfo(orte.Datenordner).isDir())
        return true;
    // XDG Base Directory: folders it makes are the user's alone (0700), the
    // missing parents ("~/.config") as well.
    QStringList fehlend;
    for (QString p = orte.Datenordner; !QFileInfo::exists(p); p = QFileInfo(p).path()) {
        fehlend.prepend(p);
        if (QFileInfo(p).path() == p)
            break;
    }
    const QDir wurzel;
    for (const QString& p : fehlend)
        if (!wurzel.mkdir(p,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner))
            return false;
    return QFileInfo(orte.Datenordner).isDir();
}

} // namespace Fermalin
