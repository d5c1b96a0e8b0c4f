// Print-layout settings: whether the report carries the own company logo.
#pragma once

#include <QString>

namespace Fermalin {

class TLayoutDaten
{
public:
    bool Firmenlogo() const { return m_Firmenlogo; }
    void setFirmenlogo(bool an) { m_Firmenlogo = an; }
    const QString& FirmenlogoDateipfad() const { return m_FirmenlogoDateipfad; }
    void setFirmenlogoDateipfad(const QString& pfad) { m_FirmenlogoDateipfad = pfad; }

private:
    bool m_Firmenlogo = false;
    QString m_FirmenlogoDateipfad;
};

} // namespace Fermalin
