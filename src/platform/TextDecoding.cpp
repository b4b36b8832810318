#include "platform/TextDecoding.h"

#include <QStringDecoder>
#include <array>

namespace {

// Bytes 0x80 to 0x9F; every other byte is the Latin-1 character of the same value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

}  // namespace

QString decodeWindows1252(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(kWindows1252High[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
    return text;
}

QString decodeDocumentText(const QByteArray& bytes) {
    const struct {
        QByteArrayView mark;
        QStringDecoder::Encoding encoding;
    } utf16Marks[] = {
        {"\xFF\xFE", QStringDecoder::Utf16LE},
        {"\xFE\xFF", QStringDecoder::Utf16BE},
    };
    for (const auto& [mark, encoding] : utf16Marks) {
        if (bytes.startsWith(mark)) {
            return QStringDecoder(encoding, QStringDecoder::Flag::Stateless)
                .decode(QByteArrayView(bytes).sliced(mark.size()));
        }
    }
    // A UTF-8 mark is dropped before the test, so that text behind it that is no valid UTF-8
    // (a DMS that writes the mark and then its code page) still keeps every character.
    const QByteArrayView text =
        bytes.startsWith("\xEF\xBB\xBF") ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = utf8.decode(text);
    return utf8.hasError() ? decodeWindows1252(text.toByteArray()) : decoded;
}
