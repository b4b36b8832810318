#include "platform/IniFile.h"

#include "platform/AtomicFile.h"
#include "platform/Errors.h"
#include "platform/TextDecoding.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace {

QString normalisedName(const QString& name) {
    return name.trimmed().toLower();
}

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

bool isSectionHeader(const QString& line, QString* name) {
    const QString trimmed = line.trimmed();
    if (!trimmed.startsWith(u'[')) {
        return false;
    }
    const qsizetype close = trimmed.indexOf(u']');
    *name = trimmed.mid(1, close < 0 ? -1 : close - 1);
    return true;
}

bool isComment(const QString& line) {
    return line.trimmed().startsWith(u';');
}

// CR LF, a lone CR and a lone LF each end a line, as the DMS and editors on any system
// may write them.
QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\r' || text.at(i) == u'\n') {
            lines.append(text.mid(start, i - start));
            if (text.at(i) == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') {
                ++i;
            }
            start = i + 1;
        }
    }
    if (start < text.size()) {
        lines.append(text.mid(start));
    }
    return lines;
}

// The line end a saved file keeps: CR LF when the file has one, else a lone CR when it
// has one, else LF.
QString lineBreakOf(const QString& text) {
    if (text.contains(QStringLiteral("\r\n"))) {
        return QStringLiteral("\r\n");
    }
    return text.contains(u'\r') ? QStringLiteral("\r") : QStringLiteral("\n");
}

}  // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {
    QFile file(path_);
    fileExists_ = file.exists();
    QByteArray bytes;
    if (fileExists_) {
        // Opening a FIFO would wait for a writer for ever, and a device is no document.
        if (!QFileInfo(path_).isFile()) {
            readError_ = QStringLiteral("non è un file regolare");
        } else if (!file.open(QIODevice::ReadOnly)) {
            readError_ = file.errorString();
        } else {
            // Read one byte past the limit to tell a file of exactly the limit from a larger
            // one, whatever size the file had a moment before.
            bytes = file.read(kMaxFileSize + 1);
            if (file.error() != QFileDevice::NoError) {
                readError_ = file.errorString();
            } else if (bytes.size() > kMaxFileSize) {
                readError_ = QStringLiteral("il file supera %1 MB").arg(kMaxFileSize >> 20);
            }
        }
    }
    parse(readError_.isEmpty() ? bytes : QByteArray());
}

IniFile IniFile::fromBytes(const QByteArray& bytes, QString path) {
    IniFile document;
    document.path_ = std::move(path);
    document.fileExists_ = true;
    document.parse(bytes);
    return document;
}

void IniFile::parse(const QByteArray& bytes) {
    const QString text = decodeDocumentText(bytes);
    lineBreak_ = lineBreakOf(text);
    lines_ = splitLines(text);
    rebuildIndex();
}

void IniFile::rebuildIndex() {
    sections_.clear();
    SectionIndex* current = nullptr;
    for (int i = 0; i < lines_.size(); ++i) {
        const QString& line = lines_.at(i);
        QString sectionName;
        if (isSectionHeader(line, &sectionName)) {
            const QString key = normalisedName(sectionName);
            // A repeated section is not read, as with the Windows profile functions.
            if (sections_.contains(key)) {
                current = nullptr;
            } else {
                current = &sections_[key];
                current->lastEntryLine = i;
            }
            continue;
        }
        if (current == nullptr || isComment(line)) {
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals < 0) {
            continue;
        }
        const QString key = normalisedName(line.left(equals));
        current->lastEntryLine = i;
        if (!current->keys.contains(key)) {
            current->keys.insert(key, {i, unquoted(line.mid(equals + 1))});
        }
    }
}

const QString* IniFile::rawValue(const QString& section, const QString& key) const {
    const auto sectionIt = sections_.constFind(normalisedName(section));
    if (sectionIt == sections_.constEnd()) {
        return nullptr;
    }
    const auto keyIt = sectionIt->keys.constFind(normalisedName(key));
    return keyIt == sectionIt->keys.constEnd() ? nullptr : &keyIt->value;
}

bool IniFile::isBlank() const {
    return std::all_of(lines_.begin(), lines_.end(),
                       [](const QString& line) { return line.trimmed().isEmpty(); });
}

bool IniFile::sectionExists(const QString& section) const {
    return sections_.contains(normalisedName(section));
}

bool IniFile::valueExists(const QString& section, const QString& key) const {
    return rawValue(section, key) != nullptr;
}

QString IniFile::readString(const QString& section, const QString& key,
                            const QString& defaultValue) const {
    const QString* value = rawValue(section, key);
    return value == nullptr ? defaultValue : *value;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    QString cleanValue = value;
    cleanValue.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString newLine = key.trimmed() + u'=' + cleanValue;

    const auto sectionIt = sections_.constFind(normalisedName(section));
    if (sectionIt == sections_.constEnd()) {
        if (!lines_.isEmpty() && !lines_.back().trimmed().isEmpty()) {
            lines_.append(QString());
        }
        lines_.append(u'[' + section.trimmed() + u']');
        lines_.append(newLine);
    } else if (const auto keyIt = sectionIt->keys.constFind(normalisedName(key));
               keyIt != sectionIt->keys.constEnd()) {
        lines_[keyIt->line] = newLine;
    } else {
        lines_.insert(sectionIt->lastEntryLine + 1, newLine);
    }
    rebuildIndex();
}

void IniFile::save() {
    // What could not be read would be lost by writing the rest over it.
    if (!readError_.isEmpty()) {
        throw TavornoError(QStringLiteral("Impossibile scrivere il file \"%1\": non è stato "
                                          "possibile leggerlo (%2)")
                               .arg(path_, readError_));
    }
    QString text;
    for (const QString& line : lines_) {
        text += line + lineBreak_;
    }
    const QByteArray bytes = text.toUtf8();
    AtomicFile file(path_);
    file.write(bytes.constData(), bytes.size());
    file.commit();
    fileExists_ = true;
}

QString IniFile::read(const QString& path, const QString& section, const QString& key,
                      const QString& defaultValue) {
    return IniFile(path).readString(section, key, defaultValue);
}
