// A number field that takes whatever number is typed and brings it into its range when the typing
// ends (focus lost, Return), instead of dropping the keystroke that leaves the range.
#pragma once

#include <QSpinBox>

class RangeSpinBox : public QSpinBox {
    Q_OBJECT
public:
    RangeSpinBox(int minimum, int maximum, int value, QWidget* parent = nullptr);

protected:
    // Any run of digits (with a sign) is allowed while typing; it is acceptable once it is in range.
    QValidator::State validate(QString& input, int& pos) const override;
    // A number outside the range becomes the nearer limit; a text that is no number, the minimum.
    void fixup(QString& input) const override;
};
