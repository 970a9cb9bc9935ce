#include "PainterPrintJob.h"

#include "PrinterError.h"

#include <QImage>
#include <QRectF>
#include <algorithm>
#include <optional>

namespace platform {

namespace {

constexpr int InvalidPropertyValue = 380;
constexpr int Twips = 1;

// Device pixels per unit of the printer object's scale modes (twips, points, pixels, inches,
// millimetres, centimetres).
std::optional<double> pixelsPerUnit(int mode, double dpi) {
    switch (mode) {
    case 1:
        return dpi / 1440.0;
    case 2:
        return dpi / 72.0;
    case 3:
        return 1.0;
    case 5:
        return dpi;
    case 6:
        return dpi / 25.4;
    case 7:
        return dpi / 2.54;
    default:
        return std::nullopt;
    }
}

double averageCharWidth(const QFontMetricsF& m) {
    const double width = m.averageCharWidth();
    return width > 0 ? width : m.horizontalAdvance(QLatin1Char('n'));
}

} // namespace

PainterPrintJob::PainterPrintJob(std::unique_ptr<QPagedPaintDevice> device, DeviceFailed deviceFailed)
    : device_(std::move(device)), deviceFailed_(std::move(deviceFailed)) {
    // Where MS Sans Serif is missing, a narrow sans keeps the 107-column table on the page: the tab
    // columns are measured in the font's average character width.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
    if (!painter_.begin(device_.get())) throw printerError("the printer could not be opened");
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    font_.setFamily(QStringLiteral("MS Sans Serif"));
    font_.setStyleHint(QFont::SansSerif);
    font_.setPointSizeF(10);
    applyFont();
    pixelsPerUnit_ = *pixelsPerUnit(Twips, device_->logicalDpiY());
}

void PainterPrintJob::ScaleMode(int mode) {
    requireActive();
    const std::optional<double> perUnit = pixelsPerUnit(mode, device_->logicalDpiY());
    if (!perUnit) throw RuntimeError(InvalidPropertyValue, "Invalid property value");
    pixelsPerUnit_ = *perUnit;
}

void PainterPrintJob::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    requireActive();
    if (picture.isNull()) return;
    beginDrawing();
    const double u = pixelsPerUnit_;
    painter_.drawImage(QRectF(x * u, y * u, width * u, height * u), picture);
    check();
}

void PainterPrintJob::FontName(const QString& name) {
    requireActive();
    font_.setFamily(name);
    applyFont();
}

void PainterPrintJob::FontBold(bool bold) {
    requireActive();
    font_.setBold(bold);
    applyFont();
}

void PainterPrintJob::FontSize(double points) {
    requireActive();
    if (!(points > 0)) throw RuntimeError(InvalidPropertyValue, "Invalid property value");
    font_.setPointSizeF(points);
    applyFont();
}

void PainterPrintJob::FontUnderline(bool underline) {
    requireActive();
    font_.setUnderline(underline);
    applyFont();
}

void PainterPrintJob::CurrentX(double x) {
    requireActive();
    x_ = x * pixelsPerUnit_;
}

void PainterPrintJob::CurrentY(double y) {
    requireActive();
    y_ = y * pixelsPerUnit_;
}

void PainterPrintJob::Print(const std::vector<PrintItem>& items) {
    requireActive();
    for (const PrintItem& item : items) {
        if (const Tab* tab = std::get_if<Tab>(&item))
            moveToColumn(tab->column);
        else
            printText(std::get<QString>(item));
    }
    nextLine();
    check();
}

void PainterPrintJob::NewPage() {
    requireActive();
    turnPage();
    x_ = 0;
}

void PainterPrintJob::EndDoc() {
    requireActive();
    if (!painter_.end()) throw printerError("the document could not be ended");
}

QFontMetricsF PainterPrintJob::metrics() const {
    return QFontMetricsF(font_, device_.get());
}

void PainterPrintJob::applyFont() {
    painter_.setFont(font_);
    check();
}

// Column 1 is the left edge of the printable area; a column already passed is taken on the next line.
void PainterPrintJob::moveToColumn(int column) {
    const double target = (std::max(column, 1) - 1) * averageCharWidth(metrics());
    if (x_ > target) nextLine();
    x_ = target;
}

void PainterPrintJob::printText(const QString& text) {
    if (text.isEmpty()) return;
    const QFontMetricsF m = metrics();
    // A line that would pass the bottom of the page goes to the top of the next one.
    if (y_ > 0 && y_ + m.height() > device_->height()) turnPage();
    beginDrawing();
    painter_.drawText(QPointF(x_, y_ + m.ascent()), text);
    x_ += m.horizontalAdvance(text);
}

void PainterPrintJob::nextLine() {
    x_ = 0;
    y_ += metrics().lineSpacing();
}

void PainterPrintJob::beginDrawing() {
    if (breakPending_) {
        if (!device_->newPage()) throw printerError("a new page could not be started");
        breakPending_ = false;
    }
    pageDrawn_ = true;
}

void PainterPrintJob::turnPage() {
    if (pageDrawn_) {
        breakPending_ = true;
        pageDrawn_ = false;
    }
    y_ = 0;
}

void PainterPrintJob::requireActive() const {
    if (!painter_.isActive()) throw printerError("the print job has ended");
}

void PainterPrintJob::check() const {
    if ((deviceFailed_ && deviceFailed_()) || !painter_.isActive())
        throw printerError("the printer reported an error");
}

} // namespace platform
