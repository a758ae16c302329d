#pragma once
// Files in memory, under Windows-style paths, with folders that can be made
// unwritable; temporary files are numbered in creation order.
#include <map>
#include <set>
#include <string>

#include "platform/FileSystem.h"

class TFakeFileSystem : public TFileSystem {
public:
    std::map<std::string, std::string> Files;  // path, content
    std::set<std::string> ReadOnlyFolders;
    std::string UserTemp = "C:\\Temp\\";

    bool FileExists(const std::string& FileName) override { return Files.count(FileName) > 0; }
    std::optional<std::string> ReadText(const std::string& FileName, size_t MaxBytes) override;
    bool RemoveFile(const std::string& FileName) override { return Files.erase(FileName) > 0; }
    bool MoveFileOver(const std::string& Source, const std::string& Target) override;
    std::string CreateTempFile(const std::string& Folder) override;
    std::string TempFolder() override { return UserTemp; }

    // Whether the folder's files can be written.
    bool Writable(const std::string& FileName) const;

private:
    int FTempFiles = 0;
};
