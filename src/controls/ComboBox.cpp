#include "ComboBox.h"

#include <QLineEdit>

namespace controls {

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // A typed name becomes an entry when the desk takes it, not when Enter reaches the box.
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this](int index) { pick(index); });
}

void ComboBox::receiveChar(int code) {
    const QString text = currentText();
    if (code == 8)
        setEditText(text.chopped(text.isEmpty() ? 0 : 1));
    else if (code >= 32 && (!lineEdit() || text.size() < lineEdit()->maxLength()))
        setEditText(text + QChar(code));
}

void ComboBox::setEntries(const QStringList& entries) {
    if (entries == this->entries()) return; // an open drop-down is not rebuilt under the officer
    const QString text = currentText();
    const QSignalBlocker quiet(this);
    clear();
    addItems(entries);
    setCurrentIndex(-1);
    setEditText(text);
}

QStringList ComboBox::entries() const {
    QStringList list;
    for (int i = 0; i < count(); ++i)
        list << itemText(i);
    return list;
}

void ComboBox::pick(int index) {
    if (index < 0 || index >= count()) return;
    setEditText(itemText(index));
    if (onClick) onClick();
}

} // namespace controls
