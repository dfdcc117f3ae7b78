// The eight windows of the program, created at start-up in a fixed order and linked to each other.
#pragma once

#include "common/toolfolder.h"

#include <QMetaObject>
#include <QString>
#include <functional>
#include <memory>

class DesktopOpener;
class LevelGameFiles;
class QWidget;
class CodeWindow;
class PaletteWindow;
class ConverterWindow;
class PatternWindow;
class LevelWindow;
class LevelByteView;
class SoundWindow;
class SplitterWindow;
class UserDialogs;

class WindowSet {
public:
    // folder is where the start-up files are looked up (the executable's folder, or the shipped files'
    // folder of an installed program).
    WindowSet(UserDialogs& dialogs, DesktopOpener& opener, const ToolFolder& folder);
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // All eight windows exist from the start; the seven besides the main window build their controls
    // when first shown. A caller that reaches for one of them here gets it with its controls built.
    PatternWindow* patternWindow() const { return mPattern.get(); }
    PaletteWindow* paletteWindow() const;
    LevelWindow* levelWindow() const;
    LevelByteView* levelByteView() const;
    CodeWindow* codeWindow() const;
    ConverterWindow* converterWindow() const;
    SoundWindow* soundWindow() const;
    SplitterWindow* splitterWindow() const;

    // In creation order, each with its controls built.
    QList<QWidget*> windows() const;

    // Shows the main window centred on the screen.
    void showMain();

    // What is unsaved may have changed: `pattern` runs after the pattern editor's changes, `level` after
    // the level's, `converter` after the converter's picture was painted, replaced or saved (the recovery
    // copy follows them). Empty functions end it.
    void followUnsavedWork(std::function<void()> pattern, std::function<void()> level, std::function<void()> converter);

private:
    // The level editor's game files; made before and gone after the windows.
    std::unique_ptr<LevelGameFiles> mLevelGameFiles;

    // Closing the main window asks first while work is unsaved.
    void askBeforeUnsavedWorkIsLost(UserDialogs& dialogs);

    QMetaObject::Connection mLevelWork;
    QMetaObject::Connection mConverterWork;
    std::unique_ptr<PatternWindow> mPattern;
    std::unique_ptr<PaletteWindow> mPalette;
    std::unique_ptr<LevelWindow> mLevel;
    std::unique_ptr<LevelByteView> mLevelBytes;
    std::unique_ptr<CodeWindow> mCode;
    std::unique_ptr<ConverterWindow> mConverter;
    std::unique_ptr<SoundWindow> mSound;
    std::unique_ptr<SplitterWindow> mSplitter;
};
