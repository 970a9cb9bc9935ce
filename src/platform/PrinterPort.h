#pragma once
// The default printer, reached through the operations of the printer object. Every operation may
// throw RuntimeError; the print job lets that reach its handler.
#include <QImage>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

namespace platform {

struct Tab {
    int column = 1; // 1-based character column in the average character width of the current font
    bool operator==(const Tab&) const = default;
};
using PrintItem = std::variant<QString, Tab>;

class PrintJob {
public:
    virtual ~PrintJob() = default;
    virtual void ScaleMode(int mode) = 0; // 7 = centimetres
    virtual void PaintPicture(const QImage& picture, double x, double y, double width, double height) = 0;
    virtual void FontName(const QString& name) = 0;
    virtual void FontBold(bool bold) = 0;
    virtual void FontSize(double points) = 0;
    virtual void FontUnderline(bool underline) = 0;
    virtual void CurrentX(double x) = 0;
    virtual void CurrentY(double y) = 0;
    // Prints the items and moves to the start of the next line; no items prints an empty line.
    virtual void Print(const std::vector<PrintItem>& items) = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
};

class PrinterPort {
public:
    virtual ~PrinterPort() = default;
    // A job on the default printer; throws RuntimeError when there is none.
    virtual std::unique_ptr<PrintJob> openJob() = 0;
    // The system's print dialog (printer, copies) for a job that starts on the default printer; null when
    // the person cancels. Throws RuntimeError when there is no printer to choose.
    virtual std::unique_ptr<PrintJob> chooseJob() = 0;
};

} // namespace platform
