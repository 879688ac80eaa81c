#include "widgets/CommandBar.h"

#include "widgets/IconSet.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <span>

namespace areamaker {

namespace {

struct MenuItem
{
    int number;
    int parent;
    const char *caption;
    const char *shortcut;
    int image;
};

// The main menu in the order shown; items added later have numbers past the first ones.
constexpr MenuItem MainMenu[] = {
    {1, 0, "&Fichier", "", -1},
    {2, 1, "&Nouveau...", "Ctrl+N", IconSet::New},
    {3, 1, "&Ouvrir...", "Ctrl+O", IconSet::Open},
    {4, 1, "En&registrer", "Ctrl+S", IconSet::Save},
    {5, 1, "Navigateur externe", "", IconSet::Browser},
    {45, 1, "&Vérifier la page", "F7", -1},
    {6, 1, "&Fermer", "", -1},
    {7, 1, "-", "", -1},
    {8, 1, "&Configuration...", "", IconSet::Settings},
    {9, 1, "-", "", -1},
    {10, 1, "1 (raccourci)", "", -1},
    {11, 1, "2 (raccourci)", "", -1},
    {12, 1, "3 (raccourci)", "", -1},
    {13, 1, "4 (raccourci)", "", -1},
    {14, 1, "5 (raccourci)", "", -1},
    {15, 1, "6 (raccourci)", "", -1},
    {16, 1, "-", "", -1},
    {17, 1, "&Quitter", "Ctrl+F4", -1},
    {18, 0, "&Edition", "", -1},
    {34, 18, "&Annuler", "Ctrl+Z", IconSet::Undo},
    {35, 18, "&Rétablir", "Ctrl+Y; Ctrl+Shift+Z", IconSet::Redo},
    {36, 18, "-", "", -1},
    {19, 18, "&Insérer", "", -1},
    {20, 19, "&Rectangle", "", IconSet::Rectangle},
    {21, 19, "&Cercle", "", IconSet::Circle},
    {22, 19, "&Polygone", "", IconSet::Polygon},
    {23, 18, "-", "", -1},
    {24, 18, "&Couper", "Ctrl+X", IconSet::Cut},
    {25, 18, "Co&pier", "Ctrl+C", IconSet::Copy},
    {26, 18, "C&oller", "Ctrl+V", IconSet::Paste},
    {27, 18, "&Supprimer", "", IconSet::Delete},
    {37, 18, "-", "", -1},
    {38, 18, "&Mettre au premier plan", "", -1},
    {39, 18, "Mettre à l'arrièr&e-plan", "", -1},
    {28, 18, "-", "", -1},
    {29, 18, "Proprié&tés...", "", IconSet::Properties},
    {40, 0, "&Affichage", "", -1},
    {41, 40, "Zoom &avant", "Ctrl++; Ctrl+=", -1},
    {42, 40, "Zoom a&rrière", "Ctrl+-", -1},
    {43, 40, "&Taille réelle", "Ctrl+0", -1},
    {44, 40, "&Ajuster à la fenêtre", "", -1},
    {30, 0, "&?", "", -1},
    {31, 30, "Au &sommaire...", "F1", IconSet::Help},
    {32, 30, "-", "", -1},
    {33, 30, "&A propos de Areamaker...", "", -1},
};

constexpr MenuItem CanvasPopup[] = {
    {1, 0, "&Couper", "", IconSet::Cut},
    {2, 0, "Co&pier", "", IconSet::Copy},
    {3, 0, "C&oller", "", IconSet::Paste},
    {4, 0, "&Supprimer", "", IconSet::Delete},
    {12, 0, "-", "", -1},
    {13, 0, "&Mettre au premier plan", "", -1},
    {14, 0, "Mettre à l'arrièr&e-plan", "", -1},
    {5, 0, "-", "", -1},
    {6, 0, "&Insérer", "", -1},
    {7, 6, "&Rectangle", "", IconSet::Rectangle},
    {8, 6, "&Cercle", "", IconSet::Circle},
    {9, 6, "&Polygone", "", IconSet::Polygon},
    {10, 0, "-", "", -1},
    {11, 0, "Proprié&tés...", "", IconSet::Properties},
};

constexpr MenuItem TreePopup[] = {
    {1, 0, "&Nouveau...", "", IconSet::New},
    {2, 0, "&Insérer", "", -1},
    {3, 2, "&Rectangle", "", IconSet::Rectangle},
    {4, 2, "&Cercle", "", IconSet::Circle},
    {5, 2, "&Polygone", "", IconSet::Polygon},
    {6, 0, "&Supprimer", "", IconSet::Delete},
    {7, 0, "-", "", -1},
    {8, 0, "Proprié&tés...", "", IconSet::Properties},
};

enum class ButtonStyle
{
    Push,
    Toggle,
    Group,
    Separator
};

struct Button
{
    const char *key;
    const char *tooltip;
    int image;
    ButtonStyle style;
};

constexpr Button Toolbar[] = {
    {"0", "Nouvelle image map", IconSet::New, ButtonStyle::Push},
    {"1", "Ouvrir un document", IconSet::Open, ButtonStyle::Push},
    {"2", "Enregistrer", IconSet::Save, ButtonStyle::Push},
    {"3", "Navigateur", IconSet::Browser, ButtonStyle::Push},
    {"4", "", -1, ButtonStyle::Separator},
    {"5", "Couper", IconSet::Cut, ButtonStyle::Push},
    {"6", "Copier", IconSet::Copy, ButtonStyle::Push},
    {"7", "Coller", IconSet::Paste, ButtonStyle::Push},
    {"8", "", -1, ButtonStyle::Separator},
    {"21", "Annuler", IconSet::Undo, ButtonStyle::Push},
    {"22", "Rétablir", IconSet::Redo, ButtonStyle::Push},
    {"23", "", -1, ButtonStyle::Separator},
    {"9", "Explorateur", IconSet::Explorer, ButtonStyle::Toggle},
    {"10", "", -1, ButtonStyle::Separator},
    {"11", "Sélection de régions", IconSet::Selection, ButtonStyle::Group},
    {"12", "Région rectangle", IconSet::Rectangle, ButtonStyle::Group},
    {"13", "Région cercle", IconSet::Circle, ButtonStyle::Group},
    {"14", "Région polygone", IconSet::Polygon, ButtonStyle::Group},
    {"15", "", -1, ButtonStyle::Separator},
    {"16", "Propriétés", IconSet::Properties, ButtonStyle::Push},
    {"17", "Supprimer la région", IconSet::Delete, ButtonStyle::Push},
    {"18", "", -1, ButtonStyle::Separator},
    {"19", "Paramètres de l'éditeur", IconSet::Settings, ButtonStyle::Push},
    {"20", "Aide", IconSet::Help, ButtonStyle::Push},
};

int parentOf(std::span<const MenuItem> items, int number)
{
    for (const MenuItem &item : items) {
        if (item.number == number)
            return item.parent;
    }
    return -1;
}

bool isParent(std::span<const MenuItem> items, int number)
{
    for (const MenuItem &item : items) {
        if (item.parent == number)
            return true;
    }
    return false;
}

// Creates the items under `root` (a menu bar or a menu); returns them by number.
template <typename Root>
std::map<int, QAction *> buildItems(Root *root, std::span<const MenuItem> items)
{
    std::map<int, QAction *> actions;
    std::map<int, QMenu *> menus;
    for (const MenuItem &item : items) {
        QWidget *parent = item.parent == 0 ? static_cast<QWidget *>(root) : menus.at(item.parent);
        const QString caption = QString::fromUtf8(item.caption);
        QAction *action = nullptr;
        if (isParent(items, item.number)) {
            QMenu *menu = new QMenu(caption, parent);
            menus[item.number] = menu;
            action = menu->menuAction();
            parent->addAction(action);
        } else if (caption == "-") {
            action = new QAction(parent);
            action->setSeparator(true);
            parent->addAction(action);
        } else {
            action = new QAction(caption, parent);
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(item.shortcut)));
            parent->addAction(action);
        }
        if (item.image >= 0)
            action->setIcon(IconSet::icon(item.image));
        action->setData(item.number);
        actions[item.number] = action;
    }
    return actions;
}

} // namespace

