// The pattern editor window's file handlers: pattern files, the partial import, raw font files and the
// code exports.
#include "gui/pattern/patternwindow.h"

#include "common/bytefile.h"
#include "gui/common/codewindow.h"
#include "gui/common/controls.h"
#include "pattern/codeexport.h"
#include "pattern/fontbankfile.h"
#include "pattern/fontfile.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kFontFilter = QStringLiteral("Tavrel Font Dateien für Atari 8Bit (*.fa8)|*.fa8|Alle Dateien (*.*)|*.*");
const QString kFntFilter = QStringLiteral("Atari Zeichensätze (*.fnt)|*.fnt|Alle Dateien (*.*)|*.*");

// "Bank 3 (Set 2 oben)"
QString BankName(int bank)
{
    return QStringLiteral("Bank %1 (Set %2 %3)")
        .arg(bank)
        .arg((bank + 1) / 2)
        .arg(bank % 2 == 1 ? QStringLiteral("oben") : QStringLiteral("unten"));
}

FileDialogRequest FntDialog(const QString& title)
{
    FileDialogRequest request;
    request.title = title;
    request.filter = kFntFilter;
    request.filterIndex = 1;
    return request;
}

} // namespace

void PatternWindow::connectFileHandlers()
{
    connectAct(ButtonLoadFile, &QPushButton::clicked, &PatternWindow::ButtonLoadFileClick);
    connectAct(ButtonTeilladen, &QPushButton::clicked, &PatternWindow::ButtonTeilladenClick);
    connectAct(ButtonSaveFile, &QPushButton::clicked, &PatternWindow::ButtonSaveFileClick);
    connectAct(Button1, &QPushButton::clicked, &PatternWindow::Button1Click);
    connectAct(Button20, &QPushButton::clicked, &PatternWindow::Button20Click);
    connectAct(ButtonFntImport, &QPushButton::clicked, &PatternWindow::ButtonFntImportClick);
    connectAct(ButtonFntExport, &QPushButton::clicked, &PatternWindow::ButtonFntExportClick);
}

QWidget* PatternWindow::buildFntPanel()
{
    // Under the pattern selection, as it works on the selected pattern set.
    PanelFnt = Named(new QWidget(this), "PanelFnt");
    ComboFntBank = Named(new QComboBox(PanelFnt), "ComboFntBank");
    ComboFntBank->addItems({QString(), QString()});
    ComboFntBank->setAccessibleName(QStringLiteral("FNT Bank"));
    ButtonFntImport = NamedButton(QStringLiteral("FNT importieren…"), "ButtonFntImport", PanelFnt);
    ButtonFntExport = NamedButton(QStringLiteral("FNT exportieren…"), "ButtonFntExport", PanelFnt);
    const QString hint = QStringLiteral("Zeichensatzdatei: die 128 Zeichen der gewählten Bank, 1024 Bytes");
    auto* layout = new QVBoxLayout(PanelFnt);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(4);
    for (QWidget* w : std::initializer_list<QWidget*>{ComboFntBank, ButtonFntImport, ButtonFntExport}) {
        w->setToolTip(hint);
        // As wide as the buttons above, which set the column's width.
        w->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        layout->addWidget(w);
    }
    refreshFntBanks();
    return PanelFnt;
}

int PatternWindow::fntBank() const
{
    return 2 * mEditor.currentSet() - 1 + (ComboFntBank->currentIndex() == 1 ? 1 : 0);
}

void PatternWindow::refreshFntBanks()
{
    if (!ComboFntBank)
        return;
    const int upper = 2 * mEditor.currentSet() - 1;
    ComboFntBank->setItemText(0, BankName(upper));
    ComboFntBank->setItemText(1, BankName(upper + 1));
}

FileDialogRequest PatternWindow::fontDialog() const
{
    FileDialogRequest request;
    request.filter = kFontFilter;
    request.filterIndex = 1;
    return request;
}

std::vector<UnsavedWork> PatternWindow::unsavedWork()
{
    return {
        {QStringLiteral("Pattern-Editor: gemalte Änderungen, noch nicht mit \"Speichern\" ins Pattern-Set übernommen"),
         [this] { return mEditor.bufferModified(); }, [this] { ButtonSpeichern->click(); }},
        {QStringLiteral("Font Datei: Pattern-Sets, Farben, Zeilenfarben oder Phasen geändert"),
         [this] { return mEditor.history().documentModified(); }, [this] { ButtonSaveFile->click(); }},
    };
}

