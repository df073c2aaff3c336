#pragma once

#include "platform/FfmpegHeaders.h"

namespace qp {

// Every FFmpeg function the WMA conversions call, as X(name).
// clang-format off
#define QP_FFMPEG_FUNCTIONS(X) \
  X(av_audio_fifo_alloc) \
  X(av_audio_fifo_free) \
  X(av_audio_fifo_read) \
  X(av_audio_fifo_size) \
  X(av_audio_fifo_write) \
  X(av_channel_layout_copy) \
  X(av_channel_layout_default) \
  X(av_find_best_stream) \
  X(av_find_input_format) \
  X(av_frame_alloc) \
  X(av_frame_free) \
  X(av_frame_get_buffer) \
  X(av_frame_unref) \
  X(av_guess_format) \
  X(av_interleaved_write_frame) \
  X(av_log_get_level) \
  X(av_log_set_level) \
  X(av_packet_alloc) \
  X(av_packet_free) \
  X(av_packet_rescale_ts) \
  X(av_packet_unref) \
  X(av_read_frame) \
  X(av_write_trailer) \
  X(avcodec_alloc_context3) \
  X(avcodec_find_decoder) \
  X(avcodec_find_encoder) \
  X(avcodec_free_context) \
  X(avcodec_open2) \
  X(avcodec_parameters_from_context) \
  X(avcodec_parameters_to_context) \
  X(avcodec_receive_frame) \
  X(avcodec_receive_packet) \
  X(avcodec_send_frame) \
  X(avcodec_send_packet) \
  X(avformat_alloc_output_context2) \
  X(avformat_close_input) \
  X(avformat_find_stream_info) \
  X(avformat_free_context) \
  X(avformat_new_stream) \
  X(avformat_open_input) \
  X(avformat_write_header) \
  X(avio_closep) \
  X(avio_open) \
  X(swr_alloc_set_opts2) \
  X(swr_convert) \
  X(swr_free) \
  X(swr_get_out_samples) \
  X(swr_init)
// clang-format on

// FFmpeg's libavformat, libavcodec, libavutil and libswresample, loaded with dlopen the first
// time a conversion asks for them (the major versions of the headers built against), so that
// programs and verbs without WMA work never load them and their many dependencies. Loaded
// once per process and kept until it ends. Thread-safe.
class FfmpegLibrary {
 public:
  struct Functions {
// A member named as the function, of its pointer type (a name cannot be parenthesised).
#define QP_FFMPEG_POINTER(name) \
  decltype(&::name) name = nullptr;  // NOLINT(bugprone-macro-parentheses)
    QP_FFMPEG_FUNCTIONS(QP_FFMPEG_POINTER)
#undef QP_FFMPEG_POINTER
  };

  // The functions, or null when a library or one of the functions is missing.
  static const Functions* get();
  // Whether the libraries are in this process already (tests: nothing loads them early).
  static bool loaded();
};

// The loaded functions; only after FfmpegLibrary::get() returned them.
inline const FfmpegLibrary::Functions& ffmpeg() {
  return *FfmpegLibrary::get();
}

}  // namespace qp
