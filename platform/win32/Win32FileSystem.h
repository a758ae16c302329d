#pragma once
// Files through the Windows kernel, with the calls of Windows 95 and NT 4.
#include "platform/FileSystem.h"

class TWin32FileSystem : public TFileSystem {
public:
    bool FileExists(const std::string& FileName) override;
    std::optional<std::string> ReadText(const std::string& FileName, size_t MaxBytes) override;
    bool RemoveFile(const std::string& FileName) override;
    bool MoveFileOver(const std::string& Source, const std::string& Target) override;
    std::string CreateTempFile(const std::string& Folder) override;
    std::string TempFolder() override;
    bool AppendText(const std::string& FileName, const std::string& Text) override;
    bool CreateFolder(const std::string& Folder) override;
    std::string AppDataFolder() override;
};
