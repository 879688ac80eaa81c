#pragma once

#include "platform/CommandBarPort.h"

#include <QObject>

#include <functional>
#include <map>
#include <string>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

namespace areamaker {

// The main menu, the two pop-up menus and the command toolbar, with their items addressed
// by number and their buttons by key. An item or button without a command stays disabled.
class CommandBar : public QObject, public CommandBarPort
{
    Q_OBJECT

public:
    explicit CommandBar(QMainWindow *window);

    // Runs `command` from the main menu items and toolbar buttons given.
    void setCommand(std::initializer_list<int> items, std::initializer_list<const char *> keys,
                    std::function<void()> command);

    // Runs before every command of a menu item (false) or a toolbar button (true).
    std::function<void(bool fromToolbar)> beforeCommand;

    QAction *menuItem(int number) const;
    QAction *button(const std::string &key) const;
    QToolBar *toolbar() const { return mToolbar; }
    QMenu *canvasPopup() const { return mCanvasPopup; }
    QMenu *treePopup() const { return mTreePopup; }
    QAction *popupItem(const QMenu *popup, int number) const;

    void setMenuItemEnabled(int item, bool enabled) override;
    void setMenuItemVisible(int item, bool visible) override;
    void setMenuItemCaption(int item, const std::string &caption) override;
    void setButtonEnabled(const std::string &key, bool enabled) override;
    void setButtonPressed(const std::string &key, bool pressed) override;
    void setButtonVisible(const std::string &key, bool visible) override;

signals:
    // A top-level menu of the menu bar is about to drop down.
    void mainMenuAboutToShow();
    // A top-level menu of the menu bar has closed.
    void mainMenuAboutToHide();

private:
    struct Entry
    {
        QAction *action = nullptr;
        bool wanted = true;
        bool hasCommand = false;
    };

    void buildMainMenu(QMenuBar *bar);
    void buildToolbar();
    void apply(Entry &entry);

    QMainWindow *mWindow;
    QToolBar *mToolbar = nullptr;
    QMenu *mCanvasPopup = nullptr;
    QMenu *mTreePopup = nullptr;
    std::map<int, Entry> mItems;
    std::map<std::string, Entry> mButtons;
    std::map<const QMenu *, std::map<int, QAction *>> mPopupItems;
};

} // namespace areamaker
