#pragma once

#include "platform/MessageBoxPort.h"

class QWidget;

namespace areamaker {

// Modal message boxes with French button texts whatever the system's language.
class QtMessageBox : public MessageBoxPort
{
public:
    explicit QtMessageBox(QWidget *owner = nullptr) : mOwner(owner) {}
    void setOwner(QWidget *owner) { mOwner = owner; }
    MessageAnswer show(const MessageRequest &request) override;

private:
    QWidget *mOwner;
};

} // namespace areamaker
