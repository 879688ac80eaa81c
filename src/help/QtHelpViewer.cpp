#include "help/QtHelpViewer.h"

#include "help/HelpWindow.h"

namespace areamaker {

QtHelpViewer::~QtHelpViewer()
{
    closeAll();
}

void QtHelpViewer::displayContents(const std::string &collection, const std::string &window)
{
    windowFor(collection, window).showContents();
}

void QtHelpViewer::displayTopic(const std::string &collection, const std::string &window,
                                int topicId)
{
    windowFor(collection, window).showTopic(topicId);
}

void QtHelpViewer::closeAll()
{
    for (auto &[key, window] : mWindows)
        delete window.data();
    mWindows.clear();
}

HelpWindow *QtHelpViewer::window(const std::string &collection, const std::string &type) const
{
    const auto found = mWindows.find({collection, type});
    return found == mWindows.end() ? nullptr : found->second.data();
}

HelpWindow &QtHelpViewer::windowFor(const std::string &collection, const std::string &type)
{
    QPointer<HelpWindow> &window = mWindows[{collection, type}];
    if (!window)
        window = new HelpWindow(QString::fromStdString(collection));
    return *window;
}

} // namespace areamaker
