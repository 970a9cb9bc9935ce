#pragma once
// Pushes what was written to a file through the operating system's cache onto the device.
#include <QFileDevice>

namespace race_data {

bool syncToDevice(QFileDevice& file);

} // namespace race_data
