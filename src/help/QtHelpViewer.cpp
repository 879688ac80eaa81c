#include "help/QtHelpViewer.h"

#include "help/HelpWindow.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace areamaker {

QtHelpViewer::QtHelpViewer()
{
    if (mTexts.load(QStringLiteral("qt_help_fr"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&mTexts);
}

QtHelpViewer::~QtHelpViewer()
{
    closeAll();
    QCoreApplication::removeTranslator(&mTexts);
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
