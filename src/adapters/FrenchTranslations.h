#pragma once

namespace areamaker {

// Loads Qt's own French texts (file dialogs, standard buttons, the line edit's menu) into the
// application, whatever the system language; false when they are not installed.
bool installFrenchTranslations();

} // namespace areamaker
