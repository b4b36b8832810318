#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// Base of every error the program raises. The action in progress does not catch it; the
// general error report shows its message and the program goes on.
class TavornoError : public std::exception {
public:
    explicit TavornoError(QString message);

    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// An index outside what a list accepts.
class RangeError : public TavornoError {
public:
    RangeError();
};

// A text that does not convert to the number or value asked for.
class ConversionError : public TavornoError {
public:
    using TavornoError::TavornoError;
};

// The message of any exception, for reports.
QString errorMessage(const std::exception& error);