void PatternWindow::ButtonFntImportClick()
{
    const int bank = fntBank();
    const FileDialogRequest request = FntDialog(QStringLiteral("FNT importieren: Zeichensatz für %1").arg(BankName(bank)));
    const auto fileName = mDialogs.openFile(request);
    if (!fileName)
        return;
    // The import reloads the edit buffer when the bank is its set's and "Laden" is free: unstored
    // painting there would be lost.
    if ((bank + 1) / 2 == mEditor.currentSet() && mEditor.ladenEnabled()
        && !MayReplaceUnsavedWork(mDialogs, *fileName, {unsavedWork().front()}))
        return;
    mEditor.importFontBank(bank, ReadFontBankFile(*fileName));
    addInfo(QStringLiteral("%1 aus %2 importiert").arg(BankName(bank), QFileInfo(*fileName).fileName()));
}

void PatternWindow::ButtonFntExportClick()
{
    const int bank = fntBank();
    FileDialogRequest request = FntDialog(QStringLiteral("FNT exportieren: Dateiname für %1?").arg(BankName(bank)));
    request.defaultExt = QStringLiteral("fnt");
    // Named after the pattern file and the bank: "Vorarado-Bank3.fnt".
    const QString patternFile = QFileInfo(ProposedFontFileName(mEditor.fontLabel())).completeBaseName();
    request.fileName = QStringLiteral("%1-Bank%2.fnt").arg(patternFile).arg(bank);
    const auto fileName = mDialogs.saveFile(request);
    if (!fileName)
        return;
    // Converted before the file is touched: an entry that is no number leaves it as it was.
    WriteByteFile(*fileName, FontBankBytes(mEditor.store(), bank));
    addInfo(QStringLiteral("%1 als %2 exportiert").arg(BankName(bank), QFileInfo(*fileName).fileName()));
}

void PatternWindow::resetToFirstPattern()
{
    mEditor.setCurrentPattern(1);
    mEditor.setCurrentSet(1);
    mEditor.Laden();
}

void PatternWindow::ButtonLoadFileClick()
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
    loadChosenFontFile(*fileName);
}

void PatternWindow::loadChosenFontFile(const QString& fileName)
{
    mOpenDialogName = fileName;
    if (!MayReplaceUnsavedWork(mDialogs, fileName, unsavedWork()))
        return;
    LoadFontFile(mEditor, fileName);
    // The load of the new file's first pattern is no step to undo either.
    const auto fresh = qScopeGuard([this] { mEditor.clearHistory(); });
    resetToFirstPattern();
}

void PatternWindow::openFontFile(const QString& fileName)
{
    act([&] { loadChosenFontFile(fileName); });
}

void PatternWindow::ButtonTeilladenClick()
{
    FileDialogRequest request = fontDialog();
    request.fileName = mOpenDialogName;
    const auto fileName = mDialogs.openFile(request);
    if (!fileName) {
        resetToFirstPattern();
        return;
    }
    mOpenDialogName = *fileName;
    if (!MayReplaceUnsavedWork(mDialogs, *fileName, unsavedWork()))
        return;
    ImportUpperSets(mEditor, *fileName);
    const auto fresh = qScopeGuard([this] { mEditor.clearHistory(); });
    resetToFirstPattern();
}

void PatternWindow::ButtonSaveFileClick()
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

void PatternWindow::Button1Click()
{
    if (!mLinks.code)
        return;
    ShowWindow(mLinks.code);
    mLinks.code->clearCode();
    mLinks.code->appendLines(FontAssemblerCode(mEditor, Spinvon->value(), Spinbis->value()));
    // A fresh export is read from its head.
    mLinks.code->scrollToLine(0);
}

void PatternWindow::Button20Click()
{
    if (!mLinks.code)
        return;
    ShowWindow(mLinks.code);
    // Lines go out set by set, so those before a failing cell stay in the code window; the view
    // turns to the first new line either way.
    CodeWindow* code = mLinks.code;
    const auto showNewLines = qScopeGuard([code, first = code->nextLine()] { code->scrollToLine(first); });
    PlayerAssemblerCode(mEditor, SpinEdit2->value(), EditPlayer->text(),
                        [code](const QString& line) { code->appendLine(line); });
}
