#include "common/win1252.h"

#include <array>

namespace vm {

namespace {

// Characters of the bytes 0x80 to 0x9F; the rest of the code page equals
// Latin-1. Undefined bytes keep their own value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> table{};
    for (int i = 0; i < 256; ++i) {
        table[i] = char16_t(i);
    }
    for (int i = 0; i < 32; ++i) {
        table[0x80 + i] = kHighControls[i];
    }
    return table;
}

constexpr std::array<char16_t, 256> kDecode = makeDecodeTable();

char encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return char(c);
    }
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] == c) {
            return char(0x80 + i);
        }
    }
    return '?';
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        out[i] = kDecode[in[i]];
    }
    return text;
}

qsizetype encodeWindows1252Into(char* dst, QStringView text)
{
    const char16_t* src = reinterpret_cast<const char16_t*>(text.data());
    const qsizetype size = text.size();
    qsizetype n = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = src[i];
        if (c < 0x80) {
            dst[n++] = char(c);
        } else if (QChar::isHighSurrogate(c) && i + 1 < size && QChar::isLowSurrogate(src[i + 1])) {
            ++i; // one character, one "?"
            dst[n++] = '?';
        } else {
            dst[n++] = encodeChar(c);
        }
    }
    return n;
}

void appendWindows1252(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    out.resize(start + encodeWindows1252Into(out.data() + start, text));
}

QByteArray encodeWindows1252(QStringView text)
{
    QByteArray out;
    appendWindows1252(out, text);
    return out;
}

} // namespace vm
