// The file splitter window.
#include "splitter/ui/splitter.h"

TFormsplitter::TFormsplitter(UserDialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), mDialogs(dialogs)
{
    setObjectName(QStringLiteral("Formsplitter"));
    setWindowTitle(QStringLiteral("Datei Splitter"));
    resize(600, 400);
}
