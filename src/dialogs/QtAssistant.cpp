#include "dialogs/QtAssistant.h"

#include "dialogs/WizardDialog.h"

namespace areamaker {

void QtAssistant::showAssistant(int)
{
    WizardForm form(mParts);
    WizardDialog dialog(form, mOwner);
    // Modal to the main window only, so the help window its Aide button opens can be used.
    dialog.setWindowModality(Qt::WindowModal);
    dialog.exec();
}

} // namespace areamaker
