#pragma once

class TSQLConnection;

// All or nothing for a save of several statements: the transaction begins with the guard
// and is rolled back when the guard goes away without commit(), as when an error passes
// through it. A guard opened inside another one joins the outer transaction, which alone
// commits or rolls back.
class TransactionGuard {
public:
    explicit TransactionGuard(TSQLConnection& connection);
    ~TransactionGuard();
    TransactionGuard(const TransactionGuard&) = delete;
    TransactionGuard& operator=(const TransactionGuard&) = delete;

    void commit();

private:
    TSQLConnection& connection_;
    bool outermost_ = false;
    bool finished_ = false;
};
