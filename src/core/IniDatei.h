// A classic INI file in the Windows code page: sections in square brackets,
// "key=value" lines, CR LF line ends. Section and key names compare without
// regard to case, as the Windows profile functions do. Lines the program does
// not touch (foreign sections, comments, section headers with text after the
// bracket) survive a save byte for byte, each with its own line end.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace Fermalin {

// Windows-1252 <-> Unicode; bytes without a character map to U+0080..U+009F,
// characters outside the code page are written as "?".
QString Windows1252Decodieren(const QByteArray& bytes);
QByteArray Windows1252Codieren(const QString& text);

class TIniDatei
{
public:
    TIniDatei() = default;
    // Never fails: whatever the bytes are, the result is some INI content.
    static TIniDatei ausBytes(const QByteArray& bytes);
    // A missing file gives an empty one, and so does anything that is not an
    // ordinary file (a FIFO is never opened). A file that exists but cannot be
    // read whole gives an empty one too, marked unlesbar: saving over it is
    // refused, so that settings the program could not see are never destroyed.
    static TIniDatei laden(const QString& pfad);
    bool unlesbar() const { return !m_unlesbarerPfad.isEmpty(); }

    QString lesenText(const QString& abschnitt, const QString& schluessel,
                      const QString& vorgabe) const;
    // Decimal with optional sign, or hexadecimal after "0x"; anything else, or a
    // value outside the 32-bit range, gives the default.
    int lesenInt(const QString& abschnitt, const QString& schluessel, int vorgabe) const;
    // Any integer other than 0 is true; a value that is not an integer gives the default.
    bool lesenBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const;

    void schreibenText(const QString& abschnitt, const QString& schluessel, const QString& wert);
    void schreibenInt(const QString& abschnitt, const QString& schluessel, int wert);
    void schreibenBool(const QString& abschnitt, const QString& schluessel, bool wert);
    void abschnittLoeschen(const QString& abschnitt);
    // Erases every key of the section but keeps its place in the file, so that
    // rewriting it leaves the file's order as it was.
    void abschnittLeeren(const QString& abschnitt);

    QByteArray alsBytes() const;
    // Replaces the file atomically (temporary file beside it, then rename), so a
    // crash or a full disk never leaves a half-written file. Where no temporary
    // file can be made beside it (a read-only program directory), the existing
    // file is written in place. On failure fehler gets "In <pfad> kann nicht
    // geschrieben werden"; over a file that could not be read it refuses with
    // its own message.
    bool speichern(const QString& pfad, QString* fehler = nullptr) const;

private:
    struct TZeile
    {
        QString schluessel; // empty for comments, blank and other lines
        QString wert;
        QString roh;                           // the line as read or written, without its end
        QString ende = QStringLiteral("\r\n"); // "\r\n", "\n", or empty at the file's end
    };
    struct TAbschnitt
    {
        QString name; // between the brackets; empty for lines before the first section
        bool kopf = false;
        TZeile kopfzeile; // the header line as read, or "[name]"
        QList<TZeile> zeilen;
    };

    const TAbschnitt* finde(const QString& name) const;
    TAbschnitt& findeOderNeu(const QString& name);

    QList<TAbschnitt> m_abschnitte;
    QString m_unlesbarerPfad;
};

} // namespace Fermalin
