#pragma once
// One participant: a 93-byte little-endian record of the race file.
#include <QByteArray>
#include <QString>
#include <cstdint>

struct DeltagarPost {
    QString Namn;    // 20 characters on disk
    QString SegelId; // 10 characters on disk
    QString BTyp;    // 15 characters on disk
    float LysTal = 0.0f;
    double StartTid = 0.0;
    double MalTid = 0.0;
    double SeglTid = 0.0;
    double KorrigeradTid = 0.0;
    std::int32_t Borttagen = 0;
    std::int32_t KommentarPos = 0;
    std::int32_t KommentarLen = 0;
};

namespace race_data {

constexpr int RecordLength = 93;
// The widths of the text fields: characters, one byte each on the disk.
constexpr int NamnWidth = 20;
constexpr int SegelIdWidth = 10;
constexpr int BTypWidth = 15;

// Field by field, Windows-1252 texts space-padded and cut to their widths after encoding.
QByteArray encodeRecord(const DeltagarPost& post);
// Reads a record from up to 93 bytes; a short buffer (the part record at the end of a file) is read as
// if padded with zero bytes. Texts keep their padding; callers trim for display.
DeltagarPost decodeRecord(const QByteArray& bytes);
// The record as the race file gives it back once written: texts cut to their widths, a character
// Windows-1252 lacks as "?", padding kept.
DeltagarPost asReadBack(const DeltagarPost& post);
// One text as its field keeps it: cut to the width, a character Windows-1252 lacks as "?", no padding.
QString storedText(const QString& text, int width);

} // namespace race_data
