#include "widgets/ZoneTree.h"

#include "document/TreeKeys.h"
#include "widgets/IconSet.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <algorithm>

namespace areamaker {

namespace {

constexpr int KeyRole = Qt::UserRole;

} // namespace

ZoneTree::ZoneTree(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("trvMap"));
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem *item) { emit nodeClicked(keyOf(item)); });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem *item) { emit nodeDoubleClicked(keyOf(item)); });
}

std::string ZoneTree::keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, KeyRole).toString().toStdString() : std::string();
}

std::string ZoneTree::currentKey() const
{
    return keyOf(currentItem());
}

void ZoneTree::mouseReleaseEvent(QMouseEvent *event)
{
    QTreeWidget::mouseReleaseEvent(event);
    // Only the left button clicks an item; the right one must too, so that the pop-up acts
    // on the node under the mouse with its map active.
    const QTreeWidgetItem *item = itemAt(event->position().toPoint());
    if (event->button() == Qt::RightButton && item && item == currentItem())
        emit nodeClicked(keyOf(item));
    emit mouseReleased(event->button(), event->globalPosition().toPoint());
}

void ZoneTree::keyPressEvent(QKeyEvent *event)
{
    const QTreeWidgetItem *before = currentItem();
    QTreeWidget::keyPressEvent(event);
    if (currentItem() && currentItem() != before)
        emit nodeClicked(currentKey());
}

void ZoneTree::keyReleaseEvent(QKeyEvent *event)
{
    QTreeWidget::keyReleaseEvent(event);
    emit keyReleased();
}

void ZoneTree::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    emit focused();
}

void ZoneTree::clear()
{
    QTreeWidget::clear();
    mNodes.clear();
}

QTreeWidgetItem *ZoneTree::node(const std::string &key) const
{
    const auto found = mNodes.find(key);
    return found == mNodes.end() ? nullptr : found->second;
}

void ZoneTree::addNode(const std::string &parentKey, const std::string &key,
                       const std::string &text, int image)
{
    QTreeWidgetItem *parent = node(parentKey);
    auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    describe(item, key, text, image);
}

void ZoneTree::setOrInsertNode(const std::string &parentKey, int position, const std::string &key,
                               const std::string &text, int image)
{
    if (QTreeWidgetItem *item = node(key)) {
        item->setText(0, QString::fromStdString(text));
        return;
    }
    auto *item = new QTreeWidgetItem();
    if (QTreeWidgetItem *parent = node(parentKey))
        parent->insertChild(std::clamp(position, 0, parent->childCount()), item);
    else
        insertTopLevelItem(std::clamp(position, 0, topLevelItemCount()), item);
    describe(item, key, text, image);
}

void ZoneTree::describe(QTreeWidgetItem *item, const std::string &key, const std::string &text,
                        int image)
{
    item->setText(0, QString::fromStdString(text));
    item->setData(0, KeyRole, QString::fromStdString(key));
    item->setIcon(0, IconSet::icon(image == MapNodeImage ? IconSet::Explorer : IconSet::Polygon));
    mNodes[key] = item;
}

void ZoneTree::setNodeText(const std::string &key, const std::string &text)
{
    if (QTreeWidgetItem *item = node(key))
        item->setText(0, QString::fromStdString(text));
}

void ZoneTree::removeNode(const std::string &key)
{
    QTreeWidgetItem *item = node(key);
    if (!item)
        return;
    forget(item);
    delete item;
}

void ZoneTree::forget(QTreeWidgetItem *item)
{
    for (int i = 0; i < item->childCount(); ++i)
        forget(item->child(i));
    mNodes.erase(keyOf(item));
}

void ZoneTree::expandNode(const std::string &key)
{
    if (QTreeWidgetItem *item = node(key))
        item->setExpanded(true);
}

void ZoneTree::selectNode(const std::string &key)
{
    if (QTreeWidgetItem *item = node(key)) {
        setCurrentItem(item);
        scrollToItem(item);
    }
}

} // namespace areamaker
