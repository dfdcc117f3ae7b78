// Creation and linking of the window set.
#include "app/ui/windowset.h"

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
