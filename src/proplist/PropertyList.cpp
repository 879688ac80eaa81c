#include "PropertyList.h"

#include "ItemEditBox.h"
#include "ListSurface.h"
#include "PropListGeometry.h"
#include "PropListPainter.h"
#include "cScrollBars.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <qdrawutil.h>

#include <algorithm>

using namespace PropListGeometry;

namespace {

constexpr int kVertical = cScrollBars::efsVertical;
constexpr int kHorizontal = cScrollBars::efsHorizontal;

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

// Printable characters, space excluded, start editing a text item: accented letters and
// characters beyond the basic plane too.
bool startsTypedEdit(const QString &text)
{
    if (text.isEmpty() || text.front().isSpace())
        return false;
    const QList<uint> characters = text.toUcs4();
    return std::all_of(characters.begin(), characters.end(),
                       [](uint c) { return QChar::isPrint(static_cast<char32_t>(c)); });
}

} // namespace

PropertyList::PropertyList(QWidget *parent)
    : QWidget(parent), mPicControl(new ListSurface(this)),
      mTxtItem(new ItemEditBox(mPicControl->viewport())),
      mCmdItem(new QPushButton(QStringLiteral("..."), mPicControl->viewport())),
      mScrollBars(new cScrollBars(this))
{
    setMouseTracking(true);
    mPicControl->move(kInset, kInset);
    mTxtItem->hide();
    mCmdItem->hide();
    mCmdItem->setFocusPolicy(Qt::NoFocus);
    setUpScrollBars();
    connectParts();
}

PropertyList::~PropertyList() = default;

int PropertyList::AddItem(EPropItemType eType, qint32 lTag, const QString &sTitle,
                          const QString &sValue, bool bUpdateGUI, int Index)
{
    const int index = mItems.add(eType, lTag, sTitle, sValue, Index);
    // An insertion before the edited item moves it down; an append lies past it.
    if (index >= 0 && mEditItem >= index)
        ++mEditItem;
    bUpdateGUI ? refresh() : placeEditors();
    return index;
}

bool PropertyList::RemoveItem(int Index, bool bUpdateGUI)
{
    if (!mItems.remove(Index))
        return false;
    if (Index == mEditItem)
        mEditItem = -1;
    else if (Index < mEditItem)
        --mEditItem;
    unselectToTop(bUpdateGUI);
    return true;
}

bool PropertyList::ClearItem(bool bUpdateGUI)
{
    mItems.clear();
    mEditItem = -1;
    unselectToTop(bUpdateGUI);
    return true;
}

void PropertyList::SelectItem(int Index)
{
    if (!mItems.contains(Index))
        return;
    // The bar may lag behind silent additions; it must reach the item before scrolling to it.
    syncScrollBar();
    const int rows = visibleRows();
    mSelected = Index;
    if (Index < mTop)
        mScrollBars->SetValue(kVertical, Index);
    else if (Index >= mTop + rows)
        mScrollBars->SetValue(kVertical, Index - rows + 1);
    refresh();
}

QString PropertyList::ItemValue(int Index) const
{
    return mItems.contains(Index) ? mItems.at(Index).value : QString();
}

void PropertyList::SetItemValue(int Index, const QString &sValue)
{
    if (!mItems.contains(Index))
        return;
    mItems.setValue(Index, sValue);
    if (Index == mEditItem)
        showInEditBox(sValue);
    if (rowOf(Index) >= 0)
        mPicControl->viewport()->update();
}

QString PropertyList::ItemValueByTagId(qint32 lTagId) const
{
    return ItemValue(mItems.findTag(lTagId));
}

void PropertyList::SetItemValueByTagId(qint32 lTagId, const QString &sValue)
{
    SetItemValue(mItems.findTag(lTagId), sValue);
}

EPropItemType PropertyList::ItemType(int Index) const
{
    return mItems.contains(Index) ? mItems.at(Index).kind : E_ITEM_NONE;
}

EPropItemType PropertyList::ItemTypeByTagId(qint32 lTagId) const
{
    return ItemType(mItems.findTag(lTagId));
}

QAbstractScrollArea *PropertyList::picControl() const
{
    return mPicControl;
}

QLineEdit *PropertyList::txtItem() const
{
    return mTxtItem;
}

QPushButton *PropertyList::cmdItem() const
{
    return mCmdItem;
}

QSize PropertyList::sizeHint() const
{
    return QSize(260, 220);
}

void PropertyList::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawShadePanel(&painter, rect(), palette(), false, 1);
}

