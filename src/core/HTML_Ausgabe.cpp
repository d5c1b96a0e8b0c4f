#include "HTML_Ausgabe.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace Fermalin {

namespace {

const QString CRLF = QStringLiteral("\r\n");

QString nurDruckKlasse(bool nurDruck)
{
    return nurDruck ? QStringLiteral(" class=\"nur_Druck\"") : QString();
}

// ".leri2to" gives a solid black border for each named side, 2px where a 2 follows.
QString randRegel(const QString& name)
{
    static const struct
    {
        const char* kurz;
        const char* seite;
    } seiten[] = {{"le", "left"}, {"ri", "right"}, {"to", "top"}, {"bo", "bottom"}};
    QString regel = QLatin1Char('.') + name + QStringLiteral(" {");
    for (qsizetype i = 0; i + 1 < name.size();) {
        const QString kurz = name.mid(i, 2);
        i += 2;
        QString breite = QStringLiteral("1px");
        if (i < name.size() && name.at(i) == QLatin1Char('2')) {
            breite = QStringLiteral("2px");
            ++i;
        }
        for (const auto& s : seiten)
            if (kurz == QLatin1String(s.kurz))
                regel += QStringLiteral(" border-%1-width:%2; border-%1-style:solid; "
                                        "border-%1-color:black;")
                             .arg(QLatin1String(s.seite), breite);
    }
    return regel + QStringLiteral(" }");
}

QString stilregelnBauen()
{
    QStringList r;
    const QString schrift = QStringLiteral("font-family:Verdana,sans-serif;");
    r << QStringLiteral("body { %1 font-size:10pt; }").arg(schrift)
      << QStringLiteral("td { %1 }").arg(schrift)
      << QStringLiteral("h1 { %1 font-size:16pt; font-weight:bold; }").arg(schrift)
      << QStringLiteral("h2 { %1 font-size:12pt; font-weight:bold; }").arg(schrift)
      << QStringLiteral(".SchriftKleinFett { font-size:8pt; font-weight:bold; }")
      << QStringLiteral(".SchriftKlein { font-size:8pt; }")
      << QStringLiteral(".SchriftNormal { font-size:10pt; }")
      << QStringLiteral(".SchriftNormalFett { font-size:10pt; font-weight:bold; }")
      << QStringLiteral(".enum { margin-left:16pt; list-style-position:outside; "
                        "list-style-type:circle; }")
      << QStringLiteral(".links { font-weight:bold; vertical-align:top; }");
    const QString oben =
        QStringLiteral("border-top-width:1px; border-top-style:%1; border-top-color:black;");
    const QString mitte =
        QStringLiteral("border-left-width:1px; border-left-style:solid; border-left-color:black; "
                       "vertical-align:top; padding-left:3px;");
    const char* arten[][2] = {{"", "solid"}, {"dotted", "dotted"}, {"dashed", "dashed"}};
    for (const auto& a : arten)
        r << QStringLiteral(".linksoben%1 { font-weight:bold; vertical-align:top; %2 }")
                 .arg(QLatin1String(a[0]), oben.arg(QLatin1String(a[1])));
    r << QStringLiteral(".mitte { %1 }").arg(mitte)
      << QStringLiteral(".rechts { text-align:right; vertical-align:bottom; padding-right:3px; }")
      << QStringLiteral(".rechtsobenText { text-align:right; vertical-align:top; }");
    for (const auto& a : arten)
        r << QStringLiteral(".mitteoben%1 { %2 %3 }")
                 .arg(QLatin1String(a[0]), mitte, oben.arg(QLatin1String(a[1])));
    for (const auto& a : arten)
        r << QStringLiteral(".rechtsoben%1 { %2 text-align:right; vertical-align:bottom; }")
                 .arg(QLatin1String(a[0]), oben.arg(QLatin1String(a[1])));
    for (const char* name :
         {"le",     "le2",    "ri",     "ri2",      "to",      "to2",      "bo",
          "bo2",    "leto",   "boto",   "le2to2",   "le2to",   "leto2",    "leri",
          "leri2",  "lerito", "leboto", "leriboto", "leri2to", "leri2to2", "leri2bo2",
          "leribo", "lebo",   "lebo2",  "le2bo2",   "rito",    "ribo"})
        r << randRegel(QLatin1String(name));
    const QString hoehe = QStringLiteral("height:36px;");
    const QString pa = QStringLiteral("padding-right:25px; ");
    const QString le =
        QStringLiteral(" border-left-width:1px; border-left-style:solid; border-left-color:black;");
    const QString to =
        QStringLiteral(" border-top-width:1px; border-top-style:solid; border-top-color:black;");
    r << QStringLiteral(".tabEB { %1 }").arg(hoehe)
      << QStringLiteral(".tabEBLe { %1%2 }").arg(hoehe, le)
      << QStringLiteral(".tabEBTo { %1%2 }").arg(hoehe, to)
      << QStringLiteral(".tabEBLeTo { %1%2%3 }").arg(hoehe, to, le)
      << QStringLiteral(".tabEBPa { %1%2 }").arg(pa, hoehe)
      << QStringLiteral(".tabEBLePa { %1%2%3 }").arg(pa, hoehe, le)
      << QStringLiteral(".tabEBToPa { %1%2%3 }").arg(pa, hoehe, to)
      << QStringLiteral(".tabEBLeToPa { %1%2%3%4 }").arg(pa, hoehe, to, le);
    r << QStringLiteral("@media print  {.nur_Screen {display:none}} @media screen "
                        "{.nur_Druck {display:none}}");
    return r.join(CRLF) + CRLF;
}

// The same for every report: built once, not on every keystroke.
const QString& stilregeln()
{
    static const QString regeln = stilregelnBauen();
    return regeln;
}

// The hidden parts of the JavaScript string: backslashes doubled.
QString skriptWert(const QString& wert)
{
    QString w = HtmlMaskieren(wert);
    w.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    return w;
}

QString htmlZurueck(QString text)
{
    static const QRegularExpression ref(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    QString aus;
    qsizetype pos = 0;
    for (auto it = ref.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        aus += QStringView(text).mid(pos, m.capturedStart() - pos);
        bool ok = false;
        const uint code = m.captured(2).toUInt(&ok, m.captured(1).isEmpty() ? 10 : 16);
        if (ok && code <= 0x10FFFF)
            aus += QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1);
        pos = m.capturedEnd();
    }
    aus += QStringView(text).mid(pos);
    aus.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    aus.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    aus.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    aus.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return aus;
}

// The code points 0x80..0x9F of Windows-1252; 0 where the code page has none.
constexpr char16_t cp1252[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int windows1252Byte(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (cp1252[i] != 0 && cp1252[i] == c)
            return 0x80 + i;
    return -1;
}

} // namespace

QString HtmlMaskieren(const QString& text)
{
    QString aus;
    aus.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        switch (c) {
        case U'&':
            aus += QStringLiteral("&amp;");
            break;
        case U'<':
            aus += QStringLiteral("&lt;");
            break;
        case U'>':
            aus += QStringLiteral("&gt;");
            break;
        case U'"':
            aus += QStringLiteral("&quot;");
            break;
        default:
            // Control characters and what the code page lacks as references.
            if (c < 0x20 || c == 0x7F || windows1252Byte(c) < 0)
                aus += QStringLiteral("&#%1;").arg(static_cast<uint>(c));
            else
                aus += QString::fromUcs4(&c, 1);
        }
    }
    return aus;
}

