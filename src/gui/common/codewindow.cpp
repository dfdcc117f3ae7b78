// Code window: a text field, the dialect choice and two buttons.
#include "gui/common/codewindow.h"

#include "common/programsettings.h"
#include "gui/common/controls.h"
#include "gui/common/windowmenu.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

const QString kDialectKey = QStringLiteral("codewindow/dialect");

} // namespace

CodeWindow::CodeWindow(UserDialogs& dialogs, QWidget* parent) : DeferredWindow(parent), ActingWindow(dialogs)
{
    setObjectName(QStringLiteral("FormCode"));
    setWindowTitle(QStringLiteral("Assembler Code "));
    resize(760, 600);
}

void CodeWindow::buildControls()
{
    Memocode = NamedLog("Memocode", this);
    Memocode->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memocode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memocode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memocode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Buttonclose = NamedButton(QStringLiteral("Fenster schliessen"), "Buttonclose", this);
    Buttoncopy = NamedButton(QStringLiteral("Den kompletten Code in die Zwischenablage kopieren"), "Buttoncopy", this);

    // Read when the window is first needed, so that start-up touches no settings file.
    mDialect = AsmDialectFromName(ProgramSettings().value(kDialectKey).toString()).value_or(AsmDialect::Standard);
    ComboDialect = Named(new QComboBox(this), "ComboDialect");
    for (const AsmDialect d : kAsmDialects)
        ComboDialect->addItem(AsmDialectCaption(d));
    ComboDialect->setCurrentIndex(static_cast<int>(mDialect));
    ComboDialect->setToolTip(QStringLiteral("Die Syntax, in der der Code erzeugt wird"));
    LabelDialect = Named(new QLabel(QStringLiteral("Assembler:"), this), "LabelDialect");
    LabelDialect->setBuddy(ComboDialect);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelDialect);
    buttons->addWidget(ComboDialect);
    buttons->addSpacing(12);
    buttons->addWidget(Buttoncopy);
    buttons->addStretch(1);
    buttons->addWidget(Buttonclose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memocode, 1);
    layout->addLayout(buttons);

    connectAct(Buttoncopy, &QPushButton::clicked, &CodeWindow::ButtoncopyClick);
    connectAct(Buttonclose, &QPushButton::clicked, &CodeWindow::ButtoncloseClick);
    connectAct(ComboDialect, &QComboBox::currentIndexChanged, &CodeWindow::ComboDialectChange);
    ComboDialect->setAccessibleName(QStringLiteral("Assembler:"));
    Memocode->setAccessibleName(QStringLiteral("Assembler Code"));
    SetTips(this, {
        {"Buttonclose", "Das Fenster schließen"},
        {"Buttoncopy", "Den ganzen Code in die Zwischenablage kopieren"},
        {"Memocode", "Der erzeugte Assembler Code"},
    });
}

void CodeWindow::clearCode()
{
    ensureControls();
    mStandard.clear();
    Memocode->clear();
}

void CodeWindow::appendLine(const QString& line)
{
    ensureControls();
    mStandard << line;
    Memocode->appendPlainText(DialectLines(mDialect, line).join(QLatin1Char('\n')));
}

void CodeWindow::appendLines(const QStringList& lines)
{
    ensureControls();
    mStandard += lines;
    AppendLines(Memocode, DialectLines(mDialect, lines));
}

void CodeWindow::ComboDialectChange(int index)
{
    if (index < 0 || index >= static_cast<int>(kAsmDialects.size()))
        return;
    const AsmDialect old = std::exchange(mDialect, kAsmDialects[index]);
    ProgramSettings().setValue(kDialectKey, AsmDialectName(mDialect));
    if (mDialect == old || Memocode->toPlainText() != DialectLines(old, mStandard).join(QLatin1Char('\n')))
        return;
    const int top = Memocode->verticalScrollBar()->value();
    Memocode->setPlainText(DialectLines(mDialect, mStandard).join(QLatin1Char('\n')));
    Memocode->verticalScrollBar()->setValue(top);
}

QString CodeWindow::code() const
{
    return Memocode ? Memocode->toPlainText() : QString();
}

int CodeWindow::nextLine() const
{
    // The first line appended to an empty text fills the empty block the text starts with.
    return !Memocode || Memocode->document()->isEmpty() ? 0 : Memocode->blockCount();
}

void CodeWindow::scrollToLine(int n)
{
    ensureControls();
    const QTextBlock block = Memocode->document()->findBlockByNumber(std::clamp(n, 0, Memocode->blockCount() - 1));
    Memocode->setTextCursor(QTextCursor(block));
    // Lines do not wrap here, so the scroll bar counts lines.
    Memocode->verticalScrollBar()->setValue(block.blockNumber());
}

void CodeWindow::ButtoncopyClick()
{
    ensureControls();
    Memocode->selectAll();
    QApplication::clipboard()->setText(Memocode->toPlainText());
}

void CodeWindow::ButtoncloseClick()
{
    // The caption promises to close the window, so it does: hidden, contents kept.
    hide();
}
