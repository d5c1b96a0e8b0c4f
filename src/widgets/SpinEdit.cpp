#include "SpinEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

namespace Fermalin {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent)
{
    setRange(0, 9);
    setValue(0);
    lineEdit()->setReadOnly(true);
    // dropping text would bypass the read-only line edit's key handling
    setAcceptDrops(false);
    lineEdit()->setAcceptDrops(false);
}

TSpinEdit::~TSpinEdit() = default;

void TSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // passed on, so that the dialog's default button still answers Enter
        event->ignore();
        emit editingFinished();
        return;
    }
    QSpinBox::keyPressEvent(event);
}

void TSpinEdit::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

} // namespace Fermalin
