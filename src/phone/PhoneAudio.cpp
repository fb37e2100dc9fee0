#include "phone/PhoneAudio.h"

#include "core/Config.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "phone/PhoneHttp.h"
#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <QtEndian>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/opt.h>
#include <libswresample/swresample.h>
}

#include <memory>
#include <stdexcept>

namespace PhoneAudio {

namespace {

constexpr int targetRate = 16000;
constexpr int blockFrames = 8192;

// What phones and their shortcuts upload; nothing else is even probed.
constexpr char allowedFormats[] = "wav,w64,mov,mp4,m4a,3gp,aac,caf,mp3,ogg,matroska,webm,flac,amr";

bool isPhoneCodec(AVCodecID id)
{
    switch (id) {
    case AV_CODEC_ID_PCM_S16LE: case AV_CODEC_ID_PCM_S16BE: case AV_CODEC_ID_PCM_S24LE: case AV_CODEC_ID_PCM_S24BE:
    case AV_CODEC_ID_PCM_S32LE: case AV_CODEC_ID_PCM_S32BE: case AV_CODEC_ID_PCM_F32LE: case AV_CODEC_ID_PCM_F32BE:
    case AV_CODEC_ID_PCM_F64LE: case AV_CODEC_ID_PCM_U8: case AV_CODEC_ID_PCM_ALAW: case AV_CODEC_ID_PCM_MULAW:
    case AV_CODEC_ID_AAC: case AV_CODEC_ID_AAC_LATM: case AV_CODEC_ID_MP3: case AV_CODEC_ID_ALAC:
    case AV_CODEC_ID_OPUS: case AV_CODEC_ID_VORBIS: case AV_CODEC_ID_FLAC: case AV_CODEC_ID_AMR_NB:
    case AV_CODEC_ID_AMR_WB: case AV_CODEC_ID_ADPCM_IMA_QT:
        return true;
    default:
        return false;
    }
}

struct Failure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

struct TooLong : Failure
{
    TooLong()
        : Failure("the recording is longer than " + std::to_string(longestSeconds / 60) + " minutes")
    {
    }
};

constexpr quint64 longestDataBytes = quint64(longestSeconds) * targetRate * 2;

QString describe(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

void check(int code, const char* what)
{
    if (code < 0)
        throw Failure(std::string(what) + ": " + describe(code).toStdString());
}

struct FormatCloser { void operator()(AVFormatContext* c) const { avformat_close_input(&c); } };
struct CodecFreer { void operator()(AVCodecContext* c) const { avcodec_free_context(&c); } };
struct SwrFreer { void operator()(SwrContext* c) const { swr_free(&c); } };
struct PacketFreer { void operator()(AVPacket* p) const { av_packet_free(&p); } };
struct FrameFreer { void operator()(AVFrame* f) const { av_frame_free(&f); } };

QByteArray wavHeader(quint32 dataBytes)
{
    QByteArray header(44, '\0');
    char* h = header.data();
    const auto put32 = [&](int at, quint32 v) { qToLittleEndian<quint32>(v, h + at); };
    const auto put16 = [&](int at, quint16 v) { qToLittleEndian<quint16>(v, h + at); };
    memcpy(h, "RIFF", 4);
    put32(4, 36 + dataBytes);
    memcpy(h + 8, "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, targetRate);
    put32(28, targetRate * 2);
    put16(32, 2);
    put16(34, 16);
    memcpy(h + 36, "data", 4);
    put32(40, dataBytes);
    return header;
}

class WavOutput final
{
public:
    explicit WavOutput(const QString& path)
        : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            throw Failure("the WAV file cannot be written: " + m_file.errorString().toStdString());
        write(wavHeader(0).constData(), 44);
    }

    void samples(const int16_t* data, int count)
    {
        if (m_dataBytes + quint64(count) * 2 > longestDataBytes)
            throw TooLong();
        write(reinterpret_cast<const char*>(data), qint64(count) * 2);
        m_dataBytes += quint64(count) * 2;
    }

    double seconds() const { return double(m_dataBytes) / (targetRate * 2); }

    void finish()
    {
        if (m_dataBytes > 0xFFFFFFFFull - 36)
            throw Failure("the recording is too long for a WAV file");
        if (!m_file.seek(0))
            throw Failure("the WAV file cannot be written");
        write(wavHeader(quint32(m_dataBytes)).constData(), 44);
        m_file.close();
    }

private:
    void write(const char* data, qint64 size)
    {
        if (m_file.write(data, size) != size)
            throw Failure("the WAV file cannot be written: " + m_file.errorString().toStdString());
    }

    QFile m_file;
    quint64 m_dataBytes = 0;
};

// Returns the length of the written recording in seconds.
double convert(const QString& input, const QString& output)
{
    AVDictionary* options = nullptr;
    av_dict_set(&options, "format_whitelist", allowedFormats, 0);
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* rawFormat = nullptr;
    const int opened = avformat_open_input(&rawFormat, QFile::encodeName(input).constData(), nullptr, &options);
    av_dict_free(&options);
    check(opened, "the audio cannot be opened");
    std::unique_ptr<AVFormatContext, FormatCloser> format(rawFormat);
    check(avformat_find_stream_info(format.get(), nullptr), "the audio cannot be read");

    const AVCodec* codec = nullptr;
    const int stream = av_find_best_stream(format.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    check(stream, "no audio in the upload");
    const AVCodecParameters* parameters = format->streams[stream]->codecpar;
    if (!codec || !isPhoneCodec(parameters->codec_id))
        throw Failure("the audio is not of a kind a phone sends");

    std::unique_ptr<AVCodecContext, CodecFreer> decoder(avcodec_alloc_context3(codec));
    if (!decoder)
        throw Failure("out of memory");
    check(avcodec_parameters_to_context(decoder.get(), parameters), "the audio cannot be decoded");
    check(avcodec_open2(decoder.get(), codec, nullptr), "the audio cannot be decoded");
    if (decoder->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || decoder->ch_layout.nb_channels <= 0) {
        const int channels = std::max(1, decoder->ch_layout.nb_channels);
        av_channel_layout_uninit(&decoder->ch_layout);
        av_channel_layout_default(&decoder->ch_layout, channels);
    }

    WavOutput wav(output);
    std::unique_ptr<SwrContext, SwrFreer> resampler;
    std::vector<int16_t> block(blockFrames);
    const auto drain = [&](const AVFrame* frame) {
        if (!resampler) {
            SwrContext* raw = nullptr;
            AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
            check(swr_alloc_set_opts2(&raw, &mono, AV_SAMPLE_FMT_S16, targetRate, &decoder->ch_layout,
                                      AVSampleFormat(frame ? frame->format : decoder->sample_fmt),
                                      frame ? frame->sample_rate : decoder->sample_rate, 0, nullptr),
                  "the audio cannot be converted");
            resampler.reset(raw);
            check(swr_init(resampler.get()), "the audio cannot be converted");
        }
        const uint8_t** in = frame ? const_cast<const uint8_t**>(frame->extended_data) : nullptr;
        int inFrames = frame ? frame->nb_samples : 0;
        for (;;) {
            uint8_t* out = reinterpret_cast<uint8_t*>(block.data());
            const int made = swr_convert(resampler.get(), &out, blockFrames, in, inFrames);
            check(made, "the audio cannot be converted");
            wav.samples(block.data(), made);
            in = nullptr;
            inFrames = 0;
            if (made < blockFrames)
                break;
        }
    };

    std::unique_ptr<AVPacket, PacketFreer> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
    if (!packet || !frame)
        throw Failure("out of memory");
    const auto receive = [&] {
        for (;;) {
            const int got = avcodec_receive_frame(decoder.get(), frame.get());
            if (got == AVERROR(EAGAIN) || got == AVERROR_EOF)
                return;
            check(got, "the audio cannot be decoded");
            drain(frame.get());
            av_frame_unref(frame.get());
        }
    };
    for (;;) {
        const int read = av_read_frame(format.get(), packet.get());
        if (read == AVERROR_EOF)
            break;
        check(read, "the audio cannot be read");
        if (packet->stream_index == stream) {
            const int sent = avcodec_send_packet(decoder.get(), packet.get());
            av_packet_unref(packet.get());
            check(sent, "the audio cannot be decoded");
            receive();
        } else {
            av_packet_unref(packet.get());
        }
    }
    check(avcodec_send_packet(decoder.get(), nullptr), "the audio cannot be decoded");
    receive();
    if (resampler)
        drain(nullptr);
    wav.finish();
    return wav.seconds();
}

QString temporaryPath(const QString& extension)
{
    const QString folder = Config::recordingsDirectory();
    DataFolder::ensure(folder);
    return folder + QStringLiteral("/kesto-phone-")
           + QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper() + QLatin1Char('.') + extension;
}

} // namespace

QString fileExtension(const QString& contentType)
{
    const QString type = contentType.toLower();
    if (type.contains(QLatin1String("wav")))
        return QStringLiteral("wav");
    if (type.contains(QLatin1String("aac")))
        return QStringLiteral("aac");
    if (type.contains(QLatin1String("caf")))
        return QStringLiteral("caf");
    if (type.contains(QLatin1String("mpeg")) || type.contains(QLatin1String("mp3")))
        return QStringLiteral("mp3");
    return QStringLiteral("m4a");
}

Conversion convertToWav(const QByteArray& data, const QString& contentType)
{
    const QString input = temporaryPath(fileExtension(contentType));
    const QString output = temporaryPath(QStringLiteral("wav"));
    Conversion conversion;
    try {
        {
            // Recordings are private: the files are the user's alone.
            QFile file(input);
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                || file.write(data) != data.size())
                throw Failure("the upload cannot be stored: " + file.errorString().toStdString());
        }
        conversion.seconds = convert(input, output);
        conversion.path = output;
    } catch (const Failure& failure) {
        Log::write(QStringLiteral("could not read the phone audio (") + Log::loggable(contentType)
                   + QStringLiteral("): ") + QString::fromStdString(failure.what()));
        QFile::remove(output);
        conversion.failure = dynamic_cast<const TooLong*>(&failure) ? Conversion::Failure::TooLong
                                                                    : Conversion::Failure::Unreadable;
    }
    QFile::remove(input);
    return conversion;
}

QString tooLongText()
{
    static_assert(longestSeconds == 20 * 60, "the sentence names the limit");
    return L10n::tr("The recording is longer than 20 minutes.");
}

} // namespace PhoneAudio
