#include "help/HelpBrowser.h"

#include <QDesktopServices>
#include <QHelpEngine>

namespace areamaker {

HelpBrowser::HelpBrowser(QHelpEngine &engine, QWidget *parent)
    : QTextBrowser(parent), mEngine(engine)
{
    setObjectName(QStringLiteral("helpBrowser"));
    // Pages of the guide stay here; any other address goes to the desktop's browser.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl &url) {
        if (url.scheme() == QLatin1String("qthelp") || url.isRelative())
            setSource(url);
        else
            QDesktopServices::openUrl(url);
    });
}

QVariant HelpBrowser::loadResource(int type, const QUrl &name)
{
    // The pages name their style sheet and pictures relative to themselves.
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (url.scheme() == QLatin1String("qthelp"))
        return mEngine.fileData(url);
    return QTextBrowser::loadResource(type, name);
}

} // namespace areamaker
