#pragma once

#include "platform/Image.h"
#include "platform/RunningApplications.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <string_view>

namespace quillmere {

QImage qImage(const Image& image);
// The symbol drawn in one colour at that size in points; a null pixmap for an unknown symbol.
QPixmap tintedSymbol(std::string_view name, double size, const QColor& colour, double pixelRatio);
// The running application's icon from the icon theme by its name, else a generic application icon; a null
// icon when no application runs under the process.
QIcon applicationIcon(RunningApplications& applications, std::int32_t pid);

} // namespace quillmere
