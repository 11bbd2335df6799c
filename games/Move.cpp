#include "Move.h"

QString MoveText(const TMove& move, const std::vector<QString>& names) {
    auto name = [&names](int index) {
        return index >= 0 && index < static_cast<int>(names.size()) ? names[static_cast<std::size_t>(index)]
                                                                     : QStringLiteral("?");
    };
    QString text = name(move.Source);
    if (move.Index >= 0) text += QStringLiteral(" #%1").arg(move.Index);
    switch (move.Type) {
    case TMove::Drop:
        break;
    case TMove::SendHome:
        text += QStringLiteral(": home");
        break;
    case TMove::StockTurn:
        return text + QStringLiteral(": stock");
    case TMove::Press:
        text += QStringLiteral(": press");
        break;
    }
    if (move.Target >= 0) text += QStringLiteral(" -> ") + name(move.Target);
    return text;
}
