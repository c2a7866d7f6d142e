#include "common/FileHelpers.h"

#include "common/PrivateFolder.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <system_error>

namespace lumo {

namespace {

std::filesystem::path ProgramFile()
{
    std::error_code error;
    auto file = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : file;
}

std::string WithSlash(std::string folder)
{
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

struct FileCloser {
    void operator()(std::FILE *file) const { std::fclose(file); }
};

} // namespace

std::string ProgramBaseName()
{
    return ProgramFile().stem().string();
}

std::string ProgramFolder()
{
    return WithSlash(ProgramFile().parent_path().string());
}

std::string TempFolderPath()
{
    return WithSlash(PrivateTempFolder());
}

std::string ReadTextFile(const std::string &path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        return {};
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw std::runtime_error("Cannot open file " + path + ": " + std::strerror(errno));
    std::string content;
    char buffer[65536];
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        content.append(buffer, got);
        if (got < sizeof buffer) {
            if (std::ferror(file.get()))
                throw std::runtime_error("Cannot read file " + path + ": " + std::strerror(errno));
            break;
        }
    }
    return content;
}

bool WriteTextFile(const std::string &path, const std::string &text)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    ok = std::fwrite("\r\n", 1, 2, file) == 2 && ok;
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    return ok;
}

} // namespace lumo
