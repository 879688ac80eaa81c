#include "dialogs/SelectAllOnFocus.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

namespace areamaker {

bool SelectAllOnFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the focus change itself, which would place the caret where clicked.
        if (auto *line = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, line, &QLineEdit::selectAll);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace areamaker
