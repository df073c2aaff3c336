#include "platform/FfmpegWmaTranscoder.h"

#include <algorithm>

#include "audio/wave/WaveFileWriter.h"
#include "platform/FfmpegAudioSource.h"
#include "platform/FfmpegHandles.h"

namespace qp {
namespace {

// The encoder side of a WAV-to-WMA conversion: a FIFO that cuts the decoded samples into the
// encoder's frames, the encoder, and the ASF file.
class WmaWriter {
 public:
  bool open(const std::string& target, int sampleRate, int channels, std::uint32_t bitRate);
  // Planar float samples of every channel.
  bool push(const std::uint8_t* const* planes, int frames);
  // Encodes what is left (the last frame padded by the encoder), flushes it, ends the file.
  bool finish();

 private:
  bool encodeFrames(bool final);
  bool send(const AVFrame* frame);

  AvOutputPtr output_;
  AvCodecPtr encoder_;
  AvFifoPtr fifo_;
  AvFramePtr frame_;
  AvPacketPtr packet_;
  AVStream* stream_ = nullptr;
  std::int64_t pts_ = 0;
};

bool WmaWriter::open(const std::string& target, int sampleRate, int channels,
                     std::uint32_t bitRate) {
  const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
  AVFormatContext* raw = nullptr;
  if (!codec || avformat_alloc_output_context2(&raw, nullptr, "asf", target.c_str()) < 0) {
    return false;
  }
  output_.reset(raw);
  encoder_.reset(avcodec_alloc_context3(codec));
  stream_ = avformat_new_stream(output_.get(), nullptr);
  if (!encoder_ || !stream_) {
    return false;
  }
  encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
  encoder_->sample_rate = sampleRate;
  encoder_->bit_rate = bitRate;
  av_channel_layout_default(&encoder_->ch_layout, channels);
  encoder_->time_base = {1, sampleRate};
  if (output_->oformat->flags & AVFMT_GLOBALHEADER) {
    encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
  if (avcodec_open2(encoder_.get(), codec, nullptr) < 0 ||
      avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0) {
    return false;
  }
  stream_->time_base = encoder_->time_base;
  fifo_.reset(av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, channels, encoder_->frame_size * 4));
  frame_.reset(av_frame_alloc());
  packet_.reset(av_packet_alloc());
  if (!fifo_ || !frame_ || !packet_ ||
      avio_open(&output_->pb, target.c_str(), AVIO_FLAG_WRITE) < 0) {
    return false;
  }
  return avformat_write_header(output_.get(), nullptr) >= 0;
}

bool WmaWriter::push(const std::uint8_t* const* planes, int frames) {
  // The FIFO only reads the planes; its interface is not const-correct.
  void** data = reinterpret_cast<void**>(const_cast<std::uint8_t**>(planes));
  return av_audio_fifo_write(fifo_.get(), data, frames) == frames && encodeFrames(false);
}

bool WmaWriter::send(const AVFrame* frame) {
  if (avcodec_send_frame(encoder_.get(), frame) < 0) {
    return false;
  }
  for (;;) {
    const int status = avcodec_receive_packet(encoder_.get(), packet_.get());
    if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) {
      return true;
    }
    if (status < 0) {
      return false;
    }
    av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    if (av_interleaved_write_frame(output_.get(), packet_.get()) < 0) {
      return false;
    }
  }
}

bool WmaWriter::encodeFrames(bool final) {
  const int size = encoder_->frame_size;
  while (av_audio_fifo_size(fifo_.get()) >= size ||
         (final && av_audio_fifo_size(fifo_.get()) > 0)) {
    const int frames = std::min(size, av_audio_fifo_size(fifo_.get()));
    av_frame_unref(frame_.get());
    frame_->nb_samples = frames;
    frame_->format = encoder_->sample_fmt;
    frame_->sample_rate = encoder_->sample_rate;
    if (av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 ||
        av_frame_get_buffer(frame_.get(), 0) < 0) {
      return false;
    }
    void** data = reinterpret_cast<void**>(frame_->data);
    if (av_audio_fifo_read(fifo_.get(), data, frames) != frames) {
      return false;
    }
    frame_->pts = pts_;
    pts_ += frames;
    if (!send(frame_.get())) {
      return false;
    }
  }
  return true;
}

bool WmaWriter::finish() {
  return encodeFrames(true) && send(nullptr) && av_write_trailer(output_.get()) >= 0;
}

}  // namespace

FfmpegWmaTranscoder::FfmpegWmaTranscoder() {
  // The libraries' warnings about ordinary files (a wave file that is not S/PDIF data, ...)
  // would only clutter standard error; errors are still shown.
  if (av_log_get_level() > AV_LOG_ERROR) {
    av_log_set_level(AV_LOG_ERROR);
  }
  available_ = avcodec_find_encoder(AV_CODEC_ID_WMAV2) && avcodec_find_decoder(AV_CODEC_ID_WMAV2) &&
               av_guess_format("asf", nullptr, nullptr) && av_find_input_format("asf") &&
               av_find_input_format("wav");
}

bool FfmpegWmaTranscoder::wavToWma(const std::string& source, const std::string& target,
                                   std::uint32_t bitRate) {
  FfmpegAudioSource input;
  if (!input.open(source)) {
    return false;
  }
  const int channels = std::min(input.channels(), 2);
  WmaWriter writer;
  if (!writer.open(target, input.sampleRate(), channels, bitRate)) {
    return false;
  }
  const bool decoded = input.decode(AV_SAMPLE_FMT_FLTP, channels,
                                    [&writer](const std::uint8_t* const* planes, int frames) {
                                      return writer.push(planes, frames);
                                    });
  return decoded && writer.finish();
}

bool FfmpegWmaTranscoder::wmaToWav(const std::string& source, const std::string& target) {
  FfmpegAudioSource input;
  if (!input.open(source)) {
    return false;
  }
  const int channels = std::min(input.channels(), 2);
  WaveFileWriter writer;
  writer.setDurable(false);
  const auto rate = static_cast<std::uint32_t>(input.sampleRate());
  if (!writer.open(target, WaveFormat::pcm(static_cast<std::uint16_t>(channels), rate, 16))) {
    return false;
  }
  const auto bytesPerFrame = static_cast<std::uint32_t>(2 * channels);
  const bool decoded =
      input.decode(AV_SAMPLE_FMT_S16, channels, [&](const std::uint8_t* const* planes, int frames) {
        const std::uint32_t bytes = static_cast<std::uint32_t>(frames) * bytesPerFrame;
        return writer.write(planes[0], bytes) == bytes;
      });
  return writer.close() && decoded;
}

}  // namespace qp
