#include "ListHarness.h"
#include "cScrollBars.h"

#include <QAbstractScrollArea>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// Text item 0 ("hello", tag 1), more item 1 (tag 2), then fixed items up to twelve rows.
class PropertyListInput : public ::testing::Test
{
protected:
    PropertyListInput()
    {
        list().AddItem(E_ITEM_TEXT, 1, "text", "hello", false);
        list().AddItem(E_ITEM_MORE, 2, "more", "m", false);
        for (int i = 2; i < 12; ++i)
            list().AddItem(E_ITEM_FIXED, 10 + i, "fixed", "f", i == 11);
    }

    PropertyList &list() { return mHarness.list(); }
    // Types into the list: the first character starts the edit, the others reach the editor.
    void type(const char *text)
    {
        QTest::keyClick(surface(), text[0]);
        QTest::keyClicks(editor(), text + 1);
    }
    QWidget *surface() { return list().picControl(); }
    QLineEdit *editor() { return list().txtItem(); }

    ListHarness mHarness{5};
    QSignalSpy mMore{&mHarness.list(), &PropertyList::MoreItemClick};
    QSignalSpy mChanged{&mHarness.list(), &PropertyList::TextItemChanged};
};

} // namespace

TEST_F(PropertyListInput, ArrowKeysMoveTheSelection)
{
    struct Case
    {
        int start;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int expected;
    };
    const Case cases[] = {
        {-1, Qt::Key_Down, {}, 0},
        {-1, Qt::Key_Up, {}, 0},
        {3, Qt::Key_Down, {}, 4},
        {3, Qt::Key_Right, {}, 4},
        {3, Qt::Key_Up, {}, 2},
        {3, Qt::Key_Left, {}, 2},
        {0, Qt::Key_Up, {}, 0},
        {11, Qt::Key_Down, {}, 11},
        {3, Qt::Key_Down, Qt::ShiftModifier, 3},
        {3, Qt::Key_Up, Qt::ControlModifier, 3},
    };
    for (const Case &c : cases) {
        list().ClearItem(false);
        for (int i = 0; i < 12; ++i)
            list().AddItem(E_ITEM_FIXED, i, "c", "v", i == 11);
        list().SelectItem(c.start);
        QTest::keyClick(surface(), c.key, c.modifiers);
        EXPECT_EQ(list().SelectedIndex(), c.expected) << "key " << c.key << " from " << c.start;
    }
    list().SelectItem(4);
    for (int i = 0; i < 6; ++i)
        QTest::keyClick(surface(), Qt::Key_Down);
    EXPECT_EQ(list().TopIndex(), 6) << "the keyboard scrolls the selection into view";
}

TEST_F(PropertyListInput, EnterOnAMoreItemAsksTheCaller)
{
    list().SelectItem(1);
    QTest::keyClick(surface(), Qt::Key_Return);
    list().SelectItem(3);
    QTest::keyClick(surface(), Qt::Key_Enter);
    ASSERT_EQ(mMore.count(), 1);
    EXPECT_EQ(mMore.at(0).at(0).toInt(), 2);
}

TEST_F(PropertyListInput, TheButtonAsksTheCallerAndGivesFocusBack)
{
    list().SelectItem(1);
    QTest::mouseClick(list().cmdItem(), Qt::LeftButton);
    ASSERT_EQ(mMore.count(), 1);
    EXPECT_EQ(mMore.at(0).at(0).toInt(), 2);
    EXPECT_TRUE(surface()->hasFocus());
}

TEST_F(PropertyListInput, EnterEditsTheWholeTextAndTypingReplacesIt)
{
    surface()->setFocus();
    list().SelectItem(0);
    QTest::keyClick(surface(), Qt::Key_Return);
    ASSERT_TRUE(editor()->hasFocus());
    EXPECT_EQ(editor()->selectedText(), "hello");

    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_TRUE(surface()->hasFocus()) << "Enter returns to the list";
    QTest::keyClick(surface(), Qt::Key_A);
    ASSERT_TRUE(editor()->hasFocus());
    EXPECT_EQ(editor()->text(), "a");
    EXPECT_EQ(editor()->cursorPosition(), 1);
    EXPECT_FALSE(editor()->hasSelectedText());
}

