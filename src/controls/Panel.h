#pragma once
#include <QGroupBox>

namespace controls {

// A 3-D panel with a caption along its top edge; its children are placed relative to it.
class Panel : public QGroupBox {
    Q_OBJECT
public:
    explicit Panel(const QString& caption = {}, QWidget* parent = nullptr);
    explicit Panel(QWidget* parent) : Panel(QString(), parent) {}
    QString caption() const { return title(); }
    void setCaption(const QString& caption) { setTitle(caption); }
};

} // namespace controls
