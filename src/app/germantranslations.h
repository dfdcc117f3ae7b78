// Qt's own German texts for the standard dialogs (file dialogs, message box buttons).
#pragma once

// Installs the German translations of Qt's own texts for the whole application; false when the
// translation file is not installed (the dialogs then speak English).
bool InstallGermanQtTranslations();
