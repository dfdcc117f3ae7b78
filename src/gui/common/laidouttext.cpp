// The shared cache of laid-out captions: a window shows dozens of panels and cells with a few different
// texts ("$0E"), and laying each out anew on every paint cost a good part of a window's first paint.
#include "gui/common/laidouttext.h"

#include <QHash>
#include <QPair>
#include <QTransform>

const QStaticText& LaidOutText(const QString& text, const QFont& font)
{
    static QHash<QPair<QString, QString>, QStaticText> texts;
    if (texts.size() > 4096)
        texts.clear();
    // A font's key is made from all its properties, numbers written out: worked out again only for
    // another font than the last one (a table asks thousands of times with the same).
    static QFont lastFont;
    static QString lastFontKey = lastFont.key();
    if (!(font == lastFont)) {
        lastFont = font;
        lastFontKey = font.key();
    }
    const QPair<QString, QString> key(lastFontKey, text);
    auto it = texts.constFind(key);
    if (it == texts.constEnd()) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        it = texts.insert(key, laidOut);
    }
    return *it;
}
