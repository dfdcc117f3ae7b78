// The log list: rows made on demand, selection copied through the clipboard.
#include "gui/converter/logview.h"

#include "gui/common/tabletab.h"
#include "converter/converterlog.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>
#include <limits>
#include <utility>
#include <vector>

namespace {

// A view holds its row count in an int.
int RowsOf(qsizetype lines)
{
    return static_cast<int>(std::min<qsizetype>(lines, std::numeric_limits<int>::max()));
}

} // namespace

ConverterLogModel::ConverterLogModel(const ConverterLog& log, QObject* parent)
    : QAbstractListModel(parent), mLog(log), mRows(RowsOf(log.lineCount()))
{
    connect(&log, &ConverterLog::linesAdded, this, [this] {
        const int rows = RowsOf(mLog.lineCount());
        if (rows <= mRows)
            return;
        beginInsertRows(QModelIndex(), mRows, rows - 1);
        mRows = rows;
        endInsertRows();
    });
    connect(&log, &ConverterLog::cleared, this, [this] {
        beginResetModel();
        mRows = RowsOf(mLog.lineCount());
        endResetModel();
    });
}

int ConverterLogModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : mRows;
}

QVariant ConverterLogModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= mRows)
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return mLog.line(index.row());
    return QVariant();
}

LogView::LogView(ConverterLog& log, QWidget* parent) : QTableView(parent), mLog(log), mModel(log)
{
    setModel(&mModel);
    // Tab leaves the log: after "Atari RAM speichern" it holds tens of thousands of lines.
    LeaveByTab(this);
    setFont(QFont(QStringLiteral("DejaVu Sans Mono"), 9));
    // One column of equal rows: the headers keep millions of lines as one span, nothing per line.
    horizontalHeader()->hide();
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 2);
    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    connect(&mModel, &QAbstractItemModel::rowsInserted, this, [this] { scrollToBottom(); });
}

QString LogView::selectedText() const
{
    // Ranges, not single indexes: "select all" of two million lines stays a single range.
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    QString text;
    bool first = true;
    int next = 0;
    for (auto [top, bottom] : ranges) {
        for (int row = std::max(top, next); row <= bottom; ++row) {
            if (!first)
                text += QLatin1Char('\n');
            first = false;
            text += mLog.line(row);
        }
        next = std::max(next, bottom + 1);
    }
    return text;
}

void LogView::copySelection() const
{
    QApplication::clipboard()->setText(selectedText());
}

void LogView::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        copySelection();
        return;
    }
    QTableView::keyPressEvent(event);
}

void LogView::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Kopieren"), this, [this] { copySelection(); });
    menu.addAction(QStringLiteral("Alles auswählen"), this, [this] { selectAll(); });
    menu.exec(event->globalPos());
}
