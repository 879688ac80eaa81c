#pragma once

#include <QWidget>

class QHelpEngine;
class QTabWidget;

namespace areamaker {

class HelpBrowser;

// The program's help window: the guide's contents, index and full-text search beside the
// page being read.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString &collection, QWidget *parent = nullptr);

    // Shows the guide's first page with its table of contents.
    void showContents();
    // Shows the page that carries the topic id; the contents when no page does.
    void showTopic(int topicId);

    HelpBrowser *browser() const { return mBrowser; }
    QTabWidget *tabs() const { return mTabs; }
    QUrl currentPage() const;
    void openPage(const QUrl &url);

private:
    QWidget *buildIndexPage();
    QWidget *buildSearchPage();
    bool showIdentifier(const QString &identifier);
    void markInContents(const QUrl &page);
    void present();

    QHelpEngine *mEngine;
    HelpBrowser *mBrowser;
    QTabWidget *mTabs;
};

} // namespace areamaker
