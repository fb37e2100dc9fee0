#include "engine/AACEncoder.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <mutex>

namespace AACEncoder {
namespace {

constexpr int bitRate = 32000;
constexpr int recordingRate = 16000;

QString describe(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

struct InputCloser { void operator()(AVFormatContext* c) const { avformat_close_input(&c); } };
struct OutputCloser
{
    void operator()(AVFormatContext* c) const
    {
        if (c->pb)
            avio_closep(&c->pb);
        avformat_free_context(c);
    }
};
struct CodecCloser { void operator()(AVCodecContext* c) const { avcodec_free_context(&c); } };
struct SwrCloser { void operator()(SwrContext* c) const { swr_free(&c); } };
struct FifoCloser { void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); } };
struct FrameCloser { void operator()(AVFrame* f) const { av_frame_free(&f); } };
struct PacketCloser { void operator()(AVPacket* p) const { av_packet_free(&p); } };

// The AAC encoder and the M4A file it writes into, fed with samples of any
// PCM format; each step returns false with error set.
class M4AOutput
{
public:
    explicit M4AOutput(QString* error)
        : m_error(error)
    {
    }

    bool open(const QString& out, const AVChannelLayout& layout, AVSampleFormat format, int sampleRate)
    {
        return openEncoder(layout.nb_channels, sampleRate) && openOutput(out) && openResampler(layout, format, sampleRate);
    }

    // Converts samples (planes as the input format has them) and encodes
    // every whole encoder frame.
    bool write(const uint8_t* const* planes, int samples) { return convert(planes, samples) && encodeFifo(false); }

    // Writes out what the file's buffer holds.
    bool flush()
    {
        avio_flush(m_out->pb);
        return m_out->pb->error >= 0 || fail("cannot write the M4A file", m_out->pb->error);
    }

    // Encodes the rest, then completes and closes the file.
    bool finish()
    {
        if (!convert(nullptr, 0) || !encodeFifo(true))
            return false;
        if (m_samples == 0)
            return fail(QStringLiteral("the recording holds no audio"));
        avcodec_send_frame(m_encoder.get(), nullptr);
        if (!writePackets())
            return false;
        if (int rc = av_write_trailer(m_out.get()); rc < 0)
            return fail("cannot finish the M4A file", rc);
        if (int rc = avio_closep(&m_out->pb); rc < 0)
            return fail("cannot finish the M4A file", rc);
        return true;
    }

    bool fail(const QString& why)
    {
        *m_error = why;
        return false;
    }
    bool fail(const char* step, int code) { return fail(QString::fromLatin1(step) + QStringLiteral(": ") + describe(code)); }

private:
    bool openEncoder(int channels, int sampleRate)
    {
        const AVCodec* aac = avcodec_find_encoder_by_name("aac");
        if (!aac)
            return fail(QStringLiteral("no AAC encoder"));
        m_encoder.reset(avcodec_alloc_context3(aac));
        AVCodecContext* e = m_encoder.get();
        e->sample_fmt = AV_SAMPLE_FMT_FLTP;
        e->sample_rate = sampleRate;
        av_channel_layout_default(&e->ch_layout, channels);
        e->bit_rate = bitRate;
        e->time_base = AVRational{1, e->sample_rate};
        e->flags |= AV_CODEC_FLAG_GLOBAL_HEADER; // the MP4 family keeps it in the file header
        if (int rc = avcodec_open2(e, aac, nullptr); rc < 0)
            return fail("the AAC encoder refuses these settings", rc);
        return true;
    }

    bool openOutput(const QString& out)
    {
        AVFormatContext* o = nullptr;
        const QByteArray name = QFile::encodeName(out);
        if (int rc = avformat_alloc_output_context2(&o, nullptr, "ipod", name.constData()); rc < 0 || !o)
            return fail("cannot create the M4A container", rc);
        m_out.reset(o);
        AVStream* stream = avformat_new_stream(o, nullptr);
        if (!stream)
            return fail(QStringLiteral("out of memory"));
        avcodec_parameters_from_context(stream->codecpar, m_encoder.get());
        stream->time_base = m_encoder->time_base;
        if (int rc = avio_open(&o->pb, name.constData(), AVIO_FLAG_WRITE); rc < 0)
            return fail("cannot create the M4A file", rc);
        if (int rc = avformat_write_header(o, nullptr); rc < 0)
            return fail("cannot write the M4A header", rc);
        return true;
    }

