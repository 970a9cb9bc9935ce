#pragma once
// A list box with the behaviour the desk relies on: a sorted list inserts each entry at its place in
// Swedish alphabetical order (ignoring case) and reports that place; every entry carries a 32-bit
// ItemData; selecting an entry from code runs the click handler inside the call, as a person's click
// does, also when the entry was already selected.
#include <QListWidget>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace controls {

class ListBox : public QListWidget {
    Q_OBJECT
public:
    explicit ListBox(bool sorted, QWidget* parent = nullptr);

    // Returns the position the entry went to (also kept as NewIndex).
    int AddItem(const QString& text);
    int NewIndex() const { return newIndex_; }
    void RemoveItem(int index);
    void Clear();
    int ListCount() const { return count(); }
    QString List(int index) const;
    void setList(int index, const QString& text);
    std::int32_t ItemData(int index) const;
    void setItemData(int index, std::int32_t value);
    int ListIndex() const;
    // Selects the entry and runs the click handler; -1 clears the selection without a click. An index
    // outside the list throws RuntimeError 380 (invalid property value) and changes nothing.
    void setListIndex(int index);
    bool sorted() const { return sorted_; }
    // Where a new entry goes among entries of equal text: before them (the default, so that an entry
    // removed and added again returns to its place) or after them (adding order kept).
    void setEqualTextsKeepAddingOrder(bool on) { keepAddingOrder_ = on; }
    // Empties the list and adds the entries as repeated AddItem calls would place them, in one pass.
    void Fill(const std::vector<std::pair<QString, std::int32_t>>& entries);
    // Empties the list and shows the entries in the order given: the caller keeps them in order.
    void FillInOrder(const std::vector<std::pair<QString, std::int32_t>>& entries);
    // Puts one entry at the place the caller has worked out (0 to ListCount()).
    void InsertAt(int index, const QString& text, std::int32_t itemData);
    // Whether moving the highlight with the arrow keys runs the click handler (it does by default).
    // A list whose click registers something takes real clicks only.
    void setClickOnKeys(bool on) { clickOnKeys_ = on; }

    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int sortedPlace(const QString& text) const;
    bool sorted_;
    bool keepAddingOrder_ = false;
    bool clickOnKeys_ = true;
    int newIndex_ = -1;
};

} // namespace controls
