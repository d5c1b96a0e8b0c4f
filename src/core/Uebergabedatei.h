// The hand-off file for the offer program: the case of one person of the
// household, written beside the program as "<program>.dat".
#pragma once

#include "ZulagenDaten.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Fermalin {

// The investment style chosen for the person: 0 sicherheitsorientiert,
// 1 wachstumsorientiert, 2 risikobewusst.
enum class TKlassik
{
    Sicherheitsorientiert = 0,
    Wachstumsorientiert = 1,
    Risikobewusst = 2
};

// The lines of the file for person 1 or 2. d holds the household inputs as the
// pages show them at the moment of the hand-off (birth years and assignment of
// the children included) and Eigenbeitrag1/2 of the last offer-page split.
// After 2010 the section ends with the contribution year and the rule set
// ("Beitragsjahr=", "Foerderrecht=bisher" or "neu"); a file without them is one
// of 2010.
QStringList UebergabeZeilen(const TZulagenDaten& d, int person, TKlassik klassik);

// The file's bytes: every line ended by CR LF, in Windows-1252.
QByteArray UebergabeBytes(const QStringList& zeilen);

// Writes the file in one piece: a failed write leaves no half-written file and
// the previous file as it was. False with a German message naming the path.
bool UebergabeSchreiben(const QString& pfad, const QStringList& zeilen, QString* fehler);

} // namespace Fermalin