    bool openResampler(const AVChannelLayout& layout, AVSampleFormat format, int sampleRate)
    {
        SwrContext* swr = nullptr;
        if (int rc = swr_alloc_set_opts2(&swr, &m_encoder->ch_layout, m_encoder->sample_fmt, m_encoder->sample_rate,
                                         const_cast<AVChannelLayout*>(&layout), format, sampleRate, 0, nullptr);
            rc < 0)
            return fail("cannot convert the samples", rc);
        m_swr.reset(swr);
        if (int rc = swr_init(swr); rc < 0)
            return fail("cannot convert the samples", rc);
        m_fifo.reset(av_audio_fifo_alloc(m_encoder->sample_fmt, m_encoder->ch_layout.nb_channels, 4096));
        m_packet.reset(av_packet_alloc());
        if (!m_fifo || !m_packet)
            return fail(QStringLiteral("out of memory"));
        return true;
    }

    // Resamples input (null: the resampler's tail) into the FIFO.
    bool convert(const uint8_t* const* planes, int inSamples)
    {
        const int capacity = swr_get_out_samples(m_swr.get(), inSamples);
        if (capacity <= 0)
            return true;
        uint8_t** out = nullptr;
        if (int rc = av_samples_alloc_array_and_samples(&out, nullptr, m_encoder->ch_layout.nb_channels, capacity,
                                                        m_encoder->sample_fmt, 0);
            rc < 0)
            return fail("out of memory", rc);
        const int made = swr_convert(m_swr.get(), out, capacity, const_cast<const uint8_t**>(planes), inSamples);
        bool ok = made >= 0;
        if (made > 0)
            ok = av_audio_fifo_write(m_fifo.get(), reinterpret_cast<void**>(out), made) == made;
        av_freep(&out[0]);
        av_freep(&out);
        if (!ok)
            return fail(QStringLiteral("cannot convert the samples"));
        m_samples += made;
        return true;
    }

    // Encodes whole encoder frames from the FIFO; at the end also the rest.
    bool encodeFifo(bool last)
    {
        const int frameSize = m_encoder->frame_size > 0 ? m_encoder->frame_size : 1024;
        while (av_audio_fifo_size(m_fifo.get()) >= frameSize || (last && av_audio_fifo_size(m_fifo.get()) > 0)) {
            const int n = std::min(frameSize, av_audio_fifo_size(m_fifo.get()));
            std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
            frame->nb_samples = n;
            frame->format = m_encoder->sample_fmt;
            frame->sample_rate = m_encoder->sample_rate;
            av_channel_layout_copy(&frame->ch_layout, &m_encoder->ch_layout);
            if (int rc = av_frame_get_buffer(frame.get(), 0); rc < 0)
                return fail("out of memory", rc);
            if (av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void**>(frame->data), n) != n)
                return fail(QStringLiteral("cannot convert the samples"));
            frame->pts = m_pts;
            m_pts += n;
            if (int rc = avcodec_send_frame(m_encoder.get(), frame.get()); rc < 0)
                return fail("cannot encode the audio", rc);
            if (!writePackets())
                return false;
        }
        return true;
    }

    bool writePackets()
    {
        while (true) {
            const int rc = avcodec_receive_packet(m_encoder.get(), m_packet.get());
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return true;
            if (rc < 0)
                return fail("cannot encode the audio", rc);
            m_packet->stream_index = 0;
            av_packet_rescale_ts(m_packet.get(), m_encoder->time_base, m_out->streams[0]->time_base);
            if (int w = av_interleaved_write_frame(m_out.get(), m_packet.get()); w < 0)
                return fail("cannot write the M4A file", w);
        }
    }

    QString* m_error;
    std::unique_ptr<AVFormatContext, OutputCloser> m_out;
    std::unique_ptr<AVCodecContext, CodecCloser> m_encoder;
    std::unique_ptr<SwrContext, SwrCloser> m_swr;
    std::unique_ptr<AVAudioFifo, FifoCloser> m_fifo;
    std::unique_ptr<AVPacket, PacketCloser> m_packet;
    int64_t m_pts = 0;
    int64_t m_samples = 0;
};

// One transcoding run of a file; each step returns false with error set.
class Transcoder
{
public:
    explicit Transcoder(QString* error)
        : m_output(error)
    {
    }

    bool run(const QString& source, const QString& out)
    {
        return openSource(source)
            && m_output.open(out, m_decoder->ch_layout, m_decoder->sample_fmt, m_decoder->sample_rate)
            && openBuffers() && transcode() && m_output.finish();
    }

private:
    bool fail(const QString& why) { return m_output.fail(why); }
    bool fail(const char* step, int code) { return m_output.fail(step, code); }

