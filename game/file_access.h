// Whole-file reading and writing for game files and the settings file.
// Writing goes through a temporary file in the same folder that is renamed
// over the old file, so an interrupted save never leaves a half-written
// file where a good one was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// Results of readWholeFile, the same codes the loaders report.
enum ReadFileResult : int {
    READ_FILE_OK = 0,
    READ_FILE_CANNOT_OPEN = 1,
    READ_FILE_BAD = 2,  // larger than the limit, or reading failed
};

// Reads the whole file into out. out is untouched unless the result is OK.
ReadFileResult readWholeFile(const std::string& path, std::size_t maxSize, std::vector<std::uint8_t>& out);

// How bytes reach the temporary file: write(2) by default. A replacement
// lets tests make a save fail part-way; it has write(2)'s contract.
using WriteFunction = std::function<long(int fd, const void* data, std::size_t size)>;

// Replaces the file at path by bytes. On failure the old file (if any) is
// left as it was, no temporary file stays behind and errno says why.
bool replaceFile(const std::string& path, std::span<const std::uint8_t> bytes, const WriteFunction& write = {});
