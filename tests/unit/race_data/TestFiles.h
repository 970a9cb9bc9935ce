#pragma once
// Small file helpers for tests that put exact bytes on disk and read them back, and the folder of one
// race for the tests of the race files.
#include "RaceFiles.h"
#include "RuntimeError.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

inline QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline void makeReadOnly(const QString& path) {
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
}

inline std::optional<RuntimeError> failureOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const RuntimeError& e) {
        return e;
    }
    return std::nullopt;
}

class RaceFolderTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString dat = dir.filePath(QStringLiteral("Höst 2004.dat"));
    QString cmt = dir.filePath(QStringLiteral("Höst 2004.cmt"));
    race_data::RaceFiles files;
};