CommandBar::CommandBar(QMainWindow *window) : QObject(window), mWindow(window)
{
    buildMainMenu(window->menuBar());
    buildToolbar();
    mCanvasPopup = new QMenu(window);
    mPopupItems[mCanvasPopup] = buildItems(mCanvasPopup, CanvasPopup);
    mTreePopup = new QMenu(window);
    mPopupItems[mTreePopup] = buildItems(mTreePopup, TreePopup);
}

void CommandBar::buildMainMenu(QMenuBar *bar)
{
    for (const auto &[number, action] : buildItems(bar, MainMenu)) {
        mItems[number].action = action;
        // Menus and separators need no command of their own.
        mItems[number].hasCommand = action->menu() != nullptr || action->isSeparator();
        apply(mItems[number]);
        if (QMenu *menu = action->menu(); menu && parentOf(MainMenu, number) == 0) {
            connect(menu, &QMenu::aboutToShow, this, &CommandBar::mainMenuAboutToShow);
            connect(menu, &QMenu::aboutToHide, this, &CommandBar::mainMenuAboutToHide);
        }
    }
}

void CommandBar::buildToolbar()
{
    mToolbar = mWindow->addToolBar(QStringLiteral("MainBar"));
    mToolbar->setObjectName(QStringLiteral("tlbMain"));
    mToolbar->setMovable(false);
    mToolbar->setIconSize(QSize(16, 16));
    auto *tools = new QActionGroup(mToolbar);
    for (const Button &button : Toolbar) {
        QAction *action = nullptr;
        if (button.style == ButtonStyle::Separator) {
            action = mToolbar->addSeparator();
        } else {
            action =
                mToolbar->addAction(IconSet::icon(button.image), QString::fromUtf8(button.tooltip));
            action->setToolTip(QString::fromUtf8(button.tooltip));
            action->setCheckable(button.style != ButtonStyle::Push);
            if (button.style == ButtonStyle::Group)
                tools->addAction(action);
        }
        action->setObjectName(QStringLiteral("tlbMain_") + button.key);
        Entry &entry = mButtons[button.key];
        entry.action = action;
        entry.hasCommand = button.style == ButtonStyle::Separator;
        apply(entry);
    }
}

