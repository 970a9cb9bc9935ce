#include "Button.h"
#include "CheckBox.h"
#include "Label.h"
#include "Panel.h"
#include "Picture.h"
#include "TextBox.h"

#include <QMouseEvent>
#include <QPixmap>

namespace controls {

Picture::Picture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    setPixmap(QPixmap::fromImage(image));
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent) {
    connect(
        this, &QCheckBox::clicked, this,
        [this] {
            if (onClick) onClick();
        },
        Qt::DirectConnection);
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(parent) {
    setCaption(caption);
}

void Label::setCaption(const QString& caption) {
    caption_ = caption;
    const qsizetype amp = caption.indexOf(QLatin1Char('&'));
    if (amp < 0 || amp + 1 >= caption.size() || caption[amp + 1] == QLatin1Char('&')) {
        setTextFormat(Qt::PlainText);
        setText(caption);
        return;
    }
    const QChar key = caption[amp + 1];
    setTextFormat(Qt::RichText);
    setText(caption.left(amp).toHtmlEscaped() + QStringLiteral("<u>") + QString(key).toHtmlEscaped() +
            QStringLiteral("</u>") + caption.mid(amp + 2).toHtmlEscaped());
    if (!accessKey_) {
        accessKey_ = new QShortcut(this);
        accessKey_->setContext(Qt::WindowShortcut);
        connect(accessKey_, &QShortcut::activated, this, [this] {
            if (isVisible() && isEnabled() && onClick) onClick();
        });
    }
    accessKey_->setKey(QKeySequence(Qt::ALT | QKeySequence(QString(key).toUpper())[0].key()));
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    connect(
        this, &QPushButton::clicked, this,
        [this] {
            if (onClick) onClick();
        },
        Qt::DirectConnection);
}

Panel::Panel(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
    setAlignment(Qt::AlignHCenter);
}

TextBox::TextBox(QWidget* parent) : QLineEdit(parent) {}

void TextBox::receiveChar(int code) {
    if (isReadOnly()) return;
    if (code == 8) {
        QLineEdit::setText(text().chopped(text().isEmpty() ? 0 : 1));
    } else if (code >= 32 && text().size() < maxLength()) {
        QLineEdit::setText(text() + QChar(code));
    }
}

MultiLineTextBox::MultiLineTextBox(QWidget* parent) : QPlainTextEdit(parent) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString MultiLineTextBox::Text() const {
    return toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void MultiLineTextBox::setText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(plain);
}

void MultiLineTextBox::receiveChar(int code) {
    if (isReadOnly()) return;
    const QString current = Text();
    if (code == 8)
        setText(current.endsWith(QStringLiteral("\r\n")) ? current.chopped(2)
                                                         : current.chopped(current.isEmpty() ? 0 : 1));
    else if (code == 13)
        setText(current + QStringLiteral("\r\n"));
    else if (code >= 32)
        setText(current + QChar(code));
}

} // namespace controls
