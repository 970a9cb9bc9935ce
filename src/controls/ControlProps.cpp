#include "ControlProps.h"

#include "Picture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVariant>
#include <cmath>

namespace controls {
namespace {

const char* const TwipsProp = "brisrundanTwips";
const char* const TagProp = "Tag";
const char* const BackColorProp = "brisrundanBackColor";

QColor fromBgr(std::uint32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

int px(double twipsValue) {
    return static_cast<int>(std::lround(twipsValue / TwipsPerPixel));
}

// The system colours a control reports before the code gives it one: window background for text
// boxes and lists, button face for the rest.
constexpr std::uint32_t WindowBackground = 0x80000005u;
constexpr std::uint32_t ButtonFace = 0x8000000Fu;

} // namespace

void setTwips(QWidget* w, double left, double top, double width, double height) {
    w->setProperty(TwipsProp, QRectF(left, top, width, height));
    if (w->isWindow())
        w->setGeometry(px(left), px(top), px(width), px(height));
    else
        w->setGeometry(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

QRectF twips(const QWidget* w) {
    const QVariant v = w->property(TwipsProp);
    if (v.isValid()) return v.toRectF();
    const QRect g = w->geometry();
    return QRectF(g.x() * TwipsPerPixel, g.y() * TwipsPerPixel, g.width() * TwipsPerPixel,
                  g.height() * TwipsPerPixel);
}

QString tag(const QWidget* w) {
    return w->property(TagProp).toString();
}
void setTag(QWidget* w, const QString& tag) {
    w->setProperty(TagProp, tag);
}

void setBackColor(QWidget* w, std::uint32_t bgr) {
    w->setProperty(BackColorProp, QVariant::fromValue(static_cast<qulonglong>(bgr)));
    QPalette p = w->palette();
    const QColor c = fromBgr(bgr);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void setForeColor(QWidget* w, std::uint32_t bgr) {
    QPalette p = w->palette();
    const QColor c = fromBgr(bgr);
    p.setColor(QPalette::Text, c);
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    w->setPalette(p);
}

std::optional<std::uint32_t> backColor(const QWidget* w) {
    if (dynamic_cast<const Picture*>(w)) return std::nullopt;
    const QVariant v = w->property(BackColorProp);
    if (v.isValid()) return static_cast<std::uint32_t>(v.toULongLong());
    if (dynamic_cast<const QLineEdit*>(w) || dynamic_cast<const QPlainTextEdit*>(w) ||
        dynamic_cast<const QAbstractItemView*>(w))
        return WindowBackground;
    return ButtonFace;
}

void setFont(QWidget* w, const QString& family, double points, bool bold, bool italic) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    w->setFont(f);
}

std::optional<double> fontSize(const QWidget* w) {
    if (dynamic_cast<const Picture*>(w)) return std::nullopt;
    return w->font().pointSizeF();
}

void setFontSize(QWidget* w, double points) {
    QFont f = w->font();
    f.setPointSizeF(points);
    w->setFont(f);
}

bool ownVisible(const QWidget* w) {
    if (w->isWindow()) return !w->isHidden();
    return !(w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->testAttribute(Qt::WA_WState_Hidden));
}

bool isShown(const QWidget* w) {
    for (const QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget())
        if (!ownVisible(p)) return false;
    return true;
}

bool isUsable(const QWidget* w) {
    if (!isShown(w)) return false;
    for (const QWidget* p = w; p; p = p->isWindow() ? nullptr : p->parentWidget())
        if (p->testAttribute(Qt::WA_ForceDisabled)) return false;
    return true;
}

} // namespace controls
