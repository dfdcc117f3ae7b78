// The shared code window into which the pattern editor writes its assembler exports.
#pragma once

#include "common/ui/actingwindow.h"
#include "common/ui/deferredwindow.h"

class QPlainTextEdit;
class QPushButton;

class TFormCode : public DeferredWindow, public ActingWindow<TFormCode> {
    Q_OBJECT
public:
    explicit TFormCode(UserDialogs& dialogs, QWidget* parent = nullptr);
    // The code text is the window's own: nothing to bring in line after a handler.
    void refresh() {}

    void clearCode();
    void appendLine(const QString& line);
    void appendLines(const QStringList& lines);
    QString code() const;
    // The line number the next appended line gets (0 for the first).
    int nextLine() const;
    // Scrolls so that line n stands at the top of the view, and puts the cursor there.
    void scrollToLine(int n);

    void ButtoncopyClick();
    void ButtoncloseClick();

    // Built with the controls (see DeferredWindow).
    QPlainTextEdit* Memocode = nullptr;
    QPushButton* Buttonclose = nullptr;
    QPushButton* Buttoncopy = nullptr;

protected:
    void buildControls() override;
};