TEST_F(PropertyListInput, EveryPrintableCharacterStartsAnEditButSpace)
{
    struct Case
    {
        Qt::Key key;
        QString text;
        bool starts;
    };
    const Case cases[] = {
        {Qt::Key_Space, " ", false},
        {Qt::Key_BraceRight, "}", true},
        {Qt::Key_AsciiTilde, "~", true},
        {Qt::Key_Eacute, QString::fromUtf8("É"), true},
        {Qt::Key_Ccedilla, QString::fromUtf8("ç"), true},
        {Qt::Key_unknown, QString::fromUtf8("€"), true},
        {Qt::Key_unknown, QString::fromUtf8("\U0001F600"), true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        surface()->setFocus();
        list().SelectItem(0);
        QTest::sendKeyEvent(QTest::Click, surface(), c.key, c.text, Qt::NoModifier);
        EXPECT_EQ(editor()->hasFocus(), c.starts);
        if (c.starts) {
            EXPECT_EQ(editor()->text(), c.text);
            EXPECT_EQ(editor()->cursorPosition(), c.text.size());
        }
    }
    surface()->setFocus();
    list().SelectItem(3);
    QTest::keyClick(surface(), Qt::Key_B);
    EXPECT_FALSE(editor()->hasFocus()) << "a fixed item is not editable";
}

TEST_F(PropertyListInput, APopupMenuNeitherCommitsNorEndsTheEdit)
{
    surface()->setFocus();
    list().SelectItem(0);
    type("abc");
    editor()->setCursorPosition(1);
    QMenu menu;
    menu.addAction("x");
    menu.popup(QPoint(0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    menu.hide();
    EXPECT_EQ(mChanged.count(), 0);
    EXPECT_TRUE(editor()->hasFocus());
    EXPECT_FALSE(editor()->hasSelectedText()) << "the caret stays where it was";
    surface()->setFocus();
    EXPECT_EQ(mChanged.count(), 1);
}

TEST_F(PropertyListInput, LosingFocusCommitsTheText)
{
    surface()->setFocus();
    list().SelectItem(0);
    type("abc");
    surface()->setFocus();
    ASSERT_EQ(mChanged.count(), 1);
    EXPECT_EQ(mChanged.at(0).at(0).toInt(), 1);
    EXPECT_EQ(mChanged.at(0).at(1).toString(), "abc");
    EXPECT_EQ(list().ItemValue(0), "abc");
}

TEST_F(PropertyListInput, ClickingAnotherRowCommitsTheEditFirst)
{
    surface()->setFocus();
    list().SelectItem(0);
    type("typed");
    QTest::mouseClick(list().picControl()->viewport(), Qt::LeftButton, {}, QPoint(20, 16 * 3 + 8));
    EXPECT_EQ(list().SelectedIndex(), 3);
    ASSERT_EQ(mChanged.count(), 1);
    EXPECT_EQ(mChanged.at(0).at(0).toInt(), 1);
    EXPECT_EQ(list().ItemValue(0), "typed");
    EXPECT_FALSE(editor()->isVisible());
}

TEST_F(PropertyListInput, EscapeAndCancelKeepTheStoredValue)
{
    surface()->setFocus();
    list().SelectItem(0);
    type("xy");
    QTest::keyClick(editor(), Qt::Key_Escape);
    EXPECT_EQ(mChanged.count(), 0);
    EXPECT_TRUE(surface()->hasFocus());
    EXPECT_EQ(editor()->text(), "hello");

    QObject::connect(&list(), &PropertyList::TextItemChanged,
                     [](qint32, const QString &, bool *cancel) { *cancel = true; });
    type("zz");
    QTest::keyClick(editor(), Qt::Key_Return);
    EXPECT_EQ(mChanged.count(), 1);
    EXPECT_EQ(list().ItemValue(0), "hello");
    EXPECT_EQ(editor()->text(), "hello");
}

TEST_F(PropertyListInput, AnEditBelongsToItsItemWhenTheSelectionMovesAway)
{
    list().AddItem(E_ITEM_TEXT, 3, "other", "o", true, 1);
    surface()->setFocus();
    list().SelectItem(0);
    type("new");
    list().SelectItem(1);
    ASSERT_EQ(mChanged.count(), 1);
    EXPECT_EQ(mChanged.at(0).at(0).toInt(), 1);
    EXPECT_EQ(list().ItemValue(0), "new");
    EXPECT_EQ(list().ItemValue(1), "o");
    EXPECT_EQ(editor()->text(), "o");

    type("q");
    list().RemoveItem(1, true);
    EXPECT_EQ(mChanged.count(), 1) << "the edited item is gone; its text is dropped";
    EXPECT_FALSE(editor()->isVisible());
}

TEST_F(PropertyListInput, MouseReleaseSelectsTheRowUnderIt)
{
    struct Case
    {
        int top;
        int y;
        int expected;
    };
    const Case cases[] = {{0, 8, 0}, {0, 16, 0}, {0, 17, 1}, {0, 0, -1}, {3, 40, 5}, {3, 0, 2}};
    for (const Case &c : cases) {
        list().ClearItem(false);
        for (int i = 0; i < 12; ++i)
            list().AddItem(E_ITEM_FIXED, i, "c", "v", i == 11);
        list().gScrollBars()->SetValue(cScrollBars::efsVertical, c.top);
        QTest::mouseClick(list().picControl()->viewport(), Qt::LeftButton, {}, QPoint(30, c.y));
        EXPECT_EQ(list().SelectedIndex(), c.expected) << "y " << c.y << " top " << c.top;
    }
    EXPECT_EQ(list().TopIndex(), 2) << "the row above the view scrolls in";
}

TEST_F(PropertyListInput, MouseMovesAreReportedInControlPixels)
{
    QSignalSpy moves(&list(), &PropertyList::MouseMove);
    QTest::mouseMove(list().picControl()->viewport(), QPoint(10, 20));
    QMouseEvent press(QEvent::MouseMove, QPointF(2, 3), QPointF(2, 3), Qt::NoButton,
                      Qt::RightButton, Qt::ShiftModifier | Qt::AltModifier);
    QApplication::sendEvent(&list(), &press);
    ASSERT_GE(moves.count(), 2);
    const QList<QVariant> overList = moves.at(moves.count() - 2);
    EXPECT_FLOAT_EQ(overList.at(2).toFloat(), 14.0f);
    EXPECT_FLOAT_EQ(overList.at(3).toFloat(), 24.0f);
    const QList<QVariant> overFrame = moves.last();
    EXPECT_EQ(overFrame.at(0).toInt(), 2);
    EXPECT_EQ(overFrame.at(1).toInt(), 5);
    EXPECT_FLOAT_EQ(overFrame.at(2).toFloat(), 2.0f);
}
