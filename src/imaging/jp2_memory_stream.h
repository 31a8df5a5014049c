#pragma once
// OpenJPEG streams over memory: the codec reads a file already in memory and
// writes into a growing buffer, so a size search never touches the disk.

#include <QByteArray>
#include <openjpeg.h>

namespace quiverel {

class Jp2MemoryStream {
public:
    // A stream that reads `data`, which must outlive the stream.
    static Jp2MemoryStream forReading(const QByteArray& data);
    // A stream that writes into bytes().
    static Jp2MemoryStream forWriting();

    Jp2MemoryStream(Jp2MemoryStream&& other) noexcept;
    Jp2MemoryStream& operator=(Jp2MemoryStream&&) = delete;
    ~Jp2MemoryStream();

    opj_stream_t* stream() const { return stream_; }
    const QByteArray& bytes() const { return buffer_; }

private:
    Jp2MemoryStream(const QByteArray* readFrom);

    static OPJ_SIZE_T read(void* into, OPJ_SIZE_T count, void* self);
    static OPJ_SIZE_T write(void* from, OPJ_SIZE_T count, void* self);
    static OPJ_OFF_T skip(OPJ_OFF_T count, void* self);
    static OPJ_BOOL seek(OPJ_OFF_T to, void* self);

    const QByteArray* source_ = nullptr; // reading
    QByteArray buffer_;                  // writing
    qint64 position_ = 0;
    opj_stream_t* stream_ = nullptr;
};

} // namespace quiverel
