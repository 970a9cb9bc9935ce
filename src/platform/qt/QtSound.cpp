#include "QtSound.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace platform {

QtSound::QtSound() = default;
QtSound::~QtSound() = default;

void QtSound::play(const QString& path) {
    // A missing file is silence, not an error and not a warning on the console.
    if (!QFileInfo(path).isFile()) return;
    std::unique_ptr<QSoundEffect>& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    // A boat finishing while the last one still sounds starts the sound over.
    if (effect->isPlaying()) effect->stop();
    effect->play();
}

} // namespace platform
