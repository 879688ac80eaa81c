#pragma once

#include "platform/AssistantPort.h"
#include "shell/WizardForm.h"

class QWidget;

namespace areamaker {

// The new image map assistant as a Qt window, modal over its owner.
class QtAssistant : public AssistantPort
{
public:
    QtAssistant(const WizardForm::Parts &parts, QWidget *owner) : mParts(parts), mOwner(owner) {}

    // The step is the shell's AssistantMode, which the caller has set.
    void showAssistant(int step) override;

private:
    WizardForm::Parts mParts;
    QWidget *mOwner;
};

} // namespace areamaker
