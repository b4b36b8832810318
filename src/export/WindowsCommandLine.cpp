#include "export/WindowsCommandLine.h"

QStringList splitWindowsCommandLine(const QString& arguments) {
    QStringList words;
    QString word;
    bool inWord = false;
    bool inQuotes = false;
    const qsizetype length = arguments.size();
    qsizetype i = 0;
    while (i < length) {
        const QChar c = arguments.at(i);
        if ((c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !inQuotes) {
            if (inWord) {
                words.append(word);
                word.clear();
                inWord = false;
            }
            ++i;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('\\')) {
            qsizetype end = i;
            while (end < length && arguments.at(end) == QLatin1Char('\\')) {
                ++end;
            }
            const qsizetype backslashes = end - i;
            const bool beforeQuote = end < length && arguments.at(end) == QLatin1Char('"');
            word += QString(beforeQuote ? backslashes / 2 : backslashes, QLatin1Char('\\'));
            i = end;
            if (beforeQuote && backslashes % 2 == 1) {
                word += QLatin1Char('"');
                ++i;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            if (inQuotes && i + 1 < length && arguments.at(i + 1) == QLatin1Char('"')) {
                word += QLatin1Char('"');
                i += 2;
            } else {
                inQuotes = !inQuotes;
                ++i;
            }
            continue;
        }
        word += c;
        ++i;
    }
    if (inWord) {
        words.append(word);
    }
    return words;
}
