// Putting data on the system clipboard in more than one form at once.
#pragma once

#include <QImage>
#include <QString>

// The text and a picture of the same data: a text field takes the text, a painting program the picture.
void PutTextAndPicture(const QString& text, const QImage& picture);