void PropertyList::resizeEvent(QResizeEvent *)
{
    QRect list = mPicControl->geometry();
    if (height() > 2 * kInset)
        list.setHeight(height() - 2 * kInset);
    if (width() > 2 * kInset)
        list.setWidth(width() - 2 * kInset);
    mPicControl->setGeometry(list);
    update();
}

void PropertyList::mouseMoveEvent(QMouseEvent *event)
{
    emitMouseMove(event, QPoint());
}

void PropertyList::setUpScrollBars()
{
    mScrollBars->Create(mPicControl);
    mScrollBars->SetValue(kHorizontal, 0);
    mScrollBars->SetVisible(kHorizontal, false);
    mScrollBars->SetMin(kVertical, 0);
    mScrollBars->SetMax(kVertical, 3);
    mScrollBars->SetSmallChange(kVertical, 1);
    mScrollBars->SetLargeChange(kVertical, 1);
    mScrollBars->SetValue(kVertical, 0);
    mScrollBars->SetVisible(kVertical, true);
    mScrollBars->SetStyle(0);
    mScrollBars->SetEnabled(kVertical, false);
}

void PropertyList::connectParts()
{
    connect(mScrollBars, &cScrollBars::Change, this, &PropertyList::onScrollChange);
    connect(mScrollBars, &cScrollBars::Scroll, this, &PropertyList::onScrollChange);
    connect(mPicControl, &ListSurface::painting, this, &PropertyList::paintList);
    connect(mPicControl, &ListSurface::resized, this, &PropertyList::refresh);
    connect(mPicControl, &ListSurface::mouseReleased, this, &PropertyList::onListMouseReleased);
    connect(mPicControl, &ListSurface::keyPressed, this, &PropertyList::onListKey);
    connect(mPicControl, &ListSurface::mouseMoved, this,
            [this](QMouseEvent *event) { emitMouseMove(event, mPicControl->pos()); });
    connect(mTxtItem, &ItemEditBox::focusGained, this, &PropertyList::onEditFocusGained);
    connect(mTxtItem, &ItemEditBox::focusLost, this, &PropertyList::onEditFocusLost);
    connect(mTxtItem, &ItemEditBox::escapePressed, this, &PropertyList::onEditEscape);
    connect(mTxtItem, &ItemEditBox::enterPressed, this,
            [this] { mPicControl->setFocus(Qt::OtherFocusReason); });
    connect(mCmdItem, &QPushButton::clicked, this, &PropertyList::onMoreClicked);
}

void PropertyList::unselectToTop(bool bUpdateGUI)
{
    mSelected = -1;
    mTop = 0;
    // The bar moves with the rows, so the next scroll starts from the top too.
    mScrollBars->SetValue(kVertical, 0);
    bUpdateGUI ? refresh() : placeEditors();
}

int PropertyList::listWidth() const
{
    return mPicControl->viewport()->width();
}

int PropertyList::visibleRows() const
{
    return PropListGeometry::visibleRows(mPicControl->viewport()->height());
}

int PropertyList::rowOf(int index) const
{
    const bool visible = mItems.contains(index) && index >= mTop && index < mTop + visibleRows();
    return visible ? index - mTop : -1;
}

void PropertyList::refresh()
{
    syncScrollBar();
    repaintList();
}

void PropertyList::syncScrollBar()
{
    const int rows = visibleRows();
    if (rows < 1)
        return;
    const int count = mItems.count();
    if (rows < count) {
        mScrollBars->SetEnabled(kVertical, true);
        const int largestTop = count - rows;
        // Value before range: the wrapper only reports moves it makes itself.
        if (mScrollBars->Value(kVertical) > largestTop)
            mScrollBars->SetValue(kVertical, largestTop);
        mScrollBars->SetMax(kVertical, largestTop);
    } else {
        mScrollBars->SetEnabled(kVertical, false);
        mScrollBars->SetValue(kVertical, 0);
        mTop = 0;
    }
}

void PropertyList::placeEditors()
{
    const bool editable = ItemType(mSelected) == E_ITEM_TEXT && rowOf(mSelected) >= 0;
    const int wanted = editable ? mSelected : -1;
    // Leaving the edit box commits the text to the item it belongs to before the box moves on.
    if (mTxtItem->hasFocus() && (wanted < 0 || wanted != mEditItem))
        mPicControl->setFocus(Qt::OtherFocusReason);
    placeEditBox(editable ? rowOf(mSelected) : -1);
    placeButton(ItemType(mSelected) == E_ITEM_MORE ? rowOf(mSelected) : -1);
}

