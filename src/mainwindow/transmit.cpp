#include "mainwindow/transmit.h"

#include "app/setup_ini.h"
#include "catalogue/file_names.h"
#include "imaging/picture_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace quiverel {

QString txNamePrefix(const Settings& s) {
    if (s.callSignPrefix == u"Y" && !s.callSign.isEmpty()) return s.callSign + u'_';
    return {};
}

ResizeChoice resizeForHandOff(const Settings& s, QSize picture) {
    // Read from the setting itself, so a size chosen since start-up counts.
    Settings parsed;
    parsed.resizeSetting = s.resizeSetting;
    deriveResize(parsed);
    ResizeChoice r{parsed.resizeEnabled, parsed.resizeWidth, parsed.resizeHeight};
    // Pictures are never enlarged.
    if (r.enabled && picture.width() <= r.width && picture.height() <= r.height) r.enabled = false;
    return r;
}

void emptyTxFolder(const QString& txFolder) {
    const QDir dir(txFolder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& f : files)
        QFile::remove(dir.filePath(f));
}

namespace {

// Clears the running flag however the hand-off ends.
struct RunningFlag {
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    bool& flag_;
};

void bitmapToClipboard(Desktop& desktop, const QString& bitmap) {
    desktop.setClipboard({loadPicture(bitmap), QFileInfo::exists(bitmap) ? bitmap : QString(), {}});
}

} // namespace

bool SendToTransmit(Context& ctx, const HandOff& h, const Pause& pause) {
    AppState& state = ctx.state;
    if (state.transmit.handOffRunning) return false;
    RunningFlag running(state.transmit.handOffRunning);

    const ResizeChoice resize = resizeForHandOff(state.settings, h.picture.size());
    const QString tx = state.transmit.txFolder;
    QDir().mkpath(tx);
    emptyTxFolder(tx);

    state.transmit.namePrefix = txNamePrefix(state.settings);
    const QString base = baseNameOf(h.fileName);
    const QString txBase = tx + u'/' + state.transmit.namePrefix;
    const QString source = h.folder + h.fileName;
    const QString bitmap = txBase + base + QStringLiteral(".bmp");
    const QString jp2 = txBase + base + QStringLiteral(".jp2");
    const QString ini = state.iniFolder();
    Converter& converter = ctx.converter;

    if (h.animatedGif) {
        const QString copy = txBase + h.fileName;
        QFile::copy(source, copy);
        ctx.desktop.setClipboard(
            {loadPicture(copy), QFileInfo::exists(copy) ? copy : QString(), copy});
    } else if (extensionOf(h.fileName) != u".JP2") {
        if (resize.enabled) {
            const QString temp = txBase + QStringLiteral("Temp.bmp");
            savePicture(h.picture, temp);
            savePicture(h.picture, bitmap);
            converter.resample(bitmap, resize.width, resize.height, ini, bitmap);
            converter.resample(temp, resize.width, resize.height, ini, jp2);
            QFile::remove(temp);
        } else {
            savePicture(h.picture, bitmap);
        }
        bitmapToClipboard(ctx.desktop, bitmap);
    } else {
        savePicture(h.picture, bitmap);
        if (resize.enabled) {
            converter.resample(bitmap, resize.width, resize.height, ini, bitmap);
            converter.compress(bitmap, ini, jp2);
        } else if (QFileInfo(source).size() >= state.settings.jp2TargetSize ||
                   state.transmit.composerEdited) {
            converter.compress(bitmap, ini, jp2);
        } else {
            QFile::copy(source, txBase + h.fileName);
        }
        bitmapToClipboard(ctx.desktop, bitmap);
    }

    pause(500);
    if (h.hovering && state.settings.autoPaste && h.leftClick)
        PasteIntoSstvPrograms(ctx.desktop, pause);
    return true;
}

void SendTextToTransmit(Context& ctx, const QString& text, const Pause& pause) {
    ctx.desktop.setClipboard({{}, {}, text});
    // With auto paste off no keys go to other programs.
    if (ctx.state.settings.autoPaste) PasteIntoSstvPrograms(ctx.desktop, pause);
}

void PasteIntoSstvPrograms(Desktop& desktop, const Pause& pause) {
    if (desktop.activateWindowByTitle(QStringLiteral("EasyPal"))) {
        pause(500);
        desktop.sendKeys(QStringLiteral("{F7}"));
    }
    pause(0);
    if (desktop.activateWindowByTitle(QStringLiteral("KG-STV"))) {
        pause(500);
        desktop.sendKeys(QStringLiteral("1t1p"));
    }
    pause(0);
    if (desktop.activateWindowByTitle(QStringLiteral("MMSSTV"))) {
        pause(500);
        desktop.sendKeys(QStringLiteral("%{E}"));
        pause(500);
        desktop.sendKeys(QStringLiteral("p"));
    }
    pause(500);
}

} // namespace quiverel
