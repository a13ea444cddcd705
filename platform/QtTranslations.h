#pragma once

class QCoreApplication;

// Qt's own dialogs and standard buttons ("Open", "Cancel", "Yes") are English unless Qt's
// translations are installed into the application, whatever the machine's locale says.
namespace QtTranslations {

// Loads Qt's Japanese translations (Debian: qt6-translations-l10n) into `app`. False when they
// are not installed: Qt's texts then stay English and nothing else changes.
bool installJapanese(QCoreApplication &app);

} // namespace QtTranslations
