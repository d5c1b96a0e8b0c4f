// A modal dialog that grows with the main window: it keeps the aspect ratio of
// its design size, is never smaller than that, and rescales its controls and
// fonts with a stretcher of its own.
#pragma once

#include <QDialog>

#include <memory>

namespace Fermalin {

class TStrecker;

class TStreckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TStreckDialog(QWidget* parent);
    ~TStreckDialog() override;

    // Takes the design size as the minimum and records the controls; call once
    // every control is in place.
    void StreckerAnlegen();

    // The size in the proportion the main window has to its own design size
    // (integer arithmetic, truncating).
    void GroesseWieHauptfenster(QSize hauptClient, int hauptRefBreite, int hauptRefHoehe);

    int StartBreite = 0, StartHoehe = 0;
    double Seitenverhaeltnis = 0;
    TStrecker* Strecker() const { return m_strecker.get(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::unique_ptr<TStrecker> m_strecker;
    bool m_anpassen = false;
};

} // namespace Fermalin
