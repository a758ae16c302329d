#include "tests/fakes/FakeFileSystem.h"

std::optional<std::string> TFakeFileSystem::ReadText(const std::string& FileName, size_t MaxBytes) {
    auto found = Files.find(FileName);
    if (found == Files.end() || found->second.size() > MaxBytes) return std::nullopt;
    return found->second;
}

bool TFakeFileSystem::Writable(const std::string& FileName) const {
    const std::string folder = FileName.substr(0, FileName.find_last_of('\\') + 1);
    return !ReadOnlyFolders.count(folder);
}

bool TFakeFileSystem::MoveFileOver(const std::string& Source, const std::string& Target) {
    auto found = Files.find(Source);
    if (found == Files.end() || !Writable(Target)) return false;
    std::string content = std::move(found->second);
    Files.erase(found);
    Files[Target] = std::move(content);
    return true;
}

std::string TFakeFileSystem::CreateTempFile(const std::string& Folder) {
    if (ReadOnlyFolders.count(Folder)) return {};
    const std::string name = Folder + "nws" + std::to_string(++FTempFiles) + ".tmp";
    Files[name] = "";
    return name;
}

bool TFakeFileSystem::AppendText(const std::string& FileName, const std::string& Text) {
    if (!Writable(FileName)) return false;
    Files[FileName] += Text;
    return true;
}

bool TFakeFileSystem::CreateFolder(const std::string& Folder) {
    const std::string parent = Folder.substr(0, Folder.find_last_of('\\', Folder.size() - 2) + 1);
    if (ReadOnlyFolders.count(parent)) return false;
    MadeFolders.insert(Folder);
    return true;
}
