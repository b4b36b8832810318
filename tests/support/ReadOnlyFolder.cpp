#include "support/ReadOnlyFolder.h"

#include <QDir>
#include <QTemporaryFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool takesNewFiles(const QString& path) {
    QTemporaryFile probe(QDir(path).filePath(QStringLiteral("prova-XXXXXX")));
    return probe.open();
}

// Sets or clears the immutable flag of a folder; false when the file system or the
// process's rights do not allow it.
bool setImmutable(const QString& path, bool on) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path) : path_(std::move(path)) {
    const QByteArray name = QFile::encodeName(path_);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) {
        return;
    }
    mode_ = info.st_mode & 07777;
    if (::geteuid() == 0) {
        immutable_ = setImmutable(path_, true);
    } else {
        ::chmod(name.constData(), 0555);
    }
    active_ = !takesNewFiles(path_);
    if (!active_) {
        restore();
    }
}

ReadOnlyFolder::~ReadOnlyFolder() {
    restore();
}

void ReadOnlyFolder::restore() {
    if (immutable_) {
        setImmutable(path_, false);
        immutable_ = false;
    }
    ::chmod(QFile::encodeName(path_).constData(), mode_);
}
