#pragma once

#include <QString>

// Values that the job order and job card rows hold as bare numbers (the customer id, the
// market code) are bound as integers. Any text that is not a whole number is refused here,
// before anything is written, with a message that names the value.
// `what` names the value in the message, e.g. "Il codice cliente".
qint64 requireWholeNumber(const QString& text, const QString& what);
