#include "IniDatei.h"

#include "DateiErsetzen.h"

#include <QFileInfo>

#include <limits>

namespace Fermalin {

namespace {

// Windows-1252 characters of the bytes 0x80..0x9F; 0 where the code page has none.
constexpr char16_t Cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

bool gleich(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

QString Windows1252Decodieren(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* z = text.data();
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b < 0xA0 && Cp1252[b - 0x80] != 0)
            *z++ = QChar(Cp1252[b - 0x80]);
        else
            *z++ = QChar(static_cast<char16_t>(b));
    }
    return text;
}

QByteArray Windows1252Codieren(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += static_cast<char>(u);
            continue;
        }
        char b = '?';
        for (int i = 0; i < 32; ++i)
            if (Cp1252[i] == u || (Cp1252[i] == 0 && u == 0x80 + i)) {
                b = static_cast<char>(0x80 + i);
                break;
            }
        bytes += b;
    }
    return bytes;
}

TIniDatei TIniDatei::ausBytes(const QByteArray& bytes)
{
    TIniDatei ini;
    ini.m_abschnitte.append(TAbschnitt{});
    const QString text = Windows1252Decodieren(bytes);
    qsizetype anfang = 0;
    while (anfang < text.size()) {
        qsizetype ende = text.indexOf(QLatin1Char('\n'), anfang);
        TZeile z;
        if (ende < 0) {
            ende = text.size();
            z.ende.clear();
        } else {
            z.ende = QStringLiteral("\n");
        }
        QString zeile = text.mid(anfang, ende - anfang);
        anfang = ende + 1;
        if (!z.ende.isEmpty() && zeile.endsWith(QLatin1Char('\r'))) {
            zeile.chop(1);
            z.ende = QStringLiteral("\r\n");
        }
        z.roh = zeile;

        const QString getrimmt = zeile.trimmed();
        if (getrimmt.startsWith(QLatin1Char('[')) && getrimmt.contains(QLatin1Char(']'))) {
            TAbschnitt a;
            a.name = getrimmt.mid(1, getrimmt.indexOf(QLatin1Char(']')) - 1).trimmed();
            a.kopf = true;
            a.kopfzeile = z;
            ini.m_abschnitte.append(a);
            continue;
        }
        const qsizetype gl = zeile.indexOf(QLatin1Char('='));
        if (gl > 0 && !getrimmt.startsWith(QLatin1Char(';'))) {
            z.schluessel = zeile.left(gl).trimmed();
            z.wert = zeile.mid(gl + 1).trimmed();
            // The profile functions drop one pair of enclosing quotes.
            if (z.wert.size() >= 2 &&
                ((z.wert.startsWith(QLatin1Char('"')) && z.wert.endsWith(QLatin1Char('"'))) ||
                 (z.wert.startsWith(QLatin1Char('\'')) && z.wert.endsWith(QLatin1Char('\'')))))
                z.wert = z.wert.mid(1, z.wert.size() - 2);
        }
        ini.m_abschnitte.last().zeilen.append(z);
    }
    return ini;
}

TIniDatei TIniDatei::laden(const QString& pfad)
{
    QByteArray bytes;
    switch (DateiLesen(pfad, bytes)) {
    case TLesen::Gelesen:
        return ausBytes(bytes);
    case TLesen::Fehlt:
    case TLesen::KeineDatei:
        return ausBytes({});
    case TLesen::Fehler:
        break;
    }
    TIniDatei leer = ausBytes({});
    leer.m_unlesbarerPfad = pfad;
    return leer;
}

const TIniDatei::TAbschnitt* TIniDatei::finde(const QString& name) const
{
    for (const TAbschnitt& a : m_abschnitte)
        if (a.kopf && gleich(a.name, name))
            return &a;
    return nullptr;
}

TIniDatei::TAbschnitt& TIniDatei::findeOderNeu(const QString& name)
{
    for (TAbschnitt& a : m_abschnitte)
        if (a.kopf && gleich(a.name, name))
            return a;
    TAbschnitt a;
    a.name = name;
    a.kopf = true;
    a.kopfzeile.roh = QLatin1Char('[') + name + QLatin1Char(']');
    m_abschnitte.append(a);
    return m_abschnitte.last();
}

QString TIniDatei::lesenText(const QString& abschnitt, const QString& schluessel,
                             const QString& vorgabe) const
{
    if (const TAbschnitt* a = finde(abschnitt))
        for (const TZeile& z : a->zeilen)
            if (!z.schluessel.isEmpty() && gleich(z.schluessel, schluessel))
                return z.wert;
    return vorgabe;
}

