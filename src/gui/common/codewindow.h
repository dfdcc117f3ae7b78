// The shared code window into which the pattern editor writes its assembler exports, shown in the
// assembler dialect the user chose.
#pragma once

#include "common/asmdialect.h"
#include "gui/common/actingwindow.h"
#include "gui/common/deferredwindow.h"

#include <QStringList>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CodeWindow : public DeferredWindow, public ActingWindow<CodeWindow> {
    Q_OBJECT
public:
    explicit CodeWindow(UserDialogs& dialogs, QWidget* parent = nullptr);
    // The code text is the window's own: nothing to bring in line after a handler.
    void refresh() {}

    // The generators hand over the standard text; the window shows it in the chosen dialect.
    void clearCode();
    void appendLine(const QString& line);
    void appendLines(const QStringList& lines);
    QString code() const;
    // The line number the next appended line gets (0 for the first).
    int nextLine() const;
    // Scrolls so that line n stands at the top of the view, and puts the cursor there.
    void scrollToLine(int n);

private:
    // handlers, run through act()
    void ButtoncopyClick();
    void ButtoncloseClick();
    // A new dialect: kept for the next runs, and the text is shown in it unless the user has
    // changed the text since it was generated (then it stays, and the next export follows the choice).
    void ComboDialectChange(int index);

protected:
    void buildControls() override;

private:
    // Controls, found by tests through their objectName.
    QPlainTextEdit* Memocode = nullptr;
    QPushButton* Buttonclose = nullptr;
    QPushButton* Buttoncopy = nullptr;
    QLabel* LabelDialect = nullptr;
    QComboBox* ComboDialect = nullptr;
    AsmDialect mDialect = AsmDialect::Standard;
    // Everything appended since the last clear, as the generators wrote it.
    QStringList mStandard;
};
