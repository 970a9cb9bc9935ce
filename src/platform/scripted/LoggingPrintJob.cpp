#include "LoggingPrintJob.h"

#include "PrinterError.h"

#include <QJsonObject>

namespace platform {

namespace {

QJsonArray printItemsJson(const std::vector<PrintItem>& items) {
    QJsonArray list;
    for (const PrintItem& item : items) {
        if (const Tab* tab = std::get_if<Tab>(&item))
            list.append(QJsonObject{{QStringLiteral("tab"), tab->column}});
        else
            list.append(std::get<QString>(item));
    }
    return list;
}

} // namespace

LoggingPrintJob::LoggingPrintJob(EventLog& log, int failAt, std::unique_ptr<PrintJob> drawn)
    : log_(log), failAt_(failAt), drawn_(std::move(drawn)) {}

void LoggingPrintJob::step(const QString& op, const QJsonArray& args) {
    if (++count_ == failAt_) {
        log_.write(
            QJsonObject{{QStringLiteral("event"), QStringLiteral("printerror")}, {QStringLiteral("op"), op}});
        throw printerError(op.toStdString() + " failed");
    }
    log_.write(QJsonObject{
        {QStringLiteral("event"), QStringLiteral("printer")},
        {QStringLiteral("op"), op},
        {QStringLiteral("args"), args},
    });
}

void LoggingPrintJob::ScaleMode(int mode) {
    step(QStringLiteral("ScaleMode"), {mode});
    if (drawn_) drawn_->ScaleMode(mode);
}

void LoggingPrintJob::PaintPicture(const QImage& picture, double x, double y, double width, double height) {
    step(QStringLiteral("PaintPicture"), {x, y, width, height});
    if (drawn_) drawn_->PaintPicture(picture, x, y, width, height);
}

void LoggingPrintJob::FontName(const QString& name) {
    step(QStringLiteral("FontName"), {name});
    if (drawn_) drawn_->FontName(name);
}

void LoggingPrintJob::FontBold(bool bold) {
    step(QStringLiteral("FontBold"), {bold});
    if (drawn_) drawn_->FontBold(bold);
}

void LoggingPrintJob::FontSize(double points) {
    step(QStringLiteral("FontSize"), {points});
    if (drawn_) drawn_->FontSize(points);
}

void LoggingPrintJob::FontUnderline(bool underline) {
    step(QStringLiteral("FontUnderline"), {underline});
    if (drawn_) drawn_->FontUnderline(underline);
}

void LoggingPrintJob::CurrentX(double x) {
    step(QStringLiteral("CurrentX"), {x});
    if (drawn_) drawn_->CurrentX(x);
}

void LoggingPrintJob::CurrentY(double y) {
    step(QStringLiteral("CurrentY"), {y});
    if (drawn_) drawn_->CurrentY(y);
}

void LoggingPrintJob::Print(const std::vector<PrintItem>& items) {
    step(QStringLiteral("Print"), printItemsJson(items));
    if (drawn_) drawn_->Print(items);
}

void LoggingPrintJob::NewPage() {
    step(QStringLiteral("NewPage"), {});
    if (drawn_) drawn_->NewPage();
}

void LoggingPrintJob::EndDoc() {
    step(QStringLiteral("EndDoc"), {});
    if (drawn_) drawn_->EndDoc();
}

} // namespace platform
