#pragma once

#include <QObject>

#include <vector>

class QEvent;

namespace areamaker {

class ISubclass;

// Lets an object see messages sent to an object it does not own. Message numbers name Qt
// events: 28 activation of the application (not of one of its windows, which a closing
// dialog of its own also brings), 513 and 514 left button down and up, 276 and 277 scroll.
class SubclassService : public QObject
{
    Q_OBJECT

public:
    static constexpr int Activation = 28;
    static constexpr int LeftButtonDown = 513;
    static constexpr int LeftButtonUp = 514;
    static constexpr int HorizontalScroll = 276;
    static constexpr int VerticalScroll = 277;

    // The one service of the process, created on first use.
    static SubclassService &instance();

    void attach(ISubclass *handler, QObject *window, int message);
    void detach(ISubclass *handler, QObject *window, int message);
    // The message being dispatched, 0 outside a dispatch.
    int currentMessage() const { return mCurrent; }

    // The message number an event stands for, 0 for none.
    static int messageOf(const QEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Attachment
    {
        ISubclass *handler;
        QObject *window;
        int message;
    };

    std::vector<Attachment> handlersFor(QObject *window, int message) const;
    bool isAttached(QObject *window) const;
    // The application is not a window: its activation goes to every window attached for it.
    void dispatchActivation(QEvent *event);
    void forget(QObject *window);

    std::vector<Attachment> mAttachments;
    int mCurrent = 0;
};

} // namespace areamaker
