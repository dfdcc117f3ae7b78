// Creation and linking of the window set.
#include "app/windowset.h"

#include "app/closequestion.h"

#include "gui/common/codewindow.h"
#include "gui/common/controls.h"
#include "gui/common/screenplacement.h"
#include "gui/converter/converterwindow.h"
#include "disk/levelgamefiles.h"
#include "gui/level/levelwindow.h"
#include "level/leveldocument.h"
#include "gui/level/levelbyteview.h"
#include "gui/palette/palettewindow.h"
#include "gui/pattern/patternwindow.h"
#include "gui/sound/soundwindow.h"
#include "gui/splitter/splitterwindow.h"

#include "app/commandline.h"

#include <QAbstractButton>
#include <QCoreApplication>

WindowSet::WindowSet(UserDialogs& dialogs, DesktopOpener& opener, const ToolFolder& folder)
{
    // "Über Tavrel" tells it.
    QCoreApplication::setApplicationVersion(ProgramVersion());
    mLevelGameFiles = std::make_unique<LevelGameFiles>(folder);
    mPattern = std::make_unique<PatternWindow>(dialogs, folder.shipped());
    mPalette = std::make_unique<PaletteWindow>(dialogs);
    const auto requestColor = [color = mPalette.get()](const PaletteRequest& request) { color->request(request); };
    mLevel = std::make_unique<LevelWindow>(dialogs, mPattern->editor().store(), mPattern->editor().registers(),
                                      LevelWindow::Collaborators{*mLevelGameFiles, opener, requestColor,
                                                              [this] { ShowWindow(mLevelBytes.get()); }});
    mLevelBytes = std::make_unique<LevelByteView>(dialogs);
    mCode = std::make_unique<CodeWindow>(dialogs);
    mConverter = std::make_unique<ConverterWindow>(dialogs);
    mSound = std::make_unique<SoundWindow>(dialogs);
    mSplitter = std::make_unique<SplitterWindow>(dialogs);
    // Closing the main window ends the program, whichever other windows are open (the close question
    // has asked for all their work by then).
    for (QWidget* other : std::initializer_list<QWidget*>{mPalette.get(), mLevel.get(), mLevelBytes.get(), mCode.get(),
                                                          mConverter.get(), mSound.get(), mSplitter.get()})
        other->setAttribute(Qt::WA_QuitOnClose, false);

    // Whatever the window manager makes of the placement, every window stays whole on the screen.
    // (The members, not windows(), which would build every window's controls now.)
    for (QWidget* window : std::initializer_list<QWidget*>{mPattern.get(), mPalette.get(), mLevel.get(), mLevelBytes.get(),
                                                           mCode.get(), mConverter.get(), mSound.get(), mSplitter.get()})
        KeepFrameOnScreen(window);

    PatternWindow::Links links;
    links.code = mCode.get();
    // The level editor's "Beenden" closes the main window, which ends the program.
    mLevel->setQuitProgram([main = mPattern.get()] { main->close(); });
    links.openLevelEditor = [map = mLevel.get()] { map->LevelEditorOpen(); };
    links.showGrafikconverter = [window = mConverter.get()] { ShowWindow(window); };
    links.showSoundconverter = [window = mSound.get()] { ShowWindow(window); };
    links.showSplitter = [window = mSplitter.get()] { ShowWindow(window); };
    links.requestColor = requestColor;
    mPattern->setLinks(links);
    mLevelBytes->setSources(mLevel->document(), mLevel->picture().pixels());

    ConverterWindow::Links converterLinks;
    converterLinks.requestColor = requestColor;
    mConverter->setLinks(converterLinks);

    askBeforeUnsavedWorkIsLost(dialogs);
}

void WindowSet::askBeforeUnsavedWorkIsLost(UserDialogs& dialogs)
{
    // Each kind is saved by pressing its window's own save button, so its dialogs, messages and
    // error guard are those the user knows. The painted pattern goes into its set before the file is saved.
    const auto press = [](QWidget* window, const char* name) {
        if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(name)))
            button->click();
    };
    std::vector<UnsavedWork> work = mPattern->unsavedWork();
    for (UnsavedWork& level : mLevel->unsavedWork())
        work.push_back(std::move(level));
    work.push_back({QStringLiteral("Grafikconverter: Bild bemalt"), [this] { return mConverter->converter().pictureModified(); },
                    [this, press] { press(converterWindow(), "Button5"); }});
    new CloseQuestion(mPattern.get(), dialogs, std::move(work));
}

void WindowSet::followUnsavedWork(std::function<void()> pattern, std::function<void()> level, std::function<void()> converter)
{
    mPattern->setWorkChanged(pattern);
    mLevel->setWorkChanged(level);
    QObject::disconnect(mLevelWork);
    QObject::disconnect(mConverterWork);
    // Every change of the level, also from the byte view, which is no part of the level window.
    if (level)
        mLevelWork = QObject::connect(&mLevel->document(), &LevelDocument::changed, mLevel.get(), [level] { level(); });
    if (converter)
        mConverterWork = QObject::connect(&mConverter->converter(), &GraphicsConverter::workChanged, mConverter.get(),
                                          [converter] { converter(); });
}

WindowSet::~WindowSet() = default;

namespace {

template <class W>
W* Built(const std::unique_ptr<W>& window)
{
    window->ensureControls();
    return window.get();
}

} // namespace

PaletteWindow* WindowSet::paletteWindow() const { return Built(mPalette); }
LevelWindow* WindowSet::levelWindow() const { return Built(mLevel); }
LevelByteView* WindowSet::levelByteView() const { return Built(mLevelBytes); }
CodeWindow* WindowSet::codeWindow() const { return Built(mCode); }
ConverterWindow* WindowSet::converterWindow() const { return Built(mConverter); }
SoundWindow* WindowSet::soundWindow() const { return Built(mSound); }
SplitterWindow* WindowSet::splitterWindow() const { return Built(mSplitter); }

QList<QWidget*> WindowSet::windows() const
{
    return {mPattern.get(), paletteWindow(), levelWindow(), levelByteView(), codeWindow(), converterWindow(), soundWindow(), splitterWindow()};
}

void WindowSet::showMain()
{
    // Centred; on a screen too small for it, as large as fits.
    FitWindowOnScreen(mPattern.get(), mPattern->size());
    mPattern->show();
}