void CommandBar::apply(Entry &entry)
{
    entry.action->setEnabled(entry.wanted && entry.hasCommand);
}

void CommandBar::setCommand(std::initializer_list<int> items,
                            std::initializer_list<const char *> keys, std::function<void()> command)
{
    std::vector<std::pair<Entry *, bool>> entries;
    for (int item : items)
        entries.emplace_back(&mItems.at(item), false);
    for (const char *key : keys)
        entries.emplace_back(&mButtons.at(key), true);
    for (const auto &[entry, fromToolbar] : entries) {
        entry->hasCommand = true;
        apply(*entry);
        connect(entry->action, &QAction::triggered, this,
                [this, command, fromToolbar = fromToolbar] {
                    if (beforeCommand)
                        beforeCommand(fromToolbar);
                    command();
                });
    }
}

QAction *CommandBar::menuItem(int number) const
{
    return mItems.at(number).action;
}

QAction *CommandBar::button(const std::string &key) const
{
    return mButtons.at(key).action;
}

QAction *CommandBar::popupItem(const QMenu *popup, int number) const
{
    return mPopupItems.at(popup).at(number);
}

void CommandBar::setMenuItemEnabled(int item, bool enabled)
{
    Entry &entry = mItems.at(item);
    entry.wanted = enabled;
    apply(entry);
}

void CommandBar::setMenuItemVisible(int item, bool visible)
{
    mItems.at(item).action->setVisible(visible);
}

void CommandBar::setMenuItemCaption(int item, const std::string &caption)
{
    mItems.at(item).action->setText(QString::fromStdString(caption));
}

void CommandBar::setButtonEnabled(const std::string &key, bool enabled)
{
    Entry &entry = mButtons.at(key);
    entry.wanted = enabled;
    apply(entry);
}

void CommandBar::setButtonPressed(const std::string &key, bool pressed)
{
    mButtons.at(key).action->setChecked(pressed);
}

void CommandBar::setButtonVisible(const std::string &key, bool visible)
{
    mButtons.at(key).action->setVisible(visible);
}

} // namespace areamaker
