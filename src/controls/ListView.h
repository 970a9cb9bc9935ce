#pragma once
// The result window's list in report view: rows of seven cells (the row's text and six sub-items),
// column headers with widths in twips, a selected row counted from 1, and a Tag text.
#include <QTreeWidget>
#include <functional>

namespace controls {

class ListView : public QTreeWidget {
    Q_OBJECT
public:
    explicit ListView(QWidget* parent = nullptr);

    void addColumn(const QString& header, double widthTwips, Qt::Alignment alignment);
    double columnWidthTwips(int column) const;
    void setColumnWidthTwips(int column, double widthTwips);

    void ClearRows();
    int AddRow(const QString& text); // returns the new row's number (from 1)
    int RowCount() const { return topLevelItemCount(); }
    QString Cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    // A cell shown apart from the others (on a pale yellow ground) with a tooltip, or as usual.
    void setCellMarked(int row, int column, bool marked, const QString& toolTip = {});
    bool cellMarked(int row, int column) const;
    int SelectedRow() const; // 0 for none
    void setSelectedRow(int row);

    std::function<void(int row)> onItemClick;

private:
    std::vector<double> widthsTwips_;
    std::vector<Qt::Alignment> alignments_;
};

} // namespace controls
