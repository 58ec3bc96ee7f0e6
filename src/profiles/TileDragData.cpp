#include "profiles/TileDragData.h"

#include <QCoreApplication>

namespace quillmere {
namespace {

constexpr const char* sourceFormat = "application/x-quillmere-drag-source";

QByteArray thisProcess() { return QByteArray::number(QCoreApplication::applicationPid()); }

} // namespace

QMimeData* tileDragData(const TileDrag& drag) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(drag.text()));
    data->setData(sourceFormat, thisProcess());
    return data;
}

std::optional<TileDrag> ownTileDrag(const QMimeData& data) {
    if (!data.hasText() || data.data(sourceFormat) != thisProcess())
        return std::nullopt;
    return TileDrag::parse(data.text().toStdString());
}

} // namespace quillmere