void PropertyList::placeEditBox(int row)
{
    const int item = row < 0 ? -1 : mSelected;
    if (item != mEditItem) {
        mEditItem = item;
        if (item >= 0)
            showInEditBox(mItems.at(item).value);
    }
    if (row < 0) {
        mTxtItem->hide();
        return;
    }
    mTxtItem->setGeometry(editBoxRect(row, splitX(listWidth()), listWidth()));
    mTxtItem->show();
}

void PropertyList::showInEditBox(const QString &text)
{
    mTxtItem->setText(text);
    mTxtItem->setCursorPosition(0);
}

void PropertyList::placeButton(int row)
{
    if (row < 0) {
        mCmdItem->hide();
        return;
    }
    mCmdItem->setGeometry(buttonRect(row, listWidth()));
    mCmdItem->show();
}

void PropertyList::repaintList()
{
    placeEditors();
    mPicControl->viewport()->update();
}

void PropertyList::paintList(QPainter *painter)
{
    // A paint after silent additions still shows a bar that matches the rows.
    syncScrollBar();
    const int rows = visibleRows();
    if (rows < 1)
        return;
    const int count = mItems.count();
    const int drawn = std::min({count, rows, count - mTop});
    const int splitBottom =
        count - mTop > rows ? mPicControl->viewport()->height() : kRowPitch * (count - mTop);
    PropListPainter rowPainter(*painter, palette(), mPicControl->viewport()->size());
    rowPainter.drawGrid(drawn, splitBottom);
    for (int row = 0; row < drawn; ++row)
        rowPainter.drawRow(row, mItems.at(mTop + row), mTop + row == mSelected);
}

void PropertyList::onScrollChange(int eBar)
{
    if (eBar != kVertical)
        return;
    mTop = mScrollBars->Value(kVertical);
    repaintList();
}

void PropertyList::onListMouseReleased(QMouseEvent *event)
{
    SelectItem(mTop + rowAtY(event->position().toPoint().y()));
}

void PropertyList::onListKey(QKeyEvent *event)
{
    if (handleNavigationKey(event) || handleTypedStart(event))
        event->accept();
}

bool PropertyList::handleNavigationKey(const QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        SelectItem(mSelected < 0 ? 0 : mSelected - 1);
        return true;
    case Qt::Key_Down:
    case Qt::Key_Right:
        SelectItem(mSelected < 0 ? 0 : mSelected + 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateSelected();
        return true;
    default:
        return false;
    }
}

bool PropertyList::handleTypedStart(const QKeyEvent *event)
{
    if (!startsTypedEdit(event->text()) || ItemType(mSelected) != E_ITEM_TEXT)
        return false;
    // A selected row scrolled out of view gets its edit box back before typing into it.
    SelectItem(mSelected);
    mTxtItem->setText(event->text());
    mTxtItem->setCursorPosition(static_cast<int>(event->text().size()));
    mTypedStart = true;
    mTxtItem->setFocus(Qt::OtherFocusReason);
    return true;
}

void PropertyList::activateSelected()
{
    const EPropItemType kind = ItemType(mSelected);
    if (kind == E_ITEM_MORE) {
        emit MoreItemClick(mItems.at(mSelected).tag);
    } else if (kind == E_ITEM_TEXT) {
        SelectItem(mSelected);
        mTypedStart = false;
        mTxtItem->setFocus(Qt::OtherFocusReason);
    }
}

void PropertyList::onEditFocusGained()
{
    if (mTypedStart)
        mTypedStart = false;
    else
        mTxtItem->selectAll();
    mEditCancelled = false;
}

void PropertyList::onEditFocusLost()
{
    const int item = mEditItem;
    if (mEditCancelled || !mItems.contains(item))
        return;
    bool cancel = false;
    emit TextItemChanged(mItems.at(item).tag, mTxtItem->text(), &cancel);
    // The handler may have changed the list; the edit only applies to an item still there.
    if (item != mEditItem)
        return;
    if (cancel)
        showInEditBox(mItems.at(item).value);
    else
        SetItemValue(item, mTxtItem->text());
}

void PropertyList::onEditEscape()
{
    mEditCancelled = true;
    mPicControl->setFocus(Qt::OtherFocusReason);
    if (mItems.contains(mEditItem))
        showInEditBox(mItems.at(mEditItem).value);
}

void PropertyList::onMoreClicked()
{
    mPicControl->setFocus(Qt::OtherFocusReason);
    if (mItems.contains(mSelected))
        emit MoreItemClick(mItems.at(mSelected).tag);
}

void PropertyList::emitMouseMove(const QMouseEvent *event, QPoint offset)
{
    const QPointF position = event->position() + offset;
    emit MouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()),
                   static_cast<float>(position.x()), static_cast<float>(position.y()));
}
