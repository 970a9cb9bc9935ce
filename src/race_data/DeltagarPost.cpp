#include "DeltagarPost.h"

#include "Cp1252.h"

#include <bit>

namespace {

// Field offsets of the 93-byte record.
using race_data::BTypWidth;
using race_data::NamnWidth;
using race_data::SegelIdWidth;
constexpr int NamnAt = 0;
constexpr int SegelIdAt = 20;
constexpr int BTypAt = 30;
constexpr int LysTalAt = 45;
constexpr int StartTidAt = 49;
constexpr int MalTidAt = 57;
constexpr int SeglTidAt = 65;
constexpr int KorrigeradTidAt = 73;
constexpr int BorttagenAt = 81;
constexpr int KommentarPosAt = 85;
constexpr int KommentarLenAt = 89;

// A field holds characters, one byte each: the text is cut after encoding.
QByteArray fieldBytes(const QString& text, int width) {
    return cp1252::encode(text).left(width);
}

void putText(QByteArray& record, int at, int width, const QString& text) {
    const QByteArray bytes = fieldBytes(text, width);
    for (int i = 0; i < width; ++i)
        record[at + i] = i < bytes.size() ? bytes[i] : ' ';
}

template <typename Unsigned> void putLittleEndian(QByteArray& record, int at, Unsigned value) {
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        record[at + static_cast<int>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

template <typename Unsigned> Unsigned getLittleEndian(const QByteArray& record, int at) {
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value |= Unsigned(static_cast<unsigned char>(record[at + static_cast<int>(i)])) << (8 * i);
    return value;
}

void putInt32(QByteArray& record, int at, std::int32_t v) {
    putLittleEndian(record, at, static_cast<std::uint32_t>(v));
}
void putFloat(QByteArray& record, int at, float v) {
    putLittleEndian(record, at, std::bit_cast<std::uint32_t>(v));
}
void putDouble(QByteArray& record, int at, double v) {
    putLittleEndian(record, at, std::bit_cast<std::uint64_t>(v));
}

std::int32_t getInt32(const QByteArray& r, int at) {
    return static_cast<std::int32_t>(getLittleEndian<std::uint32_t>(r, at));
}
float getFloat(const QByteArray& r, int at) {
    return std::bit_cast<float>(getLittleEndian<std::uint32_t>(r, at));
}
double getDouble(const QByteArray& r, int at) {
    return std::bit_cast<double>(getLittleEndian<std::uint64_t>(r, at));
}

} // namespace

namespace race_data {

QByteArray encodeRecord(const DeltagarPost& post) {
    QByteArray record(RecordLength, '\0');
    putText(record, NamnAt, NamnWidth, post.Namn);
    putText(record, SegelIdAt, SegelIdWidth, post.SegelId);
    putText(record, BTypAt, BTypWidth, post.BTyp);
    putFloat(record, LysTalAt, post.LysTal);
    putDouble(record, StartTidAt, post.StartTid);
    putDouble(record, MalTidAt, post.MalTid);
    putDouble(record, SeglTidAt, post.SeglTid);
    putDouble(record, KorrigeradTidAt, post.KorrigeradTid);
    putInt32(record, BorttagenAt, post.Borttagen);
    putInt32(record, KommentarPosAt, post.KommentarPos);
    putInt32(record, KommentarLenAt, post.KommentarLen);
    return record;
}

DeltagarPost decodeRecord(const QByteArray& bytes) {
    QByteArray record = bytes.left(RecordLength);
    record.append(RecordLength - record.size(), '\0');
    DeltagarPost post;
    post.Namn = cp1252::decode(record.mid(NamnAt, NamnWidth));
    post.SegelId = cp1252::decode(record.mid(SegelIdAt, SegelIdWidth));
    post.BTyp = cp1252::decode(record.mid(BTypAt, BTypWidth));
    post.LysTal = getFloat(record, LysTalAt);
    post.StartTid = getDouble(record, StartTidAt);
    post.MalTid = getDouble(record, MalTidAt);
    post.SeglTid = getDouble(record, SeglTidAt);
    post.KorrigeradTid = getDouble(record, KorrigeradTidAt);
    post.Borttagen = getInt32(record, BorttagenAt);
    post.KommentarPos = getInt32(record, KommentarPosAt);
    post.KommentarLen = getInt32(record, KommentarLenAt);
    return post;
}

DeltagarPost asReadBack(const DeltagarPost& post) {
    return decodeRecord(encodeRecord(post));
}

QString storedText(const QString& text, int width) {
    return cp1252::decode(fieldBytes(text, width));
}

} // namespace race_data
