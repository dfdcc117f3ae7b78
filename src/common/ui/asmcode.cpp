// Code window: a text field and two buttons.
#include "common/ui/asmcode.h"

#include "common/ui/controls.h"

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

TFormCode::TFormCode(UserDialogs& dialogs, QWidget* parent) : DeferredWindow(parent), ActingWindow(dialogs)
{
    setObjectName(QStringLiteral("FormCode"));
    setWindowTitle(QStringLiteral("Assembler Code "));
    resize(760, 600);
}

void TFormCode::buildControls()
{
    Memocode = NamedLog("Memocode", this);
    Memocode->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memocode->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Memocode->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memocode->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    Buttonclose = NamedButton(QStringLiteral("Fenster schliessen"), "Buttonclose", this);
    Buttoncopy = NamedButton(QStringLiteral("Den kompletten Code in die Zwischenablage kopieren"), "Buttoncopy", this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Buttoncopy);
    buttons->addStretch(1);
    buttons->addWidget(Buttonclose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memocode, 1);
    layout->addLayout(buttons);

    connectAct(Buttoncopy, &QPushButton::clicked, &TFormCode::ButtoncopyClick);
    connectAct(Buttonclose, &QPushButton::clicked, &TFormCode::ButtoncloseClick);
}

void TFormCode::clearCode()
{
    ensureControls();
    Memocode->clear();
}

void TFormCode::appendLine(const QString& line)
{
    ensureControls();
    Memocode->appendPlainText(line);
}

void TFormCode::appendLines(const QStringList& lines)
{
    ensureControls();
    AppendLines(Memocode, lines);
}

QString TFormCode::code() const
{
    return Memocode ? Memocode->toPlainText() : QString();
}

int TFormCode::nextLine() const
{
    // The first line appended to an empty text fills the empty block the text starts with.
    return !Memocode || Memocode->document()->isEmpty() ? 0 : Memocode->blockCount();
}

void TFormCode::scrollToLine(int n)
{
    ensureControls();
    const QTextBlock block = Memocode->document()->findBlockByNumber(std::clamp(n, 0, Memocode->blockCount() - 1));
    Memocode->setTextCursor(QTextCursor(block));
    // Lines do not wrap here, so the scroll bar counts lines.
    Memocode->verticalScrollBar()->setValue(block.blockNumber());
}

void TFormCode::ButtoncopyClick()
{
    ensureControls();
    Memocode->selectAll();
    QApplication::clipboard()->setText(Memocode->toPlainText());
}

void TFormCode::ButtoncloseClick()
{
    // The caption promises to close the window, so it does: hidden, contents kept.
    hide();
}
