#pragma once
// The files the program keeps beside itself or in the user's temporary
// folder. Folders are named with their trailing separator.
#include <cstddef>
#include <optional>
#include <string>

class TFileSystem {
public:
    virtual ~TFileSystem() = default;
    // Whether FileName is an existing file (not a folder).
    virtual bool FileExists(const std::string& FileName) = 0;
    // The file's bytes; nothing when it cannot be read or holds more than MaxBytes.
    virtual std::optional<std::string> ReadText(const std::string& FileName, size_t MaxBytes) = 0;
    virtual bool RemoveFile(const std::string& FileName) = 0;
    // Renames Source to Target, replacing a Target that exists.
    virtual bool MoveFileOver(const std::string& Source, const std::string& Target) = 0;
    // Creates an empty file of a new name in Folder and returns its path;
    // empty when the folder cannot be written.
    virtual std::string CreateTempFile(const std::string& Folder) = 0;
    // The user's folder for temporary files.
    virtual std::string TempFolder() = 0;
};
