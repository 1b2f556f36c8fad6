#pragma once
// The language the windows speak.

#include <QString>

namespace zt {

// Loads the translations of `language` ("it") into the application: Qt's own
// texts (the buttons and labels of its dialogs, the menus of its text boxes).
// Returns false when Qt has none for that language; its texts then stay English.
bool loadTranslations(const QString& language);

} // namespace zt
