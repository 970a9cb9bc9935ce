#pragma once
// The printer object's operations drawn with a QPainter on a paged device: a printer (QPrinter) or a
// PDF (QPdfWriter). Needs QtGui only, so that an export can draw the printed page without widgets.
#include "PrinterPort.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <functional>
#include <memory>

namespace platform {

class PainterPrintJob : public PrintJob {
public:
    // Reports whether the device has failed since the last operation (a printer's error state).
    using DeviceFailed = std::function<bool()>;

    // Starts the document; throws RuntimeError when the device cannot be opened.
    explicit PainterPrintJob(std::unique_ptr<QPagedPaintDevice> device, DeviceFailed deviceFailed = {});

    void ScaleMode(int mode) override;
    void PaintPicture(const QImage& picture, double x, double y, double width, double height) override;
    void FontName(const QString& name) override;
    void FontBold(bool bold) override;
    void FontSize(double points) override;
    void FontUnderline(bool underline) override;
    void CurrentX(double x) override;
    void CurrentY(double y) override;
    void Print(const std::vector<PrintItem>& items) override;
    void NewPage() override;
    void EndDoc() override;

private:
    QFontMetricsF metrics() const;
    void applyFont();
    void moveToColumn(int column);
    void printText(const QString& text);
    void nextLine();
    void beginDrawing();
    void turnPage();
    void requireActive() const;
    void check() const;

    // Declared before the painter, which must end before the device goes.
    std::unique_ptr<QPagedPaintDevice> device_;
    DeviceFailed deviceFailed_;
    QPainter painter_;
    QFont font_;
    double pixelsPerUnit_ = 0; // device pixels per unit of the scale mode
    double x_ = 0;             // the current position, in device pixels of the printable area
    double y_ = 0;
    // Pages are turned lazily, so that no empty page is ever sent: a break only becomes a new page
    // when something is drawn after it.
    bool pageDrawn_ = false;
    bool breakPending_ = false;
};

} // namespace platform
