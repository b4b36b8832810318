#pragma once

// The list of all job orders of ten years, and an export of many of them, take a few
// hundred megabytes. By default glibc hands such memory back when it is freed and maps it
// anew, page by page, the next time; on a virtual desktop that costs more than reading the
// database. Called first thing in main, this keeps freed memory in the process instead, so
// that opening the list again, or exporting after it, is quick. Does nothing elsewhere.
void keepFreedMemory();
