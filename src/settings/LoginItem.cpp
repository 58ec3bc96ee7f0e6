#include "settings/LoginItem.h"

#include "platform/AtomicWrite.h"
#include "stores/UserFolders.h"

#include <fstream>
#include <system_error>

namespace quillmere {
namespace {

// Quoted for the command line, then escaped once more as the file's string values are.
std::string quotedProgram(const std::string& program) {
    std::string quoted = "\"";
    for (char character : program) {
        if (character == '"' || character == '`' || character == '$' || character == '\\')
            quoted += '\\';
        if (character == '%')
            quoted += '%';
        quoted += character;
    }
    quoted += '"';
    std::string escaped;
    for (char character : quoted) {
        if (character == '\\')
            escaped += '\\';
        escaped += character;
    }
    return escaped;
}

bool hiddenLine(std::string line) {
    std::erase(line, ' ');
    return line == "Hidden=true";
}

} // namespace

LoginItem::LoginItem(std::filesystem::path file, std::filesystem::path program)
    : file_(std::move(file)), program_(std::move(program)) {}

std::filesystem::path LoginItem::defaultFile() {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path base = configHome && std::filesystem::path(configHome).is_absolute()
                                     ? std::filesystem::path(configHome)
                                     : homeDirectory() / ".config";
    return base / "autostart" / "quillmere.desktop";
}

bool LoginItem::enabled() const {
    std::ifstream stream(file_);
    if (!stream)
        return false;
    for (std::string line; std::getline(stream, line);)
        if (hiddenLine(line))
            return false;
    return true;
}

std::optional<std::string> LoginItem::setEnabled(bool enabled) const {
    std::error_code error;
    if (!enabled) {
        std::filesystem::remove(file_, error);
        if (error)
            return file_.string() + ": " + error.message();
        return std::nullopt;
    }
    std::filesystem::create_directories(file_.parent_path(), error);
    if (error)
        return file_.parent_path().string() + ": " + error.message();
    if (auto failure = writeAtomically(file_, entry()))
        return failure->description;
    return std::nullopt;
}

std::string LoginItem::entry() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Quillmere\n"
           "Comment=Start Quillmere when you log in, so tiling and hotkeys are always on.\n"
           "Exec=" +
           quotedProgram(program_.string()) + "\n";
}

} // namespace quillmere
