#include "dialogs/LinkFieldBoxes.h"

#include "dialogs/SelectAllOnFocus.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace areamaker {

namespace {

QString qt(const std::string &text)
{
    return QString::fromStdString(text);
}

QLabel *labelFor(QWidget *box, const char *text)
{
    auto *label = new QLabel(QString::fromUtf8(text));
    label->setBuddy(box);
    return label;
}

} // namespace

LinkFieldBoxes::LinkFieldBoxes(LinkFieldsForm &form, QWidget *dialog)
    : QObject(dialog), mForm(form), mSelectAll(new SelectAllOnFocus(this))
{
}

QLineEdit *LinkFieldBoxes::addLine(QBoxLayout *layout, int field, const char *label,
                                   const char *name, QPushButton **more)
{
    auto *line = new QLineEdit(qt(mForm.field(field)));
    line->setObjectName(QString::fromUtf8(name));
    line->installEventFilter(mSelectAll);
    connect(line, &QLineEdit::textEdited, this, [this, field, line](const QString &text) {
        edited(field, text, line->cursorPosition());
    });
    mBoxes[field] = line;
    layout->addWidget(labelFor(line, label));
    if (!more) {
        layout->addWidget(line);
        return line;
    }
    auto *row = new QHBoxLayout;
    row->addWidget(line, 1);
    *more = new QPushButton(QStringLiteral("..."));
    (*more)->setFixedWidth(28);
    // Return in any box means OK, even after Tab went through this button.
    (*more)->setAutoDefault(false);
    row->addWidget(*more);
    layout->addLayout(row);
    return line;
}

QWidget *LinkFieldBoxes::scriptPage(const char *name)
{
    auto *page = new QWidget;
    page->setObjectName(QString::fromUtf8(name));
    auto *layout = new QVBoxLayout(page);
    addScriptBox(layout, AttrOnClick, 1, "Événement Javascript onClic&k :");
    addScriptBox(layout, AttrOnMouseOver, 2, "Évén&ement Javascript onMouseOver :");
    addScriptBox(layout, AttrOnMouseOut, 3, "Évenement &Javascript onMouseOut :");
    layout->addStretch(1);
    return page;
}

QComboBox *LinkFieldBoxes::addScriptBox(QBoxLayout *layout, int field, int number,
                                        const char *label)
{
    auto *combo = new QComboBox;
    combo->setObjectName(QStringLiteral("cboEvent%1").arg(number));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    for (const char *snippet : DialogTextRules::ScriptSnippets)
        combo->addItem(QString::fromUtf8(snippet));
    combo->setEditText(qt(mForm.field(field)));
    combo->lineEdit()->installEventFilter(mSelectAll);
    QLineEdit *line = combo->lineEdit();
    connect(line, &QLineEdit::textEdited, this, [this, field, line](const QString &text) {
        edited(field, text, line->cursorPosition());
    });
    connect(combo, &QComboBox::textActivated, this, [this, field](const QString &text) {
        edited(field, text, static_cast<int>(text.size()));
    });
    mBoxes[field] = combo;
    // Beside each box, a "..." that has never done anything stays hidden.
    auto *unused = new QPushButton(QStringLiteral("..."));
    unused->setAutoDefault(false);
    unused->setObjectName(QStringLiteral("cmdEvent%1").arg(number));
    unused->hide();
    layout->addWidget(labelFor(combo, label));
    auto *row = new QHBoxLayout;
    row->addWidget(combo, 1);
    row->addWidget(unused);
    layout->addLayout(row);
    return combo;
}

void LinkFieldBoxes::edited(int field, const QString &text, int caret)
{
    apply(mForm.edited(field, text.toStdString(), caret));
}

QLineEdit *LinkFieldBoxes::lineOf(int field) const
{
    QWidget *widget = box(field);
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        return combo->lineEdit();
    return qobject_cast<QLineEdit *>(widget);
}

void LinkFieldBoxes::apply(const std::vector<FieldUpdate> &updates)
{
    for (const FieldUpdate &update : updates) {
        QLineEdit *line = lineOf(update.field);
        if (!line)
            continue;
        line->setText(qt(update.text));
        if (update.selectionStart >= 0)
            line->setSelection(update.selectionStart, update.selectionLength);
    }
}

QWidget *LinkFieldBoxes::box(int field) const
{
    const auto found = mBoxes.find(field);
    return found == mBoxes.end() ? nullptr : found->second;
}

} // namespace areamaker
