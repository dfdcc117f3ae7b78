// Creation and linking of the window set.
#include "app/ui/windowset.h"

#include "app/ui/closequestion.h"

#include "common/ui/asmcode.h"
#include "common/ui/controls.h"
#include "converter/ui/Grafikconverter.h"
#include "disk/levelgamefiles.h"
#include "level/ui/map.h"
#include "level/ui/Mapdata.h"
#include "palette/ui/color.h"
#include "pattern/ui/main.h"
#include "sound/ui/Soundconverter.h"
#include "splitter/ui/splitter.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QScreen>

WindowSet::WindowSet(UserDialogs& dialogs, DesktopOpener& opener, const QString& programFolder)
{
    mLevelGameFiles = std::make_unique<LevelGameFiles>(programFolder);
    mMain = std::make_unique<TFormmain>(dialogs, programFolder);
    mColor = std::make_unique<TFormcolor>(dialogs);
    const auto requestColor = [color = mColor.get()](const PaletteRequest& request) { color->request(request); };
    mMap = std::make_unique<TFormmap>(dialogs, mMain->editor().store(), mMain->editor().registers(),
                                      TFormmap::Collaborators{*mLevelGameFiles, opener, requestColor,
                                                              [this] { ShowWindow(mMapData.get()); }});
    mMapData = std::make_unique<TFormMapData>(dialogs);
    mCode = std::make_unique<TFormCode>(dialogs);
    mGrafikconverter = std::make_unique<TFormgrafikconverter>(dialogs);
    mSoundconverter = std::make_unique<TFormSoundconverter>(dialogs);
    mSplitter = std::make_unique<TFormsplitter>(dialogs);

    TFormmain::Links links;
    links.code = mCode.get();
    links.openLevelEditor = [map = mMap.get()] { map->LevelEditorOpen(); };
    links.showGrafikconverter = [window = mGrafikconverter.get()] { ShowWindow(window); };
    links.showSoundconverter = [window = mSoundconverter.get()] { ShowWindow(window); };
    links.showSplitter = [window = mSplitter.get()] { ShowWindow(window); };
    links.requestColor = requestColor;
    mMain->setLinks(links);
    mMapData->setSources(mMap->document(), mMap->picture().pixels());

    TFormgrafikconverter::Links converterLinks;
    converterLinks.requestColor = requestColor;
    mGrafikconverter->setLinks(converterLinks);

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
    std::vector<UnsavedWork> work{
        {QStringLiteral("Pattern-Editor: gemalte Änderungen, noch nicht mit \"Speichern\" ins Pattern-Set übernommen"),
         [this] { return mMain->editor().bufferModified(); }, [this, press] { press(mMain.get(), "ButtonSpeichern"); }},
        {QStringLiteral("Font Datei: Pattern-Sets, Farben, Zeilenfarben oder Phasen geändert"),
         [this] { return mMain->editor().documentModified(); }, [this, press] { press(mMain.get(), "ButtonSaveFile"); }},
        {QStringLiteral("Level Editor: Level geändert"), [this] { return mMap->document().isModified(); },
         [this, press] { press(map(), "ButtonSaveFile"); }},
        {QStringLiteral("Grafikconverter: Bild bemalt"), [this] { return mGrafikconverter->converter().pictureModified(); },
         [this, press] { press(grafikconverter(), "Button5"); }},
    };
    new CloseQuestion(mMain.get(), dialogs, std::move(work));
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

TFormcolor* WindowSet::color() const { return Built(mColor); }
TFormmap* WindowSet::map() const { return Built(mMap); }
TFormMapData* WindowSet::mapData() const { return Built(mMapData); }
TFormCode* WindowSet::code() const { return Built(mCode); }
TFormgrafikconverter* WindowSet::grafikconverter() const { return Built(mGrafikconverter); }
TFormSoundconverter* WindowSet::soundconverter() const { return Built(mSoundconverter); }
TFormsplitter* WindowSet::splitter() const { return Built(mSplitter); }

QList<QWidget*> WindowSet::windows() const
{
    return {mMain.get(), color(), map(), mapData(), code(), grafikconverter(), soundconverter(), splitter()};
}

void WindowSet::showMain()
{
    CenterOnScreen(mMain.get());
    mMain->show();
}
