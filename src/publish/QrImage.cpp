#include "QrImage.h"

#include <qrencode.h>

#include <memory>

namespace publish {

QImage qrImage(const QString& text, int scale) {
    const QByteArray utf8 = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(utf8.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code) return {};
    constexpr int Quiet = 4;
    const int side = (code->width + 2 * Quiet) * scale;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                for (int dy = 0; dy < scale; ++dy)
                    for (int dx = 0; dx < scale; ++dx)
                        image.setPixel((x + Quiet) * scale + dx, (y + Quiet) * scale + dy, qRgb(0, 0, 0));
    return image;
}

} // namespace publish
