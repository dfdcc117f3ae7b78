// Texts laid out once per text and font, for controls that draw many short captions on every paint.
#pragma once

#include <QFont>
#include <QStaticText>
#include <QString>

// The text prepared for the font, from a cache shared by every control of the program (cleared when it
// grows past a few thousand texts). Plain text, no transform.
const QStaticText& LaidOutText(const QString& text, const QFont& font);
