#include "help/HelpWindow.h"

#include "help/HelpBrowser.h"

#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

namespace areamaker {

namespace {

// Topic ids are keyword identifiers of the guide.
QString identifierOf(int topicId)
{
    return QStringLiteral("areamaker.topic.%1").arg(topicId);
}

constexpr int ContentsTopic = 1;

} // namespace

HelpWindow::HelpWindow(const QString &collection, QWidget *parent)
    : QWidget(parent, Qt::Window), mEngine(new QHelpEngine(collection, this)),
      mBrowser(new HelpBrowser(*mEngine, this)), mTabs(new QTabWidget(this))
{
    setObjectName(QStringLiteral("frmAide"));
    setWindowTitle(QStringLiteral("Aide d'Areamaker"));
    mEngine->setupData();
    QHelpContentWidget *contents = mEngine->contentWidget();
    contents->setObjectName(QStringLiteral("helpContents"));
    mTabs->addTab(contents, QStringLiteral("Sommaire"));
    mTabs->addTab(buildIndexPage(), QStringLiteral("Index"));
    mTabs->addTab(buildSearchPage(), QStringLiteral("Recherche"));
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::openPage);
    // The guide is short: its whole table of contents shows at once.
    connect(mEngine->contentModel(), &QHelpContentModel::contentsCreated, this, [this] {
        mEngine->contentWidget()->expandAll();
        markInContents(currentPage());
    });
    connect(mBrowser, &QTextBrowser::sourceChanged, this, &HelpWindow::markInContents);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(mTabs);
    splitter->addWidget(mBrowser);
    splitter->setStretchFactor(1, 1);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(splitter);
    resize(900, 640);
}

QWidget *HelpWindow::buildIndexPage()
{
    auto *page = new QWidget;
    auto *filter = new QLineEdit(page);
    filter->setObjectName(QStringLiteral("helpIndexFilter"));
    filter->setPlaceholderText(QStringLiteral("Mot à rechercher dans l'index"));
    QHelpIndexWidget *index = mEngine->indexWidget();
    index->setObjectName(QStringLiteral("helpIndex"));
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString &text) { index->filterIndices(text); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &document) { openPage(document.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink> &documents) { openPage(documents.value(0).url); });
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(filter);
    layout->addWidget(index);
    return page;
}

QWidget *HelpWindow::buildSearchPage()
{
    QHelpSearchEngine *search = mEngine->searchEngine();
    auto *page = new QWidget;
    QHelpSearchQueryWidget *query = search->queryWidget();
    QHelpSearchResultWidget *results = search->resultWidget();
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::openPage);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(query);
    layout->addWidget(results, 1);
    // The full-text index is rebuilt in the background for each window; the guide is short.
    search->reindexDocumentation();
    return page;
}

void HelpWindow::showContents()
{
    mTabs->setCurrentIndex(0);
    showIdentifier(identifierOf(ContentsTopic));
    present();
}

void HelpWindow::showTopic(int topicId)
{
    if (!showIdentifier(identifierOf(topicId)))
        showIdentifier(identifierOf(ContentsTopic));
    present();
}

bool HelpWindow::showIdentifier(const QString &identifier)
{
    const QList<QHelpLink> documents = mEngine->documentsForIdentifier(identifier);
    if (documents.isEmpty())
        return false;
    openPage(documents.front().url);
    return true;
}

void HelpWindow::markInContents(const QUrl &page)
{
    QHelpContentWidget *contents = mEngine->contentWidget();
    const QModelIndex shown = contents->indexOf(page);
    if (shown.isValid())
        contents->setCurrentIndex(shown);
}

void HelpWindow::openPage(const QUrl &url)
{
    if (url.isValid())
        mBrowser->setSource(url);
}

QUrl HelpWindow::currentPage() const
{
    return mBrowser->source();
}

void HelpWindow::present()
{
    show();
    raise();
    activateWindow();
}

} // namespace areamaker
