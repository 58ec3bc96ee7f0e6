#include "profiles/WhenApplied.h"

#include "core/Overloaded.h"
#include "core/ProfileEditing.h"
#include "core/ProfilePlacement.h"
#include "settings/model/TextComparison.h"

#include <memory>
#include <unicode/listformatter.h>
#include <unicode/unistr.h>

namespace quillmere::WhenApplied {

namespace {

std::string conjunction(const std::vector<std::string>& names, const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale where = locale.empty() ? icu::Locale::getDefault() : icu::Locale(locale.c_str());
    const std::unique_ptr<icu::ListFormatter> formatter(
        icu::ListFormatter::createInstance(where, ULISTFMT_TYPE_AND, ULISTFMT_WIDTH_WIDE, status));
    std::vector<icu::UnicodeString> items;
    for (const auto& name : names)
        items.push_back(icu::UnicodeString::fromUTF8(name));
    icu::UnicodeString joined;
    if (formatter)
        formatter->format(items.data(), static_cast<int32_t>(items.size()), joined, status);
    if (!formatter || U_FAILURE(status)) {
        std::string plain;
        for (std::size_t i = 0; i < names.size(); ++i)
            plain += (i == 0 ? "" : ", ") + names[i];
        return plain;
    }
    std::string text;
    joined.toUTF8String(text);
    return text;
}

std::string plural(std::int64_t count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::optional<std::string> recordedName(const Profile& profile, const std::optional<std::string>& signature) {
    if (!signature)
        return std::nullopt;
    if (profile.displays) {
        for (const auto& display : *profile.displays) {
            if (display.identity.signature() == *signature)
                return display.identity.name;
        }
    }
    return signature;
}

} // namespace

Unlisted unlisted(const Profile& profile) {
    if (profile.quitUnlisted.value_or(false))
        return Unlisted::quit;
    if (profile.hideUnlisted.value_or(false))
        return Unlisted::hide;
    return Unlisted::leave;
}

Profile choosingUnlisted(Profile profile, Unlisted choice) {
    profile.hideUnlisted = choice == Unlisted::hide ? std::optional(true) : std::nullopt;
    profile.quitUnlisted = choice == Unlisted::quit ? std::optional(true) : std::nullopt;
    return profile;
}

std::string unlistedPreview(const std::vector<RunningApplication>& apps, bool quit, const std::string& locale) {
    std::vector<std::string> names;
    for (const auto& app : apps) {
        if (app.localizedName)
            names.push_back(*app.localizedName);
    }
    if (names.empty())
        return "Every running app is in this profile.";
    sortPlain(names);
    return "Applying it now would " + std::string(quit ? "quit" : "hide") + " " + conjunction(names, locale) + ".";
}

Profile switchingAutoApply(Profile profile, bool on, const Desktops& present) {
    if (!on) {
        profile.autoApply.reset();
        return profile;
    }
    profile.autoApply = true;
    if (!profile.displays && !profile.display)
        recordDisplays(profile, present);
    return profile;
}

std::string displayNames(const Profile& profile) {
    std::vector<std::string> names;
    if (profile.displays) {
        for (const auto& display : *profile.displays)
            names.push_back(display.identity.name);
    } else if (profile.display) {
        names.push_back(*profile.display);
    }
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : " and ") + ("\u201C" + names[i] + "\u201D");
    return text;
}

std::string autoApplyNote(const Profile& profile) {
    if (!profile.autoApply.value_or(false) && !profile.displays && profile.display)
        return "Before this setting, it applied when \u201C" + *profile.display +
               "\u201D was connected. Turn it on to keep that.";
    const std::string names = displayNames(profile);
    if (names.empty())
        return "Turning this on records the displays connected now.";
    const bool several = profile.displays && profile.displays->size() >= 2;
    return "Applies when exactly " + names + " " + (several ? "are" : "is") + " connected, and no other display, with " +
           (profile.spansDisplays.value_or(false) ? "Spaces spanning displays" : "each display with its own Spaces") +
           ".";
}

std::vector<std::pair<std::string, std::optional<std::int64_t>>> showChoices(int spaceCount) {
    std::vector<std::pair<std::string, std::optional<std::int64_t>>> choices{{"Stay where I am", std::nullopt}};
    for (int n = 1; n <= spaceCount; ++n)
        choices.emplace_back("Desktop " + std::to_string(n), n);
    return choices;
}

std::vector<PlacementNote> placementNotes(const Profile& profile, const Desktops& present) {
    std::vector<PlacementNote> notes;
    const bool profileSpans = profile.spansDisplays.value_or(false);
    if (profileSpans != present.spansDisplays()) {
        notes.push_back({profileSpans ? "Captured with Spaces spanning displays; each display has its own Spaces now, "
                                        "so it won't apply by itself."
                                      : "Captured with each display having its own Spaces; they span displays now, so "
                                        "it won't apply by itself.",
                         "rectangle.on.rectangle.slash", true});
    }
    for (const ProfilePlacement& placement : present.place(profile)) {
        const auto source = recordedName(profile, placement.snapshot.display);
        const std::string target = placement.display ? placement.display->identity.name : "the main display";
        const std::string head =
            "Desktop " + std::to_string(placement.snapshot.space) + (source ? " of " + *source : "");
        std::visit(Overloaded{
                       [](const ProfilePlacement::Matched&) {},
                       [&](const ProfilePlacement::NoRoom&) {
                           const auto desktops = placement.display
                                                     ? static_cast<std::int64_t>(placement.display->spaces.size())
                                                     : 0;
                           notes.push_back({head + " is skipped: " + target + " has " + plural(desktops, "Desktop") +
                                                ". Add more in Mission Control to place its windows.",
                                            "exclamationmark.triangle", true});
                       },
                       [&](const ProfilePlacement::Appended&) {
                           notes.push_back({head + " goes to Desktop " + std::to_string(placement.number) + " of " +
                                                target + ", where macOS moved " + source.value_or("its display") +
                                                "'s Desktops.",
                                            "arrow.turn.down.right", false});
                       },
                   },
                   placement.reason);
    }
    return notes;
}

} // namespace quillmere::WhenApplied
