#include "settings/ViewOptions.h"

#include "settings/ConfigFolder.h"
#include "settings/DataFileRead.h"
#include "settings/FileChange.h"
#include "settings/FileSystem.h"
#include "settings/TempFile.h"

#include <cstring>

namespace {

const char SYMBOLS_ON[] = "symbols=on\n";
const char SYMBOLS_OFF[] = "symbols=off\n";

bool Holds(const Bytes& bytes, const char* text)
{
    return bytes.size() == std::strlen(text) && std::memcmp(bytes.data(), text, bytes.size()) == 0;
}

} // namespace

std::string ViewOptions::Folder()
{
    return ConfigFolder();
}

std::string ViewOptions::FileName()
{
    const std::string folder = Folder();
    return folder.empty() ? std::string() : folder + PATH_SEPARATORS[0] + VIEW_OPTIONS_FILE;
}

void ViewOptions::Load()
{
    symbols = false;
    const std::string fileName = FileName();
    if (fileName.empty()) {
        return;
    }
    RemoveStaleTempFiles(fileName);
    Bytes bytes;
    int error = 0;
    if (ReadDataFile(fileName, bytes, error) == DATA_FILE_READ) {
        ReadBytes(bytes);
    }
}

bool ViewOptions::ReadBytes(const Bytes& bytes)
{
    symbols = Holds(bytes, SYMBOLS_ON);
    return symbols || Holds(bytes, SYMBOLS_OFF);
}

Bytes ViewOptions::OptionBytes() const
{
    const char* text = symbols ? SYMBOLS_ON : SYMBOLS_OFF;
    return Bytes(text, text + std::strlen(text));
}

bool ViewOptions::Save()
{
    const std::string folder = Folder();
    if (folder.empty()) {
        saveWarning.Tell(VIEW_OPTIONS_FILE, NoConfigFolderReason());
        return false;
    }
    if (const int error = MakeConfigFolder(folder)) {
        saveWarning.Tell(FileName(), std::strerror(error));
        return false;
    }
    FileChange change(FileName());
    return change.Save(OptionBytes(), saveWarning);
}