QString FirmenLogoPfad(bool mitLogo, const QString& logoDatei)
{
    return mitLogo && !logoDatei.isEmpty() && QFileInfo(logoDatei).isFile() ? logoDatei : QString();
}

void SeitenkopfSchreiben(QStringList& zeilen, bool mitLogo, const QString& logoDatei)
{
    zeilen.clear();
    zeilen << QStringLiteral("<html>");
    zeilen << QStringLiteral("<head>") + CRLF + QStringLiteral("<title>") + ToolName +
                  QStringLiteral("</title>") + CRLF +
                  QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                 "charset=iso-8859-1\" />") +
                  CRLF + QStringLiteral("<style type=\"text/css\">") + CRLF + stilregeln() +
                  QStringLiteral("</style>");
    ToolInfoSchreiben(zeilen, mitLogo, logoDatei);
    zeilen << QStringLiteral("</head>") + CRLF;
    zeilen << QStringLiteral("<body ONLOAD=\"Init()\">");
}

void ToolInfoSchreiben(QStringList& zeilen, bool mitLogo, const QString& logoDatei)
{
    const QString felder[] = {QStringLiteral("VeltoName"),   QStringLiteral("Variante"),
                              QStringLiteral("ToolName"),    QStringLiteral("FirmenLogoPfad"),
                              QStringLiteral("ToolVersion"), QStringLiteral("IE8")};
    const QString werte[] = {QString(),   QStringLiteral("NEUTRAL"),
                             ToolName,    skriptWert(FirmenLogoPfad(mitLogo, logoDatei)),
                             ToolVersion, QStringLiteral("False")};
    QStringList z;
    z << QStringLiteral("<SCRIPT LANGUAGE=\"JavaScript\">") << QStringLiteral("function Init()")
      << QStringLiteral("{") << QStringLiteral("document.ToolInfo = new Object();");
    for (const QString& f : felder)
        z << QStringLiteral("document.ToolInfo.%1 = new Object();").arg(f);
    for (int i = 0; i < 6; ++i)
        z << QStringLiteral("document.ToolInfo.%1 = \"%2\";").arg(felder[i], werte[i]);
    z << QString() << QStringLiteral("}") << QStringLiteral("</SCRIPT>");
    zeilen << z.join(CRLF);
}

