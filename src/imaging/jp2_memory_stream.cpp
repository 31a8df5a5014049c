#include "imaging/jp2_memory_stream.h"

#include <cstring>
#include <memory>

namespace quiverel {

Jp2MemoryStream::Jp2MemoryStream(const QByteArray* readFrom) : source_(readFrom) {}

Jp2MemoryStream::Jp2MemoryStream(Jp2MemoryStream&& other) noexcept
    : source_(other.source_), buffer_(std::move(other.buffer_)), position_(other.position_),
      stream_(other.stream_) {
    other.stream_ = nullptr;
    // The stream's callbacks point at the object; it now lives here.
    if (stream_) opj_stream_set_user_data(stream_, this, nullptr);
}

Jp2MemoryStream::~Jp2MemoryStream() {
    if (stream_) opj_stream_destroy(stream_);
}

Jp2MemoryStream Jp2MemoryStream::forReading(const QByteArray& data) {
    Jp2MemoryStream s(&data);
    s.stream_ = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_TRUE);
    opj_stream_set_user_data(s.stream_, &s, nullptr);
    opj_stream_set_user_data_length(s.stream_, OPJ_UINT64(data.size()));
    opj_stream_set_read_function(s.stream_, &Jp2MemoryStream::read);
    opj_stream_set_skip_function(s.stream_, &Jp2MemoryStream::skip);
    opj_stream_set_seek_function(s.stream_, &Jp2MemoryStream::seek);
    return s;
}

Jp2MemoryStream Jp2MemoryStream::forWriting() {
    Jp2MemoryStream s(nullptr);
    s.stream_ = opj_stream_create(OPJ_J2K_STREAM_CHUNK_SIZE, OPJ_FALSE);
    opj_stream_set_user_data(s.stream_, &s, nullptr);
    opj_stream_set_write_function(s.stream_, &Jp2MemoryStream::write);
    opj_stream_set_skip_function(s.stream_, &Jp2MemoryStream::skip);
    opj_stream_set_seek_function(s.stream_, &Jp2MemoryStream::seek);
    return s;
}

OPJ_SIZE_T Jp2MemoryStream::read(void* into, OPJ_SIZE_T count, void* self) {
    auto* s = static_cast<Jp2MemoryStream*>(self);
    const qint64 left = s->source_->size() - s->position_;
    if (left <= 0) return OPJ_SIZE_T(-1); // end of stream, as OpenJPEG expects it
    const qint64 n = std::min<qint64>(left, qint64(count));
    std::memcpy(into, s->source_->constData() + s->position_, size_t(n));
    s->position_ += n;
    return OPJ_SIZE_T(n);
}

OPJ_SIZE_T Jp2MemoryStream::write(void* from, OPJ_SIZE_T count, void* self) {
    auto* s = static_cast<Jp2MemoryStream*>(self);
    const qint64 end = s->position_ + qint64(count);
    if (end > s->buffer_.size()) s->buffer_.resize(end);
    std::memcpy(s->buffer_.data() + s->position_, from, count);
    s->position_ = end;
    return count;
}

OPJ_OFF_T Jp2MemoryStream::skip(OPJ_OFF_T count, void* self) {
    auto* s = static_cast<Jp2MemoryStream*>(self);
    const qint64 size = s->source_ ? s->source_->size() : s->buffer_.size();
    qint64 to = s->position_ + count;
    if (s->source_) {
        // Reading: skipping past the end stops there; at the end it is the end.
        if (to > size) {
            if (s->position_ >= size) return -1;
            to = size;
        }
    } else if (to > size) {
        s->buffer_.resize(to, '\0');
    }
    if (to < 0) return -1;
    const OPJ_OFF_T moved = to - s->position_;
    s->position_ = to;
    return moved;
}

OPJ_BOOL Jp2MemoryStream::seek(OPJ_OFF_T to, void* self) {
    auto* s = static_cast<Jp2MemoryStream*>(self);
    const qint64 size = s->source_ ? s->source_->size() : s->buffer_.size();
    if (to < 0 || (s->source_ && to > size)) return OPJ_FALSE;
    if (!s->source_ && to > size) s->buffer_.resize(to, '\0');
    s->position_ = to;
    return OPJ_TRUE;
}

} // namespace quiverel
