#pragma once

#include <QString>

// Makes a folder refuse new files while the object lives, as a folder the user may not
// write to does; the files already in it stay writable. For an ordinary user its
// permissions do it; the superuser passes permissions, so for root the file system's
// immutable flag does. active() is false where neither can be had, and the test skips.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(QString path);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool active() const { return active_; }

private:
    void restore();

    QString path_;
    bool active_ = false;
    bool immutable_ = false;
    unsigned mode_ = 0;
};
