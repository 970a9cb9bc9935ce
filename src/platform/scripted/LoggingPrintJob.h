#pragma once
// A print job that writes each operation to the event log as it comes, can fail at a chosen
// operation, and can pass every operation on to a real job (a PDF file).
#include "EventLog.h"
#include "PrinterPort.h"

#include <QJsonArray>
#include <memory>

namespace platform {

class LoggingPrintJob : public PrintJob {
public:
    // failAt: the 1-based operation that fails, 0 for none; drawn: the job that also draws, or null.
    LoggingPrintJob(EventLog& log, int failAt, std::unique_ptr<PrintJob> drawn);

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
    // Logs the operation, or logs printerror and throws when it is the one that fails.
    void step(const QString& op, const QJsonArray& args);

    EventLog& log_;
    int failAt_;
    int count_ = 0;
    std::unique_ptr<PrintJob> drawn_;
};

} // namespace platform
