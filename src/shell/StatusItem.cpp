#include "shell/StatusItem.h"

#include "shell/Symbols.h"

namespace quillmere {

void StatusItem::setSymbol(std::string_view symbol, std::string_view description) {
    symbol_ = std::string(symbol);
    icon_.setIcon(symbolIcon(symbol));
    icon_.setToolTip(QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size())));
    icon_.show();
}

} // namespace quillmere
