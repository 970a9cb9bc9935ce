#pragma once
// The page's address as a QR code for the notice board and the sailors' phones, drawn by libqrencode.
#include <QImage>
#include <QString>

namespace publish {

// Black modules on white with the quiet zone of four modules the standard asks for; each module `scale`
// pixels. A null image when the text cannot be encoded.
QImage qrImage(const QString& text, int scale = 4);

} // namespace publish
