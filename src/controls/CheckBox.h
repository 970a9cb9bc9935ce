#pragma once
#include <QCheckBox>
#include <functional>

namespace controls {

// A check box whose handler runs after a person's click has changed its state.
class CheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit CheckBox(const QString& caption = {}, QWidget* parent = nullptr);
    std::function<void()> onClick;
};

} // namespace controls