void LeerzeileSchreiben(QStringList& zeilen, bool nurDruck)
{
    zeilen << QStringLiteral("<tr%1><td class=\"links\">&nbsp;</td><td "
                             "class=\"mitte\">&nbsp;</td></tr>")
                  .arg(nurDruckKlasse(nurDruck));
}

void TextzeilenSchreiben(QStringList& zeilen, const QString& bezeichnung, const QStringList& texte,
                         bool nurDruck)
{
    for (qsizetype i = 0; i < texte.size(); ++i) {
        zeilen << QStringLiteral("<tr%1>").arg(nurDruckKlasse(nurDruck));
        if (i == 0)
            zeilen << QStringLiteral("<td width=\"22%\" class=\"links\" rowspan=\"%1\">%2</td>")
                          .arg(texte.size())
                          .arg(bezeichnung);
        zeilen << QStringLiteral("<td width=\"78%\" class=\"mitte\">%1</td></tr>").arg(texte.at(i));
    }
}

void WertzeilenSchreiben(QStringList& zeilen, const QString& bezeichnung, const QStringList& texte,
                         const QStringList& werte, bool nurDruck)
{
    for (qsizetype i = 0; i < texte.size(); ++i) {
        zeilen << QStringLiteral("<tr%1>").arg(nurDruckKlasse(nurDruck));
        if (i == 0)
            zeilen << QStringLiteral("<td width=\"22%\" class=\"links\" rowspan=\"%1\">%2</td>")
                          .arg(texte.size())
                          .arg(bezeichnung);
        const QString wert = werte.value(i);
        if (!wert.isEmpty()) {
            zeilen << QStringLiteral("<td width=\"53%\" class=\"mitte\">%1</td>").arg(texte.at(i));
            zeilen << QStringLiteral("<td width=\"24%\" class=\"rechts\">%1</td></tr>").arg(wert);
        } else {
            zeilen << QStringLiteral("<td width=\"78%\" class=\"mitte\" colspan=\"2\">%1</td></tr>")
                          .arg(texte.at(i));
        }
    }
}

void SeitenfussSchreiben(QStringList& zeilen, bool mitProtokollAnlage)
{
    if (mitProtokollAnlage)
        ProtokollAnlageSchreiben(zeilen);
    zeilen << QStringLiteral("</body>") << QStringLiteral("</html>");
}

