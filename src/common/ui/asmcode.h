// The shared code window into which the pattern editor writes its assembler exports.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class TFormCode : public QWidget {
    Q_OBJECT
public:
    explicit TFormCode(QWidget* parent = nullptr);

    void clearCode();
    void appendLine(const QString& line);
    void appendLines(const QStringList& lines);
    QString code() const;

    void ButtoncopyClick();
    void ButtoncloseClick();

    QPlainTextEdit* Memocode;
    QPushButton* Buttonclose;
    QPushButton* Buttoncopy;
};
