#pragma once

#include "EPropItemType.h"
#include "NorvixProps3Export.h"
#include "PropItemStore.h"

#include <QWidget>

class QAbstractScrollArea;
class QLineEdit;
class QPushButton;
class ItemEditBox;
class ListSurface;
class cScrollBars;

// Two-column grid of captioned values that the user edits in place or through the caller.
class NORVIXPROPS3_EXPORT PropertyList : public QWidget
{
    Q_OBJECT

public:
    explicit PropertyList(QWidget *parent = nullptr);
    ~PropertyList() override;

    // Returns the new item's index, or -1 when the list already holds 32767 items.
    int AddItem(EPropItemType eType, qint32 lTag, const QString &sTitle, const QString &sValue,
                bool bUpdateGUI, int Index = -1);
    bool RemoveItem(int Index, bool bUpdateGUI);
    bool ClearItem(bool bUpdateGUI);
    void SelectItem(int Index);
    int SelectedIndex() const { return mSelected; }
    QString ItemValue(int Index) const;
    void SetItemValue(int Index, const QString &sValue);
    QString ItemValueByTagId(qint32 lTagId) const;
    void SetItemValueByTagId(qint32 lTagId, const QString &sValue);
    EPropItemType ItemType(int Index) const;
    EPropItemType ItemTypeByTagId(qint32 lTagId) const;

    // The parts of the control, for hosts and tests that need to reach them.
    QAbstractScrollArea *picControl() const;
    QLineEdit *txtItem() const;
    QPushButton *cmdItem() const;
    cScrollBars *gScrollBars() const { return mScrollBars; }
    int TopIndex() const { return mTop; }
    int Capacity() const { return mItems.capacity(); }

    QSize sizeHint() const override;

signals:
    void MoreItemClick(qint32 lTagId);
    // A handler that sets *bCancel rejects the text; the stored value is kept.
    void TextItemChanged(qint32 lTagId, const QString &sValue, bool *bCancel);
    // Button and Shift are bit sets (1 left, 2 right, 4 middle; 1 Shift, 2 Ctrl, 4 Alt);
    // X and Y are in pixels of the control.
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void setUpScrollBars();
    void connectParts();
    void unselectToTop(bool bUpdateGUI);
    int listWidth() const;
    int visibleRows() const;
    int rowOf(int index) const;
    void refresh();
    void syncScrollBar();
    void placeEditors();
    void placeEditBox(int row);
    void showInEditBox(const QString &text);
    void placeButton(int row);
    void repaintList();
    void paintList(QPainter *painter);
    void onScrollChange(int eBar);
    void onListMouseReleased(QMouseEvent *event);
    void onListKey(QKeyEvent *event);
    bool handleNavigationKey(const QKeyEvent *event);
    bool handleTypedStart(const QKeyEvent *event);
    void activateSelected();
    void onEditFocusGained();
    void onEditFocusLost();
    void onEditEscape();
    void onMoreClicked();
    void emitMouseMove(const QMouseEvent *event, QPoint offset);

    PropItemStore mItems;
    int mSelected = -1;
    int mTop = 0;
    // Item whose value the edit box holds, -1 when it is hidden; an edit commits to it.
    int mEditItem = -1;
    bool mEditCancelled = false;
    bool mTypedStart = false;
    ListSurface *mPicControl;
    ItemEditBox *mTxtItem;
    QPushButton *mCmdItem;
    cScrollBars *mScrollBars;
};
