#include "tools/about_text.h"

namespace quiverel {

AboutText aboutText(const QString& windowTitle) {
    return {
        windowTitle.trimmed() +
            QStringLiteral("\nThumbnails of received SSTV pictures and one-click "
                           "hand-off of a picture to the SSTV programs."),
        QStringLiteral("Made by radio amateurs for radio amateurs.\n"
                       "Corrections to the translations and the help text are welcome: "
                       "see the ReadMe file for how to send them."),
        QStringLiteral("Many thanks to the makers of IrfanView, whose command line "
                       "the picture converter of this program follows, and to the "
                       "makers of Qt and OpenJPEG, which do its picture work here."),
    };
}

} // namespace quiverel
