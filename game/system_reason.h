// Why the system refused to open or write a file, in the user's language:
// the errno value named in GBK, the few common ones by their meaning and
// any other by its number.
#pragma once

#include <string>

enum class FileUse { Reading, Writing };

// 0 (a failure the system did not report) gives "原因不明". A missing
// entry is the file itself when reading and its folder when writing.
std::string systemReason(int error, FileUse use);
