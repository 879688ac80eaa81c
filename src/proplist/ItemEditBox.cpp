#include "ItemEditBox.h"

#include <QFocusEvent>
#include <QKeyEvent>

ItemEditBox::ItemEditBox(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    setTextMargins(0, 0, 0, 0);
    setContentsMargins(0, 0, 0, 0);
}

void ItemEditBox::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

// A pop-up menu borrows the keyboard without ending the edit: its coming and going are no
// focus changes of the box's own.
void ItemEditBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusGained();
}

void ItemEditBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit focusLost();
}
