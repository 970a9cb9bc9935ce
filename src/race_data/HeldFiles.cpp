#include "HeldFiles.h"

#include "FileFailure.h"
#include "RaceFiles.h"
#include "SystemFileQt.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <vector>

namespace race_data {

namespace {

// The files held for writing; a file is let go with its last holder.
std::vector<std::weak_ptr<HeldFile>>& heldForWriting() {
    static std::vector<std::weak_ptr<HeldFile>> held;
    return held;
}

std::shared_ptr<HeldFile> alreadyHeld(const QString& path) {
    std::vector<std::weak_ptr<HeldFile>>& held = heldForWriting();
    std::erase_if(held, [](const std::weak_ptr<HeldFile>& h) { return h.expired(); });
    const std::optional<sysfile::Identity> identity = sysfile::identityAt(path);
    if (!identity) return nullptr;
    for (const std::weak_ptr<HeldFile>& h : held)
        if (std::shared_ptr<HeldFile> file = h.lock(); file->identity == *identity) return file;
    return nullptr;
}

// A FIFO, device or folder is refused before it is opened, as opening or reading one may wait for ever.
std::shared_ptr<HeldFile> openFile(const QString& path) {
    const sysfile::Kind kind = sysfile::kindAt(path);
    if (kind == sysfile::Kind::Other) throw base::notARegularFile(path);
    auto held = std::make_shared<HeldFile>();
    const std::string native = sysfile::utf8Path(path);
    held->readOnly = isWriteProtected(path);
    int error = held->readOnly ? EACCES : held->file.open(native, sysfile::Access::ReadWrite);
    if (error && kind == sysfile::Kind::Regular) {
        held->refusal = error == EBUSY ? EBUSY : 0;
        held->readOnly = true;
        error = held->file.open(native, sysfile::Access::Read);
    }
    if (error) {
        const bool folderMissing = !QFileInfo(path).absoluteDir().exists();
        throw base::fileFailure(path, folderMissing ? ENOTDIR : error);
    }
    held->identity = held->file.identity().value_or(sysfile::Identity{});
    if (!held->readOnly) heldForWriting().push_back(held);
    return held;
}

} // namespace

std::shared_ptr<HeldFile> holdFile(const QString& path) {
    if (std::shared_ptr<HeldFile> held = alreadyHeld(path)) return held;
    return openFile(path);
}

} // namespace race_data
