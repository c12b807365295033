#pragma once
// FileListView: the document list of the main window. One row per record, in the order of
// adding, with a check box, the file name, the output type and the pages. The row refers to
// its record (owned by ItemList); the view never creates or frees records. Multi-select with
// a focused ("current") row. It holds no rules of its own. UI thread only.

#include <QTreeWidget>

struct TItemInfo;

class FileListView : public QTreeWidget {
    Q_OBJECT

public:
    enum Column { NameColumn = 0, TypeColumn = 1, PagesColumn = 2 };

    explicit FileListView(QWidget* parent = nullptr);

    int rowCount() const { return topLevelItemCount(); }
    // Appends a checked row showing the record's name, output type and pages.
    void appendRow(TItemInfo* record);
    void removeRow(int row);
    void removeAllRows();

    TItemInfo* record(int row) const;
    // -1 when no row is focused.
    int focusedRow() const;
    void setFocusedRow(int row);

    bool isRowSelected(int row) const;
    void setRowSelected(int row, bool selected);
    int selectedRowCount() const;
    void selectAllRows();

    bool isRowChecked(int row) const;
    void setRowChecked(int row, bool checked);
    int checkedRowCount() const;

    QString cellText(int row, Column column) const;
    void setCellText(int row, Column column, const QString& text);

signals:
    // A row's selected state changed, by the user or by the program (OnSelectItem).
    void rowSelectionChanged(int row, bool selected);

private:
    void emitSelectionChanges(const QItemSelection& selected, const QItemSelection& deselected);
};