    bool openSource(const QString& source)
    {
        AVFormatContext* in = nullptr;
        const QByteArray name = QFile::encodeName(source);
        if (int rc = avformat_open_input(&in, name.constData(), nullptr, nullptr); rc < 0)
            return fail("cannot open the recording", rc);
        m_in.reset(in);
        if (int rc = avformat_find_stream_info(in, nullptr); rc < 0)
            return fail("cannot read the recording", rc);
        const AVCodec* decoder = nullptr;
        m_stream = av_find_best_stream(in, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
        if (m_stream < 0 || !decoder)
            return fail(QStringLiteral("the file holds no audio track"));
        m_decoder.reset(avcodec_alloc_context3(decoder));
        if (!m_decoder)
            return fail(QStringLiteral("out of memory"));
        avcodec_parameters_to_context(m_decoder.get(), in->streams[m_stream]->codecpar);
        if (m_decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&m_decoder->ch_layout, m_decoder->ch_layout.nb_channels);
        if (int rc = avcodec_open2(m_decoder.get(), decoder, nullptr); rc < 0)
            return fail("cannot decode the recording", rc);
        if (m_decoder->sample_rate <= 0 || m_decoder->ch_layout.nb_channels <= 0)
            return fail(QStringLiteral("the audio track has no usable format"));
        return true;
    }

    bool openBuffers()
    {
        m_frame.reset(av_frame_alloc());
        m_packet.reset(av_packet_alloc());
        if (!m_frame || !m_packet)
            return fail(QStringLiteral("out of memory"));
        return true;
    }

    bool transcode()
    {
        while (true) {
            const int rc = av_read_frame(m_in.get(), m_packet.get());
            if (rc == AVERROR_EOF)
                break;
            if (rc < 0)
                return fail("cannot read the recording", rc);
            const bool ours = m_packet->stream_index == m_stream;
            const int sent = ours ? avcodec_send_packet(m_decoder.get(), m_packet.get()) : 0;
            av_packet_unref(m_packet.get());
            if (sent < 0)
                return fail("cannot decode the recording", sent);
            if (ours && !drainDecoder())
                return false;
        }
        avcodec_send_packet(m_decoder.get(), nullptr);
        return drainDecoder();
    }

    bool drainDecoder()
    {
        while (true) {
            const int rc = avcodec_receive_frame(m_decoder.get(), m_frame.get());
            if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF)
                return true;
            if (rc < 0)
                return fail("cannot decode the recording", rc);
            const bool ok = m_output.write(m_frame->extended_data, m_frame->nb_samples);
            av_frame_unref(m_frame.get());
            if (!ok)
                return false;
        }
    }

    M4AOutput m_output;
    std::unique_ptr<AVFormatContext, InputCloser> m_in;
    std::unique_ptr<AVCodecContext, CodecCloser> m_decoder;
    std::unique_ptr<AVFrame, FrameCloser> m_frame;
    std::unique_ptr<AVPacket, PacketCloser> m_packet;
    int m_stream = -1;
};

void quietLibraries()
{
    // The encoder's statistics lines would only clutter the application's stderr.
    static std::once_flag quiet;
    std::call_once(quiet, [] { av_log_set_level(AV_LOG_ERROR); });
}

} // namespace

QString m4aPath(const QString& wav)
{
    const QFileInfo info(wav);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return info.dir().filePath((dot > 0 ? name.left(dot) : name) + QStringLiteral(".m4a"));
}

std::optional<QString> m4a(const QString& wav, QString* error)
{
    quietLibraries();
    const QString out = m4aPath(wav);
    QFile::remove(out);
    QString why;
    bool ok = false;
    {
        Transcoder transcoder(&why); // closes its files before a failed one is deleted
        ok = transcoder.run(wav, out);
    }
    if (!ok) {
        QFile::remove(out);
        if (error)
            *error = why;
        return std::nullopt;
    }
    return out;
}

struct Stream::Output
{
    QString error;
    M4AOutput m4a{&error};
};

std::unique_ptr<Stream> Stream::create(const QString& path, QString* error)
{
    quietLibraries();
    QFile::remove(path);
    std::unique_ptr<Stream> stream(new Stream(path));
    AVChannelLayout mono;
    av_channel_layout_default(&mono, 1);
    if (!stream->m_output->m4a.open(path, mono, AV_SAMPLE_FMT_S16, recordingRate)) {
        if (error)
            *error = stream->m_output->error;
        return nullptr;
    }
    return stream;
}

Stream::Stream(QString path)
    : m_path(std::move(path))
    , m_output(std::make_unique<Output>())
{
}

Stream::~Stream()
{
    const bool complete = m_finished;
    m_output.reset();
    if (!complete)
        QFile::remove(m_path);
}

bool Stream::write(const qint16* samples, qsizetype count, QString* error)
{
    const auto* plane = reinterpret_cast<const uint8_t*>(samples);
    // Written out as it comes: little is left for the end, and a full disk
    // shows while recording rather than at the end.
    if (m_output->m4a.write(&plane, int(count)) && m_output->m4a.flush())
        return true;
    if (error)
        *error = m_output->error;
    return false;
}

bool Stream::finish(QString* error)
{
    if (m_output->m4a.finish()) {
        m_finished = true;
        return true;
    }
    if (error)
        *error = m_output->error;
    return false;
}

} // namespace AACEncoder
