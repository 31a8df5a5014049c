#include "options/file_action_report.h"

namespace quiverel {

FileActionReport threeLineReport(const QString& source, const QString& verb,
                                 const QString& target) {
    return {source + u'\n' + verb + u'\n' + target, {}, PromptIcon::None};
}

FileActionReport failureReport(const QString& what, const QString& reason) {
    QString text = what;
    if (!reason.isEmpty()) text += u'\n' + reason;
    return {text, QStringLiteral("Brisendale"), PromptIcon::Warning};
}

} // namespace quiverel
