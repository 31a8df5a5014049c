#include "mainwindow/transmit.h"

#include "app/setup_ini.h"
#include "catalogue/file_names.h"
#include "desktop/prompts.h"
#include "imaging/picture_file.h"
#include "mainwindow/tx_staging.h"
#include "util/file_name_bytes.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QStringList>
#include <QTimer>
#include <optional>

namespace quiverel {

void pauseWithEvents(int ms) {
    if (ms <= 0) {
        QCoreApplication::processEvents();
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString txNamePrefix(const Settings& s, const QString& fileName) {
    if (s.callSignPrefix != u"Y" || s.callSign.isEmpty()) return {};
    // "W1ABC/P" stays as it is where it is shown; a name may hold no path, and
    // the picture's own name keeps its place within the name limit.
    const QString call = cutToFileNameBytes(nameSafeText(s.callSign),
                                            kMaxFileNameBytes - fileNameBytes(fileName) - 1);
    return call.isEmpty() ? QString() : call + u'_';
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

namespace {

// Clears the running flag however the hand-off ends.
struct RunningFlag {
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    bool& flag_;
};

FileFailure converterFailure(const Converter& converter, const TxStaging& stage,
                             const QString& name) {
    QString reason = reasonAfterPath(converter.lastError(), stage.staged(name));
    if (reason.isEmpty()) reason = QStringLiteral("The picture could not be converted.");
    return {stage.final(name), reason};
}

// Makes the transmit files of `h` in `stage` and says what the clipboard
// will get. The failure of the first step that failed.
std::optional<FileFailure> makeTransmitFiles(Context& ctx, const HandOff& h,
                                             const ResizeChoice& resize, TxStaging& stage,
                                             ClipboardContent& clip) {
    const AppState& state = ctx.state;
    const QString prefix = state.transmit.namePrefix;
    const QString source = h.folder + h.fileName;
    const QString bitmap = prefix + baseNameOf(h.fileName) + QStringLiteral(".bmp");
    const QString jp2 = prefix + baseNameOf(h.fileName) + QStringLiteral(".jp2");
    const QString ini = state.iniFolder();
    Converter& converter = ctx.converter;
    const auto converted = [&](bool ok, const QString& name) -> std::optional<FileFailure> {
        if (ok && QFileInfo::exists(stage.staged(name))) return std::nullopt;
        return converterFailure(converter, stage, name);
    };

    if (h.animatedGif) {
        const QString copy = prefix + h.fileName;
        if (auto f = stage.copyIn(source, copy)) return f;
        clip = {loadPicture(stage.staged(copy)), stage.final(copy), stage.final(copy)};
        return std::nullopt;
    }
    const QByteArray bytes = encodePicture(h.picture, PictureFormat::Bmp);
    if (bytes.isEmpty()) return FileFailure{source, QStringLiteral("The picture cannot be read.")};
    if (auto f = stage.write(bitmap, bytes)) return f;

    const bool isJp2 = extensionOf(h.fileName) == u".JP2";
    const QString staged = stage.staged(bitmap);
    if (resize.enabled) {
        // The .jp2 of other pictures comes from the full picture, that of a
        // JPEG 2000 from the fitted bitmap.
        if (!isJp2) {
            if (auto f = converted(
                    converter.resample(staged, resize.width, resize.height, ini, stage.staged(jp2)),
                    jp2))
                return f;
        }
        if (auto f = converted(converter.resample(staged, resize.width, resize.height, ini, staged),
                               bitmap))
            return f;
        if (isJp2) {
            if (auto f = converted(converter.compress(staged, ini, stage.staged(jp2)), jp2))
                return f;
        }
    } else if (isJp2) {
        if (QFileInfo(source).size() >= state.settings.jp2TargetSize ||
            state.transmit.composerEdited) {
            if (auto f = converted(converter.compress(staged, ini, stage.staged(jp2)), jp2))
                return f;
        } else if (auto f = stage.copyIn(source, prefix + h.fileName)) {
            return f;
        }
    }
    clip = {loadPicture(staged), stage.final(bitmap), {}};
    return std::nullopt;
}

} // namespace

bool SendToTransmit(Context& ctx, const HandOff& h, const Pause& pause) {
    AppState& state = ctx.state;
    if (state.transmit.handOffRunning) return false;
    RunningFlag running(state.transmit.handOffRunning);

    state.transmit.namePrefix = txNamePrefix(state.settings, h.fileName);
    const ResizeChoice resize = resizeForHandOff(state.settings, h.picture.size());
    ClipboardContent clip;
    std::optional<FileFailure> failure;
    {
        TxStaging stage(state.transmit.txFolder);
        failure = stage.setUpFailure();
        if (!failure) failure = makeTransmitFiles(ctx, h, resize, stage, clip);
        if (!failure) failure = stage.commit();
    }
    if (failure) {
        ctx.prompts.message(nullptr, QStringLiteral("Brisendale"),
                            failure->path + u'\n' + failure->reason, PromptIcon::Warning);
        return false;
    }
    ctx.desktop.setClipboard(clip);

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
    // Whether the program's window was there and got its keys.
    const auto pasteInto = [&](const QString& title, const QStringList& keys) {
        if (!desktop.activateWindowByTitle(title)) return false;
        for (const QString& k : keys) {
            pause(500);
            desktop.sendKeys(k);
        }
        return true;
    };
    // The next program comes to the front only half a second after the last
    // key: under X11 a key goes to whichever window is active when a busy
    // program (one under Wine decoding audio, say) gets round to reading it,
    // not to the one that was in front when it was typed.
    pause(pasteInto(QStringLiteral("EasyPal"), {QStringLiteral("{F7}")}) ? 500 : 0);
    pause(pasteInto(QStringLiteral("KG-STV"), {QStringLiteral("1t1p")}) ? 500 : 0);
    pasteInto(QStringLiteral("MMSSTV"), {QStringLiteral("%{E}"), QStringLiteral("p")});
    pause(500);
}

} // namespace quiverel
