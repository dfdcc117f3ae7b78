// The sound converter window.
#include "sound/ui/Soundconverter.h"

TFormSoundconverter::TFormSoundconverter(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("FormSoundconverter"));
    setWindowTitle(QStringLiteral("Zwerbel Soundconverter "));
    resize(1000, 760);
}
