#include "widgets/SubclassService.h"

#include "widgets/ISubclass.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>

#include <algorithm>
#include <stdexcept>

namespace areamaker {

SubclassService &SubclassService::instance()
{
    static SubclassService service;
    return service;
}

int SubclassService::messageOf(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationStateChange:
        return static_cast<const QApplicationStateChangeEvent *>(event)->applicationState() ==
                       Qt::ApplicationActive
                   ? Activation
                   : 0;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton ? LeftButtonDown
                                                                                   : 0;
    case QEvent::MouseButtonRelease:
        return static_cast<const QMouseEvent *>(event)->button() == Qt::LeftButton ? LeftButtonUp
                                                                                   : 0;
    case QEvent::Wheel: {
        const auto *wheel = static_cast<const QWheelEvent *>(event);
        return wheel->angleDelta().x() != 0 ? HorizontalScroll : VerticalScroll;
    }
    default:
        return 0;
    }
}

void SubclassService::attach(ISubclass *handler, QObject *window, int message)
{
    if (!handler || !window)
        throw std::invalid_argument("attach needs a handler and a window");
    for (const Attachment &a : mAttachments) {
        if (a.handler == handler && a.window == window && a.message == message)
            return;
    }
    if (message == Activation)
        QCoreApplication::instance()->installEventFilter(this);
    if (!isAttached(window)) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, this, [this, window] { forget(window); });
    }
    mAttachments.push_back({handler, window, message});
}

void SubclassService::detach(ISubclass *handler, QObject *window, int message)
{
    std::erase_if(mAttachments, [&](const Attachment &a) {
        return a.handler == handler && a.window == window && a.message == message;
    });
    if (window && !isAttached(window))
        window->removeEventFilter(this);
}

bool SubclassService::isAttached(QObject *window) const
{
    return std::any_of(mAttachments.begin(), mAttachments.end(),
                       [window](const Attachment &a) { return a.window == window; });
}

void SubclassService::forget(QObject *window)
{
    std::erase_if(mAttachments, [window](const Attachment &a) { return a.window == window; });
}

std::vector<SubclassService::Attachment> SubclassService::handlersFor(QObject *window,
                                                                      int message) const
{
    std::vector<Attachment> found;
    for (const Attachment &a : mAttachments) {
        if (a.window == window && a.message == message)
            found.push_back(a);
    }
    return found;
}

void SubclassService::dispatchActivation(QEvent *event)
{
    std::vector<Attachment> handlers;
    for (const Attachment &a : mAttachments) {
        if (a.message == Activation)
            handlers.push_back(a);
    }
    const int outer = mCurrent;
    mCurrent = Activation;
    for (const Attachment &a : handlers)
        a.handler->WindowProc(a.window, Activation, event);
    mCurrent = outer;
}

bool SubclassService::eventFilter(QObject *watched, QEvent *event)
{
    const int message = messageOf(event);
    if (message == 0)
        return false;
    if (message == Activation) {
        if (watched == QCoreApplication::instance())
            dispatchActivation(event);
        return false;
    }
    // A copy: a handler may detach itself while it runs.
    const std::vector<Attachment> handlers = handlersFor(watched, message);
    if (handlers.empty())
        return false;
    const int outer = mCurrent;
    mCurrent = message;
    std::vector<ISubclass *> after;
    for (const Attachment &a : handlers) {
        if (a.handler->MsgResponse() == ISubclass::AfterOwn)
            after.push_back(a.handler);
        else
            a.handler->WindowProc(watched, message, event);
    }
    bool handled = false;
    if (!after.empty()) {
        // Runs the object's own handling now, so that the late handlers follow it.
        watched->event(event);
        for (ISubclass *handler : after)
            handler->WindowProc(watched, message, event);
        handled = true;
    }
    mCurrent = outer;
    return handled;
}

} // namespace areamaker
