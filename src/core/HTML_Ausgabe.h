// The frame of the HTML report: head with title, style sheet and the ToolInfo
// script, body start and end, the consultation-record supplement and the row
// builders of the report's two- and three-column tables. The document is every
// entry of the list followed by CR LF, single-byte Windows-1252.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace Fermalin {

inline const QString ToolName = QStringLiteral("Fermalin");
inline const QString ToolVersion = QStringLiteral("Version 4.1");

// What the print layout reads from the document.
struct TToolInfo
{
    QString VeltoName;
    QString Variante;
    QString ToolName;
    QString FirmenLogoPfad; // the real path, unescaped
    QString ToolVersion;
};

// Text for an HTML element or attribute: & < > " escaped, and every character
// the single-byte document cannot hold as a numeric reference, so a customer
// name or a path prints as typed and cannot break the document.
QString HtmlMaskieren(const QString& text);

// The logo path the document names: empty unless mitLogo and the file exists.
QString FirmenLogoPfad(bool mitLogo, const QString& logoDatei);

// logoDatei: LogoDatei(programmPfad). The ToolInfo's "IE8" is "False": this
// platform's engine is no version 8.
void SeitenkopfSchreiben(QStringList& zeilen, bool mitLogo, const QString& logoDatei);
void ToolInfoSchreiben(QStringList& zeilen, bool mitLogo, const QString& logoDatei);
void LeerzeileSchreiben(QStringList& zeilen, bool nurDruck);
void TextzeilenSchreiben(QStringList& zeilen, const QString& bezeichnung, const QStringList& texte,
                         bool nurDruck);
void WertzeilenSchreiben(QStringList& zeilen, const QString& bezeichnung, const QStringList& texte,
                         const QStringList& werte, bool nurDruck);
void SeitenfussSchreiben(QStringList& zeilen, bool mitProtokollAnlage);
void ProtokollAnlageSchreiben(QStringList& zeilen);

// The document: every entry followed by CR LF.
QString BerichtText(const QStringList& zeilen);

// The ToolInfo the document's script sets, or nothing when it has none.
std::optional<TToolInfo> ToolInfoLesen(const QString& dokument);

} // namespace Fermalin
