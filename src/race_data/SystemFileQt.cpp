#include "SystemFileQt.h"

namespace race_data::sysfile {

std::string utf8Path(const QString& path) {
    return path.toUtf8().toStdString();
}

std::string_view viewOf(const QByteArray& bytes) {
    return {bytes.constData(), std::size_t(bytes.size())};
}

std::optional<Identity> identityAt(const QString& path) {
    return identityAt(utf8Path(path));
}

Kind kindAt(const QString& path) {
    return kindAt(utf8Path(path));
}

bool opensForReading(const QString& path) {
    return opensForReading(utf8Path(path));
}

std::optional<QByteArray> readRegularFile(const QString& path) {
    const std::optional<std::string> bytes = readRegularFile(utf8Path(path));
    if (!bytes) return std::nullopt;
    return QByteArray::fromStdString(*bytes);
}

int createEmpty(const QString& path) {
    return createEmpty(utf8Path(path));
}

int replaceWhole(const QString& path, const QByteArray& bytes) {
    return replaceWhole(utf8Path(path), viewOf(bytes));
}

} // namespace race_data::sysfile
