#pragma once
#include <QLabel>
#include <functional>

namespace controls {

// A label with a caption and a click handler, as the desk's command column uses them.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(const QString& caption = {}, QWidget* parent = nullptr);
    explicit Label(QWidget* parent) : Label(QString(), parent) {}
    QString caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace controls
