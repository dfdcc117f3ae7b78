// Offering, restoring and keeping the recovery copy of the pattern editor's and the level's work.
#include "app/workrecovery.h"

#include "app/windowset.h"
#include "common/errors.h"
#include "common/userdialogs.h"
#include "converter/converterrecovery.h"
#include "gui/common/controls.h"
#include "gui/converter/converterwindow.h"
#include "gui/level/levelwindow.h"
#include "gui/pattern/patternwindow.h"
#include "level/levelfile.h"
#include "pattern/fontfile.h"

#include <map>

QString RecoveryKindName(const QString& kind)
{
    if (kind == kPatternRecoveryKind)
        return QStringLiteral("Pattern-Editor und Font Datei");
    if (kind == kLevelRecoveryKind)
        return QStringLiteral("Level Editor");
    if (kind == kConverterRecoveryKind)
        return QStringLiteral("Grafikconverter (bemaltes Bild)");
    return kind;
}

WorkRecovery::WorkRecovery(WindowSet& windows, UserDialogs& dialogs, const QString& dataFolder)
    : mWindows(windows), mDialogs(dialogs), mStore(dataFolder, CurrentProcess()),
      mWriter(mStore, [this](const QString& text) { mDialogs.message(text); })
{
    mWindows.followUnsavedWork([this] { patternChanged(); }, [this] { levelChanged(); }, [this] { converterChanged(); });
}

WorkRecovery::~WorkRecovery()
{
    mWindows.followUnsavedWork({}, {}, {});
}

void WorkRecovery::patternChanged()
{
    const PatternEditor& editor = mWindows.patternWindow()->editor();
    if (editor.bufferModified() || editor.history().documentModified())
        mWriter.changed(kPatternRecoveryKind, PatternRecoverySnapshot(editor));
    else
        mWriter.changed(kPatternRecoveryKind, std::nullopt);
}

void WorkRecovery::levelChanged()
{
    LevelWindow* level = mWindows.levelWindow();
    if (level->document().isModified())
        mWriter.changed(kLevelRecoveryKind, LevelRecoverySnapshot(level->document(), level->levelLabel()));
    else
        mWriter.changed(kLevelRecoveryKind, std::nullopt);
}

void WorkRecovery::converterChanged()
{
    const GraphicsConverter& converter = mWindows.converterWindow()->converter();
    if (converter.pictureModified())
        // Taken when the copy is written: a snapshot per painted pixel would copy the whole picture.
        mWriter.changedLater(kConverterRecoveryKind, [&converter] { return ConverterRecoverySnapshot(converter); });
    else
        mWriter.changed(kConverterRecoveryKind, std::nullopt);
}

void WorkRecovery::endCleanly()
{
    mWriter.endCleanly();
}

QString WorkRecovery::restore(const RecoveryPart& part, const QString& source)
{
    try {
        if (part.kind == kPatternRecoveryKind) {
            PatternWindow* pattern = mWindows.patternWindow();
            RestorePatternRecovery(pattern->editor(), part.bytes, source);
            pattern->refreshAll();
        } else if (part.kind == kLevelRecoveryKind) {
            LevelWindow* level = mWindows.levelWindow();
            level->LevelEditorOpen();
            level->restoreLevel(part.bytes, source);
        } else if (part.kind == kConverterRecoveryKind) {
            ConverterWindow* converter = mWindows.converterWindow();
            RestoreConverterRecovery(converter->converter(), part.bytes, source);
            ShowWindow(converter);
        }
        return QString();
    } catch (const TavrelError& error) {
        return QStringLiteral("%1 konnte nicht wiederhergestellt werden: %2").arg(RecoveryKindName(part.kind), error.message());
    }
}

void WorkRecovery::offerLeftWork()
{
    std::vector<LeftCopy> left = mStore.takeLeftCopies();
    if (left.empty())
        return;
    // The newest part of each kind, should several programs have left copies.
    std::map<QString, std::pair<RecoveryPart, QString>> newest;
    for (const LeftCopy& copy : left) {
        if (!copy.copy)
            continue;
        for (const RecoveryPart& part : copy.copy->parts) {
            auto found = newest.find(part.kind);
            if (found == newest.end() || found->second.first.changed < part.changed)
                newest[part.kind] = {part, copy.fileName};
        }
    }
    if (newest.empty()) {
        mDialogs.message(QStringLiteral("Es liegen Wiederherstellungskopien vor, die beschädigt sind; sie können nicht "
                                        "wiederhergestellt werden und werden gelöscht."));
        mStore.removeTakenCopies();
        return;
    }
    const UserDialogs::RecoverAnswer answer = mDialogs.askRecover(RecoveryQuestion(left, RecoveryKindName));
    if (answer == UserDialogs::RecoverAnswer::Later)
        return;
    if (answer == UserDialogs::RecoverAnswer::Discard) {
        mStore.removeTakenCopies();
        return;
    }
    QStringList failures;
    for (const auto& [kind, entry] : newest)
        if (const QString failure = restore(entry.first, entry.second); !failure.isEmpty())
            failures << failure;
    // What came back is in this process's copy before the old copies go.
    patternChanged();
    levelChanged();
    converterChanged();
    mWriter.flush();
    mStore.removeTakenCopies();
    if (!failures.isEmpty())
        mDialogs.error(failures.join(QStringLiteral("\n\n")));
}
