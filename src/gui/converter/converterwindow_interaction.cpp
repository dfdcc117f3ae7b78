// The graphics converter window: mouse and keyboard on the register table and on the picture.
#include "gui/converter/converterwindow.h"

#include "gui/common/colorpanel.h"
#include "gui/common/imageview.h"
#include "gui/converter/registertablemodel.h"
#include "palette/colortext.h"
#include "common/packedcolor_picture.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QMouseEvent>
#include <QTableView>

namespace {

void ShowDrawingColor(ColorPanel* panel, PackedColor color)
{
    panel->setColor(color);
    panel->setTextColor(FromQColor(TextColorOn(color)));
}

} // namespace

bool ConverterWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Compared by address only: while the window is taken down the table may be half destroyed.
    if (watched == mGridViewport) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            act([&] { gridMouseDown(mouse->button(), mouse->position().toPoint()); });
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            act([&] { gridMouseUp(mouse->button(), mouse->position().toPoint()); });
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ConverterWindow::gridSelectCell(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    const QString& text =
        mConverter.cell(RegisterTableModel::tableColumn(current), RegisterTableModel::tableRow(current));
    if (const auto color = TryParseColorText(text))
        ShowDrawingColor(Panel7, *color);
}

// The cell under the pointer is the one drawn there, wherever the table is scrolled to.
void ConverterWindow::gridMouseDown(Qt::MouseButton button, QPoint position)
{
    const QModelIndex index = grid->indexAt(position);
    if (!index.isValid())
        return;
    const int column = RegisterTableModel::tableColumn(index);
    const int row = RegisterTableModel::tableRow(index);
    mConverter.log().append(mConverter.cell(column, row));
    if (button == Qt::RightButton)
        mDragSource = DragSource{column, row};
}

void ConverterWindow::gridMouseUp(Qt::MouseButton button, QPoint position)
{
    if (button != Qt::RightButton || !mDragSource)
        return;
    const DragSource source = *std::exchange(mDragSource, std::nullopt);
    const QModelIndex index = grid->indexAt(position);
    if (!index.isValid())
        return;
    mConverter.swapCells(source.column, source.row, RegisterTableModel::tableColumn(index),
                         RegisterTableModel::tableRow(index));
}

void ConverterWindow::gridDblClick()
{
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid() || !mLinks.requestColor)
        return;
    const QString text =
        mConverter.cell(RegisterTableModel::tableColumn(current), RegisterTableModel::tableRow(current));
    PaletteRequest request;
    request.button = 2;
    request.caption = text;
    request.color = TryParseColorText(text).value_or(kWhite);
    request.target = QStringLiteral("Grid");
    request.answer = [this](const PaletteAnswer& answer) { act([&] { PaletteAnswered(answer); }); };
    mLinks.requestColor(request);
}

void ConverterWindow::PaletteAnswered(const PaletteAnswer& answer)
{
    const QModelIndex current = grid->currentIndex();
    if (answer.target != QLatin1String("Grid") || !current.isValid())
        return;
    mConverter.setCellText(RegisterTableModel::tableColumn(current), RegisterTableModel::tableRow(current),
                           FormatColorText(answer.color));
}

void ConverterWindow::gridColumnMoved(int from, int to)
{
    // The header only shows the move; the cells themselves go to the new position.
    QHeaderView* header = grid->horizontalHeader();
    const QSignalBlocker quiet(header);
    header->moveSection(to, from);
    mConverter.moveColumn(from + 1, to + 1);
}

void ConverterWindow::Image1MouseMove(Qt::MouseButtons held, QPoint pixel)
{
    if (!hasPicture())
        return;
    Panel7->setText(QStringLiteral("%1 / %2").arg(pixel.x() + 1).arg(pixel.y() + 1));
    if (CheckBox1->isChecked() && (held & Qt::LeftButton))
        mConverter.setPixel(pixel.x(), pixel.y(), Panel7->color());
}

void ConverterWindow::Image1MouseUp(Qt::MouseButton button, QPoint pixel)
{
    if (!hasPicture())
        return;
    if (button == Qt::RightButton) {
        if (const auto color = mConverter.pixel(pixel.x(), pixel.y()))
            ShowDrawingColor(Panel7, *color);
    } else if (button == Qt::LeftButton && CheckBox1->isChecked()) {
        mConverter.setPixel(pixel.x(), pixel.y(), Panel7->color());
    }
}
