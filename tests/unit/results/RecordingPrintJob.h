#pragma once
// A print job that writes each operation as one line of text ("FontSize 10", "Print <13>Namn<41>...",
// "Print" for an empty line), and throws at the n-th operation when told to.
#include "PrinterPort.h"
#include "RuntimeError.h"

#include "QStringPrint.h"
#include <QString>

#include <QStringList>

class RecordingPrintJob : public platform::PrintJob {
public:
    QStringList ops;
    int failAt = 0; // 1-based operation number that throws; 0 = never

    void ScaleMode(int mode) override { record(QStringLiteral("ScaleMode %1").arg(mode)); }
    void PaintPicture(const QImage& picture, double x, double y, double w, double h) override {
        record(QStringLiteral("PaintPicture %1x%2 %3 %4 %5 %6")
                   .arg(picture.width())
                   .arg(picture.height())
                   .arg(x)
                   .arg(y)
                   .arg(w)
                   .arg(h));
    }
    void FontName(const QString& name) override { record(QStringLiteral("FontName ") + name); }
    void FontBold(bool bold) override { record(QStringLiteral("FontBold %1").arg(bold)); }
    void FontSize(double points) override { record(QStringLiteral("FontSize %1").arg(points)); }
    void FontUnderline(bool on) override { record(QStringLiteral("FontUnderline %1").arg(on)); }
    void CurrentX(double x) override { record(QStringLiteral("CurrentX %1").arg(x)); }
    void CurrentY(double y) override { record(QStringLiteral("CurrentY %1").arg(y)); }
    void Print(const std::vector<platform::PrintItem>& items) override {
        QString line = QStringLiteral("Print");
        if (!items.empty()) line += QLatin1Char(' ');
        for (const platform::PrintItem& item : items) {
            if (const auto* tab = std::get_if<platform::Tab>(&item))
                line += QStringLiteral("<%1>").arg(tab->column);
            else
                line += std::get<QString>(item);
        }
        record(line);
    }
    void NewPage() override { record(QStringLiteral("NewPage")); }
    void EndDoc() override { record(QStringLiteral("EndDoc")); }

private:
    void record(const QString& op) {
        if (++count_ == failAt) throw RuntimeError(482, "printer error");
        ops.append(op);
    }
    int count_ = 0;
};
