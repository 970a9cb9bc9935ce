#pragma once
#include <QLabel>
#include <QShortcut>
#include <functional>

namespace controls {

// A label with a caption and a click handler, as the desk's command column uses them. A caption with an
// access key ("&Hjälp") shows the letter underlined, and Alt + the letter clicks the label while it is
// shown and enabled.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption = {}, QWidget* parent = nullptr);
    explicit Label(QWidget* parent) : Label(QString(), parent) {}
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    QShortcut* accessKey_ = nullptr;
};

} // namespace controls
