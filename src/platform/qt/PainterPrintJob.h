#pragma once
// The printer object's operations drawn with a QPainter on a QPrinter (a real printer or a PDF file).
#include "PrinterPort.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <memory>

namespace platform {

class PainterPrintJob : public PrintJob {
public:
    // Starts the document; throws RuntimeError when the printer cannot be opened.
    explicit PainterPrintJob(std::unique_ptr<QPrinter> printer);

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

    // Declared before the painter, which must end before the printer goes.
    std::unique_ptr<QPrinter> printer_;
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
