#pragma once
// The text the four connection fields may hold. A line break in a password or
// folder would end the command it is sent in and make the rest another
// command, so control characters never go into a field nor to the server.

#include <QString>

namespace quiverel {

bool holdsControlCharacter(QStringView text);

// `text` without its control characters (a pasted trailing line break goes).
QString ftpFieldText(const QString& text);

} // namespace quiverel
