#pragma once
// The files the program keeps beside itself, in the user's temporary folder
// or in the user's application data. Folders are named with their trailing
// separator.
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
    // Adds Text at the end of the file, which is made when it does not
    // exist; false when it could not all be written.
    virtual bool AppendText(const std::string& FileName, const std::string& Text) = 0;
    // True when the folder exists or has been made (its parent must exist).
    virtual bool CreateFolder(const std::string& Folder) = 0;
    // The user's application-data folder; empty where the system has none.
    virtual std::string AppDataFolder() = 0;
};
