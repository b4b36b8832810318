#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// An INI file read and written the way the DMS and our settings expect: section and key
// names match without regard to letter case and surrounding blanks; a value comes back
// without surrounding blanks and without one pair of enclosing quotes (single or double);
// the first occurrence of a section or key counts. Writing a key replaces its line in
// place and keeps every other line as it was.
class IniFile {
public:
    // Reads the file when it exists; a missing file is an empty document. A file that
    // exists but cannot be read, is no regular file (a folder, a FIFO, a device) or is
    // larger than kMaxFileSize, is an empty document too, and readError() says why. Lines
    // end with CR LF, CR or LF.
    explicit IniFile(QString path);

    // A document made of these bytes, as if read from an existing file at path.
    static IniFile fromBytes(const QByteArray& bytes, QString path = QString());

    bool fileExists() const { return fileExists_; }
    const QString& path() const { return path_; }
    // Why an existing file could not be read; empty when it was read or does not exist.
    const QString& readError() const { return readError_; }
    // True when the document holds nothing but blank lines (a missing file included).
    bool isBlank() const;

    // Far beyond any settings file or job card; stops a wrong path (a huge file) from
    // filling the memory.
    static constexpr qint64 kMaxFileSize = 32 * 1024 * 1024;

    bool sectionExists(const QString& section) const;
    bool valueExists(const QString& section, const QString& key) const;
    QString readString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;

    // Changes the document in memory; save() writes it. Line breaks inside the value
    // would split the line, so they become blanks.
    void writeString(const QString& section, const QString& key, const QString& value);

    // Writes the document as UTF-8 through a temporary file renamed over the old one
    // (AtomicFile), so a failed or short write (a full disk) leaves the old file. Throws
    // TavornoError on failure, and also when the file could not be read, so what it holds is
    // never lost.
    void save();

    // Reads one value with a file of its own, as each reader of the settings does.
    static QString read(const QString& path, const QString& section, const QString& key,
                        const QString& defaultValue = QString());

private:
    IniFile() = default;

    struct KeyEntry {
        int line = -1;
        QString value;  // as read: trimmed, unquoted
    };
    struct SectionIndex {
        int lastEntryLine = -1;
        QHash<QString, KeyEntry> keys;  // normalised key name -> its first line
    };

    void parse(const QByteArray& bytes);
    void rebuildIndex();
    const QString* rawValue(const QString& section, const QString& key) const;

    QString path_;
    bool fileExists_ = false;
    QString readError_;
    QString lineBreak_;
    QStringList lines_;
    QHash<QString, SectionIndex> sections_;  // normalised section name -> index
};
