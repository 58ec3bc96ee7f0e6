#include "platform/sim/SimulatedSymbolImages.h"
#include "shell/CaptureDialog.h"
#include "support/AlertScript.h"
#include "support/TemporaryDirectory.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace quillmere {
namespace {

const QString captureMessage = "Capture Layout";

// A profile folder holding "Work" and "work-home", and the flow saving through a stand-in for the window
// manager that notes what it was asked.
class CaptureFlowTest : public testing::Test {
  protected:
    CaptureFlowTest() {
        for (const char* name : {"Work", "work-home"}) {
            Profile profile;
            profile.name = name;
            EXPECT_FALSE(store.save(profile));
        }
    }

    void capture(std::optional<std::string> lastProfile, std::optional<std::string> screen = "Studio Display") {
        captureLayout(store, lastProfile, screen, symbols, alerts,
                      {.capture = [this](const std::string& name) { saved.push_back("capture " + name); },
                       .recapture = [this](const Profile& profile) { saved.push_back("recapture " + profile.name); }});
    }

    // Checks the dialog, then types the text and confirms.
    static AlertScript::Step name(QString text) {
        return [text](QMessageBox& box) {
            auto* dialog = dynamic_cast<CaptureDialog*>(&box);
            ASSERT_TRUE(dialog) << "the name dialog opens";
            dialog->field()->setText(text);
            dialog->captureButton()->click();
        };
    }

    TemporaryDirectory folder;
    ProfileStore store{folder.path()};
    SimulatedSymbolImages symbols;
    QtAlerts alerts;
    std::vector<std::string> saved;
};

TEST_F(CaptureFlowTest, TheProfileAppliedLastIsOfferedFirst) {
    struct Case {
        const char* answer;
        std::vector<AlertScript::Step> steps;
        std::vector<std::string> saved;
    };
    const Case cases[] = {
        {"save to it", {AlertScript::click("Save to \u201CWork\u201D")}, {"recapture Work"}},
        {"new profile", {AlertScript::click("New Profile\u2026"), name("Desk")}, {"capture Desk"}},
        {"cancel", {AlertScript::click("Cancel")}, {}},
        {"closed", {[](QMessageBox& box) { box.close(); }}, {}},
    };
    for (const Case& c : cases) {
        saved.clear();
        AlertScript script(c.steps);
        capture("Work");
        EXPECT_EQ(saved, c.saved) << c.answer;
    }
}

TEST_F(CaptureFlowTest, ALastProfileThatNoLongerLoadsByItsNameGoesStraightToTheNameDialog) {
    for (const char* last : {"Gone", "work"}) {
        saved.clear();
        AlertScript script({[](QMessageBox& box) {
            EXPECT_EQ(box.text(), captureMessage);
            name("Desk")(box);
        }});
        capture(last);
        EXPECT_EQ(saved, std::vector<std::string>{"capture Desk"}) << last;
    }
}

TEST_F(CaptureFlowTest, TheNameDialogStartsFreeAndFollowsTheTyping) {
    Profile studio;
    studio.name = "studio display";
    ASSERT_FALSE(store.save(studio));
    AlertScript script({[](QMessageBox& box) {
        auto* dialog = dynamic_cast<CaptureDialog*>(&box);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->field()->text(), "studio display 2");
        EXPECT_EQ(dialog->informativeText(),
                  "Saves every Space's windows and tiling. To apply it by itself when these displays connect, turn "
                  "on Apply automatically in Edit Profiles.");
        EXPECT_EQ(dialog->field()->size(), QSize(240, 24));
        EXPECT_TRUE(dialog->field()->hasFocus() || dialog->focusWidget() == dialog->field());
        // Between the texts and the buttons.
        const int fieldY = dialog->field()->mapTo(dialog, QPoint()).y();
        EXPECT_LT(fieldY, dialog->captureButton()->mapTo(dialog, QPoint()).y());
        EXPECT_TRUE(dialog->note()->text().isEmpty());

        dialog->field()->setText("   ");
        EXPECT_FALSE(dialog->captureButton()->isEnabled()) << "blanks cannot be captured";
        EXPECT_EQ(dialog->captureButton()->text(), "Capture");
        QTest::keyClick(dialog, Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << "Return does nothing either";

        dialog->field()->setText("work/home");
        EXPECT_TRUE(dialog->captureButton()->isEnabled());
        EXPECT_EQ(dialog->captureButton()->text(), "Replace");
        EXPECT_EQ(dialog->note()->text(),
                  "Replaces the windows and layouts in \u201Cwork-home\u201D. Its other settings stay.");
        QTest::keyClick(dialog, Qt::Key_Return);
    }});
    capture(std::nullopt);
    EXPECT_EQ(saved, std::vector<std::string>{"recapture work-home"}) << "the profile of that file is recaptured";
}

TEST_F(CaptureFlowTest, WithoutAScreenTheFieldStartsWithProfileAndCancelCapturesNothing) {
    AlertScript script({[](QMessageBox& box) {
        auto* dialog = dynamic_cast<CaptureDialog*>(&box);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->field()->text(), "profile");
        alertButton(box, "Cancel")->click();
    }});
    capture(std::nullopt, std::nullopt);
    EXPECT_TRUE(saved.empty());
}

} // namespace
} // namespace quillmere
