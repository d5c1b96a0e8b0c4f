#include "ChmDatei.h"

#include <QFile>

#include <chm_lib.h>

namespace Fermalin {

namespace {
// A help file's pages are small; anything larger is not read whole.
constexpr quint64 MaxObjektgroesse = 64u * 1024 * 1024;
} // namespace

struct TChmDatei::TGriff
{
    chmFile* datei = nullptr;
    ~TGriff()
    {
        if (datei)
            chm_close(datei);
    }
};

TChmDatei::TChmDatei() = default;
TChmDatei::~TChmDatei() = default;

bool TChmDatei::oeffnen(const QString& pfad)
{
    m_griff.reset();
    m_pfad.clear();
    chmFile* datei = chm_open(QFile::encodeName(pfad).constData());
    if (!datei)
        return false;
    m_griff = std::make_unique<TGriff>();
    m_griff->datei = datei;
    m_pfad = pfad;
    return true;
}

bool TChmDatei::offen() const
{
    return m_griff != nullptr;
}

std::optional<QByteArray> TChmDatei::lesen(const QString& innererPfad) const
{
    if (!m_griff)
        return std::nullopt;
    QString pfad = innererPfad;
    if (!pfad.startsWith(QLatin1Char('/')))
        pfad.prepend(QLatin1Char('/'));
    chmUnitInfo info{};
    // names inside the file are stored as UTF-8
    if (chm_resolve_object(m_griff->datei, pfad.toUtf8().constData(), &info) != CHM_RESOLVE_SUCCESS)
        return std::nullopt;
    if (info.length > MaxObjektgroesse)
        return std::nullopt;
    QByteArray daten(static_cast<qsizetype>(info.length), Qt::Uninitialized);
    if (info.length == 0)
        return daten;
    const LONGINT64 gelesen =
        chm_retrieve_object(m_griff->datei, &info, reinterpret_cast<unsigned char*>(daten.data()),
                            0, static_cast<LONGINT64>(info.length));
    if (gelesen != static_cast<LONGINT64>(info.length))
        return std::nullopt;
    return daten;
}

} // namespace Fermalin