void ProtokollAnlageSchreiben(QStringList& zeilen)
{
    const auto zelle = [](const QString& inhalt, const QString& attribute = QString()) {
        return QStringLiteral("<tr><td colspan=\"4\"%1>%2</td></tr>").arg(attribute, inhalt);
    };
    const QString leer = QStringLiteral("&nbsp;</br>&nbsp;");
    QStringList z;
    z << QStringLiteral("<img height=\"1\" width=\"1\" style=\"visibility:hidden\">")
      << QStringLiteral("<div class=\"nur_Druck\" style=\"position:relative\">")
      << QStringLiteral("<img height=\"450\" width=\"2\" style=\"visibility:hidden\" hspace=\"0\">")
      << QStringLiteral("<div style=\"position:absolute; left:0; width:100%; height:149px\">")
      << QStringLiteral("<table width=\"99%\" class=\"SchriftNormal\" height=\"99%\" "
                        "cellpadding=\"0\" cellspacing=\"0\">")
      << zelle(QStringLiteral("&nbsp;</br><h2>Ergänzung zum Beratungsprotokoll</h2>"))
      << zelle(QStringLiteral("&nbsp;</br>Bemerkungen:"));
    for (int i = 0; i < 5; ++i)
        z << zelle(leer, QStringLiteral(" class=\"bo\""));
    z << zelle(leer)
      << zelle(
             QStringLiteral(
                 "Diese Darstellung<br>war Ge&shy;gen&shy;stand eines in&shy;di&shy;vi&shy;du&shy;"
                 "el&shy;len Be&shy;ra&shy;tungs&shy;gesprächs (Datum/Ort: <span "
                 "style=\"width:100pt; border-bottom:1px solid black\">&nbsp;</span>&nbsp;/"
                 "&nbsp;<span style=\"width:150pt; border-bottom:1px solid "
                 "black\">&nbsp;</span>).</br>&nbsp;</br>&nbsp;"),
             QStringLiteral(" style=\"vertical-align:top\""));
    zeilen << z.join(CRLF);
    zeilen << QStringLiteral(
        "<tr height=\"14pt\"><td width=\"40%\" style=\"border-top:1px solid "
        "black\">Datum,&#160;Unterschrift&#160;Kunde</td><td width=\"10%\">&nbsp;</td><td "
        "width=\"40%\" style=\"border-top:1px solid "
        "black\">Datum,&#160;Unterschrift&#160;Vermittler</td><td width=\"10%\">&nbsp;</td></tr>");
    zeilen << QStringLiteral("</table></div></div>");
}

QString BerichtText(const QStringList& zeilen)
{
    qsizetype n = 0;
    for (const QString& z : zeilen)
        n += z.size() + 2;
    QString text;
    text.reserve(n);
    for (const QString& z : zeilen) {
        text += z;
        text += CRLF;
    }
    return text;
}

std::optional<TToolInfo> ToolInfoLesen(const QString& dokument)
{
    if (!dokument.contains(QStringLiteral("document.ToolInfo = new Object();")))
        return std::nullopt;
    static const QRegularExpression zuweisung(
        QStringLiteral(R"re(document\.ToolInfo\.(\w+) = "((?:[^"\\]|\\.)*)";)re"));
    TToolInfo t;
    for (auto it = zuweisung.globalMatch(dokument); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString wert = m.captured(2);
        static const QRegularExpression flucht(QStringLiteral(R"re(\\(.))re"));
        wert.replace(flucht, QStringLiteral("\\1"));
        wert = htmlZurueck(wert);
        const QString feld = m.captured(1);
        if (feld == QLatin1String("VeltoName"))
            t.VeltoName = wert;
        else if (feld == QLatin1String("Variante"))
            t.Variante = wert;
        else if (feld == QLatin1String("ToolName"))
            t.ToolName = wert;
        else if (feld == QLatin1String("FirmenLogoPfad"))
            t.FirmenLogoPfad = wert;
        else if (feld == QLatin1String("ToolVersion"))
            t.ToolVersion = wert;
    }
    return t;
}

} // namespace Fermalin
