#pragma once
// Files in memory, under Windows-style paths, with folders that can be made
// unwritable; temporary files are numbered in creation order. Only the
// folders made through CreateFolder are told apart from those that exist.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

class TFakeFileSystem : public TFileSystem {
public:
    std::map<std::string, std::string> Files;  // path, content
    std::set<std::string> ReadOnlyFolders;
    std::string UserTemp = "C:\\Temp\\";
    std::string UserAppData = "C:\\Users\\Jeanne\\AppData\\";  // empty: the system has none
    std::set<std::string> MadeFolders;

    bool FileExists(const std::string& FileName) override { return Files.count(FileName) > 0; }
    std::optional<std::string> ReadText(const std::string& FileName, size_t MaxBytes) override;
    bool RemoveFile(const std::string& FileName) override { return Files.erase(FileName) > 0; }
    bool MoveFileOver(const std::string& Source, const std::string& Target) override;
    std::string CreateTempFile(const std::string& Folder) override;
    std::string TempFolder() override { return UserTemp; }
    bool AppendText(const std::string& FileName, const std::string& Text) override;
    bool CreateFolder(const std::string& Folder) override;
    std::string AppDataFolder() override { return UserAppData; }

    // Whether the folder's files can be written.
    bool Writable(const std::string& FileName) const;

private:
    int FTempFiles = 0;
};
