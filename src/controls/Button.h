#pragma once
#include <QPushButton>
#include <functional>

namespace controls {

class Button : public QPushButton {
    Q_OBJECT
public:
    explicit Button(const QString& caption = {}, QWidget* parent = nullptr);
    explicit Button(QWidget* parent) : Button(QString(), parent) {}
    QString caption() const { return text(); }
    std::function<void()> onClick;
};

} // namespace controls
