// Number fields that correct typed values to the nearer limit.
#include "gui/common/rangespinbox.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <limits>

RangeSpinBox::RangeSpinBox(int minimum, int maximum, int value, QWidget* parent) : QSpinBox(parent)
{
    setRange(minimum, maximum);
    setValue(value);
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State RangeSpinBox::validate(QString& input, int& pos) const
{
    Q_UNUSED(pos);
    // Eleven digits are beyond every range here; longer runs are refused so nothing overflows below.
    static const QRegularExpression number(QStringLiteral("^\\s*[+-]?\\d{0,11}\\s*$"));
    if (!number.match(input).hasMatch())
        return QValidator::Invalid;
    bool ok = false;
    const qlonglong v = input.trimmed().toLongLong(&ok);
    return ok && v >= minimum() && v <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void RangeSpinBox::fixup(QString& input) const
{
    bool ok = false;
    const qlonglong v = input.trimmed().toLongLong(&ok);
    const qlonglong bounded = ok ? std::clamp<qlonglong>(v, minimum(), maximum()) : minimum();
    input = textFromValue(static_cast<int>(bounded));
}
