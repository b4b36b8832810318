#pragma once

#include "platform/AtomicFile.h"

#include <QByteArray>
#include <exception>
#include <pugixml.hpp>

// Where pugixml puts the text it formats.

// Appends to a byte array.
class ByteArrayXmlWriter : public pugi::xml_writer {
public:
    explicit ByteArrayXmlWriter(QByteArray& bytes) : bytes_(bytes) {}
    void write(const void* data, size_t size) override;

private:
    QByteArray& bytes_;
};

// Hands the text to a file in large chunks, so pugixml's small pieces do not each cost a
// system call. A failure to write is kept, stops any further writing, and is raised by
// finish(): it is not thrown through the library.
class FileXmlWriter : public pugi::xml_writer {
public:
    explicit FileXmlWriter(AtomicFile& file);
    void write(const void* data, size_t size) override;
    // Writes what is left and raises the first failure.
    void finish();

private:
    void flush();

    AtomicFile& file_;
    QByteArray buffer_;
    std::exception_ptr failure_;
};
