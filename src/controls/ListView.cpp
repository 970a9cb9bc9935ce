#include "ListView.h"

#include "ControlProps.h"

#include <QHeaderView>
#include <cmath>

namespace controls {

ListView::ListView(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setColumnCount(0);
    header()->setStretchLastSection(false);
    connect(
        this, &QTreeWidget::itemClicked, this,
        [this](QTreeWidgetItem* item, int) {
            if (onItemClick) onItemClick(indexOfTopLevelItem(item) + 1);
        },
        Qt::DirectConnection);
}

void ListView::addColumn(const QString& header, double widthTwips, Qt::Alignment alignment) {
    const int column = static_cast<int>(widthsTwips_.size());
    widthsTwips_.push_back(widthTwips);
    alignments_.push_back(alignment);
    setColumnCount(column + 1);
    QTreeWidgetItem* h = headerItem();
    h->setText(column, header);
    h->setTextAlignment(column, alignment);
    setColumnWidth(column, static_cast<int>(std::lround(widthTwips / TwipsPerPixel)));
}

double ListView::columnWidthTwips(int column) const {
    return widthsTwips_.at(column);
}

void ListView::setColumnWidthTwips(int column, double widthTwips) {
    widthsTwips_.at(column) = widthTwips;
    setColumnWidth(column, static_cast<int>(std::lround(widthTwips / TwipsPerPixel)));
}

void ListView::setCellMarked(int row, int column, bool marked, const QString& toolTip) {
    QTreeWidgetItem* item = topLevelItem(row - 1);
    if (!item) return;
    item->setData(column, Qt::UserRole, marked);
    item->setBackground(column, marked ? QBrush(QColor(0xFF, 0xF3, 0xB0)) : QBrush());
    item->setToolTip(column, marked ? toolTip : QString());
}

bool ListView::cellMarked(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row - 1);
    return item && item->data(column, Qt::UserRole).toBool();
}

void ListView::ClearRows() {
    clear();
}

int ListView::AddRow(const QString& text) {
    auto* row = new QTreeWidgetItem(this);
    for (int c = 0; c < columnCount(); ++c)
        row->setTextAlignment(c, alignments_[c]);
    row->setText(0, text);
    return topLevelItemCount();
}

QString ListView::Cell(int row, int column) const {
    const QTreeWidgetItem* item = topLevelItem(row - 1);
    return item ? item->text(column) : QString();
}

void ListView::setCell(int row, int column, const QString& text) {
    if (QTreeWidgetItem* item = topLevelItem(row - 1)) item->setText(column, text);
}

int ListView::SelectedRow() const {
    QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? indexOfTopLevelItem(item) + 1 : 0;
}

void ListView::setSelectedRow(int row) {
    if (QTreeWidgetItem* item = topLevelItem(row - 1)) setCurrentItem(item);
}

} // namespace controls
