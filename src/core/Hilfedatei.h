// Where the help file is, and which topic belongs to which page.
#pragma once

#include <QString>
#include <QStringList>

namespace Fermalin {

inline const QString HilfedateiName = QStringLiteral("Velto-Hilfe.chm");

// The help file, searched in this order, or empty:
// 1. the last command-line argument (after the program path) that ends in
//    ".chm" in any case, is longer than 4 characters and names a file;
// 2. the last argument that names a directory holding Velto-Hilfe.chm;
// 3. "Hilfe/Velto-Hilfe.chm" two levels above the program's directory (not
//    when that directory has fewer than two components);
// 4. the program's path with the extension ".chm";
// 5. Velto-Hilfe.chm in installationsordner, the "share/fermalin" of an
//    installed copy (TProgrammOrte::Hilfeordner; empty for any other copy).
// args as QCoreApplication::arguments(): the program path first.
QString HilfedateiSuchen(const QStringList& args, const QString& programmPfad,
                         const QString& installationsordner = QString());

enum class THilfeSeite
{
    Vorgabe,
    Grafik,
    Angebot,
    Vergleich,
};

// "dialog1.htm" for the input page, "dialog2.htm" for the chart, "dialog3.htm"
// for the offer page, "dialog4.htm" for the comparison of both rule sets.
QString HilfeThema(THilfeSeite seite);

// The topic inside the help file: "/avmg/" followed by the topic.
QString HilfeThemenpfad(const QString& thema);

} // namespace Fermalin
