// libFuzzer target: any bytes through the picture decoder, at full size and
// at thumbnail size. Built with -DQUIVEREL_FUZZ=ON and clang; run e.g.
//   build-fuzz/tests/picture_decoder_fuzzer -max_total_time=60 -rss_limit_mb=2048
#include "imaging/picture_decoder.h"

#include <QByteArray>
#include <QGuiApplication>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's image plugins are found through the application.
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    quiverel::decodePicture(bytes);
    quiverel::DecodeOptions thumbnail;
    thumbnail.fitBox = QSize(112, 84);
    quiverel::decodePicture(bytes, thumbnail);
    return 0;
}
