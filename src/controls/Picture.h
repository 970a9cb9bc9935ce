#pragma once
#include <QImage>
#include <QLabel>

namespace controls {

// A picture control: shows its image scaled to its box; it has no font and no back colour.
class Picture : public QLabel {
    Q_OBJECT
public:
    explicit Picture(QWidget* parent = nullptr);
    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

private:
    QImage image_;
};

} // namespace controls
