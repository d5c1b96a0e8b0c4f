#include "StreckDialog.h"

#include "Startregeln.h"
#include "Stretch.h"

#include <QResizeEvent>

namespace Fermalin {

TStreckDialog::TStreckDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint)
{
}

TStreckDialog::~TStreckDialog() = default;

void TStreckDialog::StreckerAnlegen()
{
    StartBreite = width();
    StartHoehe = height();
    Seitenverhaeltnis = StartHoehe ? static_cast<double>(StartBreite) / StartHoehe : 0;
    setMinimumSize(StartBreite, StartHoehe);
    m_strecker = std::make_unique<TStrecker>(this);
    m_strecker->Strecken(width(), height());
}

void TStreckDialog::GroesseWieHauptfenster(QSize hauptClient, int hauptRefBreite, int hauptRefHoehe)
{
    if (hauptRefBreite <= 0 || hauptRefHoehe <= 0 || !m_strecker)
        return;
    resize(hauptClient.width() * m_strecker->ReferenzBreite() / hauptRefBreite,
           hauptClient.height() * m_strecker->ReferenzHoehe() / hauptRefHoehe);
}

void TStreckDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    // A window manager asks no leave: a size that breaks the rule is corrected
    // right after it. The dialog may grow beyond the work area.
    if (!m_anpassen && StartBreite > 0) {
        constexpr int grenzenlos = 1 << 20;
        const std::optional<QSize> neu =
            GroesseAnpassen(size(), QSize(StartBreite, StartHoehe), Seitenverhaeltnis,
                            QSize(grenzenlos, grenzenlos));
        const QSize ziel = neu                          ? *neu
                           : event->oldSize().isValid() ? event->oldSize()
                                                        : QSize(StartBreite, StartHoehe);
        if (ziel != size()) {
            // before the first show Qt delivers no event for this: scale below
            m_anpassen = true;
            resize(ziel);
            m_anpassen = false;
        }
    }
    if (m_strecker)
        m_strecker->Strecken(width(), height());
}

} // namespace Fermalin
