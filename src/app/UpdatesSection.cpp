#include "app/UpdatesSection.h"

#include "shell/Updates.h"

#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace quillmere {

UpdatesSection::UpdatesSection(UserDefaults& defaults, std::function<void()> check, std::string version,
                               std::optional<QString> acknowledgements, QWidget* parent)
    : QWidget(parent), channel_(new QComboBox(this)), version_(new QLabel(QString::fromStdString(version), this)),
      check_(new QPushButton("Check for Updates…", this)), acknowledgements_(std::move(acknowledgements)) {
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    for (const Channel channel : allChannels)
        channel_->addItem(QString::fromStdString(channelTitle(channel)));
    channel_->setCurrentIndex(static_cast<int>(currentChannel(defaults)));
    QObject::connect(channel_, &QComboBox::activated, this, [&defaults](int index) {
        defaults.setString(updateChannelKey, std::string(rawValue(allChannels[static_cast<std::size_t>(index)])));
    });
    form->addRow("Channel", channel_);
    version_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow("Version", version_);
    QObject::connect(check_, &QPushButton::clicked, this, [check = std::move(check)] { check(); });
    form->addRow(check_);
    if (acknowledgements_) {
        acknowledgementsButton_ = new QPushButton("Acknowledgements…", this);
        QObject::connect(acknowledgementsButton_, &QPushButton::clicked, this, [this] { showAcknowledgements(); });
        form->addRow(acknowledgementsButton_);
    }
}

std::optional<QString> UpdatesSection::bundledAcknowledgements() {
    QFile file(":/Acknowledgements.txt");
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

void UpdatesSection::showAcknowledgements() {
    if (!sheet_) {
        sheet_ = new QDialog(this);
        QDialog* sheet = sheet_;
        sheet->setWindowTitle("Acknowledgements");
        sheet->resize(600, 480);
        auto* layout = new QVBoxLayout(sheet);
        auto* text = new QPlainTextEdit(*acknowledgements_, sheet);
        text->setReadOnly(true);
        text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        layout->addWidget(text, 1);
        auto* done = new QPushButton("Done", sheet);
        done->setDefault(true);
        QObject::connect(done, &QPushButton::clicked, sheet, &QDialog::accept);
        layout->addWidget(done, 0, Qt::AlignRight);
    }
    sheet_->open();
}

} // namespace quillmere