int TIniDatei::lesenInt(const QString& abschnitt, const QString& schluessel, int vorgabe) const
{
    const QString text = lesenText(abschnitt, schluessel, QString());
    if (text.isEmpty())
        return vorgabe;
    bool ok = false;
    qlonglong wert;
    QStringView v(text);
    bool negativ = false;
    if (v.startsWith(QLatin1Char('-')) || v.startsWith(QLatin1Char('+'))) {
        negativ = v.startsWith(QLatin1Char('-'));
        v = v.mid(1);
    }
    if (v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        wert = v.mid(2).toLongLong(&ok, 16);
    else
        wert = v.toLongLong(&ok, 10);
    // toLongLong accepts a sign of its own; a second one is not an integer
    if (!ok || v.isEmpty() || !(v.front().isDigit()))
        return vorgabe;
    if (negativ)
        wert = -wert;
    if (wert < std::numeric_limits<int>::min() || wert > std::numeric_limits<int>::max())
        return vorgabe;
    return static_cast<int>(wert);
}

bool TIniDatei::lesenBool(const QString& abschnitt, const QString& schluessel, bool vorgabe) const
{
    return lesenInt(abschnitt, schluessel, vorgabe ? 1 : 0) != 0;
}

void TIniDatei::schreibenText(const QString& abschnitt, const QString& schluessel,
                              const QString& wert)
{
    // Reading trims the value and drops one pair of enclosing quotes: a value
    // that reading would change goes in quotes, so that it reads back as it was.
    const auto paar = [&wert](char z) {
        return wert.size() >= 2 && wert.startsWith(QLatin1Char(z)) && wert.endsWith(QLatin1Char(z));
    };
    const QString text = wert != wert.trimmed() || paar('"') || paar('\'')
                             ? QLatin1Char('"') + wert + QLatin1Char('"')
                             : wert;
    TAbschnitt& a = findeOderNeu(abschnitt);
    for (TZeile& z : a.zeilen)
        if (!z.schluessel.isEmpty() && gleich(z.schluessel, schluessel)) {
            z.wert = wert;
            z.roh = z.schluessel + QLatin1Char('=') + text;
            return;
        }
    // New keys go after the last key line, before trailing blank lines.
    qsizetype pos = a.zeilen.size();
    while (pos > 0 && a.zeilen.at(pos - 1).roh.trimmed().isEmpty())
        --pos;
    TZeile neu;
    neu.schluessel = schluessel;
    neu.wert = wert;
    neu.roh = schluessel + QLatin1Char('=') + text;
    a.zeilen.insert(pos, neu);
}

void TIniDatei::schreibenInt(const QString& abschnitt, const QString& schluessel, int wert)
{
    schreibenText(abschnitt, schluessel, QString::number(wert));
}

void TIniDatei::schreibenBool(const QString& abschnitt, const QString& schluessel, bool wert)
{
    schreibenText(abschnitt, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniDatei::abschnittLoeschen(const QString& abschnitt)
{
    m_abschnitte.removeIf([&](const TAbschnitt& a) { return a.kopf && gleich(a.name, abschnitt); });
}

void TIniDatei::abschnittLeeren(const QString& abschnitt)
{
    bool erster = true;
    for (qsizetype i = 0; i < m_abschnitte.size();) {
        TAbschnitt& a = m_abschnitte[i];
        if (a.kopf && gleich(a.name, abschnitt)) {
            if (!erster) {
                m_abschnitte.removeAt(i); // a repeated section: its keys go as well
                continue;
            }
            erster = false;
            a.zeilen.clear();
        }
        ++i;
    }
}

QByteArray TIniDatei::alsBytes() const
{
    QString text;
    // A line that ended the file without a line end gets one when more follows.
    bool offen = false;
    const auto anhaengen = [&](const TZeile& z) {
        if (offen)
            text += QLatin1String("\r\n");
        text += z.roh;
        text += z.ende;
        offen = z.ende.isEmpty();
    };
    for (const TAbschnitt& a : m_abschnitte) {
        if (a.kopf)
            anhaengen(a.kopfzeile);
        for (const TZeile& z : a.zeilen)
            anhaengen(z);
    }
    return Windows1252Codieren(text);
}

bool TIniDatei::speichern(const QString& pfad, QString* fehler) const
{
    if (unlesbar() && QFileInfo(pfad) == QFileInfo(m_unlesbarerPfad)) {
        if (fehler)
            *fehler = QStringLiteral("%1 kann nicht gelesen werden und wird deshalb nicht "
                                     "überschrieben; die Einstellungen werden nicht gespeichert.")
                          .arg(pfad);
        return false;
    }
    const bool ok = DateiErsetzen(pfad, alsBytes(), true);
    if (!ok && fehler)
        *fehler = QStringLiteral("In %1 kann nicht geschrieben werden").arg(pfad);
    return ok;
}

} // namespace Fermalin
