// The German texts of the 64 level elements.
#include "level/elementdescriptions.h"

#include <array>

namespace {

// One text per range of pattern numbers that share it.
struct Range {
    int first;
    int last;
    const char16_t* text;
};

constexpr std::array kRanges = {
    Range{0, 0, u"Zweite Ebene: Parallax Scrolling => TOD"},
    Range{1, 1, u"Normale Bodenplatte: zum normalen laufen"},
    Range{2, 2, u"Bodenplatte mit Kies: werden von Monstern nicht betreten => Normale Bodenplatte"},
    Range{3, 6, u"Mauer: versperrt den Weg"},
    Range{7, 7, u"Tür Waagerecht: braucht gleichfarbigeb Schlüssel => Normale Bodenplatte"},
    Range{8, 8, u"Tür Senkrecht: braucht gleichfarbigeb Schlüssel => Normale Bodenplatte"},
    Range{9, 9, u"Schlüssel: Schliesst gleichfarbige Türen auf => Normale Bodenplatte"},
    Range{10, 16, u"Süßigkeit: Muss eingesammelt werden => Normale Bodenplatte"},
    Range{17, 17, u"Zielfahne: Beendet den Level erfolgreich, wenn man alle Süßigkeiten gesammelt hat"},
    Range{18, 18, u"Feuer: Mit Feuerlöscher => Normale Bodenplatte / Ohne Feuerlöscher => TOD"},
    Range{19, 19, u"Teleporter => Springt zum nächsten Teleporter der gleichen Farbe"},
    Range{20, 20, u"Stern: Bringt Punkte, muss nicht gesammelt werden => Normale Bodenplatte"},
    Range{21, 21, u"Wasser: Mit Rettungsring => Kann betreten werden / Ohne Rettungsring => TOD"},
    Range{22, 22, u"Süssigkeit-Rohmasse => Braucht Stein um ein Bonbon zu werden"},
    Range{23, 23, u"Beweglicher Detonator => Sprtengt 3x3 Pattern frei mit Fernzünder! "},
    Range{24, 24, u"Fernzünder => Löst einen farblich passenden Detonator aus. "},
    Range{25, 25, u"Rettungsring: Damit kann Wasser betreten werden => Normale Bodenplatte"},
    Range{26, 26, u"Spikes: Damit kann Eis betreten werden => Normale Bodenplatte"},
    Range{27, 27, u"Feuerlöscher: Damit können Feuerfelder betreten werden => Normale Bodenplatte"},
    Range{28, 28, u"Schalter Stellung AUS: Schaltet ein Feld ein => Schalter Stellung EIN"},
    Range{29, 29, u"Schalter Stellung EIN: Schaltet ein Feld aus => Schalter Stellung AUS"},
    Range{30, 30, u"Nicht bewegliches Monster => TOD (oder mit Stein töten)"},
    Range{31, 31, u"Nicht bewegliches Monster => TOD(oder mit Stein töten)"},
    Range{32, 38, u"Eisfläche: Ohne Spikes Rutschen gemäß Richtung / Mit Spkes: Normales Laufen"},
    Range{39, 39, u"Lavafeld: Auf jeden Fall ein Garant für knusprigen Frosch => TOD"},
    Range{40, 43, u"Magische Richtungspfeile: Frosch muss in die Richtung gehen"},
    Range{44, 44, u"Startpunkt für Oxil: NUR EINMAL SETZEN"},
    Range{45, 45, u"Mauer Stärke 3: Kann mit Stein weiter eingerissen werden => Mauer Stärke 2"},
    Range{46, 46, u"Mauer Stärke 2: Kann mit Stein weiter eingerissen werden => Mauer Stärke 1"},
    Range{47, 47, u"Mauer Stärke 1: Kann mit Stein weiter eingerissen werden => Normale Bodenplatte"},
    Range{48, 48, u"Stein: Mauern einreissen, Im Wasser Brücken bauen, Süssigkeiten bauen, Monster töten"},
    Range{49, 49, u"Stein liegt im Wasser und bildet so quasi eine normale Bodenplatte"},
    Range{50, 50, u"Schwebende Plattform: Kann überquert werden, wenn Sie groß ist, ansonsten: TOD"},
    Range{51, 51, u"Schutzanzug - schützt ein paar Sekunden vor den Monstern "},
    Range{52, 52, u"Bodenplatte mit Schatten: Ecke Oben Links"},
    Range{53, 53, u"Bodenplatte mit Schatten: Links"},
    Range{54, 54, u"Bodenplatte mit Schatten: Oben"},
    Range{55, 55, u"Bodenplatte mit Schatten: Links und Oben"},
    Range{56, 58, u"Eine im Schatten liegende Süßigkeit: muss gesammelt werden => Bodenplatte mit Schatten"},
    Range{59, 59, u"Bröselnde Bodenplatte Stärke 4: Kann noch 4 mal betreten werden => Brösende Bodenplatte Stärke 3"},
    Range{60, 60, u"Bröselnde Bodenplatte Stärke 3: Kann noch 3 mal betreten werden => Brösende Bodenplatte Stärke 2"},
    Range{61, 61, u"Bröselnde Bodenplatte Stärke 2: Kann noch 2 mal betreten werden => Brösende Bodenplatte Stärke 1"},
    Range{62, 62, u"Bröselnde Bodenplatte Stärke 1: Kann noch 1 mal betreten werden => Zweite Ebene Parallax Scrolling"},
    Range{63, 63, u"Zeitbonus => Addiert 10 Sekunden dazu  "},
};

} // namespace

QString ElementDescription(int pattern)
{
    const int p = pattern > 63 ? pattern - 64 : pattern;
    for (const Range& range : kRanges) {
        if (p >= range.first && p <= range.last)
            return QString::fromUtf16(range.text);
    }
    return QString();
}
