#include "app/CommandLineSection.h"

#include "widgets/FileReveal.h"
#include "widgets/SwitchRow.h"
#include "widgets/SymbolPixmap.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace quillmere {

CommandLineSection::CommandLineSection(CommandLineSettings settings, std::filesystem::path guide, QWidget* parent)
    : QWidget(parent), settings_(std::move(settings)), install_(new QPushButton), state_(captionLabel("")),
      messageRow_(new QWidget), message_(captionLabel("")), guide_(new QPushButton("Command-line guide")) {
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* box = new QGroupBox("Command line");
    auto* rows = new QVBoxLayout(box);

    auto* commandRow = new QHBoxLayout;
    auto* texts = new QVBoxLayout;
    auto* name = new QLabel("quillmere");
    name->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    texts->addWidget(name);
    texts->addWidget(captionLabel("Load profiles and control windows from your terminal or automation."));
    commandRow->addLayout(texts, 1);
    commandRow->addWidget(install_, 0, Qt::AlignTop);
    rows->addLayout(commandRow);
    auto* stateRow = new QHBoxLayout;
    stateIcon_ = symbolLabel("checkmark.circle", QPalette().color(QPalette::PlaceholderText), 14, "Installed");
    stateRow->addWidget(stateIcon_);
    stateRow->addWidget(state_, 1);
    rows->addLayout(stateRow);

    const QColor red(0xFF, 0x3B, 0x30);
    auto* messageLayout = new QHBoxLayout(messageRow_);
    messageLayout->setContentsMargins(0, 0, 0, 0);
    messageLayout->addWidget(symbolLabel("exclamationmark.triangle", red, 14, "Error"));
    message_->setStyleSheet(QString("color: %1;").arg(red.name()));
    messageLayout->addWidget(message_, 1);
    rows->addWidget(messageRow_);
    rows->addWidget(guide_, 0, Qt::AlignLeft);
    column->addWidget(box);
    column->addWidget(captionLabel("Creates /usr/local/bin/quillmere pointing to this app. macOS may ask for an "
                                   "administrator password. Keep Quillmere running when sending commands."));

    QObject::connect(install_, &QPushButton::clicked, this, [this] {
        settings_.install();
        showState();
    });
    QObject::connect(guide_, &QPushButton::clicked, this, [guide = std::move(guide)] { openFile(guide); });
    QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            reload();
    });
    reload();
}

void CommandLineSection::reload() {
    settings_.refresh();
    showState();
}

void CommandLineSection::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    reload();
}

void CommandLineSection::showState() {
    install_->setText(QString::fromStdString(settings_.buttonTitle()));
    install_->setEnabled(settings_.buttonEnabled());
    const auto line = settings_.stateLine();
    state_->setText(line ? QString::fromStdString(*line) : QString());
    state_->setVisible(line.has_value());
    stateIcon_->setVisible(settings_.status() == CommandLineLink::Status::installed);
    const auto& message = settings_.message();
    message_->setText(message ? QString::fromStdString(*message) : QString());
    messageRow_->setVisible(message.has_value());
}

} // namespace quillmere
