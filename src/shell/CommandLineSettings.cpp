#include "shell/CommandLineSettings.h"

#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <unistd.h>

namespace quillmere {
namespace {

using Status = CommandLineLink::Status;

bool installedUnder(const std::string& path, const std::string& home) {
    for (const std::string& prefix : {std::string("/usr/"), std::string("/opt/"), home + "/.local/"})
        if (path.starts_with(prefix))
            return true;
    return false;
}

// pkexec's and the script's error output without the line breaks round it.
std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool refused(const std::error_code& error) {
    return error == std::errc::permission_denied || error == std::errc::operation_not_permitted;
}

} // namespace

CommandLineSettings::CommandLineSettings(Services services) : services_(std::move(services)) {}

std::optional<CommandLineLink> CommandLineSettings::link() const {
    std::error_code error;
    const std::string real = std::filesystem::canonical(services_.frontExecutable, error).string();
    if (error || services_.homeFolder.empty() || !installedUnder(real, services_.homeFolder) ||
        ::access(real.c_str(), X_OK) != 0)
        return std::nullopt;
    return CommandLineLink{real, services_.destination};
}

void CommandLineSettings::refresh() {
    const auto current = link();
    status_ = current ? current->status() : Status::missing;
}

void CommandLineSettings::install() {
    const auto current = link();
    if (!current)
        return;
    installing_ = true;
    message_.reset();
    bool ran = false;
    if (const std::error_code error = current->install(); !error)
        ran = true;
    else if (refused(error))
        message_ = installAsAdministrator(*current, ran);
    else
        message_ = "Could not install the command: " + error.message();
    if (ran && current->status() != Status::installed)
        message_ = "The command could not be verified. Check /usr/local/bin/quillmere and try again.";
    installing_ = false;
    refresh();
}

std::optional<std::string> CommandLineSettings::installAsAdministrator(const CommandLineLink& link, bool& ran) {
    const auto run = services_.runAsAdministrator(link.administratorCommand());
    if (!run)
        return "Could not install the command: pkexec is not installed.";
    if (run->exitStatus == cancelledStatus)
        return std::nullopt;
    if (run->exitStatus != 0) {
        const std::string output = trimmed(run->errorOutput);
        return output.empty() ? "Could not install the command. Try again." : output;
    }
    ran = true;
    return std::nullopt;
}

std::string CommandLineSettings::buttonTitle() const {
    return status_ == Status::installed ? "Installed" : "Install Command…";
}

bool CommandLineSettings::buttonEnabled() const { return !installing_ && status_ == Status::missing && link(); }

std::optional<std::string> CommandLineSettings::stateLine() const {
    const std::string path(CommandLineLink::installedPath);
    switch (status_) {
    case Status::installed:
        return "Installed at " + path;
    case Status::conflict:
        return path + " already exists and points elsewhere. Move or remove it yourself before installing; "
                      "Quillmere will leave it unchanged.";
    case Status::missing:
        break;
    }
    if (!link())
        return "Install Quillmere and open it from there before installing the command.";
    return std::nullopt;
}

std::optional<AdministratorRun> runWithPkexec(const std::vector<std::string>& arguments) {
    const QString pkexec = QStandardPaths::findExecutable(QString::fromStdString(arguments.front()));
    if (pkexec.isEmpty())
        return std::nullopt;
    QStringList rest;
    for (auto argument = arguments.begin() + 1; argument != arguments.end(); ++argument)
        rest << QString::fromStdString(*argument);
    QProcess process;
    process.start(pkexec, rest);
    process.waitForFinished(-1);
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 1;
    return AdministratorRun{status, process.readAllStandardError().toStdString()};
}

} // namespace quillmere
