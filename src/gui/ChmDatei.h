// Read access to a compiled HTML help file: its pages, style sheets and
// pictures by their path inside the file.
#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

namespace Fermalin {

class TChmDatei
{
public:
    TChmDatei();
    ~TChmDatei();
    TChmDatei(const TChmDatei&) = delete;
    TChmDatei& operator=(const TChmDatei&) = delete;

    // Closes any open file first; false when the file cannot be read as help file.
    bool oeffnen(const QString& pfad);
    bool offen() const;
    const QString& pfad() const { return m_pfad; }

    // The object at this path inside the file ("/avmg/dialog1.htm"; the case
    // of the letters does not matter), or nothing when it is missing.
    std::optional<QByteArray> lesen(const QString& innererPfad) const;

private:
    struct TGriff;
    std::unique_ptr<TGriff> m_griff;
    QString m_pfad;
};

} // namespace Fermalin
