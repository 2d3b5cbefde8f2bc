// Loading and saving "config.bin". The save replaces the file through a temporary file in the
// same folder, so a crash or power loss at any moment leaves either the old or the new file.
#include "settings/ConfigFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "base/SafeFile.h"

namespace tarvik {
namespace {

constexpr const char* kMissingText = "Config file is not exist.";
constexpr const char* kWriteErrorCaption = "NULL ==fp ";

std::string format(const char* pattern, int a, int b = 0, int c = 0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

bool isLink(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

ConfigLoad outcome(ConfigLoad::Status status, std::error_code error = {}, std::uintmax_t size = 0) {
    return {status, error, size};
}

ConfigLoad readFile(ConfigFile& file, ConfigRecord& record) {
    std::string bytes;
    std::uintmax_t size = 0;
    // Only a file of the right size is read; a huge one is measured and left alone.
    if (const std::error_code error = readWholeFile(file.path, bytes, kConfigFileSize, &size)) {
        if (error == std::errc::no_such_file_or_directory)
            return outcome(isLink(file.path) ? ConfigLoad::Status::DanglingLink : ConfigLoad::Status::Missing);
        return outcome(ConfigLoad::Status::Unreadable, error);
    }
    if (size != kConfigFileSize || bytes.size() != kConfigFileSize)
        return outcome(ConfigLoad::Status::WrongSize, {}, size);
    RecordBytes recordBytes{};
    std::transform(bytes.begin() + 1, bytes.end(), recordBytes.begin(),
                   [](char c) { return static_cast<std::uint8_t>(c); });
    file.firstRunFlag = static_cast<std::uint8_t>(bytes[0]);
    record = fromBytes(recordBytes);
    return outcome(ConfigLoad::Status::Loaded);
}

// Before the first save over a file the last load could not use, its bytes are kept beside
// it and the user is told where, once.
std::error_code keepUnusedFile(ConfigFile& file, platform::UserSink& sink) {
    if (!file.lastLoad.unused()) return {};
    std::filesystem::path kept;
    if (const std::error_code error = keepBeside(file.path, kept)) return error;
    sink.message(file.path.string() + " could not be loaded (" + file.lastLoad.reason() +
                     "), so it is replaced by the settings shown; its old content is kept in " + kept.string() + ".",
                 "Warning");
    return {};
}

}  // namespace

std::string ConfigLoad::reason() const {
    switch (status) {
    case Status::Loaded: return {};
    case Status::Missing: return std::make_error_code(std::errc::no_such_file_or_directory).message();
    case Status::DanglingLink: return "dangling symbolic link";
    case Status::Unreadable: return error.message();
    case Status::WrongSize: return "wrong size " + std::to_string(size);
    }
    return {};
}

ConfigLoad ReadConfigFile(ConfigFile& file, ConfigRecord& record) {
    file.lastLoad = readFile(file, record);
    return file.lastLoad;
}

ConfigLoad LoadConfig(ConfigFile& file, ConfigRecord& record, platform::UserSink& sink) {
    const ConfigLoad load = ReadConfigFile(file, record);
    const bool absent = load.status == ConfigLoad::Status::Missing || load.status == ConfigLoad::Status::DanglingLink ||
                        load.error == std::errc::not_a_directory;
    if (absent) sink.message(kMissingText, "");
    if (load.loaded())
        sink.trace(format("Prpgram First Run Flag:%d\nRead Size is: %d", file.firstRunFlag,
                          static_cast<int>(kConfigRecordSize)));
    return load;
}

std::error_code SaveConfig(ConfigFile& file, const ConfigRecord& record, platform::UserSink& sink) {
    const DataFolderLock lock(file.path);
    std::error_code ec;
    if (!std::filesystem::exists(file.path, ec)) {
        // The file is installed with the program and never created here; a dangling link
        // is not replaced either.
        sink.message(kMissingText, "");
        return std::make_error_code(std::errc::no_such_file_or_directory);
    }
    std::error_code error = keepUnusedFile(file, sink);
    if (!error) {
        const RecordBytes recordBytes = toBytes(record);
        std::string bytes(1, '\1');
        bytes.append(recordBytes.begin(), recordBytes.end());
        error = writeFileAtomically(file.path, bytes);
    }
    if (error) {
        sink.message(format("Error Code is: %d \n", error.value()), kWriteErrorCaption);
        return error;
    }
    file.firstRunFlag = 1;
    file.lastLoad = outcome(ConfigLoad::Status::Loaded);
    sink.trace(format("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1, static_cast<int>(kConfigRecordSize),
                      static_cast<int>(kConfigRecordSize)));
    return {};
}

}  // namespace tarvik
