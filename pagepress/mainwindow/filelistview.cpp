#include "pagepress/mainwindow/filelistview.h"

#include "pagepress/documents/outputtype.h"
#include "pagepress/documents/pageranges.h"
#include "pagepress/documents/titeminfo.h"

#include <QHeaderView>

#include <set>

namespace {

constexpr int RecordRole = Qt::UserRole;

} // namespace

FileListView::FileListView(QWidget* parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("TntLV"));
    setColumnCount(3);
    setHeaderLabels({QStringLiteral("File Name"), QStringLiteral("Output Type"), QStringLiteral("Pages")});
    setColumnWidth(NameColumn, 145);
    setColumnWidth(TypeColumn, 164);
    setColumnWidth(PagesColumn, 172);
    header()->setSectionsClickable(false);
    header()->setSectionsMovable(false);
    setSortingEnabled(false);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setFrameShape(QFrame::NoFrame);
    // The window takes drops itself; the list passes them on.
    setAcceptDrops(false);
    viewport()->setAcceptDrops(false);

    // The selection stays as visible when the list loses the keyboard focus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &FileListView::emitSelectionChanges);
}

void FileListView::appendRow(TItemInfo* record)
{
    auto* item = new QTreeWidgetItem;
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setText(NameColumn, record->name);
    item->setText(TypeColumn, OutputTypeName(record->outputType));
    item->setText(PagesColumn, PagesText(*record));
    item->setData(NameColumn, RecordRole, QVariant::fromValue(static_cast<void*>(record)));
    item->setCheckState(NameColumn, Qt::Checked);
    // A little air between rows; the default is as tall as the check box alone.
    item->setSizeHint(NameColumn, QSize(0, fontMetrics().height() + 8));
    addTopLevelItem(item);
}

void FileListView::removeRow(int row)
{
    delete topLevelItem(row);
}

void FileListView::removeAllRows()
{
    clear();
}

TItemInfo* FileListView::record(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? static_cast<TItemInfo*>(item->data(NameColumn, RecordRole).value<void*>()) : nullptr;
}

int FileListView::focusedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FileListView::setFocusedRow(int row)
{
    // Only the focus moves; the selection is the caller's business.
    selectionModel()->setCurrentIndex(model()->index(row, 0), QItemSelectionModel::NoUpdate);
}

bool FileListView::isRowSelected(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->isSelected();
}

void FileListView::setRowSelected(int row, bool selected)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setSelected(selected);
}

int FileListView::selectedRowCount() const
{
    return static_cast<int>(selectedItems().size());
}

void FileListView::selectAllRows()
{
    selectAll();
}

bool FileListView::isRowChecked(int row) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item && item->checkState(NameColumn) == Qt::Checked;
}

void FileListView::setRowChecked(int row, bool checked)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setCheckState(NameColumn, checked ? Qt::Checked : Qt::Unchecked);
}

int FileListView::checkedRowCount() const
{
    int count = 0;
    for (int row = 0; row < rowCount(); ++row)
        count += isRowChecked(row) ? 1 : 0;
    return count;
}

QString FileListView::cellText(int row, Column column) const
{
    const QTreeWidgetItem* item = topLevelItem(row);
    return item ? item->text(column) : QString();
}

void FileListView::setCellText(int row, Column column, const QString& text)
{
    if (QTreeWidgetItem* item = topLevelItem(row))
        item->setText(column, text);
}

void FileListView::emitSelectionChanges(const QItemSelection& selected, const QItemSelection& deselected)
{
    // A selection range covers every column of a row; each row is reported once.
    auto rowsOf = [](const QItemSelection& selection) {
        std::set<int> rows;
        for (const QModelIndex& index : selection.indexes())
            rows.insert(index.row());
        return rows;
    };
    for (int row : rowsOf(deselected))
        emit rowSelectionChanged(row, false);
    for (int row : rowsOf(selected))
        emit rowSelectionChanged(row, true);
}
