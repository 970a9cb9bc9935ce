#pragma once
// Text boxes: one-line (QLineEdit) and multi-line (QPlainTextEdit). Both keep the desk's notion of the
// text: a multi-line box reports its line breaks as carriage return and line feed.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <functional>

namespace controls {

class TextField {
public:
    virtual ~TextField() = default;
    virtual QString Text() const = 0;
    virtual void setText(const QString& text) = 0;
    // A character that reached the box after the key handlers: printable characters are added at
    // the end (up to the box's maximum length), Backspace removes the last one, Enter breaks the line
    // of a multi-line box.
    virtual void receiveChar(int code) = 0;
    // The control's own key handler: gets the character code, returns it (changed or not) or 0 to
    // discard it.
    std::function<int(int)> onKeyPress;
};

class TextBox : public QLineEdit, public TextField {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr);
    QString Text() const override { return text(); }
    void setText(const QString& text) override { QLineEdit::setText(text); }
    void receiveChar(int code) override;
};

class MultiLineTextBox : public QPlainTextEdit, public TextField {
    Q_OBJECT
public:
    explicit MultiLineTextBox(QWidget* parent = nullptr);
    QString Text() const override;
    void setText(const QString& text) override;
    void receiveChar(int code) override;
};

} // namespace controls
