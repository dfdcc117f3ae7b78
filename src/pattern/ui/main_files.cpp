// The pattern editor window's file handlers: pattern files, the partial import and the code exports.
#include "pattern/ui/main.h"

#include "common/ui/asmcode.h"
#include "common/ui/controls.h"
#include "pattern/codeexport.h"
#include "pattern/fontfile.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>

namespace {

const QString kFontFilter = QStringLiteral("Tavrel Font Dateien für Atari 8Bit (*.fa8)|*.fa8|Alle Dateien (*.*)|*.*");

} // namespace

void TFormmain::connectFileHandlers()
{
    connectAct(ButtonLoadFile, &QPushButton::clicked, &TFormmain::ButtonLoadFileClick);
    connectAct(ButtonTeilladen, &QPushButton::clicked, &TFormmain::ButtonTeilladenClick);
    connectAct(ButtonSaveFile, &QPushButton::clicked, &TFormmain::ButtonSaveFileClick);
    connectAct(Button1, &QPushButton::clicked, &TFormmain::Button1Click);
    connectAct(Button20, &QPushButton::clicked, &TFormmain::Button20Click);
}

FileDialogRequest TFormmain::fontDialog() const
{
    FileDialogRequest request;
    request.filter = kFontFilter;
    request.filterIndex = 1;
    return request;
}

void TFormmain::resetToFirstPattern()
{
    mEditor.setCurrentPattern(1);
    mEditor.setCurrentSet(1);
    mEditor.Laden();
}

void TFormmain::ButtonLoadFileClick()
{
    FileDialogRequest request = fontDialog();
    request.fileName = ProposedFontFileName(mEditor.fontLabel());
    mOpenDialogName = request.fileName;
    const auto fileName = mDialogs.openFile(request);
    if (!fileName) {
        // Cancelled, the editor starts again on pattern 1 of set 1 all the same.
        resetToFirstPattern();
        return;
    }
    mOpenDialogName = *fileName;
    LoadFontFile(mEditor, *fileName);
    // The load of the new file's first pattern is no step to undo either.
    const auto fresh = qScopeGuard([this] { mEditor.clearHistory(); });
    resetToFirstPattern();
}

void TFormmain::ButtonTeilladenClick()
{
    FileDialogRequest request = fontDialog();
    request.fileName = mOpenDialogName;
    const auto fileName = mDialogs.openFile(request);
    if (!fileName) {
        resetToFirstPattern();
        return;
    }
    mOpenDialogName = *fileName;
    ImportUpperSets(mEditor, *fileName);
    const auto fresh = qScopeGuard([this] { mEditor.clearHistory(); });
    resetToFirstPattern();
}

void TFormmain::ButtonSaveFileClick()
{
    FileDialogRequest request = fontDialog();
    request.title = QStringLiteral("Speichern: Dateiname für den Zeichensatz?");
    request.defaultExt = QStringLiteral("fa8");
    request.fileName = ProposedFontFileName(mEditor.fontLabel());
    const auto fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    SaveFontFile(mEditor, *fileName);
    mDialogs.message(QStringLiteral("OK"));
}

void TFormmain::Button1Click()
{
    if (!mLinks.code)
        return;
    ShowWindow(mLinks.code);
    mLinks.code->clearCode();
    mLinks.code->appendLines(FontAssemblerCode(mEditor, Spinvon->value(), Spinbis->value()));
    // A fresh export is read from its head.
    mLinks.code->Memocode->moveCursor(QTextCursor::Start);
}

void TFormmain::Button20Click()
{
    if (!mLinks.code)
        return;
    ShowWindow(mLinks.code);
    // Lines go out set by set, so those before a failing cell stay in the code window; the view
    // turns to the first new line either way.
    TFormCode* code = mLinks.code;
    const auto showNewLines = qScopeGuard([code, first = code->nextLine()] { code->scrollToLine(first); });
    PlayerAssemblerCode(mEditor, SpinEdit2->value(), EditPlayer->text(),
                        [code](const QString& line) { code->appendLine(line); });
}
