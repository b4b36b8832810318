#include "support/LockHolder.h"

#include "support/DbProbe.h"

#include <future>

LockHolder::LockHolder(const QString& path, const char* begin, std::chrono::milliseconds hold) {
    std::promise<void> locked;
    std::future<void> lockedNow = locked.get_future();
    thread_ = std::thread([path, begin, hold, locked = std::move(locked)]() mutable {
        DbProbe otherProgram(path);
        otherProgram.exec(QString::fromLatin1(begin) +
                          QStringLiteral(" INSERT INTO Veicolo (Targa) VALUES ('ALTRO');"));
        locked.set_value();
        std::this_thread::sleep_for(hold);
        otherProgram.exec(QStringLiteral("COMMIT;"));
    });
    lockedNow.wait();
}

LockHolder::~LockHolder() {
    thread_.join();
}
