#pragma once

#include "platform/EditorViews.h"

#include <QTreeWidget>

#include <map>

namespace areamaker {

// The zone explorer's tree view, its nodes addressed by their keys.
class ZoneTree : public QTreeWidget, public TreeViewPort
{
    Q_OBJECT

public:
    explicit ZoneTree(QWidget *parent = nullptr);

    void clear() override;
    void addNode(const std::string &parentKey, const std::string &key, const std::string &text,
                 int image) override;
    void setNodeText(const std::string &key, const std::string &text) override;
    void removeNode(const std::string &key) override;
    void expandNode(const std::string &key) override;

    QTreeWidgetItem *node(const std::string &key) const;

private:
    void forget(QTreeWidgetItem *item);

    std::map<std::string, QTreeWidgetItem *> mNodes;
};

} // namespace areamaker
