#include "widgets/CheckPanel.h"

#include <QHeaderView>
#include <QMainWindow>
#include <QTreeWidget>

namespace areamaker {

CheckPanel::CheckPanel(QWidget *parent)
    : QDockWidget(QStringLiteral("Vérification de la page"), parent), mList(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("dckVerification"));
    mList->setObjectName(QStringLiteral("lstConstatations"));
    mList->setRootIsDecorated(false);
    mList->setUniformRowHeights(true);
    mList->setHeaderLabels({QStringLiteral("Gravité"), QStringLiteral("Ligne"),
                            QStringLiteral("Colonne"), QStringLiteral("Message"),
                            QStringLiteral("Règle")});
    mList->header()->setStretchLastSection(false);
    mList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    mList->header()->setSectionResizeMode(3, QHeaderView::Stretch);
    setWidget(mList);
    connect(mList, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        const int row = mList->indexOfTopLevelItem(item);
        if (activated && row >= 0 && static_cast<std::size_t>(row) < mFindings.size())
            activated(mFindings[static_cast<std::size_t>(row)]);
    });
}

void CheckPanel::showRow(const QStringList &cells)
{
    auto *item = new QTreeWidgetItem(mList, cells);
    item->setTextAlignment(1, Qt::AlignRight);
    item->setTextAlignment(2, Qt::AlignRight);
}

void CheckPanel::showFindings(const std::vector<CheckFinding> &findings)
{
    mFindings = findings;
    mList->clear();
    for (const CheckFinding &f : findings)
        showRow({QString::fromUtf8(severityWord(f.severity)), QString::number(f.line),
                 QString::number(f.column), QString::fromStdString(f.message),
                 QString::fromUtf8(f.rule.data(), static_cast<qsizetype>(f.rule.size()))});
    if (findings.empty())
        showRow({{}, {}, {}, QStringLiteral("Aucun problème trouvé.")});
    present();
}

void CheckPanel::showFailure(const std::string &reason)
{
    mFindings.clear();
    mList->clear();
    showRow({QStringLiteral("erreur"),
             {},
             {},
             QStringLiteral("Vérification impossible : ") + QString::fromStdString(reason)});
    present();
}

void CheckPanel::present()
{
    const bool firstTime = !mSized;
    mSized = true;
    show();
    auto *window = qobject_cast<QMainWindow *>(parentWidget());
    if (firstTime && window) {
        const int rowHeight = mList->fontMetrics().height() + 4;
        window->resizeDocks({this}, {rowHeight * 9}, Qt::Vertical);
    }
}

} // namespace areamaker
