#pragma once

#include <QtGlobal>

class QEvent;
class QObject;

namespace areamaker {

// A client of the event-filter service: says when it wants each message handled and
// handles it.
class ISubclass
{
public:
    // The handler runs after the object's own handling.
    static constexpr int AfterOwn = 1;
    // The handler runs before the object's own handling, which still runs.
    static constexpr int BeforeOwn = 2;

    virtual ~ISubclass() = default;
    // Read for the message being dispatched; the client may consult the current message.
    virtual int MsgResponse() const = 0;
    virtual qintptr WindowProc(QObject *window, int message, QEvent *event) = 0;
};

} // namespace areamaker
