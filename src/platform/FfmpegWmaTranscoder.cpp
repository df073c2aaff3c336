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
  const AVCodec* codec = ffmpeg().avcodec_find_encoder(AV_CODEC_ID_WMAV2);
  AVFormatContext* raw = nullptr;
  if (!codec || ffmpeg().avformat_alloc_output_context2(&raw, nullptr, "asf", target.c_str()) < 0) {
    return false;
  }
  output_.reset(raw);
  encoder_.reset(ffmpeg().avcodec_alloc_context3(codec));
  stream_ = ffmpeg().avformat_new_stream(output_.get(), nullptr);
  if (!encoder_ || !stream_) {
    return false;
  }
  encoder_->sample_fmt = AV_SAMPLE_FMT_FLTP;
  encoder_->sample_rate = sampleRate;
  encoder_->bit_rate = bitRate;
  ffmpeg().av_channel_layout_default(&encoder_->ch_layout, channels);
  encoder_->time_base = {1, sampleRate};
  if (output_->oformat->flags & AVFMT_GLOBALHEADER) {
    encoder_->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  }
  if (ffmpeg().avcodec_open2(encoder_.get(), codec, nullptr) < 0 ||
      ffmpeg().avcodec_parameters_from_context(stream_->codecpar, encoder_.get()) < 0) {
    return false;
  }
  stream_->time_base = encoder_->time_base;
  fifo_.reset(ffmpeg().av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, channels, encoder_->frame_size * 4));
  frame_.reset(ffmpeg().av_frame_alloc());
  packet_.reset(ffmpeg().av_packet_alloc());
  if (!fifo_ || !frame_ || !packet_ ||
      ffmpeg().avio_open(&output_->pb, target.c_str(), AVIO_FLAG_WRITE) < 0) {
    return false;
  }
  return ffmpeg().avformat_write_header(output_.get(), nullptr) >= 0;
}

bool WmaWriter::push(const std::uint8_t* const* planes, int frames) {
  // The FIFO only reads the planes; its interface is not const-correct.
  void** data = reinterpret_cast<void**>(const_cast<std::uint8_t**>(planes));
  return ffmpeg().av_audio_fifo_write(fifo_.get(), data, frames) == frames && encodeFrames(false);
}

bool WmaWriter::send(const AVFrame* frame) {
  if (ffmpeg().avcodec_send_frame(encoder_.get(), frame) < 0) {
    return false;
  }
  for (;;) {
    const int status = ffmpeg().avcodec_receive_packet(encoder_.get(), packet_.get());
    if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) {
      return true;
    }
    if (status < 0) {
      return false;
    }
    ffmpeg().av_packet_rescale_ts(packet_.get(), encoder_->time_base, stream_->time_base);
    packet_->stream_index = stream_->index;
    if (ffmpeg().av_interleaved_write_frame(output_.get(), packet_.get()) < 0) {
      return false;
    }
  }
}

bool WmaWriter::encodeFrames(bool final) {
  const int size = encoder_->frame_size;
  while (ffmpeg().av_audio_fifo_size(fifo_.get()) >= size ||
         (final && ffmpeg().av_audio_fifo_size(fifo_.get()) > 0)) {
    const int frames = std::min(size, ffmpeg().av_audio_fifo_size(fifo_.get()));
    ffmpeg().av_frame_unref(frame_.get());
    frame_->nb_samples = frames;
    frame_->format = encoder_->sample_fmt;
    frame_->sample_rate = encoder_->sample_rate;
    if (ffmpeg().av_channel_layout_copy(&frame_->ch_layout, &encoder_->ch_layout) < 0 ||
        ffmpeg().av_frame_get_buffer(frame_.get(), 0) < 0) {
      return false;
    }
    void** data = reinterpret_cast<void**>(frame_->data);
    if (ffmpeg().av_audio_fifo_read(fifo_.get(), data, frames) != frames) {
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
  return encodeFrames(true) && send(nullptr) && ffmpeg().av_write_trailer(output_.get()) >= 0;
}

}  // namespace

FfmpegWmaTranscoder::FfmpegWmaTranscoder() {
  if (FfmpegLibrary::get() == nullptr) {
    return;  // not installed: WMA stays off
  }
  // The libraries' warnings about ordinary files (a wave file that is not S/PDIF data, ...)
  // would only clutter standard error; errors are still shown.
  if (ffmpeg().av_log_get_level() > AV_LOG_ERROR) {
    ffmpeg().av_log_set_level(AV_LOG_ERROR);
  }
  available_ = ffmpeg().avcodec_find_encoder(AV_CODEC_ID_WMAV2) &&
               ffmpeg().avcodec_find_decoder(AV_CODEC_ID_WMAV2) &&
               ffmpeg().av_guess_format("asf", nullptr, nullptr) &&
               ffmpeg().av_find_input_format("asf") && ffmpeg().av_find_input_format("wav");
}

bool FfmpegWmaTranscoder::wavToWma(const std::string& source, const std::string& target,
                                   std::uint32_t bitRate) {
  if (FfmpegLibrary::get() == nullptr) {
    return false;
  }
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
  if (FfmpegLibrary::get() == nullptr) {
    return false;
  }
  FfmpegAudioSource input;
  if (!input.open(source)) {
    return false;
  }
  const int channels = std::min(input.channels(), 2);
  WaveFileWriter writer;
  writer.setDurable(false);
  writer.setBuffered(true);
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
