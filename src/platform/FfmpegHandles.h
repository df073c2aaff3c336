#pragma once

#include <memory>

#include "platform/FfmpegLibrary.h"

namespace qp {

// Owning handles for the FFmpeg objects of a conversion; nothing is freed by hand. A handle
// exists only once FfmpegLibrary has loaded the functions that free it.
struct AvInputDeleter {
  void operator()(AVFormatContext* ctx) const { ffmpeg().avformat_close_input(&ctx); }
};
// An output context: closes its file (when one was opened) and frees the context.
struct AvOutputDeleter {
  void operator()(AVFormatContext* ctx) const {
    if (ctx->pb && !(ctx->oformat->flags & AVFMT_NOFILE)) {
      ffmpeg().avio_closep(&ctx->pb);
    }
    ffmpeg().avformat_free_context(ctx);
  }
};
struct AvCodecDeleter {
  void operator()(AVCodecContext* ctx) const { ffmpeg().avcodec_free_context(&ctx); }
};
struct AvFrameDeleter {
  void operator()(AVFrame* frame) const { ffmpeg().av_frame_free(&frame); }
};
struct AvPacketDeleter {
  void operator()(AVPacket* packet) const { ffmpeg().av_packet_free(&packet); }
};
struct SwrDeleter {
  void operator()(SwrContext* ctx) const { ffmpeg().swr_free(&ctx); }
};
struct AvFifoDeleter {
  void operator()(AVAudioFifo* fifo) const { ffmpeg().av_audio_fifo_free(fifo); }
};

using AvInputPtr = std::unique_ptr<AVFormatContext, AvInputDeleter>;
using AvOutputPtr = std::unique_ptr<AVFormatContext, AvOutputDeleter>;
using AvCodecPtr = std::unique_ptr<AVCodecContext, AvCodecDeleter>;
using AvFramePtr = std::unique_ptr<AVFrame, AvFrameDeleter>;
using AvPacketPtr = std::unique_ptr<AVPacket, AvPacketDeleter>;
using SwrPtr = std::unique_ptr<SwrContext, SwrDeleter>;
using AvFifoPtr = std::unique_ptr<AVAudioFifo, AvFifoDeleter>;

}  // namespace qp
