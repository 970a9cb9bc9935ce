#pragma once
// Properties every control of the desk carries beside Qt's own: its design geometry in twips, its Tag
// text, its back colour as a 0xBBGGRR number, and its own visible flag.
#include <QRectF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace controls {

constexpr double TwipsPerPixel = 15.0;

// Sets the control's geometry in twips (relative to its container) and places it in pixels.
void setTwips(QWidget* w, double left, double top, double width, double height);
QRectF twips(const QWidget* w);

QString tag(const QWidget* w);
void setTag(QWidget* w, const QString& tag);

void setBackColor(QWidget* w, std::uint32_t bgr);
void setForeColor(QWidget* w, std::uint32_t bgr);
// The colour set by the code, else the kind's system colour; none for a picture.
std::optional<std::uint32_t> backColor(const QWidget* w);

void setFont(QWidget* w, const QString& family, double points, bool bold, bool italic = false);
// None for a control without a font (a picture).
std::optional<double> fontSize(const QWidget* w);
void setFontSize(QWidget* w, double points);

// The control's own visible flag, as the code set it (a control never hidden is visible).
bool ownVisible(const QWidget* w);
// Shown to a person: the control and every container up to its window are visible.
bool isShown(const QWidget* w);
// A person can act on it: shown and enabled, containers included.
bool isUsable(const QWidget* w);

} // namespace controls
