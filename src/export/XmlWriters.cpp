#include "export/XmlWriters.h"

namespace {

constexpr qsizetype kFileChunk = 256 * 1024;

}  // namespace

void ByteArrayXmlWriter::write(const void* data, size_t size) {
    const qsizetype needed = bytes_.size() + static_cast<qsizetype>(size);
    // Doubling, as the appends alone would reallocate the whole text for every piece
    // pugixml hands over.
    if (needed > bytes_.capacity()) {
        bytes_.reserve(2 * needed);
    }
    bytes_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
}

FileXmlWriter::FileXmlWriter(AtomicFile& file) : file_(file) {
    buffer_.reserve(kFileChunk);
}

void FileXmlWriter::write(const void* data, size_t size) {
    buffer_.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    if (buffer_.size() >= kFileChunk) {
        flush();
    }
}

void FileXmlWriter::finish() {
    flush();
    if (failure_) {
        std::rethrow_exception(failure_);
    }
}

void FileXmlWriter::flush() {
    if (!failure_ && !buffer_.isEmpty()) {
        try {
            file_.write(buffer_.constData(), buffer_.size());
        } catch (...) {
            failure_ = std::current_exception();
        }
    }
    buffer_.resize(0);  // keeps the room reserved
}
