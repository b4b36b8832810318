#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>

// What the uploader is told on its command line.
struct SendavoOptions {
    QString environment;  // -e: "production" or "goldmain"
    QString dealerVat;    // -u
    QString apiKey;       // -c
    QString userDms;      // -d
    QString passwordDms;  // -w
    QString r;            // -r, -a and -t: fixed values of the program, not checked
    QString a;
    QString brand;     // -b
    QString workshop;  // -s
    QString t;
    QString path;  // --path
};

// Bad input: the message says what is wrong, in words the dealer's IT can act on.
class InputError : public std::runtime_error {
public:
    explicit InputError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Reads the options from the program's arguments. Every option the program passes must be
// there once, each followed by its value, which is the next word whatever it looks like.
// An unknown word, a repeated or missing option, an empty environment, dealer VAT number,
// key, user, password, brand, workshop code or file, or an environment other than
// "production" or "goldmain" throws InputError.
SendavoOptions parseSendavoOptions(const QStringList& arguments);
