#include "ListBox.h"

#include "RuntimeError.h"
#include "SwedishOrder.h"

#include <QKeyEvent>
#include <algorithm>

namespace controls {
namespace {

constexpr int InvalidPropertyValue = 380;

} // namespace

ListBox::ListBox(bool sorted, QWidget* parent) : QListWidget(parent), sorted_(sorted) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    // One line of text per entry: the view need not measure every entry after each change, which made
    // selecting in a long list cost time in proportion to its length.
    setUniformItemSizes(true);
    connect(
        this, &QListWidget::clicked, this,
        [this] {
            if (onClick) onClick();
        },
        Qt::DirectConnection);
    connect(
        this, &QListWidget::doubleClicked, this,
        [this] {
            if (onDblClick) onDblClick();
        },
        Qt::DirectConnection);
}

int ListBox::sortedPlace(const QString& text) const {
    const int limit = keepAddingOrder_ ? 0 : -1;
    int lo = 0;
    int hi = count();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (base::compareSwedish(item(mid)->text(), text) <= limit)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

int ListBox::AddItem(const QString& text) {
    const int place = sorted_ ? sortedPlace(text) : count();
    auto* entry = new QListWidgetItem(text);
    entry->setData(Qt::UserRole, 0);
    insertItem(place, entry);
    newIndex_ = place;
    return place;
}

void ListBox::Fill(const std::vector<std::pair<QString, std::int32_t>>& entries) {
    if (!sorted_) {
        FillInOrder(entries);
        return;
    }
    QStringList texts;
    texts.reserve(qsizetype(entries.size()));
    for (const auto& e : entries)
        texts.append(e.first);
    std::vector<std::pair<QString, std::int32_t>> ordered;
    ordered.reserve(entries.size());
    for (const std::size_t i : base::sortedListOrder(texts, keepAddingOrder_))
        ordered.push_back(entries[i]);
    FillInOrder(ordered);
}

void ListBox::FillInOrder(const std::vector<std::pair<QString, std::int32_t>>& entries) {
    setUpdatesEnabled(false);
    clear();
    for (const auto& [text, data] : entries) {
        auto* entry = new QListWidgetItem(text);
        entry->setData(Qt::UserRole, data);
        addItem(entry);
    }
    setUpdatesEnabled(true);
    newIndex_ = -1;
}

void ListBox::InsertAt(int index, const QString& text, std::int32_t itemData) {
    if (index < 0 || index > count()) throw RuntimeError(5, "Invalid procedure call");
    auto* entry = new QListWidgetItem(text);
    entry->setData(Qt::UserRole, itemData);
    insertItem(index, entry);
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= count()) throw RuntimeError(5, "Invalid procedure call");
    delete takeItem(index);
}

void ListBox::Clear() {
    clear();
    newIndex_ = -1;
}

QString ListBox::List(int index) const {
    const QListWidgetItem* entry = item(index);
    return entry ? entry->text() : QString();
}

void ListBox::setList(int index, const QString& text) {
    if (QListWidgetItem* entry = item(index)) entry->setText(text);
}

std::int32_t ListBox::ItemData(int index) const {
    const QListWidgetItem* entry = item(index);
    if (!entry) throw RuntimeError(381, "Invalid property array index");
    return entry->data(Qt::UserRole).toInt();
}

void ListBox::setItemData(int index, std::int32_t value) {
    QListWidgetItem* entry = item(index);
    if (!entry) throw RuntimeError(381, "Invalid property array index");
    entry->setData(Qt::UserRole, value);
}

int ListBox::ListIndex() const {
    const QListWidgetItem* entry = currentItem();
    return entry && entry->isSelected() ? currentRow() : -1;
}

void ListBox::setListIndex(int index) {
    if (index == -1) {
        setCurrentRow(-1);
        clearSelection();
        return;
    }
    if (index < 0 || index >= count()) throw RuntimeError(InvalidPropertyValue, "Invalid property value");
    setCurrentRow(index);
    if (onClick) onClick();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    const int before = ListIndex();
    QListWidget::keyPressEvent(event);
    if (clickOnKeys_ && ListIndex() != before && ListIndex() >= 0 && onClick) onClick();
}

} // namespace controls
