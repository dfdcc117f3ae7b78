// The multi-line text every log, memo and code view uses: pastes only what can be pasted, and Tab
// moves the focus on instead of typing a tab character.
#pragma once

#include <QPlainTextEdit>

class LogText : public QPlainTextEdit {
public:
    explicit LogText(QWidget* parent = nullptr);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};
