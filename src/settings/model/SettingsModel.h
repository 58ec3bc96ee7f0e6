#pragma once

#include "core/KeyChord.h"
#include "core/KeyPresets.h"
#include "core/Profile.h"
#include "core/SettingFields.h"
#include "core/Settings.h"
#include "core/WindowRef.h"
#include "platform/Accessibility.h"
#include "platform/AtomicWrite.h"
#include "platform/Displays.h"
#include "platform/LocalKeyMonitors.h"
#include "platform/Log.h"
#include "platform/Preferences.h"
#include "platform/SymbolImages.h"
#include "platform/Trash.h"
#include "platform/UndoManager.h"
#include "settings/model/SetupCheck.h"
#include "stores/ConfigStore.h"
#include "stores/ProfileStore.h"
#include "system/Spaces.h"
#include "system/WindowPreviews.h"
#include "widgets/ChordBindings.h"
#include "wm/Hotkeys.h"
#include "wm/WindowManager.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace quillmere {

// What the settings model works on; all of it must outlive the model.
struct SettingsModelServices {
    ConfigStore& config;
    Hotkeys& hotkeys;
    WindowManager& manager;
    ProfileStore& profiles;
    Spaces& spaces;
    WindowPreviews& previews;
    // Only its trust is read, for the setup checks.
    const Accessibility& accessibility;
    Preferences& preferences;
    // The main screen's name, for the names of captured profiles.
    Displays& displays;
    SymbolImages& symbols;
    LocalKeyMonitors& keyMonitors;
    Trash& trash;
    MainQueue& queue;
    Logger& log = quillmere::log;
};

// The one model behind the Settings and Profiles windows: a working copy of the settings that the panes edit
// and save, mirrors of what the rest of the application knows (reloaded by refresh), a running chord
// recording, a one-line notice and the undo stack both windows share.
//
// Every edit ends in one operation here under an undo action name. A settings save writes the file only
// when the working copy differs from what is stored, and never over a file that does not decode; an undo
// step replays the same operation with the old value, which registers the redo. Profile actions write
// through the profile store and move files to the Trash, never deleting them. Observers hear of a property
// only when its value changed. Main thread only; the one re-entry is refresh() called through the
// configuration store's change handler from inside save().
class SettingsModel final : public ChordBindings {
  public:
    // The panes whose settings "Restore Defaults" resets.
    using Pane = SettingGroup;

    enum class Property {
        settings,
        error,
        registrations,
        checks,
        profiles,
        profileProblems,
        windowTitles,
        status,
        actionError,
        recording,
        tab,
        spaceCount,
        liveWindows,
        notice,
        selectedProfile,
    };
    using Observer = std::function<void(Property)>;
    struct ObserverToken {
        std::uint64_t value = 0;
    };

    // Escape, which alone ends a recording.
    static constexpr std::uint16_t escapeKeyCode = 53;

    // Reads nothing and registers nothing: the mirrors stay empty and the settings the defaults until the
    // first refresh.
    explicit SettingsModel(SettingsModelServices services);
    ~SettingsModel();
    SettingsModel(const SettingsModel&) = delete;
    SettingsModel& operator=(const SettingsModel&) = delete;

    ObserverToken addObserver(Observer observer);
    void removeObserver(ObserverToken token);
    // Observes the recording, the settings and the registrations.
    ObserverId observeBindings(std::function<void()> observer) override;
    void stopObservingBindings(ObserverId id) override;

    // Set once by the shell and the Settings window; they capture their owners weakly.
    std::function<void()> showWelcome = [] {};
    std::function<void()> showProfiles = [] {};
    std::function<void()> checkForUpdates = [] {};
    // Called at the end of every refresh.
    std::function<void()> didRefresh = [] {};

    // ---- State ----

    // The working copy; a refresh drops edits not yet saved.
    const Settings& settings() const { return settings_; }
    void setSettings(Settings settings);
    // The configuration store's last load or save error.
    const std::optional<std::string>& error() const { return error_; }
    // What the hot keys last registered, by chord text.
    const std::map<std::string, Hotkeys::Registration>& registrations() const { return registrations_; }
    std::optional<std::string> registrationProblem(const std::string& chord) const override;
    const std::vector<SetupCheck>& checks() const { return checks_; }
    // By name, as the profile store loads them.
    const std::vector<Profile>& profiles() const { return profiles_; }
    // The profile files that failed to load.
    const std::vector<ProfileStore::Problem>& profileProblems() const { return profileProblems_; }
    const std::vector<WindowManager::WindowTitle>& windowTitles() const { return windowTitles_; }
    const WindowManager::Status& status() const { return status_; }
    // The message of the last failed profile action, until one succeeds.
    const std::optional<std::string>& actionError() const { return actionError_; }
    const std::optional<RecordTarget>& recording() const override { return recording_; }
    // The pane shown in the Settings window.
    const std::string& tab() const { return tab_; }
    void setTab(std::string tab);
    // The most Desktops of any display, at least 1.
    int spaceCount() const { return spaceCount_; }
    // The windows on screen by their stable references, for previews in the Profiles window.
    const std::map<WindowRef, WindowId>& liveWindows() const { return liveWindows_; }
    // One line about the last key-binding change or refusal.
    const std::optional<std::string>& notice() const { return notice_; }
    void setNotice(std::optional<std::string> notice);
    // The profile selected in the Profiles window.
    const std::optional<std::string>& selectedProfile() const { return selectedProfile_; }
    void setSelectedProfile(std::optional<std::string> name);
    UndoManager& undo() { return undo_; }
    WindowManager& manager() { return services_.manager; }
    // The setup checks in the warning state.
    int problemCount() const;

