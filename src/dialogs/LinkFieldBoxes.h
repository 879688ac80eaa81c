#pragma once

#include "shell/LinkFieldsForm.h"

#include <QObject>

#include <map>

class QBoxLayout;
class QComboBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace areamaker {

// The text boxes of a properties dialog, each bound to a box of its form: every edit goes
// to the form, and what the form answers (completions, a title following, a selected quote)
// is shown. Every box selects its whole text when it gets the focus.
class LinkFieldBoxes : public QObject
{
    Q_OBJECT

public:
    LinkFieldBoxes(LinkFieldsForm &form, QWidget *dialog);

    // A labelled line box for the field, added to the layout; `more` adds a "..." button
    // beside it.
    QLineEdit *addLine(QBoxLayout *layout, int field, const char *label, const char *name,
                       QPushButton **more = nullptr);
    // The page of the three script events, with their ready-made snippets.
    QWidget *scriptPage(const char *name);
    void apply(const std::vector<FieldUpdate> &updates);
    QWidget *box(int field) const;

private:
    QComboBox *addScriptBox(QBoxLayout *layout, int field, int number, const char *label);
    void edited(int field, const QString &text, int caret);
    QLineEdit *lineOf(int field) const;

    LinkFieldsForm &mForm;
    std::map<int, QWidget *> mBoxes;
    QObject *mSelectAll;
};

} // namespace areamaker
