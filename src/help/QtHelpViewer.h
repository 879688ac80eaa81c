#pragma once

#include "platform/HelpViewer.h"

#include <QPointer>
#include <QString>
#include <QTranslator>

#include <map>
#include <utility>

namespace areamaker {

class HelpWindow;

// Shows help collections in the program's own help windows, one per collection and window
// type.
class QtHelpViewer : public HelpViewer
{
public:
    QtHelpViewer();
    ~QtHelpViewer() override;

    void displayContents(const std::string &collection, const std::string &window) override;
    void displayTopic(const std::string &collection, const std::string &window,
                      int topicId) override;
    void closeAll() override;

    // The window open on the collection, if any.
    HelpWindow *window(const std::string &collection, const std::string &type = {}) const;

private:
    HelpWindow &windowFor(const std::string &collection, const std::string &type);

    std::map<std::pair<std::string, std::string>, QPointer<HelpWindow>> mWindows;
    // The help system's own texts (search, hits, filters) in French.
    QTranslator mTexts;
};

} // namespace areamaker