    // ---- Saving ----

    // Writes the working copy when it differs from what is stored, as one undo step under the action name,
    // then refreshes. A file that does not decode is not written over: only revertConfig replaces it.
    void save(const std::string& action);
    // Reloads every mirror, then calls didRefresh.
    void refresh();
    // The built-in values of one pane's settings, saved as "Restore Defaults".
    void restoreDefaults(Pane pane);
    // Moves the configuration file to the Trash and writes the settings in force in its place; when that
    // write fails, the old file comes back. No undo step.
    void revertConfig();
    // The stored entry of the Desktop, else a blank one for it (not stored).
    Settings::SpaceSettings spaceSettings(std::int64_t space) const;
    // Edits the Desktop's entry of the working copy in place, or adds one and keeps the list sorted; does not
    // save.
    void changeSpace(std::int64_t space, const std::function<void(Settings::SpaceSettings&)>& edit);

    // ---- Key bindings ----

    // Sorted.
    std::vector<std::string> chords(const std::string& command) const;
    // How many of the commands have chords other than their built-in ones.
    int changedCount(const std::vector<std::string>& commands) const;
    void restoreDefaultKeys(const std::vector<std::string>& commands);
    void remove(const std::string& chord) override;
    // The one modifier set of every chord of the commands; none without chords or with several sets.
    std::optional<KeyChord::Modifiers>
    sharedModifiers(const std::vector<std::string>& commands) const override;
    // Refused with a notice, changing nothing, when a new chord is one macOS keeps.
    void setModifiers(KeyChord::Modifiers modifiers, const std::vector<std::string>& commands);
    // Moves a binding to another chord.
    void rename(const std::string& chord, const std::string& newChord);
    // Replaces all bindings by the preset's and explains the result in the notice.
    void apply(const KeyPreset& preset);

    // ---- Chord recording ----

    // Ends a running recording first; then, until it ends, no global hot key is registered and every key
    // event of the application goes to the recording.
    void record(const RecordTarget& target) override;
    // Registers the hot keys again when a recording ran.
    void stopRecording() override;

    // ---- Profile actions ----

    // Writes the profile over the stored one of its name, or as a new one.
    void update(const Profile& profile, const std::string& action);
    // Stores a copy under a new name and selects it.
    void duplicate(const Profile& profile);
    // Stores a nearly empty profile for the present displays and selects it.
    void newProfile();
    // Has the window manager capture the present arrangement as a new profile, and selects it.
    void captureNew();
    // Renames the loaded profile of the given one's name (the given one itself when none is loaded), its file
    // and the key bindings that load it, as one undo step.
    void rename(const Profile& profile, const std::string& newName);
    // Moves the profile's file to the Trash.
    void trash(const Profile& profile);
    // Reloads the windows on screen and asks for their pictures, while window previews are on.
    void refreshPreviews();
    // The names no new or renamed profile may take: the loaded profiles' and those of the files that failed
    // to load.
    std::set<std::string> takenNames() const;

  private:
    // Observers hear only of a value that changed.
    template <class T> void assign(T& field, T value, Property property) {
        if (field == value)
            return;
        field = std::move(value);
        notify(property);
    }
    void notify(Property property);
    // Registers the body as the undo of what was just done, under the action name.
    void undoable(const std::string& action, std::function<void(SettingsModel&)> body);
    void editKeys(const std::function<void(Settings::KeyMap&)>& edit);

    std::string label(const std::string& chord) const;
    void noteTaken(const std::string& chord, const Settings::KeyMap& before);
    void recorded(const LocalKeyEvent& event);
    void recordChord(const KeyChord& chord);

    // Runs a profile action; a failure becomes actionError and an error log line.
    bool attempt(const std::string& description, const std::function<std::optional<FileError>()>& body);
    std::string uniqueName(const std::string& base) const;
    // update, telling whether the profile was written.
    bool updated(const Profile& profile, const std::string& action);
    std::optional<FileError> trashFile(const Profile& profile);

    SettingsModelServices services_;
    Settings settings_ = Settings::default_();
    std::optional<std::string> error_;
    std::map<std::string, Hotkeys::Registration> registrations_;
    std::vector<SetupCheck> checks_;
    std::vector<Profile> profiles_;
    std::vector<ProfileStore::Problem> profileProblems_;
    std::vector<WindowManager::WindowTitle> windowTitles_;
    WindowManager::Status status_;
    std::optional<std::string> actionError_;
    std::optional<RecordTarget> recording_;
    // The modifiers held together so far while a prefix is recorded.
    KeyChord::Modifiers prefixPeak_;
    std::string tab_ = "General";
    int spaceCount_ = 1;
    std::map<WindowRef, WindowId> liveWindows_;
    std::optional<KeyMonitorToken> keyMonitor_;
    UndoManager undo_;
    std::optional<std::string> notice_;
    std::optional<std::string> selectedProfile_;
    std::map<std::uint64_t, Observer> observers_;
    std::uint64_t nextObserver_ = 1;
};

} // namespace quillmere
