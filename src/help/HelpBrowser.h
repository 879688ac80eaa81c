#pragma once

#include <QTextBrowser>

class QHelpEngine;

namespace areamaker {

// Shows the guide's pages, read from the help collection.
class HelpBrowser : public QTextBrowser
{
    Q_OBJECT

public:
    HelpBrowser(QHelpEngine &engine, QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngine &mEngine;
};

} // namespace areamaker
