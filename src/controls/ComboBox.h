#pragma once
// An editable combo box: typed into like a text box (the desk's key handlers see every character, Enter
// included), and a person may pick one of its entries instead.
#include "TextBox.h"

#include <QComboBox>
#include <QStringList>
#include <functional>

namespace controls {

class ComboBox : public QComboBox, public TextField {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);
    QString Text() const override { return currentText(); }
    void setText(const QString& text) override { setEditText(text); }
    void receiveChar(int code) override;
    // The entries offered, in order; the text in the box stays as it is.
    void setEntries(const QStringList& entries);
    QStringList entries() const;
    // A person picks entry index: the box shows it and the handler runs.
    void pick(int index);
    std::function<void()> onClick;
};

} // namespace controls
