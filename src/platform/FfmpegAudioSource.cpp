#include "platform/FfmpegAudioSource.h"

namespace qp {

bool FfmpegAudioSource::open(const std::string& path) {
  AVFormatContext* raw = nullptr;
  if (ffmpeg().avformat_open_input(&raw, path.c_str(), nullptr, nullptr) < 0) {
    return false;
  }
  input_.reset(raw);
  if (ffmpeg().avformat_find_stream_info(input_.get(), nullptr) < 0) {
    return false;
  }
  const AVCodec* codec = nullptr;
  streamIndex_ = ffmpeg().av_find_best_stream(input_.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
  if (streamIndex_ < 0 || !codec) {
    return false;
  }
  decoder_.reset(ffmpeg().avcodec_alloc_context3(codec));
  if (!decoder_ ||
      ffmpeg().avcodec_parameters_to_context(decoder_.get(),
                                             input_->streams[streamIndex_]->codecpar) < 0 ||
      ffmpeg().avcodec_open2(decoder_.get(), codec, nullptr) < 0) {
    return false;
  }
  frame_.reset(ffmpeg().av_frame_alloc());
  return frame_ && decoder_->sample_rate > 0 && decoder_->ch_layout.nb_channels > 0;
}

bool FfmpegAudioSource::reserve(int frames) {
  if (converted_ && converted_->nb_samples >= frames) {
    return true;
  }
  AvFramePtr grown(ffmpeg().av_frame_alloc());
  if (!grown) {
    return false;
  }
  grown->format = outFormat_;
  grown->nb_samples = frames;
  ffmpeg().av_channel_layout_default(&grown->ch_layout, outChannels_);
  if (ffmpeg().av_frame_get_buffer(grown.get(), 0) < 0) {
    return false;
  }
  converted_ = std::move(grown);
  return true;
}

// frame null drains the converter.
bool FfmpegAudioSource::deliver(const AVFrame* frame, const Sink& sink) {
  const int inFrames = frame ? frame->nb_samples : 0;
  const int room = ffmpeg().swr_get_out_samples(resampler_.get(), inFrames);
  if (room < 0 || !reserve(room > 0 ? room : 1)) {
    return false;
  }
  const int got = ffmpeg().swr_convert(
      resampler_.get(), converted_->extended_data, converted_->nb_samples,
      frame ? const_cast<const std::uint8_t**>(frame->extended_data) : nullptr, inFrames);
  if (got < 0) {
    return false;
  }
  return got == 0 || sink(converted_->extended_data, got);
}

bool FfmpegAudioSource::receiveAll(const Sink& sink) {
  for (;;) {
    const int status = ffmpeg().avcodec_receive_frame(decoder_.get(), frame_.get());
    if (status == AVERROR(EAGAIN) || status == AVERROR_EOF) {
      return true;
    }
    if (status < 0) {
      return false;
    }
    const bool ok = deliver(frame_.get(), sink);
    ffmpeg().av_frame_unref(frame_.get());
    if (!ok) {
      return false;
    }
  }
}

bool FfmpegAudioSource::decode(AVSampleFormat format, int channels, const Sink& sink) {
  outFormat_ = format;
  outChannels_ = channels;
  AVChannelLayout outLayout;
  ffmpeg().av_channel_layout_default(&outLayout, channels);
  SwrContext* raw = nullptr;
  const int made = ffmpeg().swr_alloc_set_opts2(&raw, &outLayout, format, decoder_->sample_rate,
                                                &decoder_->ch_layout, decoder_->sample_fmt,
                                                decoder_->sample_rate, 0, nullptr);
  resampler_.reset(raw);
  if (made < 0 || ffmpeg().swr_init(resampler_.get()) < 0) {
    return false;
  }
  AvPacketPtr packet(ffmpeg().av_packet_alloc());
  if (!packet) {
    return false;
  }
  while (ffmpeg().av_read_frame(input_.get(), packet.get()) >= 0) {
    bool ok = true;
    if (packet->stream_index == streamIndex_) {
      // A damaged packet is skipped; the decoder picks up again at the next one.
      ffmpeg().avcodec_send_packet(decoder_.get(), packet.get());
      ok = receiveAll(sink);
    }
    ffmpeg().av_packet_unref(packet.get());
    if (!ok) {
      return false;
    }
  }
  ffmpeg().avcodec_send_packet(decoder_.get(), nullptr);
  return receiveAll(sink) && deliver(nullptr, sink);
}

}  // namespace qp
