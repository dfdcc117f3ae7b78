// The eight windows of the program, created at start-up in a fixed order and linked to each other.
#pragma once

#include <QString>
#include <memory>

class DesktopOpener;
class LevelGameFiles;
class QWidget;
class TFormCode;
class TFormcolor;
class TFormgrafikconverter;
class TFormmain;
class TFormmap;
class TFormMapData;
class TFormSoundconverter;
class TFormsplitter;
class UserDialogs;

class WindowSet {
public:
    // programFolder is where the start-up files are looked up (the executable's folder).
    WindowSet(UserDialogs& dialogs, DesktopOpener& opener, const QString& programFolder);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // All eight windows exist from the start; the seven besides the main window build their controls
    // when first shown. A caller that reaches for one of them here gets it with its controls built.
    TFormmain* main() const { return mMain.get(); }
    TFormcolor* color() const;
    TFormmap* map() const;
    TFormMapData* mapData() const;
    TFormCode* code() const;
    TFormgrafikconverter* grafikconverter() const;
    TFormSoundconverter* soundconverter() const;
    TFormsplitter* splitter() const;

    // In creation order, each with its controls built.
    QList<QWidget*> windows() const;

    // Shows the main window centred on the screen.
    void showMain();

private:
    // The level editor's game files; made before and gone after the windows.
    std::unique_ptr<LevelGameFiles> mLevelGameFiles;
    std::unique_ptr<TFormmain> mMain;
    std::unique_ptr<TFormcolor> mColor;
    std::unique_ptr<TFormmap> mMap;
    std::unique_ptr<TFormMapData> mMapData;
    std::unique_ptr<TFormCode> mCode;
    std::unique_ptr<TFormgrafikconverter> mGrafikconverter;
    std::unique_ptr<TFormSoundconverter> mSoundconverter;
    std::unique_ptr<TFormsplitter> mSplitter;
};
