#pragma once

#include "install/CommandLineLink.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillmere {

// What a program run with the administrator's rights answered.
struct AdministratorRun {
    int exitStatus = 0;
    std::string errorOutput;
    friend bool operator==(const AdministratorRun&, const AdministratorRun&) = default;
};

// Runs an argument vector through pkexec, waiting for it; none when pkexec is not installed.
using AdministratorRunner = std::function<std::optional<AdministratorRun>(const std::vector<std::string>&)>;

// The decisions of the Command line section of the General pane: whether the command may be offered, its
// state, the install with its fallback to the administrator, and the texts. The command is offered only for
// a front executable installed under /usr, /opt or ~/.local. Main thread only; installing holds it.
class CommandLineSettings {
  public:
    // pkexec's answer when the user dismissed its password dialog.
    static constexpr int cancelledStatus = 126;

    struct Services {
        // The program the user runs, as found beside the application.
        std::string frontExecutable;
        std::string homeFolder;
        AdministratorRunner runAsAdministrator;
        std::string destination = std::string(CommandLineLink::installedPath);
    };

    explicit CommandLineSettings(Services services);

    // None when the front executable is not installed where a command may point to it.
    std::optional<CommandLineLink> link() const;
    CommandLineLink::Status status() const { return status_; }
    bool installing() const { return installing_; }
    // The last install failure, until the next attempt.
    const std::optional<std::string>& message() const { return message_; }

    // Reads the state afresh.
    void refresh();
    // Installs as this user, and as the administrator when that is refused; then reads the state again.
    void install();

    std::string buttonTitle() const;
    bool buttonEnabled() const;
    // What the state line under the button says; none when there is nothing to say.
    std::optional<std::string> stateLine() const;

  private:
    std::optional<std::string> installAsAdministrator(const CommandLineLink& link, bool& ran);

    Services services_;
    CommandLineLink::Status status_ = CommandLineLink::Status::missing;
    bool installing_ = false;
    std::optional<std::string> message_;
};

// Runs through the pkexec found on the search path.
std::optional<AdministratorRun> runWithPkexec(const std::vector<std::string>& arguments);

} // namespace quillmere
