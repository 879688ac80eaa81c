#include "adapters/QtMessageBox.h"

#include <QMessageBox>
#include <QPushButton>

#include <utility>
#include <vector>

namespace areamaker {

namespace {

// The mnemonics answer the box with the letter alone, as the usual French buttons do.
using Choice = std::pair<MessageAnswer, const char *>;

std::vector<Choice> choicesOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok:
        return {{MessageAnswer::Ok, "OK"}};
    case MessageButtons::OkCancel:
        return {{MessageAnswer::Ok, "OK"}, {MessageAnswer::Cancel, "&Annuler"}};
    case MessageButtons::YesNo:
        return {{MessageAnswer::Yes, "&Oui"}, {MessageAnswer::No, "&Non"}};
    case MessageButtons::YesNoCancel:
        return {{MessageAnswer::Yes, "&Oui"},
                {MessageAnswer::No, "&Non"},
                {MessageAnswer::Cancel, "&Annuler"}};
    case MessageButtons::RetryCancel:
        return {{MessageAnswer::Retry, "&Réessayer"}, {MessageAnswer::Cancel, "&Annuler"}};
    }
    return {{MessageAnswer::Ok, "OK"}};
}

QMessageBox::Icon iconOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return QMessageBox::YesRole;
    case MessageAnswer::No:
        return QMessageBox::NoRole;
    case MessageAnswer::Cancel:
        return QMessageBox::RejectRole;
    default:
        return QMessageBox::AcceptRole;
    }
}

} // namespace

MessageAnswer QtMessageBox::show(const MessageRequest &request)
{
    QMessageBox box(iconOf(request.icon), QString::fromStdString(request.title),
                    QString::fromStdString(request.text), QMessageBox::NoButton, mOwner);
    const std::vector<Choice> choices = choicesOf(request.buttons);
    std::vector<QPushButton *> buttons;
    for (const auto &[answer, text] : choices)
        buttons.push_back(box.addButton(QString::fromUtf8(text), roleOf(answer)));
    const auto preferred = static_cast<std::size_t>(request.defaultButton);
    if (preferred < buttons.size())
        box.setDefaultButton(buttons[preferred]);
    // Closing the box is the last button's answer: Cancel, No or OK.
    box.setEscapeButton(buttons.back());
    box.exec();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i])
            return choices[i].first;
    }
    return choices.back().first;
}

} // namespace areamaker
