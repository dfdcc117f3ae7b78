// The clipboard in two forms.
#include "gui/common/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void PutTextAndPicture(const QString& text, const QImage& picture)
{
    auto* data = new QMimeData;
    data->setText(text);
    if (!picture.isNull())
        data->setImageData(picture);
    QGuiApplication::clipboard()->setMimeData(data);
}
