// A spin edit whose number is changed only by its arrow buttons and the keys
// Up, Down, PageUp and PageDown, never by typing: the line edit is read-only
// while the spin box itself is not, so stepping keeps working.
//
// valueChanged fires on every change, also for setValue from code; the windows
// rely on that to run the change handler when they set the control.
#pragma once

#include <QSpinBox>

namespace Fermalin {

class TSpinEdit : public QSpinBox
{
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);
    ~TSpinEdit() override;

protected:
    // Enter has nothing to take over from the read-only text; QSpinBox would
    // report the unchanged value as a change.
    void keyPressEvent(QKeyEvent* event) override;
    // The wheel is not one of the ways to change the number: a page scrolled
    // past the control must not change, say, the number of children.
    void wheelEvent(QWheelEvent* event) override;
};

} // namespace Fermalin
