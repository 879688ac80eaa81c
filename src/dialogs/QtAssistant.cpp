#include "dialogs/QtAssistant.h"

#include "dialogs/WizardDialog.h"

namespace areamaker {

void QtAssistant::showAssistant(int)
{
    WizardForm form(mParts);
    WizardDialog dialog(form, mOwner);
    dialog.exec();
}

} // namespace areamaker
