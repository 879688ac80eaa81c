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
    void setOrInsertNode(const std::string &parentKey, int position, const std::string &key,
                         const std::string &text, int image) override;
    void removeNode(const std::string &key) override;
    void expandNode(const std::string &key) override;
    void selectNode(const std::string &key) override;

    QTreeWidgetItem *node(const std::string &key) const;
    // The key of the current node, empty when there is none.
    std::string currentKey() const;
    int nodeCount() const { return static_cast<int>(mNodes.size()); }

signals:
    // A node was clicked, or reached with the keyboard.
    void nodeClicked(const std::string &key);
    void nodeDoubleClicked(const std::string &key);
    void mouseReleased(Qt::MouseButton button, const QPoint &globalPosition);
    void keyReleased();
    void focused();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    static std::string keyOf(const QTreeWidgetItem *item);
    void describe(QTreeWidgetItem *item, const std::string &key, const std::string &text,
                  int image);
    void forget(QTreeWidgetItem *item);

    std::map<std::string, QTreeWidgetItem *> mNodes;
};

} // namespace areamaker
