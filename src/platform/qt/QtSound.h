#pragma once
#include "Sound.h"

#include <QString>
#include <map>
#include <memory>

class QSoundEffect;

namespace platform {

// One QSoundEffect per file, kept loaded so that the next finish sounds at once.
class QtSound : public Sound {
public:
    QtSound();
    ~QtSound() override;
    void play(const QString& path) override;

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> effects_;
};

} // namespace platform
